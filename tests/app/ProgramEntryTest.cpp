// The program entry as seen from outside, where no X server is needed: it clears the last
// run's log and, when no display can be opened, says so and stops with a failure status; it
// answers --help and --version and refuses other arguments without touching its folder.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/TempDirectory.h"

#include "support/TempDirectory.h"

namespace {

TEST(ProgramEntry, WithoutADisplayItLogsTheFailureCreatesNoWindowAndExitsWithOne) {
  TempDirectory folder;
  const std::string dir = folder.Path();
  WriteFileText(folder.File("log.txt"), "a line from an earlier run\n");

  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (chdir(dir.c_str()) != 0) _exit(90);
    // A display number no server listens on.
    setenv("DISPLAY", ":4097", 1);
    if (std::freopen("stdout.txt", "w", stdout) == nullptr) _exit(92);
    execl(TESSARIN_BINARY, "tessarin", static_cast<char*>(nullptr));
    _exit(91);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(FileText(folder.File("log.txt")), "XOpenDisplay(0) failed.\n");
  EXPECT_EQ(FileText(folder.File("stdout.txt")), "XOpenDisplay(0) failed.\n");
}

struct RunResult {
  int status = -1;
  std::string out;
  std::string errors;
};

// Runs the game in dir with the arguments, on a display no server listens on.
RunResult RunTessarin(const std::string& dir, const std::vector<std::string>& arguments) {
  std::vector<char*> argv{const_cast<char*>("tessarin")};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const std::string outPath = dir + "/../out.txt", errPath = dir + "/../err.txt";
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(dir.c_str()) != 0) _exit(90);
    setenv("DISPLAY", ":4097", 1);
    if (std::freopen(outPath.c_str(), "w", stdout) == nullptr) _exit(92);
    if (std::freopen(errPath.c_str(), "w", stderr) == nullptr) _exit(92);
    execv(TESSARIN_BINARY, argv.data());
    _exit(91);
  }
  RunResult run;
  int status = 0;
  if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
    run.status = WEXITSTATUS(status);
  }
  run.out = FileText(outPath);
  run.errors = FileText(errPath);
  return run;
}

TEST(ProgramEntry, OptionsAnswerAndUnknownArgumentsAreRefusedWithoutTouchingTheFolder) {
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string outStart;
    std::string errorsStart;
  };
  const std::string usage = "Usage: tessarin [--help | --version]\n";
  const std::vector<Case> cases = {
      {{"--help"}, 0, usage, ""},
      {{"--version"}, 0, "tessarin 1.0.0\n", ""},
      {{"--bogus"}, 2, "", "tessarin: unexpected argument '--bogus'\n\n" + usage},
      {{"-h"}, 2, "", "tessarin: unexpected argument '-h'\n\n" + usage},
      {{"--version", "--help"}, 2, "", "tessarin: unexpected argument '--help'\n\n" + usage},
      {{""}, 2, "", "tessarin: unexpected argument ''\n\n" + usage},
  };
  TempDirectory scratch;
  const std::string dir = scratch.File("work");
  ASSERT_EQ(mkdir(dir.c_str(), 0755), 0);
  WriteFileText(dir + "/log.txt", "a line from an earlier run\n");
  for (const Case& test : cases) {
    const std::string name = test.arguments.front();
    const RunResult run = RunTessarin(dir, test.arguments);
    EXPECT_EQ(run.status, test.status) << name;
    EXPECT_EQ(run.out.rfind(test.outStart, 0), 0u) << name << ": " << run.out;
    EXPECT_EQ(run.errors.rfind(test.errorsStart, 0), 0u) << name << ": " << run.errors;
    EXPECT_EQ(run.out.empty(), test.outStart.empty()) << name;
    EXPECT_EQ(run.errors.empty(), test.errorsStart.empty()) << name;
    EXPECT_EQ(FileText(dir + "/log.txt"), "a line from an earlier run\n") << name;
  }
}

}  // namespace
