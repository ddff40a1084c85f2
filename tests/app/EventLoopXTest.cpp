// How the loop routes real events, sent through XTEST or XSendEvent to real windows, to
// forms and their elements: focus moves, Tab traversal, keys, disabled forms, close requests,
// user messages, timers and shutdown.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <thread>

#include "support/RecordingElements.h"
#include "support/XServerFixture.h"
#include "tessarin/app/Application.h"
#include "tessarin/app/EventLoop.h"
#include "tessarin/app/LoopWakeUp.h"
#include "tessarin/framework/Timer.h"
#include "tessarin/util/DateTime.h"

using namespace tessarin;

namespace {

class EventLoopTest : public XServerFixture {
 protected:
  void SetUp() override {
    XServerFixture::SetUp();
    form = std::make_unique<RecordingForm>(app.get(), &log, 20, 20, 300, 200);
    left = AddChild("left", 10, 10, 50, 40);
    right = AddChild("right", 100, 10, 50, 40);
    form->Create();
    WaitUntilMapped(form.get());
    XSetInputFocus(display(), form->GetWindow(), RevertToParent, CurrentTime);
    Pump(form.get());
    log.clear();
  }
  void TearDown() override {
    children.clear();
    form.reset();
    XServerFixture::TearDown();
  }

  RecordingChild* AddChild(const std::string& label, int x, int y, int w, int h) {
    children.push_back(std::make_unique<RecordingChild>(form.get(), label, &log));
    RecordingChild* child = children.back().get();
    child->Place(x, y, w, h);
    child->Create();
    return child;
  }

  // Dispatches what the server sent and keeps the log to button, key and focus deliveries:
  // pointer motion and crossing are covered by their own tests.
  void Settle() {
    Pump(form.get());
    log.erase(std::remove_if(log.begin(), log.end(),
                             [](const std::string& s) {
                               return s == "form.MouseMove" || s == "form.MouseEnter" ||
                                      s == "form.MouseLeave";
                             }),
              log.end());
  }

  CallLog log;
  std::unique_ptr<RecordingForm> form;
  std::vector<std::unique_ptr<RecordingChild>> children;
  RecordingChild* left = nullptr;
  RecordingChild* right = nullptr;
};

// A press on the left element, released where the pointer then is: what the element hears
// between the form's MouseDown and MouseUp, and whether it keeps the focus.
struct ReleaseCase {
  const char* where;
  int x;
  int y;
  const char* leftHears;
  bool leftKeepsFocus;
};

class EventLoopReleaseTest : public EventLoopTest,
                             public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(EventLoopReleaseTest, ReachesThePressedElementOnlyWhenReleasedOverIt) {
  const ReleaseCase& release = GetParam();
  Press(form.get(), 20, 20);
  Release(form.get(), release.x, release.y);
  Settle();
  CallLog expected{"left.GotFocus", "left.MouseDown", "form.MouseDown", release.leftHears,
                   "form.MouseUp"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(Application::FocusedElement(), release.leftKeepsFocus ? left : nullptr);
}

// The focus goes without a MouseUp, over empty area and over another element alike.
INSTANTIATE_TEST_SUITE_P(
    EventLoop, EventLoopReleaseTest,
    ::testing::Values(ReleaseCase{"OverThePressedElement", 20, 20, "left.MouseUp", true},
                      ReleaseCase{"OverEmptyArea", 250, 150, "left.LostFocus", false},
                      ReleaseCase{"OverAnotherElement", 120, 20, "left.LostFocus", false}),
    [](const ::testing::TestParamInfo<ReleaseCase>& info) { return info.param.where; });

TEST_F(EventLoopTest, PressingAnotherElementMovesTheFocus) {
  Click(form.get(), 20, 20);
  Settle();
  log.clear();
  Press(form.get(), 120, 20);
  Settle();
  CallLog expected{"left.LostFocus", "right.GotFocus", "right.MouseDown", "form.MouseDown"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(Application::FocusedElement(), right);
  Release(form.get(), 120, 20);
}

TEST_F(EventLoopTest, PressingEmptyAreaDropsTheFocus) {
  Click(form.get(), 20, 20);
  Settle();
  log.clear();
  Click(form.get(), 250, 150);
  Settle();
  CallLog expected{"left.LostFocus", "form.MouseDown", "form.MouseUp"};
  EXPECT_EQ(log, expected);
}

TEST_F(EventLoopTest, OtherButtonsReachOnlyTheForm) {
  Click(form.get(), 20, 20, 3);
  Click(form.get(), 20, 20, 2);
  Settle();
  CallLog expected{"form.OtherMouseDown", "form.OtherMouseUp", "form.OtherMouseDown",
                   "form.OtherMouseUp"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(Application::FocusedElement(), nullptr);
}

TEST_F(EventLoopTest, KeysGoToTheFocusedElementAndCharactersArriveOnRelease) {
  Application::SetFocusedElement(left);
  KeyDown(XK_a);
  Settle();
  CallLog pressed{"left.KeyDown", "form.KeyDown"};
  EXPECT_EQ(log, pressed);
  EXPECT_TRUE(Application::IsKeyDown('a'));
  log.clear();
  KeyUp(XK_a);
  Settle();
  CallLog released{"left.KeyChar:97", "left.KeyUp", "form.KeyChar:97", "form.KeyUp"};
  EXPECT_EQ(log, released);
  EXPECT_FALSE(Application::IsKeyDown('a'));
}

TEST_F(EventLoopTest, AKeyWithoutTextGivesNoCharacter) {
  Application::SetFocusedElement(left);
  TypeKey(XK_Shift_L);
  Settle();
  CallLog expected{"left.KeyDown", "form.KeyDown", "left.KeyUp", "form.KeyUp"};
  EXPECT_EQ(log, expected);
}

TEST_F(EventLoopTest, TabGivesTheFocusToTheNextFocusableChildAndWraps) {
  RecordingChild* skipped = AddChild("skipped", 200, 10, 20, 20);
  skipped->SetFocusable(false);
  TypeKey(XK_Tab);
  Settle();
  EXPECT_EQ(Application::FocusedElement(), left);
  TypeKey(XK_Tab);
  Settle();
  EXPECT_EQ(Application::FocusedElement(), right);
  log.clear();
  TypeKey(XK_Tab);
  Settle();
  EXPECT_EQ(Application::FocusedElement(), left);
  // The focused element hears the press but nothing of the release; the form gets it all.
  CallLog expected{"right.KeyDown", "form.KeyDown",   "right.LostFocus",
                   "left.GotFocus", "form.KeyChar:9", "form.KeyUp"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(std::count(log.begin(), log.end(), "right.LostFocus"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "left.GotFocus"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "left.KeyChar:9"), 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "form.KeyChar:9"), 1);
}

TEST_F(EventLoopTest, TabPassesOverHiddenAndDisabledChildren) {
  RecordingChild* hidden = AddChild("hidden", 200, 10, 20, 20);
  RecordingChild* disabled = AddChild("disabled", 230, 10, 20, 20);
  hidden->Hide();
  disabled->SetEnabled(false);
  Application::SetFocusedElement(right);
  TypeKey(XK_Tab);
  Settle();
  EXPECT_EQ(Application::FocusedElement(), left);  // wrapped round past both
  EXPECT_EQ(std::count(log.begin(), log.end(), "hidden.GotFocus"), 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "disabled.GotFocus"), 0);
}

TEST_F(EventLoopTest, TabFromAnElementThatTakesNoFocusGoesToTheFirstThatDoes) {
  AddChild("last", 200, 10, 20, 20);
  right->SetFocusable(false);
  Application::SetFocusedElement(right);
  TypeKey(XK_Tab);
  Settle();
  EXPECT_EQ(Application::FocusedElement(), left);
  EXPECT_EQ(std::count(log.begin(), log.end(), "right.KeyChar:9"), 0);
}

TEST_F(EventLoopTest, ADisabledFormGetsOnlyItsOwnPressesAndReleases) {
  form->SetEnabled(false);
  Application::SetFocusedElement(left);
  TypeKey(XK_a);
  MoveTo(form.get(), 150, 100);
  Click(form.get(), 120, 20);
  Settle();
  CallLog expected{"form.MouseDown", "form.MouseUp"};
  EXPECT_EQ(log, expected);
  EXPECT_FALSE(Application::IsKeyDown('a'));
}

// An element's handler may close the very window the key came to (a button that reopens a
// dialog); that window then hears no more of the key.
std::unique_ptr<RecordingForm>* formToClose = nullptr;

TEST_F(EventLoopTest, AKeyWhoseElementClosesTheFormItCameToReachesThatFormNoMore) {
  CallLog dialogLog;
  auto dialog = std::make_unique<RecordingForm>(app.get(), &dialogLog, 400, 20, 100, 80, true);
  RecordingChild closer(dialog.get(), "closer", &dialogLog);
  dialog->Create();
  closer.Create();
  WaitUntilMapped(dialog.get());
  XSetInputFocus(display(), dialog->GetWindow(), RevertToParent, CurrentTime);
  Settle();
  dialogLog.clear();
  formToClose = &dialog;
  closer.SetOnKeyChar([](GUIElement*, char) {
    formToClose->reset();
    return true;
  });
  Application::SetFocusedElement(&closer);
  TypeKey(XK_Return);
  Settle();
  EXPECT_EQ(dialog, nullptr);
  // Destroying a window clears the focus, so the element hears no KeyUp either.
  CallLog expected{"closer.KeyDown", "form.KeyDown", "closer.KeyChar:13"};
  EXPECT_EQ(dialogLog, expected);
}

// The form has "left" focused, a window that belongs to it opens, the player presses around,
// and the window goes: the form gets back the element it last had focused, the only one that
// shows the focus, or none when a press on its empty area dropped the focus.
struct FocusBackCase {
  const char* name;
  std::vector<const char*> presses;
  // "left", "right", or "" for none.
  std::string regains;
};

void PrintTo(const FocusBackCase& test, std::ostream* out) {
  *out << test.name;
}

class EventLoopFocusBackTest : public EventLoopTest,
                               public ::testing::WithParamInterface<FocusBackCase> {};

TEST_P(EventLoopFocusBackTest, AWindowThatGoesGivesItsOwnerTheFocusItLastHad) {
  CallLog windowLog;
  RecordingForm window(app.get(), &windowLog, 400, 20, 100, 80, true);
  window.SetTransientOwner(form.get());
  RecordingChild inside(&window, "inside", &windowLog);
  inside.Place(10, 10, 40, 30);
  window.Create();
  inside.Create();
  WaitUntilMapped(&window);
  Click(form.get(), 20, 20);
  Settle();
  ASSERT_EQ(Application::FocusedElement(), left);

  const std::map<std::string, std::pair<Form*, Point>> spots = {{"left", {form.get(), {20, 20}}},
                                                                {"right", {form.get(), {120, 20}}},
                                                                {"form", {form.get(), {250, 150}}},
                                                                {"inside", {&window, {20, 20}}},
                                                                {"window", {&window, {80, 60}}}};
  for (const char* spot : GetParam().presses) {
    const auto& [where, point] = spots.at(spot);
    Click(where, point.x, point.y);
    Settle();
  }
  window.DestroyWindow();
  Settle();

  const std::string& regains = GetParam().regains;
  const GUIElement* expected = regains == "left" ? left : regains == "right" ? right : nullptr;
  EXPECT_EQ(Application::FocusedElement(), expected);
  EXPECT_EQ(left->HasFocus(), expected == left);
  EXPECT_EQ(right->HasFocus(), expected == right);
  EXPECT_FALSE(inside.HasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    EventLoop, EventLoopFocusBackTest,
    ::testing::Values(FocusBackCase{"AnElementOfTheWindow", {"inside"}, "left"},
                      FocusBackCase{"TheWindowsEmptyArea", {"window"}, "left"},
                      FocusBackCase{
                          "AnotherElementOfTheForm", {"inside", "right", "window"}, "right"},
                      FocusBackCase{"TheFormsEmptyArea", {"form", "inside"}, ""}),
    [](const ::testing::TestParamInfo<FocusBackCase>& info) { return info.param.name; });

TEST_F(EventLoopTest, MotionReachesAFocusedSliderEvenOutsideIt) {
  left->SetType("slider");
  Application::SetFocusedElement(left);
  MoveTo(form.get(), 250, 150);
  Pump(form.get());
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(std::count(log.begin(), log.end(), "left.MouseMove"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "form.MouseMove"), 1);

  log.clear();
  left->SetType("cellcontrol");
  MoveTo(form.get(), 260, 160);
  Pump(form.get());
  EXPECT_EQ(std::count(log.begin(), log.end(), "form.MouseMove"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "left.MouseMove"), 0);
}

TEST_F(EventLoopTest, CloseRequestOnTheMainFormOnlyAsks) {
  XEvent event{};
  SendCloseRequest(form.get());
  while (XPending(display()) == 0) XSync(display(), False);
  XNextEvent(display(), &event);
  DispatchEvent(form.get(), event);
  EXPECT_EQ(log, CallLog{"form.QueryClose"});
  EXPECT_TRUE(form->IsCreated());
}

TEST_F(EventLoopTest, CloseRequestOnAnotherFormClosesItOnlyWhenItAgrees) {
  CallLog dialogLog;
  RecordingForm dialog(app.get(), &dialogLog, 400, 20, 100, 80, true);
  dialog.Create();
  WaitUntilMapped(&dialog);
  dialog.allowClose = false;
  SendCloseRequest(&dialog);
  Settle();
  EXPECT_TRUE(dialog.IsCreated());
  dialog.allowClose = true;
  dialogLog.clear();
  SendCloseRequest(&dialog);
  Settle();
  EXPECT_FALSE(dialog.IsCreated());
  CallLog expected{"form.QueryClose", "form.Close"};
  EXPECT_EQ(dialogLog, expected);
}

TEST_F(EventLoopTest, UserMessageReachesTheForm) {
  SendUserMessage(form.get());
  Settle();
  EXPECT_EQ(log, CallLog{"form.OnUserMessage"});
}

TEST_F(EventLoopTest, ExposeRepaintsAndAResizeIsReported) {
  XClearArea(display(), form->GetWindow(), 0, 0, 10, 10, True);
  Settle();
  EXPECT_EQ(std::count(log.begin(), log.end(), "form.Paint"), 1);
  log.clear();
  XResizeWindow(display(), form->GetWindow(), 250, 180);
  Settle();
  EXPECT_EQ(std::count(log.begin(), log.end(), "form.Resized"), 1);
  EXPECT_EQ(form->GetSize(), (Point{250, 180}));
}

TEST_F(EventLoopTest, EventsOfUnknownWindowsAreDropped) {
  Window stranger =
      XCreateSimpleWindow(display(), DefaultRootWindow(display()), 0, 0, 10, 10, 0, 0, 0);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = stranger;
  event.xclient.format = 32;
  event.xclient.data.l[0] = 1;
  DispatchEvent(form.get(), event);
  event.xany.window = stranger;
  event.type = ButtonPress;
  DispatchEvent(form.get(), event);
  EXPECT_TRUE(log.empty());
  XDestroyWindow(display(), stranger);
}

// --- Timers and the loop itself -------------------------------------------------------

std::vector<std::string> tickOrder;
int ticksToQuit = 0;

void RecordTick(Timer* timer) {
  tickOrder.push_back(timer->GetName());
  if (--ticksToQuit <= 0) Application::RequestQuit();
}

// Starts a fresh record of ticks; the loop is asked to quit at the count-th.
void RecordTicksUntil(int count) {
  tickOrder.clear();
  ticksToQuit = count;
}

// A timer of form that records its ticks under name; the test starts it.
std::unique_ptr<Timer> RecordingTimer(Form* form, const char* name, int interval) {
  auto timer = std::make_unique<Timer>(form, interval);
  timer->SetName(name);
  timer->SetOnTick(RecordTick);
  return timer;
}

TEST_F(EventLoopTest, TimersTickInIdleStepsInRegistrationOrderUntilQuit) {
  RecordTicksUntil(5);
  auto fast = RecordingTimer(form.get(), "fast", 20);
  auto slow = RecordingTimer(form.get(), "slow", 25);
  fast->Start();
  slow->Start();
  RunEventLoop(form.get());
  // Steps 2 and 4 fire "fast", step 3 "slow", step 6 both in registration order.
  std::vector<std::string> expected{"fast", "slow", "fast", "fast", "slow"};
  EXPECT_EQ(tickOrder, expected);
  EXPECT_EQ(Application::IdleMilliseconds(), 60);
}

// Times the loop went to sleep in this thread: each wait that ends is one.
long WakeUps() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return usage.ru_nvcsw;
}

long MillisecondsSince(std::chrono::steady_clock::time_point start) {
  auto passed = std::chrono::steady_clock::now() - start;
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(passed).count());
}

void PostUserMessage(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.format = 32;
  event.xclient.data.l[0] = 1;
  XSendEvent(display, window, False, NoEventMask, &event);
}

std::atomic<int> signalsSeen{0};
void CountSignal(int) {
  ++signalsSeen;
}

// SIGALRM every 3 ms while it lives, each one counted.
class SignalStorm {
 public:
  SignalStorm() {
    signalsSeen = 0;
    struct sigaction action {};
    action.sa_handler = CountSignal;
    sigaction(SIGALRM, &action, nullptr);
    itimerval every3ms{{0, 3000}, {0, 3000}};
    setitimer(ITIMER_REAL, &every3ms, nullptr);
  }
  ~SignalStorm() {
    itimerval off{};
    setitimer(ITIMER_REAL, &off, nullptr);
    signal(SIGALRM, SIG_DFL);
  }
};

// Should the loop block for good, the guard sends the window events after five seconds, so
// that the test fails instead of hanging. Stop says whether it had to.
class HangGuard {
 public:
  explicit HangGuard(Window window) : thread([this, window] { Run(window); }) {}
  ~HangGuard() { Stop(); }
  bool Stop() {
    done = true;
    if (thread.joinable()) thread.join();
    return fired;
  }

 private:
  void Run(Window window) {
    for (int i = 0; i < 100 && !done; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (done) return;
    fired = true;
    Display* other = XOpenDisplay(nullptr);
    for (int i = 0; i < 200 && !done; ++i) {
      PostUserMessage(other, window);
      XFlush(other);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    XCloseDisplay(other);
  }

  std::atomic<bool> done{false};
  std::atomic<bool> fired{false};
  std::thread thread;
};

TEST_F(EventLoopTest, SignalsDuringTheIdleWaitDoNotStopTheTimers) {
  RecordTicksUntil(30);
  auto timer = RecordingTimer(form.get(), "t", 10);
  timer->Start();
  SignalStorm storm;
  HangGuard guard(form->GetWindow());

  RunEventLoop(form.get());

  EXPECT_GT(signalsSeen.load(), 0);
  EXPECT_FALSE(guard.Stop()) << "the loop blocked waiting for an X event";
  EXPECT_EQ(tickOrder.size(), 30u);
}

TEST_F(EventLoopTest, ASignalDuringALongWaitLosesNoIdleTime) {
  RecordTicksUntil(1);
  auto timer = RecordingTimer(form.get(), "t", 200);
  timer->Start();
  SignalStorm storm;
  HangGuard guard(form->GetWindow());
  const auto began = std::chrono::steady_clock::now();

  RunEventLoop(form.get());

  EXPECT_GE(MillisecondsSince(began), 200);
  EXPECT_GT(signalsSeen.load(), 0);
  EXPECT_FALSE(guard.Stop()) << "the wait never came to its end";
  EXPECT_EQ(tickOrder.size(), 1u);
  EXPECT_EQ(Application::IdleMilliseconds(), 200);
}

void Quit(Timer*) {
  Application::RequestQuit();
}

TEST_F(EventLoopTest, TimersOf20And30MsFireAsOftenAsIn10MsStepsAndSleepInBetween) {
  RecordTicksUntil(1000);
  auto twenty = RecordingTimer(form.get(), "20", 20);
  auto thirty = RecordingTimer(form.get(), "30", 30);
  Timer end(form.get(), 300);
  end.SetOnTick(Quit);
  for (Timer* timer : {twenty.get(), thirty.get(), &end}) timer->Start();
  const auto began = std::chrono::steady_clock::now();
  const long wakeUpsBefore = WakeUps();

  RunEventLoop(form.get());

  EXPECT_EQ(std::count(tickOrder.begin(), tickOrder.end(), "20"), 15);
  EXPECT_EQ(std::count(tickOrder.begin(), tickOrder.end(), "30"), 10);
  EXPECT_EQ(Application::IdleMilliseconds(), 300);
  EXPECT_GE(MillisecondsSince(began), 300);
  // Something is due at 20 of the 30 steps; a loop that woke at every step would show 30.
  EXPECT_LE(WakeUps() - wakeUpsBefore, 25);
}

std::vector<int> countsSeen;

TEST_F(EventLoopTest, TheIdleCounterReadsAsBeforeThroughASecondOfIdle) {
  countsSeen.clear();
  Application::AdvanceIdleMilliseconds(130);
  Timer sampler(form.get(), 70);
  sampler.SetOnTick([](Timer*) { countsSeen.push_back(DateTime::Now().millisecond); });
  Timer second(form.get(), 1000);
  second.SetOnTick(Quit);
  sampler.Start();
  second.Start();

  RunEventLoop(form.get());

  std::vector<int> expected;
  for (int step = 7; step <= 98; step += 7) expected.push_back((130 + step * 10) % 1000);
  EXPECT_EQ(countsSeen, expected);
  EXPECT_EQ(Application::IdleMilliseconds(), 130);
}

// A form whose user messages run the test's own function, with the loop around it.
class HookForm : public RecordingForm {
 public:
  HookForm(Application* app, std::function<void(Form*)> hook)
      : RecordingForm(app, nullptr, 400, 20, 100, 80), hook(std::move(hook)) {}
  void OnUserMessage() override { hook(this); }

 private:
  std::function<void(Form*)> hook;
};

TEST_F(EventLoopTest, AStreamOfEventsThatKeepsTheLoopBusyDoesNotAdvanceTheTimers) {
  RecordTicksUntil(1);
  auto timer = RecordingTimer(form.get(), "t", 10);
  timer->Start();
  // 40 messages wait in the queue before the loop starts, each handled for 4 ms: 160 ms of
  // work during which the loop never waits, however slowly a loaded machine answers.
  int handled = 0;
  HookForm busy(app.get(), [&](Form*) {
    std::this_thread::sleep_for(std::chrono::milliseconds(4));
    ++handled;
  });
  busy.Create();
  WaitUntilMapped(&busy);
  for (int i = 0; i < 40; ++i) PostUserMessage(display(), busy.GetWindow());
  XSync(display(), False);

  RunEventLoop(form.get());

  EXPECT_EQ(handled, 40);
  EXPECT_EQ(tickOrder.size(), 1u);
  EXPECT_EQ(Application::IdleMilliseconds(), 10);
}

TEST_F(EventLoopTest, WithNoTimerRunningTheLoopSleepsAndStillCountsTheIdleSteps) {
  Timer stopped(form.get(), 20);
  int countAtMessage = -1;
  HookForm target(app.get(), [&](Form*) {
    countAtMessage = Application::IdleMilliseconds();
    Application::RequestQuit();
  });
  target.Create();
  WaitUntilMapped(&target);
  const Window window = target.GetWindow();
  const auto began = std::chrono::steady_clock::now();
  std::thread sender([window] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    Display* other = XOpenDisplay(nullptr);
    PostUserMessage(other, window);
    XCloseDisplay(other);
  });
  const long wakeUpsBefore = WakeUps();

  RunEventLoop(form.get());

  const long waited = MillisecondsSince(began);
  EXPECT_LE(WakeUps() - wakeUpsBefore, 3);
  sender.join();
  // Twenty whole steps passed before the message, less one for the start of the wait.
  EXPECT_GE(countAtMessage, 190);
  EXPECT_LE(countAtMessage, waited);
}

TEST_F(EventLoopTest, AWakeUpTriggeredOnAnotherThreadReachesItsFormWhileTheLoopIdlesUntimed) {
  ASSERT_TRUE(Application::Timers().empty());
  std::unique_ptr<LoopWakeUp> wakeUp;
  std::vector<bool> arrivals;
  HookForm target(app.get(), [&](Form*) {
    arrivals.push_back(wakeUp->TakeArrival());
    Application::RequestQuit();
  });
  target.Create();
  WaitUntilMapped(&target);
  wakeUp = std::make_unique<LoopWakeUp>(&target);
  ASSERT_TRUE(wakeUp->IsReady());
  // Its user messages would reach the hook too, but as no arrival of the wake-up.
  HangGuard guard(target.GetWindow());
  std::thread worker([&wakeUp] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    wakeUp->Trigger();
  });

  RunEventLoop(form.get());

  worker.join();
  EXPECT_FALSE(guard.Stop()) << "the loop slept through the wake-up";
  EXPECT_EQ(arrivals, std::vector<bool>{true});
  EXPECT_FALSE(wakeUp->TakeArrival()) << "one delivery, one arrival";
}

int deferredTicks = 0;

TEST_F(EventLoopTest, WhileOnlyADeferrableTimerRunsTheLoopBlocksAndCatchesUpBeforeTheEvent) {
  deferredTicks = 0;
  Timer quiet(form.get(), 20);
  quiet.SetDeferrable(true);
  quiet.SetOnTick([](Timer*) { ++deferredTicks; });
  quiet.Start();
  int ticksAtMessage = -1;
  int countAtMessage = -1;
  HookForm target(app.get(), [&](Form*) {
    ticksAtMessage = deferredTicks;
    countAtMessage = Application::IdleMilliseconds();
    Application::RequestQuit();
  });
  target.Create();
  WaitUntilMapped(&target);
  const Window window = target.GetWindow();
  std::thread sender([window] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Display* other = XOpenDisplay(nullptr);
    PostUserMessage(other, window);
    XCloseDisplay(other);
  });
  const auto began = std::chrono::steady_clock::now();
  const long wakeUpsBefore = WakeUps();

  RunEventLoop(form.get());

  const long waited = MillisecondsSince(began);
  const long wakeUps = WakeUps() - wakeUpsBefore;
  sender.join();
  // A loop woken by its 20 ms timer would show fifteen wake-ups here.
  EXPECT_LE(wakeUps, 3);
  // Thirty whole steps passed before the message, less one for the start of the wait; the
  // timer fired at every second of them before the handler ran.
  EXPECT_GE(countAtMessage, 290);
  EXPECT_LE(countAtMessage, waited);
  EXPECT_EQ(ticksAtMessage, countAtMessage / 20);
}

std::chrono::steady_clock::time_point firstPunctualTick;

TEST_F(EventLoopTest, APunctualTimerFiresOnTimeWhileADeferrableOneWaits) {
  RecordTicksUntil(1000);
  firstPunctualTick = {};
  auto quiet = RecordingTimer(form.get(), "deferrable", 20);
  quiet->SetDeferrable(true);
  Timer punctual(form.get(), 30);
  punctual.SetName("punctual");
  punctual.SetOnTick([](Timer* timer) {
    if (firstPunctualTick == std::chrono::steady_clock::time_point{})
      firstPunctualTick = std::chrono::steady_clock::now();
    RecordTick(timer);
  });
  Timer end(form.get(), 300);
  end.SetOnTick(Quit);
  for (Timer* timer : {quiet.get(), &punctual, &end}) timer->Start();
  HangGuard guard(form->GetWindow());
  const auto began = std::chrono::steady_clock::now();

  RunEventLoop(form.get());

  // Due at 30 ms: a loop that slept until the 300 ms timer would have fired it only then.
  EXPECT_LT(
      std::chrono::duration_cast<std::chrono::milliseconds>(firstPunctualTick - began).count(),
      250);

  // No input came: only the punctual timers woke the loop, and the deferrable one rode along
  // at its own steps, in registration order.
  EXPECT_FALSE(guard.Stop()) << "the loop waited for input with a punctual timer running";
  EXPECT_GE(MillisecondsSince(began), 300);
  EXPECT_EQ(Application::IdleMilliseconds(), 300);
  EXPECT_EQ(std::count(tickOrder.begin(), tickOrder.end(), "punctual"), 10);
  EXPECT_EQ(std::count(tickOrder.begin(), tickOrder.end(), "deferrable"), 15);
  // Steps 2, 4 and 6 fire the deferrable timer, steps 3 and 6 the punctual one.
  const std::vector<std::string> firstSixSteps{"deferrable", "punctual", "deferrable", "deferrable",
                                               "punctual"};
  ASSERT_GE(tickOrder.size(), firstSixSteps.size());
  EXPECT_EQ(std::vector<std::string>(tickOrder.begin(), tickOrder.begin() + 5), firstSixSteps);
}

TEST_F(EventLoopTest, ShutdownDestroysEveryWindowAndTheMessageBoxThenClosesTheMainForm) {
  CallLog dialogLog;
  auto* box = new RecordingForm(app.get(), &dialogLog, 400, 20, 100, 80, true);
  box->Create();
  Application::SetCurrentMessageBox(box);
  Application::RequestQuit();
  RunEventLoop(form.get());
  EXPECT_EQ(Application::CurrentMessageBox(), nullptr);
  EXPECT_FALSE(form->IsCreated());
  EXPECT_EQ(log.back(), "form.Close");
}

}  // namespace
