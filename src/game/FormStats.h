// The statistics window: the current game's moves and time, and the two best-result tables
// (fewest moves, shortest time). It does not block the main window. While it is open a timer
// of one second brings the game's figures up to date; the timer runs only while the window
// is open, so a program with the window closed never wakes for it. The tables are read when the
// window opens. Its owner owns it; it owns its children and its timer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dialogs/CompanionWindow.h"
#include "game/GameStats.h"
#include "game/ScoreRows.h"

class ButtonCustom;
class CellControl;
class PanelChildren;
class Timer;

class FormStats : public CompanionWindow {
 public:
  // The tables are ScoreTable names: fewest moves first, then shortest time.
  FormStats(Form* owner, GameStatsProvider provider, std::string movesTable, std::string timeTable);
  ~FormStats() override;

  void LoadControls() override;
  void CommandClicked(GUIElement* element) override;
  void DestroyWindow() override;

  // Asks the provider and shows what it answers.
  void ShowGameFigures();

  CellControl* GetMovesCell() const { return movesValue; }
  CellControl* GetTimeCell() const { return timeValue; }
  Timer* GetRefreshTimer() const { return refreshTimer.get(); }

  // The statistics window alive, or null: the program keeps at most one.
  static FormStats* Current() { return current; }

 private:
  static FormStats* current;

  CellControl* AddCell(GUIElement* parent, const std::string& text, int left, int top, int w,
                       int h);
  // A framed figure of the current game, on the row at top.
  CellControl* AddFigure(GUIElement* parent, int left, int top);
  void BuildGamePanel();
  void BuildTable(const std::string& title, const std::string& tableName, ScoreKind kind, int left);
  void FreeChildren();

  GameStatsProvider provider;
  std::string movesTable;
  std::string timeTable;
  std::vector<std::unique_ptr<PanelChildren>> panels;
  std::vector<std::unique_ptr<CellControl>> cells;
  CellControl* movesValue = nullptr;
  CellControl* timeValue = nullptr;
  std::unique_ptr<ButtonCustom> okButton;
  std::unique_ptr<Timer> refreshTimer;
};
