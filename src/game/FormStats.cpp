#include "game/FormStats.h"

#include <utility>

#include "tessarin/framework/Child.h"
#include "tessarin/framework/Timer.h"
#include "tessarin/util/ScoreTable.h"
#include "tessarin/util/TextUtils.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/PanelChildren.h"

using namespace tessarin;

namespace {

constexpr int kWindowWidth = 480;
constexpr int kWindowHeight = 300;
constexpr int kMargin = 10;
constexpr int kRowHeight = 15;
constexpr int kFirstRowTop = 18;
constexpr int kTableTop = 70;
constexpr int kTableWidth = 225;
constexpr int kTableRows = 10;
constexpr int kRankWidth = 30;
constexpr int kScoreWidth = 60;
constexpr int kFigureWidth = 80;
// A figure's frame stands this far outside its row, above and below: one pixel for the frame
// and one to keep the digits off it.
constexpr int kFigureSpare = 2;
constexpr std::uint32_t kRefreshMs = 1000;
constexpr Color kFigureWhite = 0xFFFFFF;
// The figures stand a blank away from their cells' frames.
constexpr char kNoGame[] = " -";
constexpr char kEmptyTable[] = "No results yet";
constexpr char kUnreadableTable[] = "The table cannot be read";

// A tick slot is a plain function: the window it serves is the one statistics window alive.
void RefreshOwnerForm(Timer* timer) {
  FormStats* form = FormStats::Current();
  if (form != nullptr && FindForm(timer) == form) form->ShowGameFigures();
}

// Changes the caption only when it differs: a cell repaints at every SetText.
void ShowText(CellControl* cell, const std::string& text) {
  if (cell != nullptr && cell->GetText() != text) cell->SetText(text);
}

}  // namespace

FormStats* FormStats::current = nullptr;

FormStats::FormStats(Form* owner, GameStatsProvider provider, std::string movesTable,
                     std::string timeTable)
    : CompanionWindow(owner),
      provider(std::move(provider)),
      movesTable(std::move(movesTable)),
      timeTable(std::move(timeTable)) {
  current = this;
  SetTitle("Statistics");
  SetSize(kWindowWidth, kWindowHeight);
}

FormStats::~FormStats() {
  if (current == this) current = nullptr;
  FreeChildren();
}

void FormStats::LoadControls() {
  BuildGamePanel();
  BuildTable("Fewest moves", movesTable, ScoreKind::Moves, kMargin);
  BuildTable("Shortest time", timeTable, ScoreKind::Seconds, kWindowWidth - kMargin - kTableWidth);
  okButton = std::make_unique<ButtonCustom>(this, "OK");
  okButton->SetSize(80, 28);
  okButton->MoveTo((kWindowWidth - 80) / 2, kWindowHeight - 38);
  okButton->SetCommand(CommandToThis());
  okButton->Create();
  ShowGameFigures();
  refreshTimer = std::make_unique<Timer>(this, kRefreshMs);
  refreshTimer->SetOnTick(RefreshOwnerForm);
  refreshTimer->Start();
}

CellControl* FormStats::AddCell(GUIElement* parent, const std::string& text, int left, int top,
                                int w, int h) {
  auto cell = std::make_unique<CellControl>(parent);
  cell->SetText(text);
  cell->SetSize(w, h);
  cell->MoveTo(left, top);
  cell->SetTextAlign(TextAlign::Left);
  cell->Create();
  cells.push_back(std::move(cell));
  return cells.back().get();
}

void FormStats::BuildGamePanel() {
  auto panel = std::make_unique<PanelChildren>(this);
  panel->SetText("Current game");
  panel->SetSize(kWindowWidth - 2 * kMargin, 50);
  panel->MoveTo(kMargin, kMargin);
  panel->SetBorder(true);
  panel->Create();
  const int top = kFirstRowTop + 8;
  AddCell(panel.get(), "Moves", 10, top, 60, kRowHeight);
  movesValue = AddFigure(panel.get(), 75, top);
  AddCell(panel.get(), "Time", 240, top, 60, kRowHeight);
  timeValue = AddFigure(panel.get(), 305, top);
  panels.push_back(std::move(panel));
}

// Its text stands on the same line as the label's beside it.
CellControl* FormStats::AddFigure(GUIElement* parent, int left, int top) {
  CellControl* figure = AddCell(parent, kNoGame, left, top - kFigureSpare, kFigureWidth,
                                kRowHeight + 2 * kFigureSpare);
  figure->SetBorder(true);
  figure->SetBackColor(kFigureWhite);
  return figure;
}

void FormStats::BuildTable(const std::string& title, const std::string& tableName, ScoreKind kind,
                           int left) {
  auto panel = std::make_unique<PanelChildren>(this);
  panel->SetText(title);
  panel->SetSize(kTableWidth, kFirstRowTop + kTableRows * kRowHeight + 6);
  panel->MoveTo(left, kTableTop);
  panel->SetBorder(true);
  panel->Create();
  ScoreTable table(tableName);
  const std::vector<ScoreRow> rows = ToScoreRows(table.ReadScores(), kind);
  const int nameLeft = 6 + kRankWidth + kScoreWidth;
  if (rows.empty()) {
    AddCell(panel.get(), table.HasError() ? kUnreadableTable : kEmptyTable, 6, kFirstRowTop,
            kTableWidth - 12, kRowHeight);
  }
  for (std::size_t i = 0; i < rows.size() && i < kTableRows; ++i) {
    const int top = kFirstRowTop + static_cast<int>(i) * kRowHeight;
    AddCell(panel.get(), rows[i].rank, 6, top, kRankWidth, kRowHeight);
    AddCell(panel.get(), rows[i].score, 6 + kRankWidth, top, kScoreWidth, kRowHeight);
    // The table keeps names in UTF-8; the cells draw the core font's Latin-1.
    AddCell(panel.get(), Utf8ToLatin1(rows[i].name), nameLeft, top, kTableWidth - nameLeft - 6,
            kRowHeight);
  }
  panels.push_back(std::move(panel));
}

void FormStats::ShowGameFigures() {
  const GameStats stats = provider ? provider() : GameStats{};
  ShowText(movesValue, stats.running ? " " + ToString(stats.moves) : kNoGame);
  ShowText(timeValue, stats.running ? " " + FormatSeconds(stats.seconds) : kNoGame);
}

void FormStats::CommandClicked(GUIElement* element) {
  if (element != nullptr && okButton && element->GetId() == okButton->GetId()) CloseWindow();
}

void FormStats::DestroyWindow() {
  // The timer stops first: an idle program with the window closed has nothing to wake for.
  // Stopped, not destroyed: nothing may leave the registry here, since the shutdown walks a
  // copy of it while it destroys every window. The children stay until the form goes too: the
  // OK button that closed the window is still handling its release.
  if (refreshTimer) refreshTimer->Stop();
  CompanionWindow::DestroyWindow();
}

void FormStats::FreeChildren() {
  refreshTimer.reset();
  okButton.reset();
  movesValue = nullptr;
  timeValue = nullptr;
  cells.clear();
  panels.clear();
}
