// The real programs on screens of other depths than 24, each an Xvfb of the test's own. On a
// 16-bit (5-6-5) and a 15-bit (5-5-5) TrueColor screen every colour read back must be the
// colour cut to the screen's component widths: the game's window, buttons, tiles and both
// title pictures, and the gallery's BMP files drawn plainly and with black let through, and
// its image frames. An 8-bit screen, whose default visual is PseudoColor, is refused by both
// programs with status 1, the log line and one line on standard error.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "gallery/GalleryLayout.h"
#include "game/images/TitleImages.h"
#include "support/BoardReader.h"
#include "support/GameLayout.h"
#include "support/ProgramProcess.h"
#include "support/RemoteScreen.h"
#include "support/Waiting.h"
#include "support/XvfbProcess.h"
#include "tessarin/graphics/BitmapFile.h"
#include "tessarin/graphics/XImageFactory.h"

using namespace tessarin;

namespace {

using waiting::WaitUntil;
namespace gl = game_layout;
namespace g = gallery;

struct ScreenFormat {
  const char* name;
  int depth;
  int redBits;
  int greenBits;
  int blueBits;
};

// For the names of failed cases.
void PrintTo(const ScreenFormat& format, std::ostream* out) {
  *out << format.name;
}

constexpr ScreenFormat k16Bit{"Depth16", 16, 5, 6, 5};
constexpr ScreenFormat k15Bit{"Depth15", 15, 5, 5, 5};

// The pixel of a 0xRRGGBB colour on such a screen: each component keeps its top bits, red
// highest, blue lowest.
unsigned long Cut(unsigned long rgb, const ScreenFormat& format) {
  const unsigned long red = ((rgb >> 16) & 0xFF) >> (8 - format.redBits);
  const unsigned long green = ((rgb >> 8) & 0xFF) >> (8 - format.greenBits);
  const unsigned long blue = (rgb & 0xFF) >> (8 - format.blueBits);
  return red << (format.greenBits + format.blueBits) | green << format.blueBits | blue;
}

// A w x h picture of packed red, green, blue triples, as the expected pixels of that screen.
struct Expected {
  int width;
  int height;
  std::vector<unsigned long> pixels;
};

Expected FromTriples(const unsigned char* rgb, int w, int h, const ScreenFormat& format) {
  Expected expected{w, h, {}};
  for (int i = 0; i < w * h; ++i, rgb += 3) {
    expected.pixels.push_back(Cut(rgb[0] << 16 | rgb[1] << 8 | rgb[2], format));
  }
  return expected;
}

Expected FromPalettePicture(const unsigned char* data, int w, int h, const ScreenFormat& format) {
  return FromTriples(DecodePaletteImage(w, h, data).get(), w, h, format);
}

// How many pixels of the shown picture differ from the expected ones.
int Mismatches(const std::optional<Picture>& shown, const Expected& expected) {
  if (!shown || shown->width != expected.width || shown->height != expected.height) {
    return expected.width * expected.height;
  }
  int count = 0;
  for (std::size_t i = 0; i < expected.pixels.size(); ++i) {
    count += shown->pixels[i] != expected.pixels[i];
  }
  return count;
}

class ScreenDepth : public ::testing::TestWithParam<ScreenFormat> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.Start({}, GetParam().depth)) << server.Output();
    screen.emplace(server.DisplayName().c_str());
    ASSERT_TRUE(screen->IsOpen());
  }
  void TearDown() override {
    if (!program) return;
    if (HasFailure()) std::cout << program->Output();
    program->KillAndReap();
  }

  unsigned long Cut(unsigned long rgb) const { return ::Cut(rgb, GetParam()); }

  Window StartAndFindWindow(const std::function<bool(const WindowFacts&)>& matches) {
    program->SetEnvironment("DISPLAY=" + server.DisplayName());
    if (!program->Start()) return 0;
    const auto window = screen->WaitForWindow(matches);
    return window ? window->id : 0;
  }

  std::optional<Picture> Grab(Window window, int x, int y, const Expected& expected) const {
    return screen->Grab(window, x, y, expected.width, expected.height);
  }

  XvfbProcess server;
  std::optional<RemoteScreen> screen;
  std::optional<ProgramProcess> program;
};

struct NamedPoint {
  const char* name;
  int x;
  int y;
  unsigned long colour;
};

TEST_P(ScreenDepth, TheGameShowsItsColoursAndPicturesCutToTheScreensMasks) {
  program.emplace(TESSARIN_BINARY, TESSARIN_SOURCE_DIR);
  const Window main = StartAndFindWindow([](const WindowFacts& facts) {
    return facts.className == "Tessarin.exe" && !facts.isDialog;
  });
  ASSERT_NE(main, 0u) << "the main window never appeared";

  const NamedPoint areas[] = {
      {"window background", 5, 5, gl::kGreen},
      {"START", gl::kStartButton.x + 2, gl::kStartButton.y + 2, gl::kRed},
      {"INFO", gl::kInfoButton.x + 2, gl::kInfoButton.y + 2, gl::kCream},
      {"raised top of EXIT", gl::kExitButton.CentreX(), gl::kExitButton.y, gl::kWhite},
      {"tile 1", BoardReader::CellX(0) + 6, BoardReader::CellY(0) + 6, gl::kWhite},
      {"frame of tile 1", BoardReader::CellX(0), BoardReader::CellY(0) + 6, gl::kBlack},
      {"empty cell", BoardReader::CellX(15) + 6, BoardReader::CellY(15) + 6, gl::kLabelGrey},
      {"flag's green", 730, 580, gl::kDarkGreen},
  };
  const Expected title =
      FromPalettePicture(kTitleLarge, kTitleLargeWidth, kTitleLargeHeight, GetParam());
  const auto shownTitle = [&] {
    return Grab(main, gl::kTitlePicture.x, gl::kTitlePicture.y, title);
  };
  const auto allShown = [&] {
    return std::all_of(std::begin(areas), std::end(areas),
                       [&](const NamedPoint& area) {
                         return screen->PixelAt(main, area.x, area.y) == Cut(area.colour);
                       }) &&
           Mismatches(shownTitle(), title) == 0;
  };
  EXPECT_TRUE(WaitUntil(allShown));
  for (const NamedPoint& area : areas) {
    EXPECT_EQ(screen->PixelAt(main, area.x, area.y), Cut(area.colour)) << area.name;
  }
  EXPECT_EQ(Mismatches(shownTitle(), title), 0) << "pixels of the title picture";

  screen->Click(main, gl::kInfoButton.CentreX(), gl::kInfoButton.CentreY());
  const auto about = screen->WaitForWindow(
      [](const WindowFacts& facts) { return facts.isDialog && facts.name == "Info..."; });
  ASSERT_TRUE(about.has_value()) << "INFO opened no About window";
  const Expected logo =
      FromPalettePicture(kTitleSmall, kTitleSmallWidth, kTitleSmallHeight, GetParam());
  // The picture stands 5 pixels into the panel that stands at (10, 23).
  const auto shownLogo = [&] { return Grab(about->id, 15, 28, logo); };
  EXPECT_TRUE(WaitUntil([&] { return Mismatches(shownLogo(), logo) == 0; }))
      << Mismatches(shownLogo(), logo) << " pixels of the About picture differ";
}

Rect SampleColumn(int index, const Rect& row) {
  using namespace g::picture;
  return g::InWindow(g::kPicturePanel,
                     {kColumnLeft + index * kColumnPitch, row.y, kColumnWidth, row.h});
}

// The file's pixels shown over the backdrop with black let through: a pixel whose cut colour
// is black's shows the backdrop, as the key is compared on the screen's own pixels.
Expected LetBlackThrough(Expected picture, unsigned long backdrop) {
  for (unsigned long& pixel : picture.pixels) {
    if (pixel == 0) pixel = backdrop;
  }
  return picture;
}

TEST_P(ScreenDepth, TheGalleryShowsItsBitmapFilesAndFramesCutToTheScreensMasks) {
  const std::vector<std::string> files = {"gallery-24bit.bmp", "gallery-8bit.bmp",
                                          "gallery-4bit.bmp"};
  program.emplace(TESSARIN_GALLERY_BINARY, TESSARIN_SOURCE_DIR, files);
  const Window window = StartAndFindWindow(
      [](const WindowFacts& facts) { return facts.name == g::kWindowTitle && !facts.isDialog; });
  ASSERT_NE(window, 0u) << "the gallery window never appeared";

  const int depths[] = {24, 8, 4};
  for (std::size_t index = 0; index < files.size(); ++index) {
    SCOPED_TRACE(files[index]);
    const RgbPicture file =
        ReadBitmap(std::string(TESSARIN_SOURCE_DIR) + "/Data/" + files[index], depths[index]);
    ASSERT_TRUE(file);
    const Expected opaque = FromTriples(file.pixels.get(), file.width, file.height, GetParam());
    const Expected transparent = LetBlackThrough(opaque, Cut(g::kBackdropBack));
    for (const auto& [row, expected] : {std::pair{g::picture::kOpaqueRow, &opaque},
                                        std::pair{g::picture::kBackdrop, &transparent}}) {
      const Rect column = SampleColumn(static_cast<int>(index), row);
      const int x = column.x + (column.w - file.width) / 2;
      const int y = column.y + (column.h - file.height) / 2;
      const auto shown = [&] { return Grab(window, x, y, *expected); };
      EXPECT_TRUE(WaitUntil([&] { return Mismatches(shown(), *expected) == 0; }))
          << Mismatches(shown(), *expected) << " pixels differ, "
          << (expected == &opaque ? "drawn plainly" : "drawn with black let through");
    }
  }

  // The strip's frames have a black ground, which the transparent frame lets the backdrop
  // through.
  const Rect opaqueFrame = g::InWindow(g::kPicturePanel, g::picture::kOpaqueFrame);
  const Rect transparentFrame = g::InWindow(
      g::kPicturePanel, g::InWindow(g::picture::kBackdrop, g::picture::kTransparentFrame));
  EXPECT_EQ(screen->PixelAt(window, opaqueFrame.x, opaqueFrame.y), Cut(gl::kBlack));
  EXPECT_EQ(screen->PixelAt(window, transparentFrame.x, transparentFrame.y), Cut(g::kBackdropBack));
}

INSTANTIATE_TEST_SUITE_P(Shallow, ScreenDepth, ::testing::Values(k16Bit, k15Bit),
                         [](const ::testing::TestParamInfo<ScreenFormat>& info) {
                           return std::string(info.param.name);
                         });

struct Program {
  const char* label;
  const char* name;
  const char* binary;
};

void PrintTo(const Program& program, std::ostream* out) {
  *out << program.name;
}

class PseudoColorScreen : public ::testing::TestWithParam<Program> {};

TEST_P(PseudoColorScreen, IsRefusedWithStatusOneTheLogLineAndOneErrorLine) {
  XvfbProcess server;
  ASSERT_TRUE(server.Start({}, 8)) << server.Output();
  ProgramProcess program(GetParam().binary, TESSARIN_SOURCE_DIR);
  program.SetEnvironment("DISPLAY=" + server.DisplayName());
  ASSERT_TRUE(program.Start());
  const auto status = program.WaitForExit();
  ASSERT_TRUE(status.has_value()) << "the program went on";
  ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
  EXPECT_EQ(WEXITSTATUS(*status), 1);
  EXPECT_EQ(program.ReadWorkFile("log.txt"), "This app requires 24-bit depth.\n");
  const std::string errors = program.ErrorOutput();
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
  EXPECT_EQ(errors.rfind(std::string(GetParam().name) + ": this app requires 24-bit depth", 0), 0u)
      << errors;
}

INSTANTIATE_TEST_SUITE_P(
    Programs, PseudoColorScreen,
    ::testing::Values(Program{"Game", "tessarin", TESSARIN_BINARY},
                      Program{"Gallery", "tessarin-gallery", TESSARIN_GALLERY_BINARY}),
    [](const ::testing::TestParamInfo<Program>& info) { return std::string(info.param.label); });

}  // namespace
