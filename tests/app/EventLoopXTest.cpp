// How the loop routes real events, sent through XTEST or XSendEvent to real windows, to
// forms and their elements: focus moves, Tab traversal, keys, disabled forms, close requests,
// user messages, timers and shutdown.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <signal.h>
#include <sys/time.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

#include "app/Application.h"
#include "app/EventLoop.h"
#include "framework/Timer.h"
#include "support/RecordingElements.h"
#include "support/XServerFixture.h"

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

TEST_F(EventLoopTest, AClickReachesTheElementUnderThePointerAndThenTheForm) {
  Click(form.get(), 20, 20);
  Settle();
  CallLog expected{"left.GotFocus", "left.MouseDown", "form.MouseDown", "left.MouseUp",
                   "form.MouseUp"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(Application::FocusedElement(), left);
}

TEST_F(EventLoopTest, ReleasingOverEmptyAreaTakesTheFocusAwayWithoutAMouseUp) {
  Press(form.get(), 20, 20);
  Release(form.get(), 250, 150);
  Settle();
  CallLog expected{"left.GotFocus", "left.MouseDown", "form.MouseDown", "left.LostFocus",
                   "form.MouseUp"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(Application::FocusedElement(), nullptr);
}

TEST_F(EventLoopTest, ReleasingOverAnotherElementTakesTheFocusAway) {
  Press(form.get(), 20, 20);
  Release(form.get(), 120, 20);
  Settle();
  CallLog expected{"left.GotFocus", "left.MouseDown", "form.MouseDown", "left.LostFocus",
                   "form.MouseUp"};
  EXPECT_EQ(log, expected);
}

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

TEST_F(EventLoopTest, TabOnANonFocusableElementIsAnOrdinaryKey) {
  left->SetFocusable(false);
  Application::SetFocusedElement(left);
  TypeKey(XK_Tab);
  Settle();
  EXPECT_EQ(Application::FocusedElement(), left);
  EXPECT_EQ(std::count(log.begin(), log.end(), "left.KeyChar:9"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "left.KeyUp"), 1);
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

TEST_F(EventLoopTest, TimersTickInIdleStepsInRegistrationOrderUntilQuit) {
  tickOrder.clear();
  ticksToQuit = 5;
  Timer fast(form.get(), 20);
  fast.SetName("fast");
  Timer slow(form.get(), 25);
  slow.SetName("slow");
  fast.SetOnTick(RecordTick);
  slow.SetOnTick(RecordTick);
  fast.Start();
  slow.Start();
  RunEventLoop(form.get());
  // Steps 2 and 4 fire "fast", step 3 "slow", step 6 both in registration order.
  std::vector<std::string> expected{"fast", "slow", "fast", "fast", "slow"};
  EXPECT_EQ(tickOrder, expected);
  EXPECT_EQ(Application::IdleMilliseconds(), 60);
}

std::atomic<int> signalsSeen{0};
void CountSignal(int) {
  ++signalsSeen;
}

TEST_F(EventLoopTest, SignalsDuringTheIdleWaitDoNotStopTheTimers) {
  tickOrder.clear();
  ticksToQuit = 30;
  Timer timer(form.get(), 10);
  timer.SetName("t");
  timer.SetOnTick(RecordTick);
  timer.Start();

  struct sigaction action {};
  action.sa_handler = CountSignal;
  sigaction(SIGALRM, &action, nullptr);
  itimerval every3ms{{0, 3000}, {0, 3000}};
  setitimer(ITIMER_REAL, &every3ms, nullptr);

  // Should the loop block in XNextEvent, this guard's event wakes it up after a while so the
  // test fails instead of hanging.
  std::atomic<bool> done{false};
  std::atomic<bool> guardFired{false};
  Window window = form->GetWindow();
  std::thread guard([&] {
    for (int i = 0; i < 100 && !done; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (done) return;
    guardFired = true;
    Display* other = XOpenDisplay(nullptr);
    XEvent wake{};
    wake.xclient.type = ClientMessage;
    wake.xclient.window = window;
    wake.xclient.format = 32;
    for (int i = 0; i < 200 && !done; ++i) {
      XSendEvent(other, window, False, NoEventMask, &wake);
      XFlush(other);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    XCloseDisplay(other);
  });

  RunEventLoop(form.get());
  done = true;
  guard.join();
  itimerval off{};
  setitimer(ITIMER_REAL, &off, nullptr);
  signal(SIGALRM, SIG_DFL);

  EXPECT_GT(signalsSeen.load(), 0);
  EXPECT_FALSE(guardFired) << "the loop blocked waiting for an X event";
  EXPECT_EQ(tickOrder.size(), 30u);
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
