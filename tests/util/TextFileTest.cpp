// TextFile on real files in a scratch folder.
#include "tessarin/util/TextFile.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/TempDirectory.h"

using namespace tessarin;

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

// Only a link or a regular file may be replaced. Run as root, writing to /dev/full deleted the
// machine's device; a FIFO or a socket went the same way. The tests make no device node.
TEST(TextFile, WriteLinesRefusesASpecialFileAndLeavesItAsItStands) {
  auto bindSocket = [](const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return bound;
  };
  const std::pair<const char*, std::function<bool(const std::string&)>> entries[] = {
      {"a FIFO", [](const std::string& path) { return mkfifo(path.c_str(), 0600) == 0; }},
      {"a folder", [](const std::string& path) { return mkdir(path.c_str(), 0700) == 0; }},
      {"a socket", bindSocket},
  };
  for (const auto& [what, make] : entries) {
    SCOPED_TRACE(what);
    TempDirectory folder;
    const std::string path = folder.File("special");
    struct stat before {
    }, after{};
    ASSERT_TRUE(make(path) && lstat(path.c_str(), &before) == 0);
    TextFile file(path);
    EXPECT_FALSE(file.WriteLines({"x"}));
    EXPECT_TRUE(file.Failed());
    EXPECT_FALSE(file.NotFound());
    ASSERT_EQ(lstat(path.c_str(), &after), 0);
    EXPECT_EQ(std::make_pair(after.st_ino, after.st_mode),
              std::make_pair(before.st_ino, before.st_mode));
    EXPECT_EQ(FolderEntries(folder.Path()), (Lines{"special"}));
  }
}

}  // namespace
