#include "gallery/ScoreSection.h"

#include "gallery/GalleryLayout.h"
#include "gallery/GalleryText.h"
#include "tessarin/dialogs/FormNamePlayer.h"
#include "tessarin/util/Log.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/TextBoxCustom.h"

using namespace tessarin;

namespace {

using namespace gallery::score;

constexpr char kFirstScore[] = "100";
constexpr int kNameWindowWidth = 250;
constexpr int kNameWindowHeight = 115;

void ForwardNameWindowClosed(GUIElement* window) {
  if (auto* section = static_cast<ScoreSection*>(window->GetContext())) {
    section->NameWindowClosed();
  }
}

}  // namespace

ScoreSection::ScoreSection(GUIElement* container)
    : GallerySection(container, "Names and scores", gallery::kScorePanel) {}

ScoreSection::~ScoreSection() {
  nameWindow.reset();
}

void ScoreSection::BuildWidgets() {
  scoreLabel = MakeLabel("Score", kLabel);
  scoreBox = std::make_unique<TextBoxCustom>(this, kFirstScore);
  scoreBox->SetNumeric(true);
  scoreBox->SetMaxLength(kScoreDigits);
  Place(*scoreBox, kScoreBox);
  nameButton = MakeButton("Enter name...", kNameButton);
  hint = MakeLabel("The ten lowest scores of the table \"Gallery\":", kHint);
  lines = MakeValueCell("", kLines, TextAlign::Left);
  ShowTable();
}

void ScoreSection::CommandClicked(GUIElement* sender) {
  if (nameButton && sender->GetId() == nameButton->GetId()) OpenNameWindow();
}

void ScoreSection::OpenNameWindow() {
  Form* owner = GetParentForm();
  nameWindow.reset();
  nameWindow = std::make_unique<FormNamePlayer>(owner, this, "Name");
  nameWindow->SetPrompt("Who scored " + std::to_string(ScoreFromText(scoreBox->GetText())) + "?");
  nameWindow->SetOnClose(ForwardNameWindowClosed);
  // The name window does not place itself; put it over the middle of the gallery.
  if (owner != nullptr) {
    const Point at = owner->GetPosition();
    const Point size = owner->GetSize();
    nameWindow->MoveTo(at.x + (size.x - kNameWindowWidth) / 2,
                       at.y + (size.y - kNameWindowHeight) / 2);
  }
  nameWindow->Show();
}

void ScoreSection::NameWindowClosed() {
  const std::string name = FormNamePlayer::LastPlayerName();
  if (name.empty()) return;
  if (!table.AddScore(ScoreFromText(scoreBox->GetText()), name)) {
    Log("The gallery could not add " + name + " to its score table. " + table.Problem());
  }
  ShowTable();
}

void ScoreSection::ShowTable() {
  const std::vector<std::string> read = table.ReadScores();
  lines->SetText(table.HasError() ? std::string("The score table cannot be read.")
                                  : ScoreTableText(read));
}
