// The program entry as seen from outside, where no X server is needed: it clears the last
// run's log and, when no display can be opened, says so and stops with a failure status.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

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

}  // namespace
