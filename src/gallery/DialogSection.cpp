#include "gallery/DialogSection.h"

#include "gallery/GalleryLayout.h"
#include "tessarin/app/Application.h"
#include "tessarin/dialogs/FormAbout.h"
#include "tessarin/dialogs/FormMsgBox.h"
#include "tessarin/graphics/BitmapFile.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"

using namespace tessarin;

namespace {

using namespace gallery::dialog;

// Any id but 0, which the plain message box reports with.
constexpr std::uint32_t kQuestionId = 11;
constexpr char kAboutPictureFile[] = "Data/gallery-8bit.bmp";
constexpr int kAboutPictureDepth = 8;

bool Is(const GUIElement* sender, const std::unique_ptr<ButtonCustom>& button) {
  return button && sender->GetId() == button->GetId();
}

Rect ButtonBox(int index) {
  return {gallery::kPanelInset + index * kButtonPitch, kButtonTop, kButtonWidth,
          gallery::kButtonHeight};
}

std::string AnswerText(std::uint32_t dialogId, int result) {
  switch (result) {
    case kDialogOk:
      return "Answer: OK";
    case kDialogYes:
      return "Answer: YES";
    case kDialogNo:
      return "Answer: NO";
    default:
      return dialogId == kQuestionId ? "Question closed" : "Message closed";
  }
}

}  // namespace

DialogSection::DialogSection(GUIElement* container)
    : GallerySection(container, "Dialogs", gallery::kDialogPanel) {}

DialogSection::~DialogSection() {
  // The window goes before the picture it shows.
  about.reset();
}

void DialogSection::BuildWidgets() {
  messageButton = MakeButton("Message...", ButtonBox(0));
  questionButton = MakeButton("Question...", ButtonBox(1));
  aboutButton = MakeButton("About...", ButtonBox(2));
  answer = MakeValueCell("No answer yet", kAnswer);
  hint = MakeLabel("Each dialog blocks this window until it is closed.", kHint);
}

void DialogSection::CommandClicked(GUIElement* sender) {
  Form* form = GetParentForm();
  if (Is(sender, messageButton)) {
    ShowMessage(form, "A FormMsgBox with one button: OK closes it and the gallery hears of it.",
                "Message", [this](int result) { ShowAnswer(0, result); });
  } else if (Is(sender, questionButton)) {
    AskQuestion(kQuestionId, form, "Is this toolkit small enough?", "Question",
                [this](int result) { ShowAnswer(kQuestionId, result); });
  } else if (Is(sender, aboutButton)) {
    OpenAbout();
  }
}

void DialogSection::ShowAnswer(std::uint32_t dialogId, int result) {
  if (answer) answer->SetText(AnswerText(dialogId, result));
}

void DialogSection::OpenAbout() {
  about.reset();
  about = std::make_unique<FormAbout>(GetParentForm());
  // The picture first: reading it sets the size, and the order in which the arguments of one
  // call are worked out is not fixed.
  XImage* picture = AboutPicture();
  about->SetLogo(picture, aboutPictureWidth, aboutPictureHeight);
  about->SetProductLine("Tessarin gallery " TESSARIN_VERSION);
  about->SetAttribution("Every widget of the Tessarin toolkit, in one window.");
  about->SetNotice("Freeware - free to use, to study and to share.");
  about->SetWebAddress("https://www.tessarin.example");
  about->SetMailbox("gallery");
  about->Show();
}

XImage* DialogSection::AboutPicture() {
  if (aboutPicture) return aboutPicture.get();
  Form* form = GetParentForm();
  DisplayHost* app = form != nullptr ? form->GetApplication() : nullptr;
  if (app == nullptr) return nullptr;
  const RgbPicture picture = ReadBitmap(kAboutPictureFile, kAboutPictureDepth);
  if (!picture) return nullptr;
  aboutPicture.reset(
      MakeXImage(app->GetDisplay(), picture.pixels.get(), picture.width, picture.height));
  if (aboutPicture) {
    aboutPictureWidth = picture.width;
    aboutPictureHeight = picture.height;
  }
  return aboutPicture.get();
}
