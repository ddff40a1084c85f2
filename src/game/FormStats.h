// The statistics window: the current game's moves and time, and the two best-result tables
// (fewest moves, shortest time). It does not block the main window. While it is open a timer
// of one second brings the game's figures up to date; the timer runs only while the window
// is open, so a program with the window closed never wakes for it. The tables are read when the
// window opens. Its owner owns it; it owns its children and its timer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/GameStats.h"
#include "game/ScoreRows.h"
#include "tessarin/dialogs/CompanionWindow.h"

namespace tessarin {
class ButtonCustom;
class CellControl;
class PanelChildren;
class Timer;
}  // namespace tessarin

class FormStats : public tessarin::CompanionWindow {
 public:
  // The tables are ScoreTable names: fewest moves first, then shortest time.
  FormStats(tessarin::Form* owner, GameStatsProvider provider, std::string movesTable,
            std::string timeTable);
  ~FormStats() override;

  void LoadControls() override;
  void CommandClicked(tessarin::GUIElement* element) override;
  void DestroyWindow() override;

  // Asks the provider and shows what it answers.
  void ShowGameFigures();

  tessarin::CellControl* GetMovesCell() const { return movesValue; }
  tessarin::CellControl* GetTimeCell() const { return timeValue; }
  tessarin::Timer* GetRefreshTimer() const { return refreshTimer.get(); }

  // The statistics window alive, or null: the program keeps at most one.
  static FormStats* Current() { return current; }

 private:
  static FormStats* current;

  tessarin::CellControl* AddCell(tessarin::GUIElement* parent, const std::string& text, int left,
                                 int top, int w, int h);
  // A framed figure of the current game, on the row at top.
  tessarin::CellControl* AddFigure(tessarin::GUIElement* parent, int left, int top);
  void BuildGamePanel();
  void BuildTable(const std::string& title, const std::string& tableName, ScoreKind kind, int left);
  void FreeChildren();

  GameStatsProvider provider;
  std::string movesTable;
  std::string timeTable;
  std::vector<std::unique_ptr<tessarin::PanelChildren>> panels;
  std::vector<std::unique_ptr<tessarin::CellControl>> cells;
  tessarin::CellControl* movesValue = nullptr;
  tessarin::CellControl* timeValue = nullptr;
  std::unique_ptr<tessarin::ButtonCustom> okButton;
  std::unique_ptr<tessarin::Timer> refreshTimer;
};
