// Idle steps handed over at once, as the loop does after a wait: they must come out as the
// same number of 10 ms steps taken one by one, firing each timer at its own step.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tessarin/app/Application.h"
#include "tessarin/app/IdleSteps.h"
#include "tessarin/framework/Timer.h"

using namespace tessarin;

namespace {

// Each firing as "name@counter", the counter as the handler reads it.
std::vector<std::string> fired;

void Record(Timer* timer) {
  fired.push_back(timer->GetName() + "@" + std::to_string(Application::IdleMilliseconds()));
}

long FiringsOf(const std::string& name) {
  return std::count_if(fired.begin(), fired.end(),
                       [&](const std::string& f) { return f.rfind(name + "@", 0) == 0; });
}

class IdleStepsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application::ResetProcessState();
    fired.clear();
  }
  void TearDown() override { Application::ResetProcessState(); }
};

TEST_F(IdleStepsTest, StepsTakenTogetherFireEachTimerAtItsOwnStep) {
  Timer twenty(nullptr, 20);
  twenty.SetName("20");
  Timer thirty(nullptr, 30);
  thirty.SetName("30");
  for (Timer* timer : {&twenty, &thirty}) {
    timer->SetOnTick(Record);
    timer->Start();
  }
  ApplyIdleSteps(6);
  EXPECT_EQ(fired, (std::vector<std::string>{"20@20", "30@30", "20@40", "20@60", "30@60"}));
  ApplyIdleSteps(24);
  EXPECT_EQ(FiringsOf("20"), 15);
  EXPECT_EQ(FiringsOf("30"), 10);
  EXPECT_EQ(Application::IdleMilliseconds(), 300);
}

TEST_F(IdleStepsTest, ALongAbsenceCatchesUpOnTenSecondsAtMost) {
  Timer ten(nullptr, 10);
  ten.SetName("10");
  ten.SetOnTick(Record);
  ten.Start();
  ApplyIdleSteps(360000);  // an hour asleep
  EXPECT_EQ(FiringsOf("10"), 1000);
}

TEST_F(IdleStepsTest, StepsOnlyCountWhileNoTimerRunsAndStopWhereATickQuits) {
  Timer stopped(nullptr, 10);
  ApplyIdleSteps(123);
  EXPECT_EQ(Application::IdleMilliseconds(), 230);
  EXPECT_EQ(stopped.GetElapsed(), 0u);

  Timer quitter(nullptr, 40);
  quitter.SetOnTick([](Timer*) { Application::RequestQuit(); });
  quitter.Start();
  ApplyIdleSteps(10);
  EXPECT_EQ(Application::IdleMilliseconds(), 270);
}

}  // namespace
