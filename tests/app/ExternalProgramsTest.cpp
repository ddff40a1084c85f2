// Command lines and the beep on real processes: a real shell, a stand-in aplay on PATH that
// records how it was called, and /proc to see which processes still exist.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "support/ProcessProbe.h"
#include "support/StandInPlayer.h"
#include "support/TempDirectory.h"
#include "tessarin/app/ExternalPrograms.h"
#include "tessarin/util/FileUtils.h"

using namespace tessarin;

namespace {

TEST(ExternalPrograms, TheBeepCommandLineIsExactlyTheFixedOne) {
  EXPECT_EQ(BuildProgramCommand("aplay", "Data/beep.wav"), "aplay Data/beep.wav");
  EXPECT_EQ(BuildProgramCommand("firefox", ""), "firefox ");
}

TEST(ExternalPrograms, QuotesEveryArgumentThatIsNotPlainForTheShell) {
  EXPECT_EQ(QuoteForShell("aZ09_./:@=+,-"), "aZ09_./:@=+,-");
  EXPECT_EQ(QuoteForShell("my song.wav"), "'my song.wav'");
  EXPECT_EQ(QuoteForShell("it's"), "'it'\\''s'");
  EXPECT_EQ(QuoteForShell("a;rm x"), "'a;rm x'");
  EXPECT_EQ(QuoteForShell(""), "''");
  EXPECT_EQ(BuildProgramCommand("aplay", "my song.wav"), "aplay 'my song.wav'");
}

TEST(ExternalPrograms, AQuotedArgumentReachesTheProgramUnchanged) {
  TempDirectory folder;
  const std::string tricky = "it's $HOME `id` \"x\" * ; | & \\ \n> end";
  const std::string out = folder.File("out");
  ASSERT_FALSE(RunCommand("printf %s " + QuoteForShell(tricky) + " > " + QuoteForShell(out)));
  EXPECT_EQ(FileText(out), tricky);
}

TEST(ExternalPrograms, RunCommandAndRunProgramReportFailureAsTrue) {
  EXPECT_FALSE(RunCommand("true"));
  EXPECT_TRUE(RunCommand("exit 3"));
  EXPECT_TRUE(RunProgram("tessarin-no-such-program", "x"));
}

std::set<pid_t> NewChildren(const std::set<pid_t>& before) {
  std::set<pid_t> added;
  for (pid_t pid : ChildrenOfThisProcess()) {
    if (before.count(pid) == 0) added.insert(pid);
  }
  return added;
}

TEST(Beep, IsSilentWithoutTheBeepFile) {
  StandInPlayer player(false);
  TempDirectory folder;
  WorkingDirectoryScope inside(folder.Path());
  const std::set<pid_t> before = ChildrenOfThisProcess();
  Beep();
  // A started child exists as soon as fork has returned in the parent.
  EXPECT_TRUE(NewChildren(before).empty());
  EXPECT_TRUE(player.Runs().empty());
}

// A scratch working directory holding Data/beep.wav, as the game finds it beside itself.
class BeepTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(inside.Entered());
    ASSERT_TRUE(EnsureFolder("Data"));
    WriteFileText("Data/beep.wav", "RIFF");
    SetBeepSound("Data/beep.wav");
  }
  void TearDown() override { SetBeepSound(""); }
  TempDirectory folder;
  WorkingDirectoryScope inside{folder.Path()};
};

TEST_F(BeepTest, HandsTheBeepFileToAplay) {
  StandInPlayer player(false);
  Beep();
  ASSERT_TRUE(Eventually([&] { return player.FinishedCount() == 1; }));
  ASSERT_EQ(player.Runs().size(), 1u);
  EXPECT_EQ(player.Runs()[0].argumentCount, 1);
  EXPECT_EQ(player.Runs()[0].arguments, "Data/beep.wav");
}

TEST_F(BeepTest, ReturnsWhileThePlayerStillPlaysAndTwoBeepsPlayAtOnce) {
  StandInPlayer player(true);
  Beep();
  Beep();
  // Each player waits for the release below, so a Beep that waited for its player would
  // never have returned; both are found running side by side.
  ASSERT_TRUE(Eventually([&] { return player.Runs().size() == 2; }));
  const auto runs = player.Runs();
  EXPECT_NE(runs[0].pid, runs[1].pid);
  EXPECT_TRUE(ProcessIsAlive(runs[0].pid));
  EXPECT_TRUE(ProcessIsAlive(runs[1].pid));
  EXPECT_EQ(player.FinishedCount(), 0u);
  const pid_t first = OurChildAbove(runs[0].pid);
  const pid_t second = OurChildAbove(runs[1].pid);
  EXPECT_GT(first, 0);
  EXPECT_GT(second, 0);
  EXPECT_NE(first, second);
  EXPECT_TRUE(IsChildRunning(first));
  EXPECT_TRUE(IsChildRunning(second));

  player.Release();
  // The SIGCHLD handler collects both children: none is left behind as a zombie.
  for (pid_t child : {first, second}) {
    EXPECT_TRUE(Eventually([&] { return !IsChildRunning(child); }));
    errno = 0;
    EXPECT_EQ(waitpid(child, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    EXPECT_NE(ProcessState(child), 'Z');
  }
}

// Waits until the parent closes its end of the pipe given as "readFd writeFd".
void WaitForParent(const std::string& fds) {
  int readFd = -1;
  int writeFd = -1;
  std::istringstream(fds) >> readFd >> writeFd;
  close(writeFd);
  char byte = 0;
  while (read(readFd, &byte, 1) > 0) {
  }
}

// What the program ends when it is stopped: the beep with the shell and the player under it,
// but not a child started to outlive it.
TEST_F(BeepTest, EndingTheChildrenEndsTheBeepsButNotWhatOutlivesTheProgram) {
  StandInPlayer player(true);
  Beep();
  int channel[2];
  ASSERT_EQ(pipe(channel), 0);
  const std::string fds = std::to_string(channel[0]) + " " + std::to_string(channel[1]);
  const pid_t browser =
      StartBackgroundChild(WaitForParent, fds, true, ChildLifetime::OutlivesProgram);
  close(channel[0]);
  ASSERT_GT(browser, 0);
  ASSERT_TRUE(Eventually([&] { return player.Runs().size() == 1; }));

  EndBackgroundChildren();
  EXPECT_TRUE(Eventually([&] { return !ProcessIsAlive(player.Runs()[0].pid); }));
  EXPECT_EQ(player.FinishedCount(), 0u) << "the player ended by itself, not by the signal";
  EXPECT_TRUE(IsChildRunning(browser));
  close(channel[1]);
  EXPECT_TRUE(Eventually([&] { return !IsChildRunning(browser); }));
}

void WriteIdentity(const std::string& path) {
  WriteFileText(path, std::to_string(getpid()) + " " + std::to_string(getpgrp()));
}

TEST(BackgroundChild, RunsTheBodyInTheChildAndReapsItWhenItEnds) {
  TempDirectory folder;
  const std::string out = folder.File("identity");
  const pid_t child = StartBackgroundChild(WriteIdentity, out, false);
  ASSERT_GT(child, 0);
  ASSERT_TRUE(Eventually([&] { return !IsChildRunning(child); }));
  EXPECT_EQ(FileText(out), std::to_string(child) + " " + std::to_string(getpgrp()));
  errno = 0;
  EXPECT_EQ(waitpid(child, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST(BackgroundChild, LeadsItsOwnProcessGroupAsSoonAsItIsStarted) {
  int channel[2];
  ASSERT_EQ(pipe(channel), 0);
  const std::string fds = std::to_string(channel[0]) + " " + std::to_string(channel[1]);
  const pid_t child = StartBackgroundChild(WaitForParent, fds, true);
  close(channel[0]);
  ASSERT_GT(child, 0);
  // Whether or not the child has run yet, a signal to the group must already reach it.
  EXPECT_EQ(getpgid(child), child);
  EXPECT_NE(getpgrp(), child);
  EXPECT_TRUE(IsChildRunning(child));
  close(channel[1]);
  EXPECT_TRUE(Eventually([&] { return !IsChildRunning(child); }));
}

void EndAtOnce(const std::string&) {}

TEST(BackgroundChild, NeverTakesTheStatusOfChildrenItDidNotStart) {
  const pid_t ours = StartBackgroundChild(EndAtOnce, "", false);
  ASSERT_GT(ours, 0);
  const pid_t foreign = fork();
  ASSERT_GE(foreign, 0);
  if (foreign == 0) _exit(7);
  ASSERT_TRUE(Eventually([&] { return ProcessState(foreign) == 'Z'; }));
  ASSERT_TRUE(Eventually([&] { return !IsChildRunning(ours); }));
  ReapFinishedChildren();
  int status = 0;
  ASSERT_EQ(waitpid(foreign, &status, 0), foreign);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 7);
  // system() waits for its own shell while our handler is installed, and still sees its status.
  const int shellStatus = std::system("exit 5");
  EXPECT_TRUE(WIFEXITED(shellStatus));
  EXPECT_EQ(WEXITSTATUS(shellStatus), 5);
}

void WritePidToPipe(const std::string& fd) {
  const std::string pid = std::to_string(getpid());
  if (write(std::stoi(fd), pid.data(), pid.size()) < 0) _exit(1);
}

TEST(BackgroundChild, WhenForkFailsNothingRunsInTheCaller) {
  int channel[2];
  ASSERT_EQ(pipe(channel), 0);
  // Fork is made to fail for real by a process limit, which binds only a user without
  // privileges; the attempt runs in a separate test process that becomes one.
  const pid_t tester = fork();
  ASSERT_GE(tester, 0);
  if (tester == 0) {
    close(channel[0]);
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(77);
    const rlimit none{0, 0};
    if (setrlimit(RLIMIT_NPROC, &none) != 0) _exit(78);
    const std::string fd = std::to_string(channel[1]);
    if (StartBackgroundChild(WritePidToPipe, fd, false) != -1) _exit(10);
    _exit(0);
  }
  close(channel[1]);
  int status = 0;
  ASSERT_EQ(waitpid(tester, &status, 0), tester);
  std::string received(32, '\0');
  const ssize_t length = read(channel[0], &received[0], received.size());
  close(channel[0]);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot drop privileges here";
  ASSERT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(length, 0) << "the body ran in the caller";
}

}  // namespace
