// The score table on real files, in a scratch working directory that gets its own Data/.
#include "util/ScoreTable.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "support/TempDirectory.h"
#include "util/FileUtils.h"

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

TEST_F(ScoreTableTest, TheFirstResultMakesTheFoldersAndAOneLineTable) {
  EXPECT_TRUE(table.ReadScores().empty());
  EXPECT_FALSE(table.HasError());
  EXPECT_TRUE(table.AddScore(125, "Anna"));
  EXPECT_EQ(FileText(kTableFile), "00000125 Anna\n");
  EXPECT_EQ(table.ScoreFolder(), "Data/Gallery/Score/");
  EXPECT_EQ(FolderEntries("Data/Gallery/Score"), (Lines{"Classifica.txt"}));
}

TEST_F(ScoreTableTest, KeepsTheTenLowestOrderedByScoreThenName) {
  for (int i = 1; i <= 10; ++i) ASSERT_TRUE(table.AddScore(i * 10, "p" + std::to_string(i)));
  EXPECT_TRUE(table.AddScore(999, "last"));  // sorts eleventh: dropped at once
  EXPECT_TRUE(table.AddScore(50, "Bea"));    // ties with p5 and sorts before it
  EXPECT_TRUE(table.AddScore(123456789, "big"));
  const Lines lines = table.ReadScores();
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "00000010 p1");
  EXPECT_EQ(lines[4], "00000050 Bea");
  EXPECT_EQ(lines[5], "00000050 p5");
  EXPECT_EQ(lines[9], "00000090 p9");
  table.WriteScores({"23456789 big", "00000001 a"});
  EXPECT_EQ(FileText(kTableFile), "00000001 a\n23456789 big\n");
  EXPECT_TRUE(table.AddScore(123456789, "big"));
  EXPECT_EQ(table.ReadScores().back(), "23456789 big");
}

TEST_F(ScoreTableTest, ANameWithALineBreakIsRefusedAndNothingIsWritten) {
  for (const std::string name : {"two\nlines", "carriage\r", "\n"}) {
    EXPECT_FALSE(table.AddScore(1, name));
    EXPECT_FALSE(FileExists("Data"));
  }
  ASSERT_TRUE(table.AddScore(7, "Anna"));
  EXPECT_FALSE(table.AddScore(1, "Eve\n00000000 cheat"));
  EXPECT_FALSE(table.WriteScores({"00000001 a\nb"}));
  EXPECT_EQ(FileText(kTableFile), "00000007 Anna\n");
}

TEST_F(ScoreTableTest, AFolderThatCannotBeMadeIsAnErrorAndNothingIsWritten) {
  // A file standing where a folder must be stops root as well as anyone else. (A file named
  // Score passes the existence test of the folder walk; the write into it then fails.)
  struct Blocked {
    const char* file;
    std::vector<const char*> foldersFirst;
  };
  const Blocked cases[] = {
      {"Data", {}}, {"Data/Gallery", {"Data"}}, {"Data/Gallery/Score", {"Data", "Data/Gallery"}}};
  for (const Blocked& blocked : cases) {
    TempDirectory scratch;
    WorkingDirectoryScope there(scratch.Path());
    ASSERT_TRUE(there.Entered());
    for (const char* folder : blocked.foldersFirst) ASSERT_TRUE(EnsureFolder(folder));
    WriteFileText(blocked.file, "not a folder");
    ScoreTable unusable("Gallery");
    EXPECT_FALSE(unusable.AddScore(1, "Anna")) << blocked.file;
    EXPECT_TRUE(unusable.HasError()) << blocked.file;
    EXPECT_EQ(FileText(blocked.file), "not a folder") << blocked.file;
  }
}

// A file-size limit fails the write part-way, for root too. The old table must survive whole
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

}  // namespace
