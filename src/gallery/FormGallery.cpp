#include "gallery/FormGallery.h"

#include "gallery/ChoiceSection.h"
#include "gallery/DialogSection.h"
#include "gallery/GalleryLayout.h"
#include "gallery/PictureSection.h"
#include "gallery/RangeSection.h"
#include "gallery/ScoreSection.h"
#include "gallery/TextBoxSection.h"
#include "tessarin/app/Application.h"
#include "tessarin/graphics/FlushBatch.h"
#include "tessarin/widgets/CheckBox.h"

using namespace tessarin;

FormGallery::FormGallery(Application* app) {
  SetApplication(app);
  SetSize(gallery::kWindowWidth, gallery::kWindowHeight);
  SetTitle(gallery::kWindowTitle);
  SetBackColor(gallery::kFormBack);
  CenterOnScreen();
  Create();
}

FormGallery::~FormGallery() {
  DestroyWindow();
  // A message box still open over this window must not outlive the owner it reports to.
  Form* box = Application::CurrentMessageBox();
  if (box != nullptr && box->GetParent() == this) Application::DeleteMessageBox();
  dialogs.reset();
  scores.reset();
  pictures.reset();
  choices.reset();
  ranges.reset();
  texts.reset();
}

void FormGallery::LoadControls() {
  // Made in this order, so that Tab walks the left column and then the right one.
  texts = std::make_unique<TextBoxSection>(this);
  choices = std::make_unique<ChoiceSection>(this);
  dialogs = std::make_unique<DialogSection>(this);
  ranges = std::make_unique<RangeSection>(this);
  pictures = std::make_unique<PictureSection>(this);
  scores = std::make_unique<ScoreSection>(this);
  for (GallerySection* section : Sections()) section->Build();
  // The pictures belong to another section than the box: this form, which holds both, decides.
  if (CheckBox* animate = choices->AnimateBox()) animate->SetCommand(CommandToThis());
}

void FormGallery::Paint() {
  // Some hundred widgets: one flush for them all rather than one each.
  FlushBatch batch(GetDisplay());
  // The pictures first. A file drawn transparently is first read back from the window, a round
  // trip that waits until the server has carried out every request sent before it: made early,
  // it waits for few. Its section must lie beneath it, and no other section touches it.
  if (pictures && pictures->IsCreated()) {
    pictures->Paint();
    pictures->PaintBitmaps();
  }
  // Every widget lives in a section, and a section paints its widgets after itself. Form::Paint
  // would paint each widget once more after its section; painting the sections paints
  // everything once.
  for (GallerySection* section : Sections()) {
    if (section != nullptr && section != pictures.get() && section->IsCreated()) section->Paint();
  }
}

std::array<GallerySection*, 6> FormGallery::Sections() const {
  return {texts.get(), choices.get(), dialogs.get(), ranges.get(), pictures.get(), scores.get()};
}

bool FormGallery::ConfirmClose() {
  Application::RequestQuit();
  return true;
}

void FormGallery::CommandClicked(GUIElement* element) {
  CheckBox* animate = choices ? choices->AnimateBox() : nullptr;
  if (element == nullptr || animate == nullptr || element->GetId() != animate->GetId()) return;
  if (pictures) pictures->SetAnimating(animate->IsChecked());
}
