// Where everything in the gallery window stands: the window, its six panels in two columns
// and, relative to its panel, each widget in it. Keeping the numbers in one place keeps the
// window aligned, and lets the end-to-end tests find what they press and read. Plain
// constants; nothing here is owned.
#pragma once

#include "tessarin/graphics/Color.h"
#include "tessarin/graphics/Rect.h"

namespace gallery {

constexpr char kWindowTitle[] = "Tessarin gallery";

constexpr tessarin::Color kFormBack = 0x4A6B8A;
constexpr tessarin::Color kPanelBack = 0xDCDAD5;
constexpr tessarin::Color kTitleColor = 0x1F3A5F;
constexpr tessarin::Color kShownBack = 0xFFFFF0;
constexpr tessarin::Color kBackdropBack = 0xA8C8E8;

// Two columns of panels with a 10-pixel margin round the window and between the panels.
constexpr int kMargin = 10;
constexpr int kColumnWidth = 485;
constexpr int kLeftColumn = kMargin;
constexpr int kRightColumn = kLeftColumn + kColumnWidth + kMargin;

constexpr tessarin::Rect kTextPanel{kLeftColumn, kMargin, kColumnWidth, 318};
constexpr tessarin::Rect kChoicePanel{kLeftColumn, kTextPanel.y + kTextPanel.h + kMargin,
                                      kColumnWidth, 194};
constexpr tessarin::Rect kDialogPanel{kLeftColumn, kChoicePanel.y + kChoicePanel.h + kMargin,
                                      kColumnWidth, 74};
constexpr tessarin::Rect kRangePanel{kRightColumn, kMargin, kColumnWidth, 198};
constexpr tessarin::Rect kPicturePanel{kRightColumn, kRangePanel.y + kRangePanel.h + kMargin,
                                       kColumnWidth, 168};
constexpr tessarin::Rect kScorePanel{kRightColumn, kPicturePanel.y + kPicturePanel.h + kMargin,
                                     kColumnWidth, 220};

constexpr int kWindowWidth = kRightColumn + kColumnWidth + kMargin;
constexpr int kWindowHeight = kScorePanel.y + kScorePanel.h + kMargin;
static_assert(kDialogPanel.y + kDialogPanel.h == kScorePanel.y + kScorePanel.h,
              "both columns end on the same line");
static_assert(kWindowWidth <= 1024 && kWindowHeight <= 768, "the window fits a 1024 x 768 screen");

// Inside a panel: its title takes the top line, the widgets start below it.
constexpr int kPanelInset = 10;
constexpr int kButtonHeight = 28;

// The common header row of the panels that have one.
constexpr int kHeaderTop = 20;
constexpr int kHeaderHeight = 16;

namespace text {
// Three columns: what the box is, the box, and what its GetText returns.
constexpr int kLabelLeft = kPanelInset;
constexpr int kLabelWidth = 100;
constexpr int kBoxLeft = 114;
constexpr int kBoxWidth = 186;  // 20 cells of 9 pixels inside the 3-pixel margins
constexpr int kShownLeft = 306;
constexpr int kShownWidth = 170;
constexpr int kFirstRowTop = 40;
constexpr int kRowGap = 6;
constexpr int kSingleLineHeight = 24;
constexpr int kMultiLineHeight = 60;  // three lines of up to 18 pixels

// The rows, one per kind of box, top to bottom.
enum Row {
  kSingleLine,
  kMultiLine,
  kNumeric,
  kDecimal,
  kDate,
  kPassword,
  kReadOnly,
  kDisabled,
  kRowCount
};
constexpr int RowHeight(int row) {
  return row == kMultiLine ? kMultiLineHeight : kSingleLineHeight;
}
constexpr int RowTop(int row) {
  return row <= 0 ? kFirstRowTop : RowTop(row - 1) + RowHeight(row - 1) + kRowGap;
}
static_assert(RowTop(kRowCount) <= kTextPanel.h, "every row fits the panel");
}  // namespace text

namespace choice {
constexpr int kCheckLeft = kPanelInset;
constexpr int kCheckWidth = 160;
constexpr int kCheckHeight = 24;
constexpr int kCheckPitch = 28;
constexpr int kFirstCheckTop = 24;
constexpr tessarin::Rect kHint{kPanelInset, 112, 160, 76};
constexpr int kMaxOptionRows = 6;
constexpr int kOptionRowHeight = 26;
constexpr tessarin::Rect kOptionBox{180, 24, 140, kMaxOptionRows* kOptionRowHeight};
constexpr int kButtonLeft = 330;
constexpr int kButtonWidth = 80;
constexpr int kButtonPitch = 34;
constexpr tessarin::Rect kSelection{kButtonLeft, 128, 145, 60};
}  // namespace choice

namespace dialog {
constexpr int kButtonTop = 24;
constexpr int kButtonWidth = 110;
constexpr int kButtonPitch = 116;
constexpr tessarin::Rect kAnswer{kPanelInset + 3 * kButtonPitch, kButtonTop, 117, kButtonHeight};
constexpr tessarin::Rect kHint{kPanelInset, kButtonTop + kButtonHeight + 4, 465, 18};
}  // namespace dialog

namespace range {
constexpr int kSliderMinimum = 0;
constexpr int kSliderMaximum = 10;
constexpr int kSliderStart = 4;
constexpr tessarin::Rect kSlider{kPanelInset, 22, 240, 36};
constexpr tessarin::Rect kSliderValue{256, 30, 100, 20};
// Under the slider's track, which runs 20 pixels inside either end.
constexpr tessarin::Rect kProgress{kSlider.x + 20, 64, kSlider.w - 40, 18};
constexpr tessarin::Rect kProgressValue{256, 63, 100, 20};
constexpr int kScrollMaximum = 1000;
constexpr int kScrollStart = 400;
constexpr tessarin::Rect kScroll{kPanelInset, 94, 242, 21};  // a 200-pixel track: five pages
constexpr tessarin::Rect kScrollValue{256, 94, 100, 21};
constexpr tessarin::Rect kHint{kPanelInset, 126, 330, 62};
constexpr int kStandingMinimum = 0;
constexpr int kStandingMaximum = 5;
constexpr int kStandingStart = 2;
constexpr tessarin::Rect kStandingSlider{356, 22, 40, 136};
constexpr tessarin::Rect kStandingSliderValue{346, 168, 60, 20};
constexpr int kStandingScrollMaximum = 300;
constexpr int kStandingScrollStart = 100;
constexpr tessarin::Rect kStandingScroll{432, 22, 21, 142};  // a 100-pixel track: three pages
constexpr tessarin::Rect kStandingScrollValue{412, 168, 60, 20};
}  // namespace range

namespace picture {
constexpr int kColumnLeft = 118;
constexpr int kColumnWidth = 76;
constexpr int kColumnPitch = 80;
constexpr tessarin::Rect kFrameHeader{362, kHeaderTop, 112, kHeaderHeight};
constexpr tessarin::Rect kOpaqueRow{kPanelInset, 40, 104, 54};
constexpr tessarin::Rect kBackdrop{114, 100, 364, 60};
constexpr tessarin::Rect kTransparentLabel{kPanelInset, kBackdrop.y, 104, kBackdrop.h};
constexpr int kFrameSize = 48;
constexpr int kFrameCount = 8;
constexpr int kFrameIntervalMs = 120;
constexpr tessarin::Rect kOpaqueFrame{394, kOpaqueRow.y + 3, kFrameSize, kFrameSize};
// Inside the backdrop, under the opaque one.
constexpr tessarin::Rect kTransparentFrame{kOpaqueFrame.x - kBackdrop.x, 6, kFrameSize, kFrameSize};
}  // namespace picture

namespace score {
constexpr tessarin::Rect kLabel{kPanelInset, 24, 50, 24};
constexpr tessarin::Rect kScoreBox{64, 24, 78, 24};  // eight cells
constexpr int kScoreDigits = 8;
constexpr tessarin::Rect kNameButton{152, 22, 120, kButtonHeight};
constexpr tessarin::Rect kHint{280, 22, 195, kButtonHeight};
constexpr tessarin::Rect kLines{kPanelInset, 58, 465, 152};  // ten lines
}  // namespace score

// Where a box given relative to a panel lies in the window.
constexpr tessarin::Rect InWindow(const tessarin::Rect& panel, const tessarin::Rect& inside) {
  return {panel.x + inside.x, panel.y + inside.y, inside.w, inside.h};
}

}  // namespace gallery
