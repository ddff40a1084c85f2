#include "game/FormMain.h"

#include "game/BestResults.h"
#include "game/FormKeys.h"
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
constexpr int kTileWidth = 88;
constexpr int kTileGap = 2;
constexpr int kBoardLeft = 20;
constexpr int kBoardTop = 25;
constexpr int kRightColumn = 400;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 28;
constexpr int kTickIntervalMs = 20;
constexpr int kFlagSquareWidth = 20;
constexpr int kFlagSquareHeight = 15;

constexpr std::uint32_t kExitQuestionId = 1000;
constexpr char kExitQuestion[] = "Do you really want to go exit?";
constexpr char kWinMessage[] = "Well done! You have completed the game!";
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
    : settings(settings) {
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
  DestroyWindow();
  // A message box still open over this window must not outlive the owner it reports to.
  Form* box = Application::CurrentMessageBox();
  if (box != nullptr && box->GetParent() == this) Application::DeleteMessageBox();
  aboutForm.reset();
  for (auto& cell : cells) cell.reset();
  btnExit.reset();
  btnInfo.reset();
  btnStart.reset();
  logoImage.reset();
  aboutPixmap.reset();
  logoPixmap.reset();
  if (mainForm == this) mainForm = nullptr;
}

CellControl* FormMain::GetCell(int index) const {
  if (index < 0 || index >= kCellCount) return nullptr;
  return cells[index].get();
}

void FormMain::LoadControls() {
  BuildCells();
  logoImage = std::make_unique<MyImage>(this, static_cast<XImage*>(nullptr));
  logoImage->SetSize(kTitleLargeWidth, kTitleLargeHeight);
  logoImage->MoveTo(kRightColumn, kBoardTop);
  logoImage->Create();
  BuildButtons();
  BuildTickTimer();
}

void FormMain::BuildCells() {
  const int tileHeight = (GetActualHeight() - 55) / kBoardSide;
  for (int i = 0; i < kCellCount; ++i) {
    const int row = i / kBoardSide;
    const int column = i % kBoardSide;
    auto cell = std::make_unique<CellControl>(this);
    cell->SetBorder(true);
    cell->SetBackColor(i < kCellCount - 1 ? kTileWhite : kEmptyGrey);
    cell->SetTextColor(kBlack);
    cell->SetSize(kTileWidth, tileHeight);
    cell->MoveTo(kBoardLeft + (kTileWidth + kTileGap) * column,
                 kBoardTop + row * (tileHeight + kTileGap));
    cell->SetText(i < kCellCount - 1 ? ToString(i + 1) : kEmptyCaption);
    cell->SetOnMouseDown(ForwardChildMouseDown);
    cell->Create();
    cells[i] = std::move(cell);
  }
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
  // A shuffle that happens to come out in order is no game: draw again.
  Board dealt;
  do {
    dealt = ShuffleBoard();
    session.Start(dealt);
  } while (SyncCells());
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
      this, [this] { return GetGameStats(); }, kMovesTableName, kTimeTableName);
  statsForm->Open();
}

void FormMain::OpenKeys() {
  if (!keysForm || !keysForm->IsOpen()) keysForm = std::make_unique<FormKeys>(this);
  keysForm->Open();
}

void FormMain::ChildMouseDown(GUIElement* element) {
  if (element == nullptr || element->GetType() != "cellcontrol" || !session.Running()) return;
  const int k = IndexOfCell(element);
  if (k >= 0) PlayMove(k);
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
  hintSearch->Start(session.GetBoard());
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
  std::optional<ShortestSolution> answer = hintSearch->TakeResultFor(session.GetBoard());
  if (!answer || !session.Running() || answer->outcome != SolveOutcome::Solved) return;
  hintPlan = std::move(answer->moves);
  hintPlanBoard = session.GetBoard();
  FollowHintPlan();
}

// A suffix of a shortest solution is a shortest solution from where it starts: while the
// board is the one the plan expects, its next move needs no new search.
bool FormMain::FollowHintPlan() {
  if (hintPlan.empty() || hintPlanBoard != session.GetBoard()) {
    hintPlan.clear();
    return false;
  }
  const int movesLeft = static_cast<int>(hintPlan.size());
  Log("Hint: " + ToString(movesLeft) + (movesLeft == 1 ? " move" : " moves") + " to the goal");
  const int cell = hintPlan.front();
  hintPlan.erase(hintPlan.begin());
  if (!session.Move(cell)) {
    hintPlan.clear();
    return true;
  }
  hintPlanBoard = session.GetBoard();
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
  const int k = CellToSlide(session.GetBoard(), slide);
  if (k < 0 || !PlayMove(k)) Beep();
}

int FormMain::IndexOfCell(const GUIElement* element) const {
  for (int i = 0; i < kCellCount; ++i) {
    if (cells[i] && cells[i]->GetId() == element->GetId()) return i;
  }
  return -1;
}

bool FormMain::SyncCells() {
  const Board& board = session.GetBoard();
  for (int i = 0; i < kCellCount; ++i) ShowOnCell(i, board[i], false);
  return IsSolved(board);
}

void FormMain::ResetCells() {
  for (int i = 0; i < kCellCount; ++i) ShowOnCell(i, i + 1, true);
}

void FormMain::ShowOnCell(int index, int value, bool alwaysRepaint) {
  CellControl* cell = cells[index].get();
  if (cell == nullptr) return;
  if (value == kEmptyCell) {
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
  DropHint();
  session.Start(arrangement);
  if (btnStart) btnStart->SetText("CANCEL");
  ShowFiguresInStats();
  SyncCells();
}
