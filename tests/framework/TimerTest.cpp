// Timers counted in idle steps of 10 ms, driven directly through TickTimers.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "tessarin/app/Application.h"
#include "tessarin/framework/Timer.h"

using namespace tessarin;

namespace {

class TimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application::ResetProcessState();
    fired.clear();
  }
  void TearDown() override { Application::ResetProcessState(); }

  // Which step numbers (1-based) fired for each timer, by name.
  std::vector<int> StepsFiredBy(const std::string& name, int steps) {
    std::vector<int> result;
    for (int step = 1; step <= steps; ++step) {
      fired.clear();
      Timer::TickTimers(10);
      for (const std::string& n : fired) {
        if (n == name) result.push_back(step);
      }
    }
    return result;
  }

  static std::vector<std::string> fired;
  static void Record(Timer* timer) { fired.push_back(timer->GetName()); }
  // A timer of no form that records its ticks under name; the test starts it.
  static std::unique_ptr<Timer> RecordingTimer(const char* name, std::uint32_t interval) {
    auto timer = std::make_unique<Timer>(nullptr, interval);
    timer->SetName(name);
    timer->SetOnTick(Record);
    return timer;
  }
};

std::vector<std::string> TimerTest::fired;

TEST_F(TimerTest, IntervalsRoundUpToWholeIdleSteps) {
  auto twenty = RecordingTimer("twenty", 20);
  twenty->Start();
  EXPECT_EQ(StepsFiredBy("twenty", 6), (std::vector<int>{2, 4, 6}));

  auto twentyFive = RecordingTimer("25", 25);
  twentyFive->Start();
  EXPECT_EQ(StepsFiredBy("25", 6), (std::vector<int>{3, 6}));
}

TEST_F(TimerTest, IntervalZeroFiresAtEveryStep) {
  auto zero = RecordingTimer("zero", 0);
  zero->Start();
  EXPECT_EQ(StepsFiredBy("zero", 3), (std::vector<int>{1, 2, 3}));
}

TEST_F(TimerTest, AStoppedTimerKeepsItsCountAndResumesFromIt) {
  auto timer = RecordingTimer("t", 30);
  timer->Start();
  Timer::TickTimers(10);
  Timer::TickTimers(10);
  timer->Stop();
  EXPECT_TRUE(StepsFiredBy("t", 5).empty());
  EXPECT_EQ(timer->GetElapsed(), 20u);
  timer->Start();
  EXPECT_EQ(StepsFiredBy("t", 1), (std::vector<int>{1}));
}

TEST_F(TimerTest, StartCreatesOnceAndGivesAnIdWithoutTouchingTheTag) {
  Timer timer(nullptr, 20);
  EXPECT_FALSE(timer.IsCreated());
  timer.Start();
  EXPECT_TRUE(timer.IsCreated());
  EXPECT_EQ(timer.GetId(), 1u);
  EXPECT_EQ(timer.GetTag(), 0u);
  EXPECT_FALSE(timer.IsVisible());
  EXPECT_FALSE(timer.IsFocusable());
  timer.SetInterval(50);
  EXPECT_TRUE(timer.IsRunning());
  EXPECT_EQ(timer.GetId(), 1u);
}

TEST_F(TimerTest, TimersFireInConstructionOrder) {
  auto b = RecordingTimer("b", 10);
  auto a = RecordingTimer("a", 10);
  a->Start();
  b->Start();
  Timer::TickTimers(10);
  EXPECT_EQ(fired, (std::vector<std::string>{"b", "a"}));
}

TEST_F(TimerTest, SeveralStepsAtOnceFireADueTimerOnceAndDropTheExcess) {
  auto twenty = RecordingTimer("twenty", 20);
  Timer hundred(nullptr, 100);
  twenty->Start();
  hundred.Start();
  Timer::TickTimers(60);
  EXPECT_EQ(fired, (std::vector<std::string>{"twenty"}));
  EXPECT_EQ(twenty->GetElapsed(), 0u);
  EXPECT_EQ(hundred.GetElapsed(), 60u);
}

TEST_F(TimerTest, ALongSpanDoesNotWrapTheCount) {
  auto longest = RecordingTimer("longest", UINT32_MAX);
  longest->Start();
  Timer::TickTimers(UINT32_MAX - 5);
  EXPECT_TRUE(fired.empty());
  Timer::TickTimers(100);
  EXPECT_EQ(fired, (std::vector<std::string>{"longest"}));
}

TEST_F(TimerTest, StepsUntilDueAreThoseOfTheFirstRunningTimerToFire) {
  EXPECT_EQ(Timer::StepsUntilDue(10), std::nullopt);
  Timer stopped(nullptr, 10);
  EXPECT_EQ(Timer::StepsUntilDue(10), std::nullopt);

  struct Case {
    std::uint32_t interval, idleSteps, due;
  };
  // 20 ms after two steps, 25 ms rounds up to three, an interval of 0 fires at every step,
  // and a count that ran past a shortened interval fires at the next.
  const Case cases[] = {{20, 0, 2}, {25, 0, 3}, {25, 2, 1}, {0, 0, 1}, {500, 1, 49}};
  for (const Case& c : cases) {
    Timer timer(nullptr, c.interval);
    timer.Start();
    for (std::uint32_t i = 0; i < c.idleSteps; ++i) Timer::TickTimers(10);
    EXPECT_EQ(Timer::StepsUntilDue(10), c.due) << c.interval << " after " << c.idleSteps;
  }
  Timer shortened(nullptr, 50);
  shortened.Start();
  Timer::TickTimers(40);
  shortened.SetInterval(30);
  EXPECT_EQ(Timer::StepsUntilDue(10), 1u);
  Timer later(nullptr, 40);
  later.Start();
  EXPECT_EQ(Timer::StepsUntilDue(10), 1u);
}

std::unique_ptr<Timer> victim;

TEST_F(TimerTest, ATickHandlerMayDestroyAnotherTimer) {
  Timer killer(nullptr, 10);
  killer.SetOnTick([](Timer*) { victim.reset(); });
  victim = std::make_unique<Timer>(nullptr, 10);
  victim->SetOnTick(Record);
  killer.Start();
  victim->Start();
  Timer::TickTimers(10);
  EXPECT_TRUE(fired.empty());
  EXPECT_EQ(Application::Timers().size(), 1u);
}

TEST_F(TimerTest, ATickHandlerMayTickTheTimersItself) {
  Timer outer(nullptr, 10);
  outer.SetName("outer");
  outer.SetOnTick([](Timer* timer) {
    Record(timer);
    timer->Stop();
    Timer::TickTimers(10);
  });
  auto inner = RecordingTimer("inner", 20);
  outer.Start();
  inner->Start();
  Timer::TickTimers(10);
  EXPECT_EQ(fired, (std::vector<std::string>{"outer", "inner"}));
  EXPECT_EQ(inner->GetElapsed(), 0u);
  Timer::TickTimers(10);
  EXPECT_EQ(inner->GetElapsed(), 10u);
}

TEST_F(TimerTest, DestroyedTimersLeaveTheTimerRegistry) {
  auto timer = std::make_unique<Timer>(nullptr, 10);
  EXPECT_EQ(Application::Timers().size(), 1u);
  timer.reset();
  EXPECT_TRUE(Application::Timers().empty());
  EXPECT_TRUE(Application::Elements().empty());
}

}  // namespace
