// The benchmark: what a player feels in the first second, measured against the floor.
//
// Runs the game and the bare Xlib floor program side by side, several times each, on the X
// server named by DISPLAY (tools/run-benchmarks.sh starts a private Xvfb), and prints one
// table. Everything is observed from outside, as a player would see it: the windows are read
// back by pixels through this program's own X connection, input arrives through XTEST, and
// CPU and memory come from /proc. The two in-process figures (shuffle and full repaint) come
// from ShuffleBoard() called here and from the repaint helper program.
//
// Reading pixels back is sound because an X server carries out the requests of one client in
// the order they were sent: once the element a paint draws last is on screen, everything the
// same paint drew before it is on screen too. Each landmark below is chosen that way.

// GoogleTest first, for the harness's headers: X11 headers define macros (None, Bool) that clash
// with its names.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "gallery/GalleryLayout.h"
#include "game/BoardLayout.h"
#include "game/PuzzleRules.h"
#include "game/images/TitleImages.h"
#include "support/ProcessProbe.h"
#include "support/ProgramProcess.h"
#include "support/RemoteScreen.h"
#include "support/TempDirectory.h"
#include "tessarin/graphics/BitmapFile.h"

using namespace tessarin;

// Processes, windows, input and /proc come from the harness the tests use (tests/support):
// every program started here dies with the benchmark, whatever ends it.

namespace {

using Clock = std::chrono::steady_clock;

double MsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

void SleepMs(long ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "tessarin_bench: %s\n", message.c_str());
  std::exit(1);
}

// ---------------------------------------------------------------------------------------------
// /proc readings.

ProcessSample Sample(pid_t pid) {
  const auto sample = SampleProcess(pid);
  if (!sample) Fail("cannot read /proc/" + std::to_string(pid));
  return *sample;
}

// ---------------------------------------------------------------------------------------------
// Looking at the screen, through the harness's own connection.

RemoteScreen* screen = nullptr;
pid_t serverPid = 0;  // the X server at the other end of our connection, when local

// One landmark: a pixel of a given colour, or a rectangle that holds (or lacks) a colour.
struct Probe {
  enum Kind { kPixelIs, kRegionHas, kRegionLacks } kind;
  int x, y, width, height;
  std::uint32_t color;
};

Probe PixelIs(int x, int y, std::uint32_t color) {
  return {Probe::kPixelIs, x, y, 1, 1, color};
}
Probe RegionHas(int x, int y, int w, int h, std::uint32_t color) {
  return {Probe::kRegionHas, x, y, w, h, color};
}
Probe RegionLacks(int x, int y, int w, int h, std::uint32_t color) {
  return {Probe::kRegionLacks, x, y, w, h, color};
}

// False while the window cannot be read (not mapped yet, gone).
bool Holds(Window window, const Probe& probe) {
  const auto pixels = screen->Grab(window, probe.x, probe.y, probe.width, probe.height);
  if (!pixels) return false;
  const bool has = pixels->Count(probe.color) > 0;
  return probe.kind == Probe::kRegionLacks ? !has : has;
}

// All probes hold; the first ones are checked first, so the landmark drawn last goes first
// and a poll that fails costs one round trip.
bool AllHold(Window window, const std::vector<Probe>& probes) {
  for (const Probe& probe : probes) {
    if (!Holds(window, probe)) return false;
  }
  return true;
}

// Between two looks at the screen. Each look is a round trip that the single-threaded server
// serves between the requests of the program under test, so looking more often would slow the
// program down; 100 us bounds the error of every time measured here to about 0.15 ms.
long pollPauseUs = 100;

// Polls until the condition holds; returns the moment it was seen, or nothing on timeout.
std::optional<Clock::time_point> WaitUntil(const std::function<bool()>& condition,
                                           double timeoutMs) {
  Clock::time_point start = Clock::now();
  while (MsBetween(start, Clock::now()) < timeoutMs) {
    if (condition()) return Clock::now();
    std::this_thread::sleep_for(std::chrono::microseconds(pollPauseUs));
  }
  return std::nullopt;
}

// Moves the pointer onto (x, y) of the window and lets the program take the motion in.
void PointAt(Window window, int x, int y) {
  screen->MovePointer(window, x, y);
  SleepMs(30);
}

// A left click at the pointer; returns the moment the press left for the server.
Clock::time_point Click() {
  Clock::time_point at = Clock::now();
  screen->Button(Button1, true);
  screen->Button(Button1, false);
  return at;
}

// ---------------------------------------------------------------------------------------------
// What the two programs look like once they are fully on screen.

constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kEmptyGrey = 0xB7B7B7;
constexpr std::uint32_t kDialogGrey = 0xAAAAAA;

// The START button, drawn last of all children: its caption on screen means the whole first
// paint is.
constexpr int kStartX = 400, kStartY = 190, kButtonW = 100, kButtonH = 28;
// Inside the caption box, clear of the bevel and the dashed focus rectangle.
constexpr int kCaptionX = kStartX + 6, kCaptionY = kStartY + 5, kCaptionW = kButtonW - 12,
              kCaptionH = kButtonH - 10;
constexpr int kExitX = 400, kExitY = 225;
constexpr int kTitleLeft = 400, kTitleTop = 25;

// The colour of pixel (x, y) of the large title picture, decoded from the data the game
// carries: 16-colour palette, rows bottom first, two pixels a byte, left one in the high nibble.
std::uint32_t TitlePixel(int x, int y) {
  const int rowBytes = (kTitleLargeWidth + 1) / 2;
  const int row = kTitleLargeHeight - 1 - y;
  unsigned char packed =
      kTitleLarge[kTitlePaletteBytes + static_cast<std::size_t>(row * rowBytes + x / 2)];
  int index = x % 2 == 0 ? packed >> 4 : packed & 0x0F;
  const unsigned char* rgb = kTitleLarge + index * 3;
  return static_cast<std::uint32_t>(rgb[0] << 16 | rgb[1] << 8 | rgb[2]);
}

// A pixel of the title's lettering: the one nearest the middle whose colour is neither the
// picture's ground (its commonest colour) nor the form's green.
Probe TitleLandmark() {
  std::map<std::uint32_t, int> counts;
  for (int y = 0; y < kTitleLargeHeight; ++y) {
    for (int x = 0; x < kTitleLargeWidth; ++x) ++counts[TitlePixel(x, y)];
  }
  std::uint32_t ground = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                           return a.second < b.second;
                         })->first;
  int bestX = -1, bestY = -1;
  long bestDistance = 0;
  for (int y = 0; y < kTitleLargeHeight; ++y) {
    for (int x = 0; x < kTitleLargeWidth; ++x) {
      std::uint32_t color = TitlePixel(x, y);
      if (color == ground || color == kGreen) continue;
      long dx = x - kTitleLargeWidth / 2, dy = y - kTitleLargeHeight / 2;
      if (bestX < 0 || dx * dx + dy * dy < bestDistance) {
        bestX = x;
        bestY = y;
        bestDistance = dx * dx + dy * dy;
      }
    }
  }
  if (bestX < 0) Fail("the title picture has no lettering to look for");
  return PixelIs(kTitleLeft + bestX, kTitleTop + bestY, TitlePixel(bestX, bestY));
}

std::vector<Probe> GameLandmarks() {
  return {
      // START is painted last; one pixel of its ground is the cheapest look while waiting,
      // its caption (drawn on that ground) the proof that the paint is complete.
      PixelIs(450, 195, kRed), RegionHas(kCaptionX, kCaptionY, kCaptionW, kCaptionH, kWhite),
      PixelIs(5, 5, kGreen),    // form ground
      PixelIs(20, 25, kBlack),  // first tile's frame
      PixelIs(775, 585, kRed),  // flag, red square
      TitleLandmark(),          // title lettering
  };
}

std::vector<Probe> FloorLandmarks() {
  return {
      PixelIs(775, 585, kRed),  // drawn last
      PixelIs(450, 195, kRed),
      PixelIs(5, 5, kGreen),
      PixelIs(20, 25, kBlack),
      PixelIs(500, 50, 0x202060),            // the block where the game has its picture
      RegionHas(400, 130, 328, 20, kBlack),  // the line of text
  };
}

// The gallery's sample pictures, copied into each of its working folders.
const char* const kGallerySamples[] = {"gallery-24bit.bmp", "gallery-8bit.bmp", "gallery-4bit.bmp"};

// The commonest colour of the 4-bit sample other than its black, which a transparent drawing
// leaves out. Read from a copy, since the reader writes its C export beside the file.
std::uint32_t GalleryLandmarkColour(const std::string& samples) {
  const TempDirectory scratch;
  const std::string copy = scratch.File("gallery-4bit.bmp");
  std::filesystem::copy_file(samples + "/gallery-4bit.bmp", copy);
  RgbPicture picture = ReadBitmap(copy, 4);
  if (!picture) Fail("cannot read " + samples + "/gallery-4bit.bmp");
  std::map<std::uint32_t, int> counts;
  for (int i = 0; i < picture.width * picture.height; ++i) {
    const unsigned char* rgb = picture.pixels.get() + 3 * i;
    const auto colour = static_cast<std::uint32_t>(rgb[0] << 16 | rgb[1] << 8 | rgb[2]);
    if (colour != kBlack) ++counts[colour];
  }
  if (counts.empty()) Fail("the 4-bit sample is all black");
  return std::max_element(counts.begin(), counts.end(),
                          [](auto& a, auto& b) { return a.second < b.second; })
      ->first;
}

std::vector<Probe> GalleryLandmarks(const std::string& samples) {
  using namespace gallery;
  const Rect lastSample =
      InWindow(kPicturePanel, {picture::kColumnLeft + 2 * picture::kColumnPitch,
                               picture::kBackdrop.y, picture::kColumnWidth, picture::kBackdrop.h});
  const Rect bar = InWindow(kRangePanel, range::kProgress);
  const Rect lines = InWindow(kScorePanel, score::kLines);
  const Rect textPanel = kTextPanel;
  return {
      // The score lines are the last widget the gallery paints.
      PixelIs(lines.x + lines.w - 3, lines.y + lines.h - 3, static_cast<std::uint32_t>(kShownBack)),
      RegionHas(lastSample.x, lastSample.y, lastSample.w, lastSample.h,
                GalleryLandmarkColour(samples)),
      PixelIs(2, 2, static_cast<std::uint32_t>(kFormBack)),
      PixelIs(textPanel.x + 3, textPanel.y + textPanel.h - 4,
              static_cast<std::uint32_t>(kPanelBack)),
      RegionHas(bar.x, bar.y, bar.w, bar.h, 0x0000FF),
  };
}

// ---------------------------------------------------------------------------------------------
// Statistics and the table.

struct Stats {
  double median = NAN, min = NAN, max = NAN;
  std::size_t count = 0;
};

Stats Summarise(std::vector<double> values) {
  Stats stats;
  stats.count = values.size();
  if (values.empty()) return stats;
  std::sort(values.begin(), values.end());
  stats.min = values.front();
  stats.max = values.back();
  std::size_t n = values.size();
  stats.median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  return stats;
}

struct ProgramFigures {
  std::vector<double> startupMs, startupCpuMs, startupServerCpuMs, idleCpuPercent, idleOnCpuPercent,
      wakeupsPerSecond, peakKb, residentKb, peakAfterPlayKb;
  std::vector<double> moveMs, moveSixMs, startMs, exitQuestionMs;
  std::vector<double> moveDuringHintMs, hintAddedKb;
};

// ---------------------------------------------------------------------------------------------
// One run of a program: start-up, idle, memory and, for the game, the three inputs.

struct Options {
  std::string game, floorProgram, repaintHelper;
  // The gallery, started beside the game, and the folder that holds its sample pictures.
  std::string gallery, samples;
  int runs = 9;
  int startupRuns = 30;
  int idleSeconds = 10;
  int movesPerRun = 4;
  int shuffleRounds = 7;
  int shuffleCalls = 10000;
  bool floorOnly = false;  // checks the harness itself while the game is not at hand
};

void MeasureIdle(pid_t pid, int seconds, ProgramFigures& figures) {
  ProcessSample before = Sample(pid);
  SleepMs(seconds * 1000L);
  ProcessSample after = Sample(pid);
  double wall = std::chrono::duration<double>(after.at - before.at).count();
  figures.idleCpuPercent.push_back(100.0 * (after.cpuSeconds - before.cpuSeconds) / wall);
  figures.idleOnCpuPercent.push_back(100.0 * (after.onCpuSeconds - before.onCpuSeconds) / wall);
  figures.wakeupsPerSecond.push_back(
      static_cast<double>(after.voluntarySwitches - before.voluntarySwitches) / wall);
  figures.peakKb.push_back(static_cast<double>(after.peakKb));
  figures.residentKb.push_back(static_cast<double>(after.residentKb));
}

// The caption area in the middle of a tile: 40 rows about its middle, 14 pixels in from each side.
Rect TileCaption(const Rect& tile) {
  return {tile.x + 14, tile.y + tile.h / 2 - 20, tile.w - 28, 40};
}
Probe TileCaptionHas(const Rect& tile, std::uint32_t color) {
  const Rect caption = TileCaption(tile);
  return RegionHas(caption.x, caption.y, caption.w, caption.h, color);
}
Probe TileCaptionLacks(const Rect& tile, std::uint32_t color) {
  const Rect caption = TileCaption(tile);
  return RegionLacks(caption.x, caption.y, caption.w, caption.h, color);
}

int FindEmptyTile(Window window, int side = kBoardSide) {
  for (int i = 0; i < side * side; ++i) {
    const Rect tile = CellBox(side, i);
    if (Holds(window, PixelIs(tile.x + 8, tile.y + 8, kEmptyGrey))) return i;
  }
  return -1;
}

// The first neighbour of the empty cell, looked for left, right, above and below.
int NeighbourOf(int empty, int side = kBoardSide) {
  for (int cell : NeighboursOf(side, empty)) {
    if (cell >= 0) return cell;
  }
  return -1;
}

// Width of the span of caption-coloured pixels in the button's caption box.
int InkSpan(Window window, std::uint32_t ink) {
  const auto pixels = screen->Grab(window, kCaptionX, kCaptionY, kCaptionW, kCaptionH);
  if (!pixels) return -1;
  int left = pixels->width, right = -1;
  for (int y = 0; y < pixels->height; ++y) {
    for (int x = 0; x < pixels->width; ++x) {
      if (pixels->At(x, y) == ink) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  return right < 0 ? 0 : right - left + 1;
}

void Require(bool condition, const std::string& what) {
  if (!condition) Fail(what);
}

// START: its command shuffles, repaints the changed tiles in index order and only then sets the
// caption to CANCEL; a caption wider than START's is the last thing the command draws.
void MeasureStart(Window window, ProgramFigures& figures) {
  int startSpan = InkSpan(window, kWhite);
  Require(startSpan > 0, "START caption not found");
  PointAt(window, kStartX + kButtonW / 2, kStartY + kButtonH / 2);
  Clock::time_point pressed = Click();
  auto seen = WaitUntil([&] { return InkSpan(window, kWhite) > startSpan; }, 2000);
  Require(seen.has_value(), "START did not turn into CANCEL");
  figures.startMs.push_back(MsBetween(pressed, *seen));
  SleepMs(100);
}

// Presses the tile beside the empty cell and times it until both cells show their new look:
// the old place empty and framed, the new place white with its number. beforePress, when
// given, runs once the pointer rests on the tile, just before the press. Nothing when the
// two cells did not change so within two seconds.
std::optional<double> TimeOneMove(Window window, int tile, int empty,
                                  const std::function<void()>& beforePress = nullptr,
                                  int side = kBoardSide) {
  const Rect from = CellBox(side, tile), to = CellBox(side, empty);
  std::vector<Probe> done = {
      PixelIs(from.x + 8, from.y + 8, kEmptyGrey),
      PixelIs(to.x + 8, to.y + 8, kWhite),
      TileCaptionHas(to, kBlack),
      TileCaptionLacks(from, kBlack),
      PixelIs(from.x, from.y, kBlack),
      PixelIs(to.x, to.y, kBlack),
  };
  // The higher index is repainted last; look at it first.
  if (tile > empty) std::swap(done[0], done[1]), std::swap(done[2], done[3]);
  PointAt(window, from.x + from.w / 2, from.y + from.h / 2);
  if (beforePress) beforePress();
  Clock::time_point pressed = Click();
  auto seen = WaitUntil([&] { return AllHold(window, done); }, 2000);
  if (!seen) return std::nullopt;
  SleepMs(60);
  return MsBetween(pressed, *seen);
}

// Slides a tile into the empty cell and back, timing each press.
void MeasureMoves(Window window, int moves, std::vector<double>& moveMs, int side = kBoardSide) {
  int empty = FindEmptyTile(window, side);
  Require(empty >= 0, "no empty cell on the board");
  int tile = NeighbourOf(empty, side);
  for (int m = 0; m < moves; ++m) {
    const std::optional<double> ms = TimeOneMove(window, tile, empty, nullptr, side);
    Require(ms.has_value(), "a tile did not move");
    moveMs.push_back(*ms);
    std::swap(tile, empty);
  }
}

// Tile presses while a hint searches, eleven times from the dealt board (empty cell last): the
// pointer rests on the tile, then H and at once the press. The search runs on a thread of its
// own and needs from a fraction of a millisecond to seconds (the tables are linked in, nothing
// is built), so H comes again before each press, after the pointer's settling pause, which
// would outlast many searches and let the answer slide a tile first. The press changes the
// board, so it cancels the search of the H before it (its time holds that wait, a millisecond
// or so, until the search next looks at its flag), and the next H starts a new search. The
// presses walk the empty cell round the bottom-right 2 x 2 block, whose three tiles are back in
// place only after twelve, so no board repeats. A search that answers between the H and the
// press slides a tile first, and the press then finds no tile to move: that press is not
// timed, and the walk goes on from wherever the empty cell went. Then the resident memory the
// searches added, once the program has gone quiet: the pages of the tables they touched.
void MeasureHint(pid_t pid, Window window, ProgramFigures& figures) {
  Require(FindEmptyTile(window) == 15, "the dealt board has its empty cell elsewhere");
  const long before = Sample(pid).residentKb;
  // The empty cell's round: the tile to press for each place of it.
  const auto nextTile = [](int empty) {
    const int round[] = {15, 14, 10, 11};
    for (int i = 0; i < 4; ++i) {
      if (round[i] == empty) return round[(i + 1) % 4];
    }
    return NeighbourOf(empty);
  };
  int empty = 15;
  for (int pressed = 0, timed = 0; timed < 11 && pressed < 40; ++pressed) {
    const int tile = nextTile(empty);
    const std::optional<double> ms =
        TimeOneMove(window, tile, empty, [] { screen->TypeKey(XK_h); });
    if (ms) {
      figures.moveDuringHintMs.push_back(*ms);
      ++timed;
      empty = tile;
    } else {
      empty = FindEmptyTile(window);
      Require(empty >= 0, "no empty cell on the board");
    }
  }
  double cpu = OnCpuSeconds(pid);
  for (int waited = 0; waited < 60000; waited += 500) {
    SleepMs(500);
    const double now = OnCpuSeconds(pid);
    if (now - cpu < 0.01) break;
    cpu = now;
  }
  figures.hintAddedKb.push_back(static_cast<double>(Sample(pid).residentKb - before));
}

// EXIT opens the question in a window of its own; it is complete once its NO button, made
// last, shows its caption.
void MeasureExitQuestion(Window window, ProgramFigures& figures) {
  PointAt(window, kExitX + kButtonW / 2, kExitY + kButtonH / 2);
  screen->WatchNewWindows();
  Clock::time_point pressed = Click();
  std::vector<Probe> painted = {
      PixelIs(15, 15, kEmptyGrey),          // the question's cell, a cheap first look
      RegionHas(16, 114, 98, 20, kBlack),   // NO caption, drawn last
      RegionHas(136, 114, 98, 20, kBlack),  // YES caption
      RegionHas(20, 20, 210, 70, kBlack),   // the question
      PixelIs(3, 3, kDialogGrey),           // the box's ground
  };
  Window dialog = 0;
  auto seen = WaitUntil(
      [&] {
        if (dialog == 0) dialog = screen->TakeMappedWindow(250, 150);
        return dialog != 0 && AllHold(dialog, painted);
      },
      3000);
  Require(seen.has_value(), "the exit question did not appear");
  figures.exitQuestionMs.push_back(MsBetween(pressed, *seen));
}

// Idle cost and memory once the program has settled, then, for the game, the three inputs.
void MeasureSettledProgram(pid_t pid, Window window, bool isGame, const Options& options,
                           ProgramFigures& figures) {
  // Let start-up settle (the first paint starts the game's timer) before idling.
  SleepMs(500);
  MeasureIdle(pid, options.idleSeconds, figures);
  if (!isGame) return;
  MeasureStart(window, figures);
  MeasureMoves(window, options.movesPerRun, figures.moveMs);
  MeasureHint(pid, window, figures);
  MeasureExitQuestion(window, figures);
  figures.peakAfterPlayKb.push_back(static_cast<double>(Sample(pid).peakKb));
}

// A program's window size and the sample files it needs in Data/ (none for the game).
struct Shape {
  int width = 800;
  int height = 600;
  std::vector<std::string> dataFiles;
};

// The program in a scratch working folder: an empty one, or one whose Data/ holds the named
// files of the repository's Data/ (and the beep every program may ask for).
std::unique_ptr<ProgramProcess> Prepare(const std::string& program, const Options& options,
                                        const Shape& shape) {
  if (shape.dataFiles.empty()) {
    return std::make_unique<ProgramProcess>(program, std::vector<std::string>{});
  }
  return std::make_unique<ProgramProcess>(program, options.samples + "/..", shape.dataFiles);
}

// Starts the program and waits until its window of the shape's size holds every landmark; the
// moment it did goes into shownAt.
Window StartAndShow(ProgramProcess& process, const std::string& program,
                    const std::vector<Probe>& landmarks, const Shape& shape,
                    Clock::time_point& shownAt) {
  screen->WatchNewWindows();
  if (!process.Start()) Fail("cannot start " + program);
  Window window = 0;
  auto shown = WaitUntil(
      [&] {
        if (!process.IsRunning()) Fail(program + " died during start-up");
        if (window == 0) window = screen->TakeMappedWindow(shape.width, shape.height);
        return window != 0 && AllHold(window, landmarks);
      },
      10000);
  if (!shown) Fail(program + " did not show its window within 10 s");
  shownAt = *shown;
  return window;
}

void EndProgram(ProgramProcess& process, Window window) {
  process.KillAndReap();
  // The window is gone once the server has seen the client leave; wait for it, and give the
  // server a moment to repaint what it uncovered before the next launch.
  screen->WaitUntilGone(window);
  SleepMs(20);
}

// startupOnly: the program is ended as soon as its window is complete. A start-up takes a few
// milliseconds and varies by a fair part of that from one launch to the next, so start-up gets
// many more samples than the figures that need ten seconds each.
void RunOnce(const std::string& program, bool isGame, bool startupOnly, const Options& options,
             const std::vector<Probe>& landmarks, ProgramFigures& figures,
             const Shape& shape = {}) {
  const std::unique_ptr<ProgramProcess> process = Prepare(program, options, shape);
  double serverCpuBefore = OnCpuSeconds(serverPid);
  Clock::time_point shownAt;
  const Window window = StartAndShow(*process, program, landmarks, shape, shownAt);
  figures.startupMs.push_back(MsBetween(process->ExecAt(), shownAt));
  figures.startupCpuMs.push_back(1000.0 * OnCpuSeconds(process->Pid()));
  // The server's share also holds our own polling, one small request per pause.
  figures.startupServerCpuMs.push_back(1000.0 * (OnCpuSeconds(serverPid) - serverCpuBefore));

  if (!startupOnly) MeasureSettledProgram(process->Pid(), window, isGame, options, figures);
  EndProgram(*process, window);
}

// The game on a 6 x 6 board (--size 6), once per run: START, then tile moves timed as at
// 4 x 4. Its cells are smaller; a move repaints two of them all the same.
void MeasureSixBySixMoves(const Options& options, const std::vector<Probe>& landmarks,
                          ProgramFigures& figures) {
  for (int run = 0; run < options.runs; ++run) {
    std::fprintf(stderr, "run %d of %d: tessarin --size 6\n", run + 1, options.runs);
    ProgramProcess process(options.game, std::vector<std::string>{});
    process.SetArguments({"--size", "6"});
    Clock::time_point shownAt;
    const Window window = StartAndShow(process, options.game, landmarks, {}, shownAt);
    SleepMs(500);
    ProgramFigures startOnly;
    MeasureStart(window, startOnly);
    MeasureMoves(window, options.movesPerRun, figures.moveSixMs, 6);
    EndProgram(process, window);
  }
}

// ---------------------------------------------------------------------------------------------
// In-process figures.

struct ShuffleFigures {
  std::vector<double> worstUs, medianUs;
};

ShuffleFigures MeasureShuffle(int rounds, int calls) {
  ShuffleFigures figures;
  std::vector<double> times(static_cast<std::size_t>(calls));
  volatile int sink = 0;
  for (int r = 0; r < rounds; ++r) {
    for (int i = 0; i < calls; ++i) {
      Clock::time_point start = Clock::now();
      Board board = ShuffleBoard();
      Clock::time_point end = Clock::now();
      sink = sink + board[0];
      times[static_cast<std::size_t>(i)] =
          std::chrono::duration<double, std::micro>(end - start).count();
    }
    Stats stats = Summarise(times);
    figures.worstUs.push_back(stats.max);
    figures.medianUs.push_back(stats.median);
  }
  return figures;
}

struct RepaintFigures {
  std::vector<double> ms, requests, writes;
};

RepaintFigures MeasureRepaint(const Options& options) {
  ProgramProcess helper(options.repaintHelper, std::vector<std::string>{});
  helper.SetArguments({std::to_string(std::max(options.runs, 7) * 3)});
  if (!helper.Start()) Fail("cannot start " + options.repaintHelper);
  const std::optional<int> status = helper.WaitForExit(std::chrono::seconds(120));
  if (!status) Fail(options.repaintHelper + " did not finish in time");
  const std::string output = helper.StandardOutput();
  if (!WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
    Fail(options.repaintHelper + " failed:\n" + helper.Output());
  }
  RepaintFigures figures;
  std::istringstream lines(output);
  std::string word;
  while (lines >> word) {
    if (word != "repaint") continue;
    double ms = 0, requests = 0, writes = 0;
    lines >> ms >> requests >> writes;
    figures.ms.push_back(ms);
    figures.requests.push_back(requests);
    figures.writes.push_back(writes);
  }
  if (figures.ms.empty()) Fail("the repaint helper printed nothing:\n" + output);
  return figures;
}

// ---------------------------------------------------------------------------------------------
// The table.

std::string Format(double value, int decimals) {
  if (std::isnan(value)) return "-";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

std::string Cell(const Stats& stats, int decimals) {
  if (stats.count == 0) return "-";
  return Format(stats.median, decimals) + " (" + Format(stats.min, decimals) + " - " +
         Format(stats.max, decimals) + ")";
}

struct Row {
  std::string figure, game, floorValue, ratio, target, verdict;
};

constexpr const char* kMainHeaders[6] = {
    "figure", "tessarin: median (min - max)", "floor: median (min - max)", "ratio", "target",
    "met"};

void PrintTable(const std::vector<Row>& rows, const char* const (&headers)[6] = kMainHeaders) {
  std::size_t widths[6];
  for (int c = 0; c < 6; ++c) widths[c] = std::strlen(headers[c]);
  auto fields = [](const Row& row) {
    return std::vector<std::string>{row.figure, row.game,   row.floorValue,
                                    row.ratio,  row.target, row.verdict};
  };
  for (const Row& row : rows) {
    auto f = fields(row);
    for (int c = 0; c < 6; ++c)
      widths[c] = std::max(widths[c], f[static_cast<std::size_t>(c)].size());
  }
  auto printLine = [&](const std::vector<std::string>& f) {
    std::printf("|");
    for (int c = 0; c < 6; ++c) {
      std::printf(" %-*s |", static_cast<int>(widths[c]), f[static_cast<std::size_t>(c)].c_str());
    }
    std::printf("\n");
  };
  printLine({headers[0], headers[1], headers[2], headers[3], headers[4], headers[5]});
  std::printf("|");
  for (int c = 0; c < 6; ++c) std::printf("%s|", std::string(widths[c] + 2, '-').c_str());
  std::printf("\n");
  for (const Row& row : rows) printLine(fields(row));
}

std::string Ratio(const Stats& game, const Stats& floorStats) {
  if (game.count == 0 || floorStats.count == 0 || !(floorStats.median > 0)) return "-";
  return Format(game.median / floorStats.median, 2) + " x";
}

// "-" when the figure was not measured, so a partial run never claims a miss or a pass.
std::string Verdict(const Stats& stats, bool met) {
  if (stats.count == 0) return "-";
  return met ? "yes" : "NO";
}

constexpr const char* kGalleryHeaders[6] = {"figure",
                                            "tessarin-gallery: median (min - max)",
                                            "tessarin: median (min - max)",
                                            "ratio",
                                            "target",
                                            "met"};

// A program's start-up figures, from index `from` of its runs on.
struct StartupStats {
  Stats ms, cpu, server;
  std::vector<double> eachMs;
};

StartupStats StartupOf(const ProgramFigures& figures, std::size_t from = 0) {
  const auto tail = [from](const std::vector<double>& values) {
    return std::vector<double>(values.begin() + static_cast<long>(from), values.end());
  };
  return {Summarise(tail(figures.startupMs)), Summarise(tail(figures.startupCpuMs)),
          Summarise(tail(figures.startupServerCpuMs)), tail(figures.startupMs)};
}

// The two programs start in turn, so start-up k of each met the same machine: the ratio of
// each such pair leaves out the drift of the machine over the minutes of a run, which the
// ratio of the two medians keeps.
Stats PairedRatios(const StartupStats& program, const StartupStats& reference) {
  std::vector<double> ratios;
  if (program.eachMs.size() != reference.eachMs.size()) return Summarise(ratios);
  for (std::size_t k = 0; k < program.eachMs.size(); ++k) {
    if (reference.eachMs[k] > 0) ratios.push_back(program.eachMs[k] / reference.eachMs[k]);
  }
  return Summarise(ratios);
}

// The start-up rows of a program beside the one it is measured against, named in the target.
std::vector<Row> StartupRows(const StartupStats& program, const StartupStats& reference,
                             const std::string& referenceName) {
  return {
      {"start-up to fully painted (ms)", Cell(program.ms, 2), Cell(reference.ms, 2),
       Ratio(program.ms, reference.ms), "<= 1.5 x " + referenceName,
       Verdict(program.ms, program.ms.median <= 1.5 * reference.ms.median)},
      {"  start-up, ratio of each pair taken in turn", "-", "-",
       Cell(PairedRatios(program, reference), 2), "-", "-"},
      {"  start-up CPU of the program (ms)", Cell(program.cpu, 2), Cell(reference.cpu, 2),
       Ratio(program.cpu, reference.cpu), "-", "-"},
      {"  start-up CPU of the X server (ms)", Cell(program.server, 2), Cell(reference.server, 2),
       Ratio(program.server, reference.server), "-", "-"},
  };
}

// The gallery's start-ups against the game's taken in turn with them (from index `from` of
// the game's figures on).
void PrintGalleryTable(const ProgramFigures& gallery, const ProgramFigures& game, std::size_t from,
                       int runs) {
  std::printf("\nThe gallery beside the game: %d start-ups of each, taken in turn.\n\n", runs);
  PrintTable(StartupRows(StartupOf(gallery), StartupOf(game, from), "tessarin"), kGalleryHeaders);
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto next = [&]() -> std::string {
      if (i + 1 >= argc) Fail("missing value after " + arg);
      return argv[++i];
    };
    if (arg == "--game")
      options.game = next();
    else if (arg == "--floor")
      options.floorProgram = next();
    else if (arg == "--repaint")
      options.repaintHelper = next();
    else if (arg == "--gallery")
      options.gallery = next();
    else if (arg == "--samples")
      options.samples = next();
    else if (arg == "--runs")
      options.runs = std::stoi(next());
    else if (arg == "--idle-seconds")
      options.idleSeconds = std::stoi(next());
    else if (arg == "--moves")
      options.movesPerRun = std::stoi(next());
    else if (arg == "--startup-runs")
      options.startupRuns = std::stoi(next());
    else if (arg == "--poll-us")
      pollPauseUs = std::stol(next());
    else if (arg == "--floor-only")
      options.floorOnly = true;
    else
      Fail("unknown argument " + arg);
  }
  if (options.floorProgram.empty() ||
      (!options.floorOnly && (options.game.empty() || options.repaintHelper.empty()))) {
    Fail(
        "usage: tessarin_bench --game PATH --floor PATH --repaint PATH [--runs N] "
        "[--idle-seconds S] [--moves M] [--startup-runs K] [--poll-us U] [--floor-only] "
        "[--gallery PATH --samples DIR]");
  }
  if (!options.gallery.empty() && options.samples.empty()) Fail("--gallery needs --samples DIR");
  for (std::string* path : {&options.game, &options.floorProgram, &options.repaintHelper,
                            &options.gallery, &options.samples}) {
    if (path->empty()) continue;
    char resolved[PATH_MAX];
    if (realpath(path->c_str(), resolved) == nullptr) Fail("cannot find " + *path);
    *path = resolved;
  }
  if (options.runs < 1) Fail("--runs must be at least 1");
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  Options options = ParseOptions(argc, argv);

  RemoteScreen remote;
  if (!remote.IsOpen()) Fail("cannot open the display (run it through tools/run-benchmarks.sh)");
  if (!remote.HasXTest()) Fail("the X server has no XTEST extension");
  screen = &remote;
  serverPid = remote.ServerPid();

  ProgramFigures game, floorFigures;
  std::vector<Probe> gameLandmarks = options.floorOnly ? std::vector<Probe>{} : GameLandmarks();
  std::vector<Probe> floorLandmarks = FloorLandmarks();
  for (int run = 0; run < options.runs; ++run) {
    std::fprintf(stderr, "run %d of %d: floor\n", run + 1, options.runs);
    RunOnce(options.floorProgram, false, false, options, floorLandmarks, floorFigures);
    if (options.floorOnly) continue;
    std::fprintf(stderr, "run %d of %d: tessarin\n", run + 1, options.runs);
    RunOnce(options.game, true, false, options, gameLandmarks, game);
  }
  if (!options.floorOnly) MeasureSixBySixMoves(options, gameLandmarks, game);
  std::fprintf(stderr, "%d more start-ups of each program\n", options.startupRuns);
  const bool withGallery = !options.floorOnly && !options.gallery.empty();
  ProgramFigures galleryFigures;
  std::vector<Probe> galleryLandmarks;
  Shape galleryShape{
      gallery::kWindowWidth, gallery::kWindowHeight,
      std::vector<std::string>(std::begin(kGallerySamples), std::end(kGallerySamples))};
  if (withGallery) galleryLandmarks = GalleryLandmarks(options.samples);
  // The game's start-ups from here on are the ones taken beside the gallery's.
  const std::size_t firstStartupOnly = game.startupMs.size();
  for (int run = 0; run < options.startupRuns; ++run) {
    RunOnce(options.floorProgram, false, true, options, floorLandmarks, floorFigures);
    if (!options.floorOnly) RunOnce(options.game, true, true, options, gameLandmarks, game);
    // Side by side with the game's, so that both meet the same machine.
    if (withGallery) {
      RunOnce(options.gallery, false, true, options, galleryLandmarks, galleryFigures,
              galleryShape);
    }
  }
  std::fprintf(stderr, "shuffle\n");
  ShuffleFigures shuffle = MeasureShuffle(options.shuffleRounds, options.shuffleCalls);
  RepaintFigures repaint;
  if (!options.floorOnly) {
    std::fprintf(stderr, "repaint\n");
    repaint = MeasureRepaint(options);
  }

  Stats gCpu = Summarise(game.idleCpuPercent), fCpu = Summarise(floorFigures.idleCpuPercent);
  Stats gOnCpu = Summarise(game.idleOnCpuPercent),
        fOnCpu = Summarise(floorFigures.idleOnCpuPercent);
  Stats gWake = Summarise(game.wakeupsPerSecond), fWake = Summarise(floorFigures.wakeupsPerSecond);
  Stats gPeak = Summarise(game.peakKb), fPeak = Summarise(floorFigures.peakKb);
  Stats gRss = Summarise(game.residentKb), fRss = Summarise(floorFigures.residentKb);
  Stats gPeakPlay = Summarise(game.peakAfterPlayKb);
  Stats move = Summarise(game.moveMs), moveSix = Summarise(game.moveSixMs),
        start = Summarise(game.startMs), exitQuestion = Summarise(game.exitQuestionMs);
  Stats moveInSearch = Summarise(game.moveDuringHintMs), hintKb = Summarise(game.hintAddedKb);
  Stats shuffleWorst = Summarise(shuffle.worstUs), shuffleMedian = Summarise(shuffle.medianUs);
  Stats repaintMs = Summarise(repaint.ms), repaintRequests = Summarise(repaint.requests),
        repaintWrites = Summarise(repaint.writes);

  std::vector<Row> rows = StartupRows(StartupOf(game), StartupOf(floorFigures), "floor");
  rows.push_back({"tile move, press to pixels (ms)", Cell(move, 2), "-", "-", "<= 2 ms",
                  Verdict(move, move.median <= 2.0)});
  rows.push_back({"tile move at 6 x 6, press to pixels (ms)", Cell(moveSix, 2), "-", "-", "<= 1 ms",
                  Verdict(moveSix, moveSix.median <= 1.0)});
  rows.push_back({"tile move while a hint searches (ms)", Cell(moveInSearch, 2), "-", "-",
                  "<= 5 ms", Verdict(moveInSearch, moveInSearch.median <= 5.0)});
  rows.push_back({"first hint, VmRSS added (KiB)", Cell(hintKb, 0), "-", "-", "<= 16384 KiB",
                  Verdict(hintKb, hintKb.max <= 16384.0)});
  rows.push_back({"START, press to shuffled board (ms)", Cell(start, 2), "-", "-", "<= 5 ms",
                  Verdict(start, start.median <= 5.0)});
  rows.push_back({"EXIT, press to question painted (ms)", Cell(exitQuestion, 2), "-", "-",
                  "<= 5 ms", Verdict(exitQuestion, exitQuestion.median <= 5.0)});
  rows.push_back({"idle CPU, " + std::to_string(options.idleSeconds) + " s (%, stat)",
                  Cell(gCpu, 3), Cell(fCpu, 3), Ratio(gCpu, fCpu), "<= 0.5 %",
                  Verdict(gCpu, gCpu.median <= 0.5)});
  rows.push_back({"idle CPU, same span (%, schedstat)", Cell(gOnCpu, 3), Cell(fOnCpu, 3),
                  Ratio(gOnCpu, fOnCpu), "-", "-"});
  rows.push_back({"idle wake-ups (per s)", Cell(gWake, 1), Cell(fWake, 1), Ratio(gWake, fWake),
                  "<= 55 /s", Verdict(gWake, gWake.median <= 55.0)});
  rows.push_back({"peak resident, VmHWM (KiB)", Cell(gPeak, 0), Cell(fPeak, 0), Ratio(gPeak, fPeak),
                  "<= 1.5 x floor", Verdict(gPeak, gPeak.median <= 1.5 * fPeak.median)});
  rows.push_back(
      {"steady resident, VmRSS (KiB)", Cell(gRss, 0), Cell(fRss, 0), Ratio(gRss, fRss), "-", "-"});
  rows.push_back({"peak resident after play (KiB)", Cell(gPeakPlay, 0), "-", "-", "-", "-"});
  rows.push_back({"ShuffleBoard, worst of " + std::to_string(options.shuffleCalls) + " (us)",
                  Cell(shuffleWorst, 2), "-", "-", "< 1000 us",
                  Verdict(shuffleWorst, shuffleWorst.max < 1000.0)});
  rows.push_back({"ShuffleBoard, median of " + std::to_string(options.shuffleCalls) + " (us)",
                  Cell(shuffleMedian, 2), "-", "-", "-", "-"});
  rows.push_back({"full repaint on Expose (ms)", Cell(repaintMs, 3), "-", "-", "-", "-"});
  rows.push_back({"full repaint, X requests", Cell(repaintRequests, 0), "-", "-", "-", "-"});
  rows.push_back({"full repaint, write() calls", Cell(repaintWrites, 0), "-", "-", "-", "-"});

  std::printf(
      "\n%d runs of each program (%d s idle, %d tile moves each), as many of the game at 6 x 6 "
      "(START and the tile moves) and %d more start-ups; "
      "shuffle: %d rounds of %d calls; repaint: %zu paints.\n\n",
      options.runs, options.idleSeconds, options.movesPerRun, options.startupRuns,
      options.shuffleRounds, options.shuffleCalls, repaint.ms.size());
  PrintTable(rows);
  if (withGallery) PrintGalleryTable(galleryFigures, game, firstStartupOnly, options.startupRuns);
  std::fflush(stdout);
  return 0;
}
