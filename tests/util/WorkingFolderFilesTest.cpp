// The files the programs write and read in their working folder, with what someone else who
// can write into that folder may put at their names: a link to a file of the player's, a
// link to nowhere, a FIFO, a file too large to be one of ours. Nothing is ever written
// through a link or into a special file, nothing is read through a link, and no case hangs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/BitmapFile.h"
#include "support/TempDirectory.h"
#include "util/FileUtils.h"
#include "util/Log.h"
#include "util/ScoreTable.h"

namespace {

enum class Hazard { LinkToFile, DanglingLink, Fifo, LinkToDevice, Oversize };

const char* Name(Hazard hazard) {
  switch (hazard) {
    case Hazard::LinkToFile:
      return "link to a file of the player's";
    case Hazard::DanglingLink:
      return "link to nowhere";
    case Hazard::Fifo:
      return "FIFO";
    case Hazard::LinkToDevice:
      return "link to /dev/zero";
    case Hazard::Oversize:
      break;
  }
  return "oversize file";
}

constexpr char kPlayersText[] = "00000001 the player's own line\n";
constexpr char kTableFile[] = "Data/t/Score/Classifica.txt";

// A 3 x 2 picture of 4 bits with 16 palette entries: 54 header bytes, the palette, two rows.
std::string Good4BitFile() {
  std::string bytes(54 + 16 * 4 + 2 * 4, '\0');
  bytes[0] = 'B', bytes[1] = 'M', bytes[10] = 54 + 64, bytes[14] = 40, bytes[18] = 3;
  bytes[22] = 2, bytes[26] = 1, bytes[28] = 4;
  return bytes;
}

// Puts the hazard at path; a file it points to lives outside the working folder.
void Plant(Hazard hazard, const std::string& path, const std::string& outside,
           const std::string& usable, long long limit) {
  if (hazard == Hazard::LinkToFile) {
    WriteFileText(outside, usable.empty() ? kPlayersText : usable);
  }
  const std::string target = hazard == Hazard::LinkToDevice ? "/dev/zero" : outside;
  if (hazard == Hazard::Fifo) {
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  } else if (hazard == Hazard::Oversize) {
    // A usable start, then zeros past the limit: only the size makes it wrong.
    WriteFileText(path, usable);
    ASSERT_EQ(truncate(path.c_str(), limit + 1), 0);
  } else {
    ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0);
  }
}

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

class WorkingFolderFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(inside.Entered());
    ASSERT_TRUE(EnsureFolder("Data") && EnsureFolder("Data/t") && EnsureFolder("Data/t/Score"));
  }

  TempDirectory elsewhere;
  TempDirectory folder;
  WorkingDirectoryScope inside{folder.Path()};
};

struct WrittenFile {
  const char* name;
  std::string path;
  std::function<void()> write;
  // What the path holds afterwards: a new regular file that starts so, or (empty) the hazard
  // still in place, the write dropped.
  std::string startsWith;
};

TEST_F(WorkingFolderFiles, WritesNeverGoThroughALinkOrIntoASpecialFile) {
  const std::vector<WrittenFile> files = {
      {"log.txt while running", "log.txt", [] { Log("line"); }, ""},
      {"log.txt at start", "log.txt",
       [] {
         ClearLog();
         Log("line");
       },
       "line\n"},
      {"score table", kTableFile, [] { ScoreTable("t").WriteScores({"00000002 Anna"}); },
       "00000002 Anna\n"},
      {"C export", "pic.bmp.c", [] { ReadBitmap4("pic.bmp"); }, "int wPIC = 3;\n"},
  };
  WriteFileText("pic.bmp", Good4BitFile());
  for (const WrittenFile& file : files) {
    for (Hazard hazard : {Hazard::LinkToFile, Hazard::DanglingLink, Hazard::Fifo}) {
      SCOPED_TRACE(std::string(file.name) + ", " + Name(hazard));
      const std::string outside = elsewhere.File("target");
      Plant(hazard, file.path, outside, "", 0);
      testing::internal::CaptureStdout();
      file.write();
      testing::internal::GetCapturedStdout();
      if (hazard == Hazard::LinkToFile) {
        EXPECT_EQ(FileText(outside), kPlayersText);
      } else {
        EXPECT_FALSE(FileExists(outside)) << "made through the link";
      }
      if (file.startsWith.empty()) {
        EXPECT_FALSE(IsRegularFile(file.path));
      } else {
        EXPECT_TRUE(IsRegularFile(file.path));
        EXPECT_EQ(FileText(file.path).substr(0, file.startsWith.size()), file.startsWith);
      }
      RemoveFile(file.path);
      RemoveFile(outside);
    }
  }
}

struct ReadFile {
  const char* name;
  std::string path;
  std::string usable;
  long long limit;
  // True when the read gave something.
  std::function<bool()> read;
};

TEST_F(WorkingFolderFiles, ReadsTakeOnlyRegularFilesWithinTheirSize) {
  const std::vector<ReadFile> files = {
      {"score table", kTableFile, kPlayersText, 64 * 1024,
       [] {
         ScoreTable table("t");
         const bool gotLines = !table.ReadScores().empty() || !table.HasError();
         // Refused, the table is not written either.
         return table.AddScore(3, "Bea") || gotLines;
       }},
      {"BMP", "pic.bmp", Good4BitFile(), kMaxBitmapFileBytes,
       [] { return static_cast<bool>(ReadBitmap4("pic.bmp")) || FileExists("pic.bmp.c"); }},
  };
  for (const ReadFile& file : files) {
    for (Hazard hazard :
         {Hazard::LinkToFile, Hazard::Fifo, Hazard::LinkToDevice, Hazard::Oversize}) {
      SCOPED_TRACE(std::string(file.name) + ", " + Name(hazard));
      const std::string outside = elsewhere.File("target");
      Plant(hazard, file.path, outside, file.usable, file.limit);
      testing::internal::CaptureStdout();
      EXPECT_FALSE(file.read());
      testing::internal::GetCapturedStdout();
      if (hazard == Hazard::LinkToFile) {
        EXPECT_EQ(FileText(outside), file.usable);
      }
      RemoveFile(file.path);
      RemoveFile(outside);
      RemoveFile("log.txt");
    }
    // The same bytes as a plain file are read: the refusals above come from the hazards.
    WriteFileText(file.path, file.usable);
    EXPECT_TRUE(file.read()) << file.name;
    RemoveFile(file.path);
  }
}

}  // namespace
