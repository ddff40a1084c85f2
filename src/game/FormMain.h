// The game's one main window: the board of tiles (4 x 4 unless the settings choose another
// size), the title picture, INFO, START/CANCEL and EXIT, and the three-colour flag. FormMain
// owns every element it shows, the title picture converted at the first paint and the About
// window's converted when that window first opens, the About window, the statistics, keys and
// settings windows, the tick timer and the sound player, and it carries the settings, the
// puzzle state and the current game's figures. The program entry owns the FormMain; the first
// one constructed is recorded as the main form.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/GameSession.h"
#include "game/GameSettings.h"
#include "game/PuzzleRules.h"
#include "tessarin/framework/HandlerForm.h"
#include "tessarin/graphics/Color.h"
#include "tessarin/graphics/XImageFactory.h"

namespace tessarin {
class Application;
class ButtonCustom;
class CellControl;
class FormAbout;
class LoopWakeUp;
class MyImage;
class Timer;
}  // namespace tessarin
class FormKeys;
class FormSettings;
class FormStats;
class HintSearch;
class SoundPlayer;

class FormMain : public tessarin::HandlerForm {
 public:
  FormMain(tessarin::Application* app, const std::string& title, const GameSettings& settings = {});
  ~FormMain() override;

  // Form operations the main window gives its own meaning.
  void Paint() override;
  void OnDialogResult(std::uint32_t dialogId, int result) override;
  void LoadControls() override;
  // Asks whether to leave; the answer arrives in OnDialogResult, so the window stays.
  bool ConfirmClose() override;
  // A press on a tile.
  void ChildMouseDown(tessarin::GUIElement* element) override;
  // A press on the window while a dialog blocks it.
  void FormMouseDown() override;
  void CommandClicked(tessarin::GUIElement* element) override;
  // The keys of the board; game/KeyTable says which key does what.
  bool FormKeyChar(char ch) override;
  void FormKeyDown(unsigned long keysym) override;
  // A slide asked for from the keyboard: moves the tile into the gap during a game, beeps
  // when no tile lies on that side of it; nothing while the board is idle.
  void SlideFromKeyboard(Slide slide);
  // Undo and redo of the current game; each counts as a move. Nothing while the board is idle.
  void UndoMove();
  void RedoMove();
  // Slides the first tile of a solution (the shortest up to 4 x 4): at once when the last answer
  // still fits the board, else when the search started here answers. Nothing while a search
  // runs: it is for this very board, since every change of the board cancels it.
  void AskForHint();
  // The hint search's answer, when its wake-up brought the call; the tick timer's and any other
  // user message find nothing to do.
  void OnUserMessage() override;
  // Enabled again once the dialog that blocked it lets it go: an answer held back meanwhile
  // comes now.
  void SetEnabled(bool on) override;

  // F2, F1 and F3: open the window, or raise it when it is open. None blocks this one.
  void OpenStatistics();
  void OpenKeys();
  void OpenSettings();
  // What the settings window's OK hands over: applied and saved. A new size shows its ordered
  // board at once; while a game runs it asks first, since the game is given up.
  void ChooseSettings(const GameSettings& chosen);

  virtual bool AcceptsKey(int code);

  // The first FormMain constructed and still alive, or null.
  static FormMain* MainForm() { return mainForm; }

  // The board while it is 4 x 4; all zeros at any other size.
  const Board& GetBoard() const { return session.GetBoard(); }
  const SizedBoard& GetSizedBoard() const { return session.GetSizedBoard(); }
  const GameSettings& GetSettings() const { return settings; }
  bool IsGameActive() const { return session.Running(); }
  // The current game as the statistics window shows it.
  GameStats GetGameStats() const { return session.Stats(); }
  tessarin::ButtonCustom* GetInfoButton() const { return btnInfo.get(); }
  tessarin::ButtonCustom* GetStartButton() const { return btnStart.get(); }
  tessarin::ButtonCustom* GetExitButton() const { return btnExit.get(); }
  tessarin::MyImage* GetLogoImage() const { return logoImage.get(); }
  tessarin::CellControl* GetCell(int index) const;
  tessarin::FormAbout* GetAboutForm() const { return aboutForm.get(); }
  FormStats* GetStatsForm() const { return statsForm.get(); }
  FormKeys* GetKeysForm() const { return keysForm.get(); }
  FormSettings* GetSettingsForm() const { return settingsForm.get(); }
  tessarin::Timer* GetTickTimer() const { return tickTimer.get(); }
  // The About window's picture, converted at the first call.
  XImage* GetAboutPicture();

  // Puts a chosen arrangement on the board as a running game. For tests.
  void SetBoardForTest(const Board& arrangement);

 private:
  void BuildCells();
  std::unique_ptr<tessarin::CellControl> BuildCell(int side, int index);
  // The tiles of the side the session now has, in place of the old ones, shown at once.
  void RebuildCells();
  void ApplySettings(const GameSettings& chosen);
  void BuildButtons();
  tessarin::ButtonCustom* BuildButton(const std::string& caption, int left, int top,
                                      tessarin::Color textColor, tessarin::Color background);
  void BuildTickTimer();
  void ConvertPicturesOnce();
  void PaintFlag();
  // Where the flag stands in the window.
  tessarin::Rect FlagArea() const;
  void StartOrCancel();
  void OpenAbout();
  // Copies the board onto the tiles; true when every tile stands in its place.
  bool SyncCells();
  // Shows the ordered picture without touching the board.
  void ResetCells();
  void ShowOnCell(int index, int value, bool alwaysRepaint);
  // A press on the tile at k: one tile, or with row slides every tile up to the gap.
  bool PressMove(int k);
  int IndexOfCell(const tessarin::GUIElement* element) const;
  // Moves the tile at k into the gap and, when that ends the game, congratulates and goes
  // back to idle; false when the tile cannot move.
  bool PlayMove(int k);
  // Shows the board after a move of any kind; a solved board wins the game.
  void ShowMoveMade();
  void RecordWin();
  bool FollowHintPlan();
  // False when no search can be had (the loop cannot be woken for its answer).
  bool MakeHintSearch();
  void TakeHintAnswer();
  // Abandons a running search and an answer not yet taken: the board is no longer theirs.
  void CancelHintSearch();
  // That, and forgets the rest of the last answer too: a new game or none.
  void DropHint();
  // The statistics window, when open, shows the figures of the game as they now stand.
  void ShowFiguresInStats();

  static FormMain* mainForm;

  bool picturesConverted = false;
  GameSettings settings;
  GameSession session;
  // The rest of the last solution, the board it starts from and whether it is the shortest.
  std::vector<int> hintPlan;
  SizedBoard hintPlanBoard{kBoardSide};
  bool hintPlanShortest = true;
  // Made at the first hint: the solver's linked tables are read into memory only by those who
  // ask.
  std::unique_ptr<HintSearch> hintSearch;
  // The search's way back to this window; it outlives the search, whose thread triggers it.
  std::unique_ptr<tessarin::LoopWakeUp> hintWakeUp;
  // An answer came while a dialog blocked the window.
  bool hintWaitsForWindow = false;
  std::unique_ptr<tessarin::ButtonCustom> btnInfo;
  std::unique_ptr<tessarin::ButtonCustom> btnStart;
  std::unique_ptr<tessarin::ButtonCustom> btnExit;
  std::unique_ptr<tessarin::MyImage> logoImage;
  // One for each cell of the session's board, row-major.
  std::vector<std::unique_ptr<tessarin::CellControl>> cells;
  tessarin::OwnedXImage aboutPixmap;
  tessarin::OwnedXImage logoPixmap;
  std::unique_ptr<tessarin::FormAbout> aboutForm;
  std::unique_ptr<FormStats> statsForm;
  std::unique_ptr<FormKeys> keysForm;
  std::unique_ptr<FormSettings> settingsForm;
  std::unique_ptr<tessarin::Timer> tickTimer;
  std::unique_ptr<SoundPlayer> soundPlayer;
};
