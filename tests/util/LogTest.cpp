// The log in a scratch working directory: the file it writes there and what it echoes.
#include "util/Log.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TempDirectory.h"

namespace {

class LogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(inside.Entered()); }
  TempDirectory folder;
  WorkingDirectoryScope inside{folder.Path()};
};

TEST_F(LogTest, TheFirstMessageCreatesTheFileAndLaterOnesAppendInOrder) {
  Log("first");
  EXPECT_EQ(FileText("log.txt"), "first\n");
  Log(std::string("second"));
  Log("third");
  EXPECT_EQ(FileText("log.txt"), "first\nsecond\nthird\n");
}

TEST_F(LogTest, AppendsToTheFileOfAnEarlierMessage) {
  WriteFileText("log.txt", "kept\n");
  Log("added");
  EXPECT_EQ(FileText("log.txt"), "kept\nadded\n");
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
  ASSERT_EQ(mkdir("log.txt", 0700), 0);  // a folder where the file should be
  testing::internal::CaptureStdout();
  Log("lost from the file");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "lost from the file\n");
}

}  // namespace
