// The sound player on real processes: a stand-in aplay records its pid and arguments, and
// /proc tells whether a stopped player, with the shell and aplay under it, is really gone.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "game/SoundPlayer.h"
#include "support/ProcessProbe.h"
#include "support/StandInPlayer.h"
#include "support/TempDirectory.h"
#include "tessarin/app/ExternalPrograms.h"
#include "tessarin/util/Log.h"

using namespace tessarin;

namespace {

class SoundPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(inside.Entered());
    StartLog("log.txt");
    WriteFileText("first.wav", "RIFF");
    WriteFileText("second.wav", "RIFF");
  }
  bool Gone(pid_t pid) {
    return Eventually([&] { return !ProcessIsAlive(pid); });
  }
  TempDirectory folder;
  WorkingDirectoryScope inside{folder.Path()};
};

TEST_F(SoundPlayerTest, AMissingFileIsLoggedAndNothingPlays) {
  StandInPlayer aplay(false);
  SoundPlayer player;
  player.PlayInBackground("Data/none.wav", false);
  player.PlayAndWait("none.wav");
  PlayFileOnce("none.wav");
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_EQ(FileText("log.txt"),
            "Data/none.wav non trovato.\nnone.wav non trovato.\nnone.wav non trovato.\n");
  EXPECT_TRUE(aplay.Runs().empty());
}

TEST_F(SoundPlayerTest, PlayAndWaitReturnsOnlyAfterThePlayerRanAndQuotesThePath) {
  StandInPlayer aplay(false);
  WriteFileText("my song.wav", "RIFF");
  SoundPlayer player;
  player.PlayAndWait("my song.wav");
  ASSERT_EQ(aplay.Runs().size(), 1u);
  EXPECT_EQ(aplay.Runs()[0].argumentCount, 1);
  EXPECT_EQ(aplay.Runs()[0].arguments, "my song.wav");
  PlayFileOnce("first.wav");
  ASSERT_EQ(aplay.Runs().size(), 2u);
  EXPECT_EQ(aplay.Runs()[1].arguments, "first.wav");
}

TEST_F(SoundPlayerTest, ANewBackgroundSoundStopsTheFirstAndStopEndsTheWholeGroup) {
  StandInPlayer aplay(true);
  SoundPlayer player;
  player.PlayInBackground("first.wav", false);
  const pid_t firstChild = player.Pid();
  ASSERT_TRUE(Eventually([&] { return aplay.Runs().size() == 1; }));
  const pid_t firstAplay = aplay.Runs()[0].pid;
  EXPECT_TRUE(player.IsPlaying());

  player.PlayInBackground("second.wav", false);
  // The stand-in is a grandchild or deeper: only a signal to the group reaches it.
  EXPECT_TRUE(Gone(firstAplay));
  EXPECT_TRUE(Eventually([&] { return !IsChildRunning(firstChild); }));
  ASSERT_TRUE(Eventually([&] { return aplay.Runs().size() == 2; }));
  const pid_t secondAplay = aplay.Runs()[1].pid;
  EXPECT_EQ(aplay.Runs()[1].arguments, "second.wav");
  EXPECT_TRUE(ProcessIsAlive(secondAplay));
  EXPECT_NE(player.Pid(), firstChild);

  const pid_t secondChild = player.Pid();
  player.Stop();
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_EQ(player.Pid(), 0);
  EXPECT_TRUE(Gone(secondAplay));
  EXPECT_TRUE(Eventually([&] { return !IsChildRunning(secondChild); }));
  // Ended by the signal, not by release: neither stand-in got to its end.
  EXPECT_EQ(aplay.FinishedCount(), 0u);
}

TEST_F(SoundPlayerTest, DestroyingThePlayerEndsItsSound) {
  StandInPlayer aplay(true);
  pid_t child = 0;
  {
    SoundPlayer player;
    player.PlayInBackground("first.wav", true);
    child = player.Pid();
    ASSERT_TRUE(Eventually([&] { return aplay.Runs().size() == 1; }));
  }
  EXPECT_TRUE(Gone(aplay.Runs()[0].pid));
  EXPECT_TRUE(Eventually([&] { return !IsChildRunning(child); }));
}

TEST_F(SoundPlayerTest, RepeatPlaysAgainUntilStopped) {
  StandInPlayer aplay(false);
  SoundPlayer player;
  player.PlayInBackground("first.wav", true);
  const pid_t child = player.Pid();
  EXPECT_TRUE(Eventually([&] { return aplay.FinishedCount() >= 3; }));
  EXPECT_TRUE(player.IsPlaying());
  player.Stop();
  EXPECT_TRUE(Eventually([&] { return !IsChildRunning(child); }));
}

// A player that fails fails again at once: repeating it would start shells as fast as the
// machine allows. Without any aplay on PATH the repeating child tries once and ends.
TEST_F(SoundPlayerTest, RepeatGivesUpWhenThePlayerIsMissing) {
  TempDirectory nothing;
  const char* path = getenv("PATH");
  const std::string savedPath = path != nullptr ? path : "";
  setenv("PATH", nothing.Path().c_str(), 1);
  SoundPlayer player;
  player.PlayInBackground("first.wav", true);
  const pid_t child = player.Pid();
  const bool ended = Eventually([&] { return !IsChildRunning(child); });
  setenv("PATH", savedPath.c_str(), 1);
  EXPECT_TRUE(ended) << "the repeating player still runs";
  EXPECT_FALSE(player.IsPlaying());
}

TEST_F(SoundPlayerTest, AnEndedPlayerIsForgottenSoItsPidIsNeverSignalled) {
  StandInPlayer aplay(false);
  SoundPlayer player;
  player.PlayInBackground("first.wav", false);
  const pid_t child = player.Pid();
  ASSERT_GT(child, 0);
  ASSERT_TRUE(Eventually([&] { return !IsChildRunning(child); }));
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_EQ(player.Pid(), 0);
}

volatile sig_atomic_t termSignals = 0;
void CountTerm(int) {
  termSignals = termSignals + 1;
}

// Runs in a test process of its own group: a record of pid 0 signalled as a group would be
// kill(0, SIGTERM), which reaches exactly that group. Exits 0 when no such signal came.
[[noreturn]] void StopAndDestroyWithNothingRecorded() {
  setpgid(0, 0);
  struct sigaction counting {};
  counting.sa_handler = CountTerm;
  sigemptyset(&counting.sa_mask);
  if (sigaction(SIGTERM, &counting, nullptr) != 0) _exit(2);
  {
    SoundPlayer player;
    player.Stop();
  }
  {
    SoundPlayer player;
    player.PlayAndWait("first.wav");
    player.Stop();
  }
  _exit(termSignals == 0 ? 0 : 1);
}

TEST_F(SoundPlayerTest, APlayerWithNothingRecordedSendsNoSignal) {
  StandInPlayer aplay(false);
  const pid_t tester = fork();
  ASSERT_GE(tester, 0);
  if (tester == 0) StopAndDestroyWithNothingRecorded();
  int status = 0;
  ASSERT_EQ(waitpid(tester, &status, 0), tester);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(aplay.Runs().size(), 1u);
}

}  // namespace
