// The file helpers on real files in a scratch folder, and the path pieces on plain text.
#include "tessarin/util/FileUtils.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/TempDirectory.h"

using namespace tessarin;

namespace {

TEST(FileUtils, ExistsRemoveAndSizeWorkOnRealFiles) {
  TempDirectory folder;
  const std::string file = folder.File("five.txt");
  EXPECT_FALSE(FileExists(file));
  EXPECT_EQ(FileSize(file), 0);
  WriteFileText(file, "12345");
  EXPECT_TRUE(FileExists(file));
  EXPECT_TRUE(FileExists(folder.Path()));
  EXPECT_EQ(FileSize(file), 5);
  EXPECT_TRUE(RemoveFile(file));
  EXPECT_FALSE(FileExists(file));
  EXPECT_FALSE(RemoveFile(file));
}

TEST(FileUtils, EnsureFolderMakesOneLevelOnly) {
  TempDirectory folder;
  const std::string data = folder.File("Data");
  EXPECT_TRUE(EnsureFolder(data));
  struct stat info {};
  ASSERT_EQ(stat(data.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_TRUE(EnsureFolder(data));
  EXPECT_FALSE(EnsureFolder(folder.File("a/b")));
  EXPECT_FALSE(FileExists(folder.File("a")));
}

TEST(FileUtils, WithTrailingSlashAddsOneOnlyWhereNeeded) {
  EXPECT_EQ(WithTrailingSlash("abc"), "abc/");
  EXPECT_EQ(WithTrailingSlash("abc/"), "abc/");
  EXPECT_EQ(WithTrailingSlash("abc\\"), "abc\\");
  EXPECT_EQ(WithTrailingSlash("c:"), "c:");
  EXPECT_EQ(WithTrailingSlash(""), "");
}

TEST(FileUtils, DirectoryAndFileNameSplitAtTheLastSeparatorOfEitherKind) {
  EXPECT_EQ(GetDirectory("dir\\pic.bmp"), "dir/");
  EXPECT_EQ(GetDirectory("a/b\\c.txt"), "a/b/");
  EXPECT_EQ(GetDirectory("c:pic.bmp"), "c:");
  EXPECT_EQ(GetDirectory("pic.bmp"), "");
  EXPECT_EQ(GetFileName("dir\\pic.bmp"), "pic.bmp");
  EXPECT_EQ(GetFileName("dir/pic.bmp"), "pic.bmp");
  EXPECT_EQ(GetFileName("c:pic.bmp"), "pic.bmp");
  EXPECT_EQ(GetFileName("pic.bmp"), "pic.bmp");
  EXPECT_EQ(GetFileName("dir/"), "");
}

TEST(FileUtils, DataFolderIsMadeOnceAndThenOnlyReturned) {
  TempDirectory folder;
  WorkingDirectoryScope inside(folder.Path());
  ASSERT_TRUE(inside.Entered());
  EXPECT_EQ(DataFolder(), "Data");
  struct stat info {};
  ASSERT_EQ(stat("Data", &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  WriteFileText("Data/kept.txt", "x");
  EXPECT_EQ(DataFolder(), "Data");
  EXPECT_TRUE(FileExists("Data/kept.txt"));
}

}  // namespace
