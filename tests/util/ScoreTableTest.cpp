// The score table on real files, in a scratch working directory that gets its own Data/.
#include "tessarin/util/ScoreTable.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/ReadOnlyView.h"
#include "support/TempDirectory.h"
#include "support/WithoutPrivileges.h"
#include "tessarin/util/FileUtils.h"

using namespace tessarin;

namespace {

using Lines = std::vector<std::string>;
constexpr const char* kTableFile = "Data/Gallery/Score/Classifica.txt";

class ScoreTableTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(inside.Entered()); }
  TempDirectory folder;
  WorkingDirectoryScope inside{folder.Path()};
  ScoreTable table{"Gallery"};
};

TEST_F(ScoreTableTest, TheFirstResultMakesTheFoldersAndTheFile) {
  EXPECT_TRUE(table.ReadScores().empty());
  EXPECT_FALSE(table.HasError());
  EXPECT_TRUE(table.AddScore(125, "Anna"));
  EXPECT_TRUE(table.AddScore(123456789, "big"));  // keeps its last 8 digits
  EXPECT_EQ(FileText(kTableFile), "00000125 Anna\n23456789 big\n");
  EXPECT_EQ(FolderEntries("Data/Gallery/Score"), (Lines{"Classifica.txt"}));
}

TEST_F(ScoreTableTest, KeepsTheTenLowestOrderedByScoreThenName) {
  for (int i = 1; i <= 10; ++i) ASSERT_TRUE(table.AddScore(i * 10, "p" + std::to_string(i)));
  EXPECT_TRUE(table.AddScore(999, "last"));  // sorts eleventh: dropped at once
  EXPECT_TRUE(table.AddScore(50, "Bea"));    // ties with p5 and sorts before it; p10 goes
  const Lines lines = table.ReadScores();
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[4], "00000050 Bea");
  EXPECT_EQ(lines[5], "00000050 p5");
  EXPECT_EQ(lines[9], "00000090 p9");
}

TEST_F(ScoreTableTest, ALineBreakInANameIsRefusedAndNothingIsWritten) {
  EXPECT_FALSE(table.AddScore(1, "two\nlines"));
  EXPECT_FALSE(FileExists("Data"));
  ASSERT_TRUE(table.AddScore(7, "Anna"));
  EXPECT_FALSE(table.AddScore(1, "Eve\r"));
  EXPECT_FALSE(table.AddScore(1, "Eve\n00000000 cheat"));
  EXPECT_FALSE(table.WriteScores({"00000001 a\nb"}));
  EXPECT_EQ(FileText(kTableFile), "00000007 Anna\n");
}

// Found by the fuzzer: a CR left in the file used to make every later result fail.
TEST_F(ScoreTableTest, ATableWithCrlfEndingsOrACrInALineStillTakesResults) {
  ASSERT_FALSE(table.ScoreFolder().empty());
  WriteFileText(kTableFile, "00000007 Anna\r\n00000009 Bob\r\n");
  EXPECT_EQ(table.ReadScores(), (Lines{"00000007 Anna", "00000009 Bob"}));
  EXPECT_TRUE(table.AddScore(8, "Eve"));
  EXPECT_EQ(FileText(kTableFile), "00000007 Anna\n00000008 Eve\n00000009 Bob\n");
  WriteFileText(kTableFile, "00000001 da\rmaged\n00000005 Cy\n");
  EXPECT_TRUE(table.AddScore(3, "Dan"));
  EXPECT_EQ(FileText(kTableFile), "00000003 Dan\n00000005 Cy\n");
}

// A file standing where a folder must be stops root as well as anyone else.
TEST_F(ScoreTableTest, AFolderThatCannotBeMadeIsAnError) {
  ASSERT_TRUE(EnsureFolder("Data"));
  WriteFileText("Data/Gallery", "not a folder");
  EXPECT_EQ(table.ScoreFolder(), "");
  EXPECT_FALSE(table.AddScore(1, "Anna"));
  EXPECT_TRUE(table.HasError());
  EXPECT_EQ(FileText("Data/Gallery"), "not a folder");
}

// A file-size limit fails the write part-way, for root too: the old table must survive whole
// and no half-written sibling may stay behind.
TEST_F(ScoreTableTest, AFailedFinalWriteIsReportedAndLeavesTheOldTable) {
  for (int i = 1; i <= 5; ++i) ASSERT_TRUE(table.AddScore(i, "player"));
  const std::string before = FileText(kTableFile);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 20;
  const sighandler_t oldHandler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool added = table.AddScore(3, "newcomer");
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(added);
  EXPECT_TRUE(table.HasError());
  EXPECT_EQ(FileText(kTableFile), before);
  EXPECT_EQ(FolderEntries("Data/Gallery/Score"), (Lines{"Classifica.txt"}));
}

// A file named Data where the data folder must be: nothing can be read or written under it.
TEST_F(ScoreTableTest, AFileNamedDataIsAnErrorAndStaysAsItWas) {
  WriteFileText("Data", "not a folder");
  EXPECT_TRUE(table.ReadScores().empty());
  EXPECT_TRUE(table.HasError());
  EXPECT_FALSE(table.AddScore(1, "Anna"));
  EXPECT_TRUE(table.HasError());
  EXPECT_EQ(FileText("Data"), "not a folder");
}

// The whole working directory read-only, for root too: the table still reads, refuses the
// new result with an error, and keeps every line it had, with no sibling left behind. The
// view exists only in a child, which answers through its exit status.
TEST_F(ScoreTableTest, AReadOnlyFolderIsAnErrorAndKeepsTheTable) {
  for (int i = 1; i <= 3; ++i) ASSERT_TRUE(table.AddScore(i, "player"));
  const std::string before = FileText(kTableFile);
  if (!ReadOnlyViewHolds(folder.Path())) GTEST_SKIP() << kNoReadOnlyView;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (!EnterReadOnlyView(folder.Path().c_str()) || chdir(folder.Path().c_str()) != 0) _exit(2);
    ScoreTable seen("Gallery");
    const bool read = seen.ReadScores().size() == 3 && !seen.HasError();
    const bool refused = !seen.AddScore(2, "newcomer") && seen.HasError();
    _exit(read && refused ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "2: no view; 1: a wrong read or a write taken as done";
  EXPECT_EQ(FileText(kTableFile), before);
  EXPECT_EQ(FolderEntries("Data/Gallery/Score"), (Lines{"Classifica.txt"}));
}

// A table its reader may not open (mode 000) still holds the results: its read is an error,
// and a new result is refused, not written over the nine entries. Root opens any file, so the
// reader is a child without privileges, in a folder it may write as a player may the own one.
TEST_F(ScoreTableTest, ATableThatCannotBeReadIsAnErrorAndIsNotWrittenOver) {
  for (int i = 1; i <= 9; ++i) ASSERT_TRUE(table.AddScore(i, "player"));
  const std::string before = FileText(kTableFile);
  ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
  ASSERT_EQ(chmod("Data/Gallery/Score", 0777), 0);
  ASSERT_EQ(chmod(kTableFile, 0), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (!DropPrivileges()) _exit(kNoPrivilegeDrop);
    ScoreTable seen("Gallery");
    const bool unread = seen.ReadScores().empty() && seen.HasError();
    _exit(unread && !seen.AddScore(10, "newcomer") && seen.HasError() ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_EQ(chmod(kTableFile, 0644), 0);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == kNoPrivilegeDrop) GTEST_SKIP() << kNoPrivilegeDropReason;
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the table read as empty or the result was written";
  EXPECT_EQ(FileText(kTableFile), before);
  EXPECT_EQ(FolderEntries("Data/Gallery/Score"), (Lines{"Classifica.txt"}));
}

}  // namespace
