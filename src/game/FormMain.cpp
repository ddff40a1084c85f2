#include "game/FormMain.h"

#include "game/BestResults.h"
#include "game/BoardLayout.h"
#include "game/FormKeys.h"
#include "game/FormSettings.h"
#include "game/FormStats.h"
#include "game/GameIcon.h"
#include "game/GameInfo.h"
#include "game/HintSearch.h"
#include "game/KeyTable.h"
#include "game/SoundPlayer.h"
#include "game/images/TitleImages.h"
#include "tessarin/app/Application.h"
#include "tessarin/app/ExternalPrograms.h"
#include "tessarin/app/LoopWakeUp.h"
#include "tessarin/dialogs/FormAbout.h"
#include "tessarin/dialogs/FormMsgBox.h"
#include "tessarin/framework/Child.h"
#include "tessarin/framework/Timer.h"
#include "tessarin/graphics/FlushBatch.h"
#include "tessarin/graphics/Painter.h"
#include "tessarin/util/CharacterCodes.h"
#include "tessarin/util/Log.h"
#include "tessarin/util/TextUtils.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/MyImage.h"

using namespace tessarin;

namespace {

constexpr Color kGreen = 0x00FF00;
constexpr Color kFlagGreen = 0x00AA00;
constexpr Color kRed = 0xFF0000;
constexpr Color kButtonCream = 0xFFFDE5;
constexpr Color kTileWhite = 0xFFFFFF;
constexpr Color kEmptyGrey = 0xB7B7B7;
constexpr char kEmptyCaption[] = " ";

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
constexpr int kRightColumn = 400;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 28;
constexpr int kTickIntervalMs = 20;
constexpr int kFlagSquareWidth = 20;
constexpr int kFlagSquareHeight = 15;

constexpr std::uint32_t kExitQuestionId = 1000;
constexpr char kExitQuestion[] = "Do you really want to go exit?";
constexpr char kWinMessage[] = "Well done! You have completed the game!";
constexpr std::uint32_t kSizeQuestionId = 1001;
constexpr char kSizeQuestion[] =
    "A new board size gives up\nthe game in progress.\n\nChange the size?";
// The ticks only poke the form; nothing the player sees depends on them.
void TickToOwnerForm(Timer* timer) {
  if (Form* form = FindForm(timer)) form->OnUserMessage();
}

// Converts one compiled-in palette picture into an image in the server's pixel layout.
OwnedXImage ConvertPicture(Display* display, const unsigned char* data, int w, int h) {
  return OwnedXImage(MakePaletteXImage(display, data, w, h));
}

}  // namespace

FormMain* FormMain::mainForm = nullptr;

FormMain::FormMain(Application* app, const std::string& title, const GameSettings& settings)
    : settings(settings), session(settings.side) {
  SetApplication(app);
  soundPlayer = std::make_unique<SoundPlayer>();
  SetSize(kWindowWidth, kWindowHeight);
  SetTitle(title);
  SetIconImages(GameWindowIcons());
  SetBackColor(kGreen);
  SetPaintedAreas({FlagArea()});
  Create();
  if (mainForm == nullptr) mainForm = this;
}

FormMain::~FormMain() {
  // The search's thread triggers the wake-up that names this window: it ends before either.
  hintSearch.reset();
  hintWakeUp.reset();
  tickTimer.reset();
  soundPlayer.reset();
  // The companion windows are kept above this one and go before it.
  statsForm.reset();
  keysForm.reset();
  settingsForm.reset();
  DestroyWindow();
  // A message box still open over this window must not outlive the owner it reports to.
  Form* box = Application::CurrentMessageBox();
  if (box != nullptr && box->GetParent() == this) Application::DeleteMessageBox();
  aboutForm.reset();
  cells.clear();
  btnExit.reset();
  btnInfo.reset();
  btnStart.reset();
  logoImage.reset();
  aboutPixmap.reset();
  logoPixmap.reset();
  if (mainForm == this) mainForm = nullptr;
}

CellControl* FormMain::GetCell(int index) const {
  if (index < 0 || index >= static_cast<int>(cells.size())) return nullptr;
  return cells[index].get();
}

void FormMain::LoadControls() {
  BuildCells();
  logoImage = std::make_unique<MyImage>(this, static_cast<XImage*>(nullptr));
  logoImage->SetSize(kTitleLargeWidth, kTitleLargeHeight);
  logoImage->MoveTo(kRightColumn, kBoardArea.y);
  logoImage->Create();
  BuildButtons();
  BuildTickTimer();
}

// The ordered picture, the gap last.
void FormMain::BuildCells() {
  const int side = session.Side();
  cells.clear();
  for (int i = 0; i < side * side; ++i) cells.push_back(BuildCell(side, i));
}

std::unique_ptr<CellControl> FormMain::BuildCell(int side, int index) {
  const bool gap = index == side * side - 1;
  const Rect box = CellBox(side, index);
  auto cell = std::make_unique<CellControl>(this);
  cell->SetBorder(true);
  cell->SetBackColor(gap ? kEmptyGrey : kTileWhite);
  cell->SetTextColor(kBlack);
  cell->SetSize(box.w, box.h);
  cell->MoveTo(box.x, box.y);
  cell->SetText(gap ? kEmptyCaption : ToString(index + 1));
  cell->SetOnMouseDown(ForwardChildMouseDown);
  cell->Create();
  return cell;
}

void FormMain::RebuildCells() {
  FlushBatch batch(GetDisplay());
  // The old tiles leave the window's ground behind them: the new ones and their gaps lie
  // elsewhere.
  for (auto& cell : cells) cell->Hide();
  BuildCells();
  for (auto& cell : cells) cell->Paint();
}

void FormMain::BuildButtons() {
  // Created in this order on purpose: Tab walks INFO, EXIT, START.
  btnInfo.reset(BuildButton("INFO", kRightColumn, 155, kBlack, kButtonCream));
  btnExit.reset(BuildButton("EXIT", kRightColumn, 225, kBlack, kButtonCream));
  btnStart.reset(BuildButton("START", kRightColumn, 190, kWhite, kRed));
}

ButtonCustom* FormMain::BuildButton(const std::string& caption, int left, int top, Color textColor,
                                    Color background) {
  auto* button = new ButtonCustom(this, caption);
  button->SetSize(kButtonWidth, kButtonHeight);
  button->MoveTo(left, top);
  button->SetForeColor(textColor);
  button->SetBackColor(background);
  if (caption == "START") button->SetFlagB(true);
  button->SetCommand(CommandToThis());
  button->Create();
  return button;
}

void FormMain::BuildTickTimer() {
  tickTimer = std::make_unique<Timer>(this, kTickIntervalMs);
  tickTimer->SetOnTick(TickToOwnerForm);
  // Its hook shows nothing, so the ticks may wait for the next input instead of waking the
  // idle program fifty times a second.
  tickTimer->SetDeferrable(true);
}

void FormMain::Paint() {
  if (!IsCreated()) {
    Form::Paint();
    return;
  }
  // Some twenty-five elements: one write to the server for them all rather than one each.
  FlushBatch batch(GetDisplay());
  ConvertPicturesOnce();
  PaintFlag();
  Form::Paint();
}

void FormMain::ConvertPicturesOnce() {
  if (picturesConverted) return;
  picturesConverted = true;
  logoPixmap = ConvertPicture(GetDisplay(), kTitleLarge, kTitleLargeWidth, kTitleLargeHeight);
  if (!logoPixmap) Log("FormMain: title picture conversion failed");
  if (logoImage) {
    // The children's paint that follows shows it: one upload of the picture, not two.
    logoImage->SetImageUnpainted(logoPixmap.get());
    logoImage->Create();
  }
  if (tickTimer) tickTimer->Start();
}

XImage* FormMain::GetAboutPicture() {
  // Converted when first wanted, when the About window opens: most games never show it.
  if (!aboutPixmap && IsCreated()) {
    aboutPixmap = ConvertPicture(GetDisplay(), kTitleSmall, kTitleSmallWidth, kTitleSmallHeight);
    if (!aboutPixmap) Log("FormMain: about picture conversion failed");
  }
  return aboutPixmap.get();
}

// The three squares stand 20 pixels apart from 70 pixels left of the right edge.
Rect FormMain::FlagArea() const {
  return {width - 70, height - 20, 2 * 20 + kFlagSquareWidth, kFlagSquareHeight};
}

void FormMain::PaintFlag() {
  const Point size = GetActualSize();
  const int w = size.x;
  const int h = size.y;
  const Color stripes[] = {kFlagGreen, kWhite, kRed};
  const int rightOffsets[] = {70, 50, 30};
  Painter painter(PaintTargetOf(this));
  for (int i = 0; i < 3; ++i) {
    painter.FillRect(w - rightOffsets[i], h - 20, kFlagSquareWidth, kFlagSquareHeight, 0, 0,
                     stripes[i]);
  }
}

void FormMain::OnDialogResult(std::uint32_t dialogId, int result) {
  if (dialogId != kExitQuestionId || result != kDialogYes) return;
  if (tickTimer) tickTimer->Stop();
  Application::RequestQuit();
}

bool FormMain::ConfirmClose() {
  AskQuestion(kExitQuestionId, this, kExitQuestion, "Exit");
  return false;
}

bool FormMain::AcceptsKey(int code) {
  return code != kTabChar && code != kReturnChar;
}

void FormMain::FormMouseDown() {
  if (IsEnabled() || modalChild == nullptr) return;
  Beep();
  modalChild->Show();
}

void FormMain::CommandClicked(GUIElement* element) {
  if (element == nullptr) return;
  const std::uint32_t sender = element->GetId();
  if (btnExit && sender == btnExit->GetId()) {
    if (ConfirmClose()) Application::RequestQuit();
  } else if (btnStart && sender == btnStart->GetId()) {
    StartOrCancel();
  } else if (btnInfo && sender == btnInfo->GetId()) {
    OpenAbout();
  }
}

void FormMain::OpenAbout() {
  aboutForm.reset();
  aboutForm = std::make_unique<FormAbout>(this);
  aboutForm->SetLogo(GetAboutPicture(), kTitleSmallWidth, kTitleSmallHeight);
  aboutForm->SetProductLine(kProductLine);
  aboutForm->SetAttribution(kAttribution);
  aboutForm->SetNotice(kNotice);
  aboutForm->SetWebAddress(kWebAddress);
  aboutForm->SetMailbox(kMailboxName);
  aboutForm->Show();
}

void FormMain::StartOrCancel() {
  DropHint();
  if (session.Running()) {
    ResetCells();
    session.Stop();
    if (btnStart) btnStart->SetText("START");
    ShowFiguresInStats();
    return;
  }
  session.Start(DealBoard(session.Side()));
  SyncCells();
  if (btnStart) btnStart->SetText("CANCEL");
  ShowFiguresInStats();
}

void FormMain::ShowFiguresInStats() {
  if (statsForm && statsForm->IsOpen()) statsForm->ShowGameFigures();
}

void FormMain::OpenStatistics() {
  if (statsForm && statsForm->IsOpen()) {
    statsForm->Open();
    return;
  }
  statsForm = std::make_unique<FormStats>(
      this, [this] { return GetGameStats(); }, MovesTableName(session.Side()),
      TimeTableName(session.Side()));
  statsForm->Open();
}

void FormMain::OpenKeys() {
  if (!keysForm || !keysForm->IsOpen()) keysForm = std::make_unique<FormKeys>(this);
  keysForm->Open();
}

void FormMain::OpenSettings() {
  if (!settingsForm || !settingsForm->IsOpen()) {
    settingsForm = std::make_unique<FormSettings>(
        this, settings, [this](const GameSettings& chosen) { ChooseSettings(chosen); });
  }
  settingsForm->Open();
}

void FormMain::ChooseSettings(const GameSettings& chosen) {
  if (chosen.side == settings.side || !session.Running()) {
    ApplySettings(chosen);
    return;
  }
  AskQuestion(kSizeQuestionId, this, kSizeQuestion, "Settings", [this, chosen](int answer) {
    if (answer == kDialogYes) ApplySettings(chosen);
  });
}

void FormMain::ApplySettings(const GameSettings& chosen) {
  SaveGameSettings(chosen);
  const bool newSide = chosen.side != settings.side;
  settings = chosen;
  if (!newSide) return;
  DropHint();
  session = GameSession(settings.side);
  RebuildCells();
  if (btnStart) btnStart->SetText("START");
  // An open statistics window shows the new size's tables.
  if (statsForm && statsForm->IsOpen()) {
    statsForm.reset();
    OpenStatistics();
  }
}

void FormMain::ChildMouseDown(GUIElement* element) {
  if (element == nullptr || element->GetType() != "cellcontrol" || !session.Running()) return;
  const int k = IndexOfCell(element);
  if (k >= 0 && PressMove(k)) ShowMoveMade();
}

bool FormMain::PressMove(int k) {
  return settings.rowSlides ? session.SlideRow(k) : session.Move(k);
}

bool FormMain::PlayMove(int k) {
  if (!session.Move(k)) return false;
  ShowMoveMade();
  return true;
}

void FormMain::ShowMoveMade() {
  CancelHintSearch();
  ShowFiguresInStats();
  if (!SyncCells()) return;
  RecordWin();
  ShowMessage(this, kWinMessage, "Game");
  StartOrCancel();
}

void FormMain::RecordWin() {
  const GameStats stats = session.Stats();
  if (stats.hintUsed) return;
  for (const std::string& problem :
       RecordBestResult(session.Side(), stats.moves, stats.seconds, LoginPlayerName())) {
    Log("FormMain: the win is not recorded. " + problem);
  }
}

void FormMain::UndoMove() {
  if (session.Undo()) ShowMoveMade();
}

void FormMain::RedoMove() {
  if (session.Redo()) ShowMoveMade();
}

void FormMain::AskForHint() {
  if (!session.Running()) return;
  session.MarkHintUsed();
  if (FollowHintPlan()) return;
  if (!MakeHintSearch()) return;
  hintSearch->Start(session.GetSizedBoard());
}

bool FormMain::MakeHintSearch() {
  if (hintSearch) return true;
  auto wakeUp = std::make_unique<LoopWakeUp>(this);
  if (!wakeUp->IsReady()) {
    Log("Hint: no way to hear the search's answer");
    return false;
  }
  hintWakeUp = std::move(wakeUp);
  LoopWakeUp* answered = hintWakeUp.get();
  hintSearch = std::make_unique<HintSearch>([answered] { answered->Trigger(); });
  return true;
}

void FormMain::OnUserMessage() {
  if (!hintWakeUp || !hintWakeUp->TakeArrival()) return;
  if (!IsEnabled()) {
    hintWaitsForWindow = true;
    return;
  }
  TakeHintAnswer();
}

void FormMain::SetEnabled(bool on) {
  HandlerForm::SetEnabled(on);
  // The window that goes with the game (About, a message box) lets it go after its wake-up.
  if (!on || !hintWaitsForWindow || !hintWakeUp) return;
  hintWaitsForWindow = false;
  // Through the loop, not from here: the dialog that lets the window go is still closing, and
  // a hint that wins the game opens a message box of its own.
  hintWakeUp->Trigger();
}

void FormMain::TakeHintAnswer() {
  std::optional<BoardSolution> answer = hintSearch->TakeResultFor(session.GetSizedBoard());
  if (!answer || !session.Running() || answer->outcome != SolveOutcome::Solved) return;
  hintPlan = std::move(answer->moves);
  hintPlanBoard = session.GetSizedBoard();
  hintPlanShortest = answer->shortest;
  FollowHintPlan();
}

// A suffix of a solution is a solution from where it starts, and of a shortest one a shortest
// one: while the board is the one the plan expects, its next move needs no new search.
bool FormMain::FollowHintPlan() {
  if (hintPlan.empty() || hintPlanBoard != session.GetSizedBoard()) {
    hintPlan.clear();
    return false;
  }
  const int movesLeft = static_cast<int>(hintPlan.size());
  Log("Hint: " + ToString(movesLeft) + (movesLeft == 1 ? " move" : " moves") + " to the goal" +
      (hintPlanShortest ? "" : " (not the shortest)"));
  const int cell = hintPlan.front();
  hintPlan.erase(hintPlan.begin());
  if (!session.Move(cell)) {
    hintPlan.clear();
    return true;
  }
  hintPlanBoard = session.GetSizedBoard();
  ShowMoveMade();
  return true;
}

void FormMain::CancelHintSearch() {
  if (hintSearch) hintSearch->Cancel();
}

void FormMain::DropHint() {
  hintPlan.clear();
  hintWaitsForWindow = false;
  CancelHintSearch();
}

bool FormMain::FormKeyChar(char ch) {
  return !RunKeyBinding({KeyKind::Character, static_cast<unsigned char>(ch)}, *this);
}

void FormMain::FormKeyDown(unsigned long keysym) {
  RunKeyBinding({KeyKind::Symbol, keysym}, *this);
}

void FormMain::SlideFromKeyboard(Slide slide) {
  if (!session.Running()) return;
  const int k = CellToSlide(session.GetSizedBoard(), slide);
  if (k < 0 || !PlayMove(k)) Beep();
}

int FormMain::IndexOfCell(const GUIElement* element) const {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (cells[i] && cells[i]->GetId() == element->GetId()) return static_cast<int>(i);
  }
  return -1;
}

bool FormMain::SyncCells() {
  const SizedBoard& board = session.GetSizedBoard();
  for (int i = 0; i < board.CellCount(); ++i) ShowOnCell(i, board[i], false);
  return board.IsOrdered();
}

void FormMain::ResetCells() {
  for (int i = 0; i < session.GetSizedBoard().CellCount(); ++i) ShowOnCell(i, i + 1, true);
}

void FormMain::ShowOnCell(int index, int value, bool alwaysRepaint) {
  CellControl* cell = GetCell(index);
  if (cell == nullptr) return;
  if (value == session.GetSizedBoard().GapValue()) {
    // The empty cell is repainted every time, even when its look is unchanged.
    cell->SetBackColor(kEmptyGrey);
    cell->SetText(kEmptyCaption);
    return;
  }
  const std::string caption = ToString(value);
  if (!alwaysRepaint && cell->GetBackColor() == kTileWhite && cell->GetText() == caption) return;
  cell->SetBackColor(kTileWhite);
  cell->SetText(caption);
}

void FormMain::SetBoardForTest(const Board& arrangement) {
  if (session.Side() != kBoardSide) return;
  DropHint();
  session.Start(arrangement);
  if (btnStart) btnStart->SetText("CANCEL");
  ShowFiguresInStats();
  SyncCells();
}
