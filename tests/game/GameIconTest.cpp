// The icon compiled into the game is the one installed for the desktop: both come from one
// drawing, and a change to one without the other would show two different icons. The PNG
// files are decoded with Debian's ImageMagick.
#include "game/GameIcon.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace tessarin;

namespace {

// The PNG's pixels as 0xAARRGGBB, row by row; empty when it cannot be read.
std::vector<std::uint32_t> DecodePng(const std::string& path) {
  std::vector<std::uint32_t> pixels;
  FILE* pipe = popen(("/usr/bin/convert '" + path + "' -depth 8 RGBA:- 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return pixels;
  unsigned char rgba[4];
  while (std::fread(rgba, 1, 4, pipe) == 4) {
    pixels.push_back(static_cast<std::uint32_t>(rgba[3]) << 24 | rgba[0] << 16 | rgba[1] << 8 |
                     rgba[2]);
  }
  pclose(pipe);
  return pixels;
}

TEST(GameIcon, CompiledInPicturesAreTheInstalledOnes) {
  for (const WindowIcon& icon : GameWindowIcons()) {
    const std::string size = std::to_string(icon.width);
    const std::string path = std::string(TESSARIN_SOURCE_DIR) + "/dist/icons/hicolor/" + size +
                             "x" + size + "/apps/tessarin.png";
    const std::vector<std::uint32_t> compiled(icon.argb, icon.argb + icon.width * icon.height);
    EXPECT_EQ(DecodePng(path), compiled) << path;
  }
}

}  // namespace
