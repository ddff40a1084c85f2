// The log in a scratch working directory: the file it makes there, what it echoes, and that
// the file made at start keeps every line whatever is put at its name afterwards.
#include "tessarin/util/Log.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "support/TempDirectory.h"

using namespace tessarin;

namespace {

class LogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(inside.Entered());
    StartLog("log.txt");
  }
  TempDirectory folder;
  WorkingDirectoryScope inside{folder.Path()};
};

TEST_F(LogTest, EveryMessageIsOneLineOfTheFileInCallOrder) {
  Log("first");
  EXPECT_EQ(FileText("log.txt"), "first\n");
  Log(std::string("second"));
  Log("third");
  EXPECT_EQ(FileText("log.txt"), "first\nsecond\nthird\n");
}

TEST_F(LogTest, EmbeddedNewlinesStayAndEmptyOrNullMessagesGiveEmptyLines) {
  testing::internal::CaptureStdout();
  Log("one\ntwo");
  Log("");
  Log(static_cast<const char*>(nullptr));
  const std::string echoed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(FileText("log.txt"), "one\ntwo\n\n\n");
  EXPECT_EQ(echoed, "one\ntwo\n\n\n");
}

TEST_F(LogTest, AMessageThatCannotBeWrittenStillReachesStandardOutput) {
  ASSERT_EQ(unlink("log.txt"), 0);
  ASSERT_EQ(mkdir("log.txt", 0700), 0);  // a folder where the file should be
  StartLog("log.txt");
  testing::internal::CaptureStdout();
  Log("lost from the file");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "lost from the file\n");
}

// The file is renamed aside after the first line and something else put at its name: the
// later lines, a forked child's too, reach the file made at start and nothing else. Opened by
// name at every line, the log was carried into a victim file by a loop that swapped a hard
// link to it in and out between the open and the check of its link count.
TEST_F(LogTest, LinesReachTheFileMadeAtStartWhateverIsPutAtItsNameLater) {
  constexpr char kVictim[] = "the player's own line\n";
  const std::pair<const char*, std::function<bool()>> replacements[] = {
      {"nothing", [] { return true; }},
      {"a hard link to the victim", [] { return link("victim.txt", "log.txt") == 0; }},
      {"a symbolic link to the victim", [] { return symlink("victim.txt", "log.txt") == 0; }},
      {"another regular file", [] { return (WriteFileText("log.txt", ""), true); }},
  };
  for (const auto& [what, put] : replacements) {
    SCOPED_TRACE(what);
    StartLog("log.txt");
    WriteFileText("victim.txt", kVictim);
    Log("first");
    ASSERT_EQ(std::rename("log.txt", "opened.txt"), 0);
    ASSERT_TRUE(put());
    Log("second");
    std::fflush(stdout);  // the child must not print the parent's buffered output again
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      Log("from a child");
      _exit(0);
    }
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    EXPECT_EQ(FileText("opened.txt"), "first\nsecond\nfrom a child\n");
    EXPECT_EQ(FileText("victim.txt"), kVictim);
    EXPECT_EQ(FileText("log.txt").find("second"), std::string::npos);
    std::remove("log.txt"), std::remove("opened.txt"), std::remove("victim.txt");
  }
}

// A program started from here is given no descriptor of the log that it could write into.
TEST_F(LogTest, ProgramsStartedFromHereAreNotHandedTheFile) {
  Log("open");
  std::FILE* listing = popen("ls -l /proc/self/fd/", "r");
  ASSERT_NE(listing, nullptr);
  std::string descriptors;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, listing) != nullptr) descriptors += buffer;
  pclose(listing);
  EXPECT_NE(descriptors.find("pipe:"), std::string::npos) << descriptors;
  EXPECT_EQ(descriptors.find("log.txt"), std::string::npos) << descriptors;
}

}  // namespace
