// TextFile on real files in a scratch folder.
#include "util/TextFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "support/TempDirectory.h"

namespace {

using Lines = std::vector<std::string>;

TEST(TextFile, ReadsEveryLineWithoutItsNewlineKeepingACarriageReturn) {
  TempDirectory folder;
  WriteFileText(folder.File("t.txt"), "a\r\n\nlast without newline");
  TextFile file(folder.File("t.txt"));
  EXPECT_EQ(file.ReadLines(), (Lines{"a\r", "", "last without newline"}));
  EXPECT_FALSE(file.Failed());
  EXPECT_FALSE(file.NotFound());
}

TEST(TextFile, ALongLineIsReadWholeAndTheLinesAfterItToo) {
  TempDirectory folder;
  const std::string longLine(300, 'x');
  WriteFileText(folder.File("long.txt"), "first\n" + longLine + "\nafter\n");
  TextFile file(folder.File("long.txt").c_str());
  EXPECT_EQ(file.ReadLines(), (Lines{"first", longLine, "after"}));
  EXPECT_FALSE(file.Failed());
}

TEST(TextFile, ReadAllEndsEveryLineWithCarriageReturnAndNewline) {
  TempDirectory folder;
  WriteFileText(folder.File("ab.txt"), "a\nb\n");
  EXPECT_EQ(TextFile(folder.File("ab.txt")).ReadAll(), "a\r\nb\r\n");
}

TEST(TextFile, AMissingFileSetsBothFlagsAndReadsNothing) {
  TempDirectory folder;
  TextFile file(folder.File("missing.txt"));
  EXPECT_TRUE(file.ReadLines().empty());
  EXPECT_TRUE(file.Failed());
  EXPECT_TRUE(file.NotFound());
  EXPECT_EQ(file.ReadAll(), "");
  EXPECT_TRUE(file.Failed());
}

TEST(TextFile, WriteLinesReplacesTheFileAndAnEmptyListEmptiesIt) {
  TempDirectory folder;
  TextFile file(folder.File("w.txt"));
  EXPECT_TRUE(file.WriteLines({}));
  EXPECT_EQ(FileText(folder.File("w.txt")), "");
  EXPECT_TRUE(file.WriteLines({"one", "two"}));
  EXPECT_EQ(FileText(folder.File("w.txt")), "one\ntwo\n");
  EXPECT_TRUE(file.WriteLines({}));
  EXPECT_EQ(FileText(folder.File("w.txt")), "");
}

TEST(TextFile, AppendLinesCreatesTheFileWhenMissingAndAddsAtTheEnd) {
  TempDirectory folder;
  TextFile file(folder.File("a.txt"));
  EXPECT_TRUE(file.AppendLines({"one"}));
  EXPECT_TRUE(file.AppendLines({"two", "three"}));
  EXPECT_EQ(FileText(folder.File("a.txt")), "one\ntwo\nthree\n");
}

TEST(TextFile, AFileThatCannotBeOpenedForWritingFailsAndTheNextSuccessClearsTheFlags) {
  TempDirectory folder;
  TextFile nowhere(folder.File("no/such/folder.txt"));
  EXPECT_FALSE(nowhere.WriteLines({"x"}));
  EXPECT_TRUE(nowhere.Failed());
  EXPECT_TRUE(nowhere.NotFound());
  EXPECT_FALSE(nowhere.AppendLines({"x"}));
  EXPECT_TRUE(nowhere.Failed());

  TextFile file(folder.File("ok.txt"));
  EXPECT_TRUE(file.ReadLines().empty());
  EXPECT_TRUE(file.Failed());
  EXPECT_TRUE(file.WriteLines({"x"}));
  EXPECT_FALSE(file.Failed());
  EXPECT_FALSE(file.NotFound());
}

TEST(TextFile, AReplacementThatCannotTakeThePlaceFailsAndCleansUp) {
  TempDirectory folder;
  ASSERT_EQ(mkdir(folder.File("busy").c_str(), 0700), 0);  // a folder where the file should go
  TextFile blocked(folder.File("busy"));
  EXPECT_FALSE(blocked.ReplaceLines({"x"}));
  EXPECT_TRUE(blocked.Failed());
  EXPECT_EQ(FolderEntries(folder.Path()), (Lines{"busy"}));
}

}  // namespace
