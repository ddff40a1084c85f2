// What someone who can write into the working folder may put at the names of the files the
// programs write and read: nothing is written or read through a link or a special file, a
// file too large to be ours is not read, and no case hangs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "support/TempDirectory.h"
#include "tessarin/graphics/BitmapFile.h"
#include "tessarin/util/FileUtils.h"
#include "tessarin/util/Log.h"
#include "tessarin/util/ScoreTable.h"

using namespace tessarin;

namespace {

enum Hazard { kLinkToFile, kDanglingLink, kFifo, kLinkToDevice, kOversize };
constexpr char kPlayers[] = "00000001 the player's own line\n";
constexpr char kTable[] = "Data/t/Score/Classifica.txt";

// A 3 x 2 picture of 4 bits: the header, 16 black palette entries, two rows of index 0.
std::string Good4Bit() {
  std::string bytes(54 + 64 + 8, '\0');
  bytes[0] = 'B', bytes[1] = 'M', bytes[10] = 54 + 64, bytes[14] = 40, bytes[18] = 3;
  bytes[22] = 2, bytes[26] = 1, bytes[28] = 4;
  return bytes;
}

// Puts the hazard at path; "usable" is what a link to a file points to, or the start of an
// oversize file.
void Plant(Hazard hazard, const std::string& path, const std::string& target,
           const std::string& usable, long long limit) {
  if (hazard == kLinkToFile) WriteFileText(target, usable);
  if (hazard == kOversize) WriteFileText(path, usable);
  const std::string pointsTo = hazard == kLinkToDevice ? "/dev/zero" : target;
  const bool planted = hazard == kFifo       ? mkfifo(path.c_str(), 0600) == 0
                       : hazard == kOversize ? truncate(path.c_str(), limit + 1) == 0
                                             : symlink(pointsTo.c_str(), path.c_str()) == 0;
  ASSERT_TRUE(planted) << path;
}

// The kind of entry at path itself (S_IFREG, S_IFIFO, ...), 0 when there is none.
mode_t KindAt(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

class WorkingFolderFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(inside.Entered() && EnsureFolder("Data") && EnsureFolder("Data/t") &&
                EnsureFolder("Data/t/Score"));
    WriteFileText("pic.bmp", Good4Bit());
    testing::internal::CaptureStdout();
  }
  // The echoes of log lines, and with them any failure message, go to standard error.
  void TearDown() override { std::fputs(testing::internal::GetCapturedStdout().c_str(), stderr); }

  TempDirectory elsewhere;
  const std::string target = elsewhere.File("target");
  TempDirectory folder;
  WorkingDirectoryScope inside{folder.Path()};
};

// The files the programs write, and the one line each begins with.
struct WrittenFile {
  std::string path;
  std::function<void()> write;
  std::string startsWith;
};

const WrittenFile kWrittenFiles[] = {
    {"log.txt", [] { StartLog("log.txt"), Log("line"); }, "line\n"},
    {kTable, [] { ScoreTable("t").WriteScores({"00000002 Anna"}); }, "00000002 Anna\n"},
    {"pic.bmp.c", [] { ReadBitmap4("pic.bmp"); }, "int wPIC = 3;\n"},
};

// A link at the name is replaced by a new regular file; a FIFO is refused and stays, so that
// no special file is ever deleted (the line is dropped, or the write reported as failed).
TEST_F(WorkingFolderFiles, WritesNeverGoThroughALinkOrIntoASpecialFile) {
  for (const WrittenFile& file : kWrittenFiles) {
    for (Hazard hazard : {kLinkToFile, kDanglingLink, kFifo}) {
      SCOPED_TRACE(file.path + ", hazard " + std::to_string(hazard));
      Plant(hazard, file.path, target, kPlayers, 0);
      file.write();
      EXPECT_EQ(FileText(target), hazard == kLinkToFile ? kPlayers : "");
      EXPECT_EQ(FileExists(target), hazard == kLinkToFile);
      const mode_t kind = KindAt(file.path);
      EXPECT_EQ(kind, hazard == kFifo ? S_IFIFO : S_IFREG);
      // Not read unless regular: opening the FIFO would wait here.
      const std::string text = kind == S_IFREG ? FileText(file.path) : "";
      const std::string expected = hazard == kFifo ? "" : file.startsWith;
      EXPECT_EQ(text.substr(0, expected.size()), expected);
      RemoveFile(file.path), RemoveFile(target);
    }
  }
}

// The temporary names that a write beside the file once took in turn (name.<pid>-N.tmp, then
// giving up) and other guesses, made ahead as links: the write still succeeds, through none
// of them, and leaves them as they were.
TEST_F(WorkingFolderFiles, NamesTakenAheadBesideAFileBlockNoWrite) {
  for (const WrittenFile& file : kWrittenFiles) {
    if (file.path == "log.txt") continue;  // made at its own name, never beside it
    SCOPED_TRACE(file.path);
    const std::string pid = std::to_string(getpid());
    std::vector<std::string> taken = {".tmp", ".new", "~", "." + pid + ".tmp", ".0.tmp"};
    for (int n = 0; n < 100; ++n) taken.push_back("." + pid + "-" + std::to_string(n) + ".tmp");
    for (const std::string& suffix : taken)
      ASSERT_EQ(symlink(target.c_str(), (file.path + suffix).c_str()), 0) << suffix;
    const std::string folderPath = GetDirectory(file.path).empty() ? "." : GetDirectory(file.path);
    std::vector<std::string> entries = FolderEntries(folderPath);
    file.write();
    EXPECT_EQ(FileText(file.path).substr(0, file.startsWith.size()), file.startsWith);
    EXPECT_FALSE(FileExists(target));
    entries.push_back(GetFileName(file.path));
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(FolderEntries(folderPath), entries);
  }
}

TEST_F(WorkingFolderFiles, ReadsTakeOnlyRegularFilesWithinTheirSize) {
  struct {
    std::string path;
    std::string usable;
    long long limit;
    std::function<bool()> read;  // true when the read gave something
  } const files[] = {
      {kTable, kPlayers, 64 * 1024,
       [] {
         ScoreTable table("t");
         const bool gotLines = !table.ReadScores().empty() || !table.HasError();
         return table.AddScore(3, "Bea") || gotLines;  // a refused table is not written either
       }},
      {"pic.bmp", Good4Bit(), kMaxBitmapFileBytes,
       [] { return ReadBitmap4("pic.bmp") || FileExists("pic.bmp.c"); }},
  };
  for (const auto& file : files) {
    for (Hazard hazard : {kLinkToFile, kFifo, kLinkToDevice, kOversize}) {
      SCOPED_TRACE(file.path + ", hazard " + std::to_string(hazard));
      RemoveFile(file.path), RemoveFile("pic.bmp.c");
      Plant(hazard, file.path, target, file.usable, file.limit);
      EXPECT_FALSE(file.read());
      EXPECT_EQ(FileText(target), hazard == kLinkToFile ? file.usable : "");
      RemoveFile(target);
    }
    // The same bytes in a plain file are read: the refusals came from the hazards.
    RemoveFile(file.path);
    WriteFileText(file.path, file.usable);
    EXPECT_TRUE(file.read()) << file.path;
  }
}

}  // namespace
