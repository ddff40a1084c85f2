// Where the game draws what the end-to-end tests look at and press: the colours it paints and
// the areas of its main window, its message boxes, its About window, the statistics and the
// settings windows, in window coordinates (the keys window's follow its font:
// game/KeysWindowLayout).
// The tiles' places are BoardReader's. Header-only constants.
#pragma once

namespace game_layout {

constexpr unsigned long kGreen = 0x00FF00;
constexpr unsigned long kWhite = 0xFFFFFF;
constexpr unsigned long kBlack = 0x000000;
constexpr unsigned long kRed = 0xFF0000;
constexpr unsigned long kCream = 0xFFFDE5;
constexpr unsigned long kDarkGreen = 0x00AA00;
constexpr unsigned long kLabelGrey = 0xB7B7B7;
constexpr unsigned long kDialogGrey = 0xAAAAAA;
constexpr unsigned long kLinkBlue = 0x0000FF;

struct Area {
  int x;
  int y;
  int width;
  int height;
  int CentreX() const { return x + width / 2; }
  int CentreY() const { return y + height / 2; }
};

// The main window.
constexpr Area kInfoButton{400, 155, 100, 28};
constexpr Area kStartButton{400, 190, 100, 28};
constexpr Area kExitButton{400, 225, 100, 28};
constexpr Area kTitlePicture{400, 25, 328, 100};
constexpr Area kBoard{20, 25, 358, 550};
// The three squares of the flag, painted by the window itself in its bottom-right corner.
constexpr Area kFlag{730, 580, 60, 15};
// A message box.
constexpr Area kYesOrOkButton{130, 110, 110, 28};
constexpr Area kNoButton{10, 110, 110, 28};
constexpr Area kMessageLabel{10, 10, 230, 90};
// The About window.
constexpr Area kWebLink{209, 68, 200, 12};
constexpr Area kMailLink{419, 68, 150, 12};
constexpr Area kAboutOkButton{359, 173, 80, 28};
// The windows F2 and F1 open beside the main window.
constexpr Area kWholeMainWindow{0, 0, 800, 600};
// The framed figures of the current game.
constexpr Area kStatsMovesCell{85, 34, 80, 19};
constexpr Area kStatsTimeCell{315, 34, 80, 19};
// The score column of the second row of each best-result table.
constexpr Area kFewestMovesSecondScore{46, 107, 60, 11};
constexpr Area kShortestTimeSecondScore{281, 107, 60, 11};
constexpr Area kStatsOkButton{200, 262, 80, 28};

// The settings window F3 opens: the option box's rows, 26 pixels each from 3 x 3, the check
// box, and OK, which stands left of the window's middle (its width follows the font).
constexpr Area kSettingsFirstSize{20, 28, 110, 26};
constexpr Area kSettingsRowSlides{10, 152, 200, 22};
inline Area SettingsSizeRow(int side) {
  return {kSettingsFirstSize.x, kSettingsFirstSize.y + (side - 3) * kSettingsFirstSize.height,
          kSettingsFirstSize.width, kSettingsFirstSize.height};
}
inline Area SettingsOkButton(int windowWidth) {
  return {windowWidth / 2 - 5 - 80, 188, 80, 28};
}

// The inside of a button's caption, clear of its bevel and of the dashed focus frame, so it
// changes only when the caption does.
inline Area CaptionOf(const Area& button) {
  return {button.x + 8, button.y + 5, button.width - 16, button.height - 10};
}

}  // namespace game_layout
