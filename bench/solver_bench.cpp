// The shortest-solution search measured on seeded random solvable boards, in process.
//
// Reports the resident memory of the process before the first solve and after all of them
// (VmRSS and VmHWM of /proc/self/status): the pattern tables are linked in, and what they cost
// is the pages the searches touched. Then solves each board, timing each solve in wall time and
// in the CPU time of the thread, and prints the distribution of both, of the nodes searched
// and of the solution lengths, and the process's CPU time. On a loaded machine the wall times
// grow with the load; the CPU times and the nodes do not.
// With --prove-longest, solves instead the two known boards that need 80 moves and fails
// unless both answers are 80 moves long and solve their board.
// With --size N, the hint's solver at that side (SolveBoard) on boards the game deals (srand
// seed, DealBoard): the first call of the process apart, the times and lengths as above, and
// at 3 x 3 the mean shortest length over every solvable board and over every deal.
// Usage: tessarin_solver_bench [boards] [seed] | --prove-longest | --size N [boards] [seed]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "game/BoardSolver.h"
#include "game/RandomInt.h"
#include "game/ShortestSolver.h"

namespace {

using Clock = std::chrono::steady_clock;

long StatusKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(field) + ":";
  while (std::getline(status, line)) {
    if (line.rfind(prefix, 0) == 0) return std::atol(line.c_str() + prefix.size());
  }
  return -1;
}

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A uniform draw among the solvable boards with the empty cell last: the tiles shuffled, an
// odd arrangement drawn again.
Board RandomSolvableBoard(std::mt19937& random) {
  Board board{};
  for (int i = 0; i < kCellCount; ++i) board[i] = i + 1;
  do {
    std::shuffle(board.begin(), board.end() - 1, random);
  } while (!IsSolvableBoard(board));
  return board;
}

double Percentile(const std::vector<double>& sorted, double fraction) {
  const std::size_t index = static_cast<std::size_t>(fraction * (sorted.size() - 1) + 0.5);
  return sorted[std::min(index, sorted.size() - 1)];
}

// The CPU time of the calling thread: what a solve cost, whatever the load.
double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

void PrintHistogram(const std::vector<double>& times) {
  const double limits[] = {1, 5, 10, 50, 100, 500, 2000, 10000};
  double lower = 0;
  std::printf("\nhistogram of solve times\n");
  for (double limit : limits) {
    const auto count = std::count_if(times.begin(), times.end(),
                                     [&](double t) { return t >= lower && t < limit; });
    std::printf("  %7.0f - %7.0f ms  %5ld\n", lower, limit, static_cast<long>(count));
    lower = limit;
  }
  const auto rest = std::count_if(times.begin(), times.end(), [&](double t) { return t >= lower; });
  std::printf("  %7.0f ms and more  %5ld\n", lower, static_cast<long>(rest));
}

double CpuSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void PrintNodes(std::vector<double> nodes) {
  std::sort(nodes.begin(), nodes.end());
  std::printf("\nnodes searched per board\n");
  std::printf("  min %.0f  median %.0f  90th %.0f  99th %.0f  max %.0f  mean %.0f\n", nodes.front(),
              Percentile(nodes, 0.5), Percentile(nodes, 0.9), Percentile(nodes, 0.99), nodes.back(),
              std::accumulate(nodes.begin(), nodes.end(), 0.0) / nodes.size());
}

// Times to that many decimals of a millisecond.
void PrintDistribution(const char* what, std::vector<double> times, int decimals = 2) {
  std::sort(times.begin(), times.end());
  std::printf("\nsolve time over %zu boards, %s (ms)\n", times.size(), what);
  std::printf("  min %.*f  median %.*f  90th %.*f  99th %.*f  max %.*f  mean %.*f\n", decimals,
              times.front(), decimals, Percentile(times, 0.5), decimals, Percentile(times, 0.9),
              decimals, Percentile(times, 0.99), decimals, times.back(), decimals,
              std::accumulate(times.begin(), times.end(), 0.0) / times.size());
  std::printf("  deciles:");
  for (int d = 1; d <= 9; ++d) std::printf(" %.*f", decimals, Percentile(times, d / 10.0));
  std::printf("\n");
  PrintHistogram(times);
}

void PrintLengths(const std::vector<int>& lengths) {
  const auto [shortest, longest] = std::minmax_element(lengths.begin(), lengths.end());
  std::printf("\nsolution length: min %d  mean %.2f  max %d\n", *shortest,
              std::accumulate(lengths.begin(), lengths.end(), 0.0) / lengths.size(), *longest);
}

// Written row by row with 0 for the empty cell, for a goal that has the empty cell first;
// turned half round and numbered 16 - n they have our goal, the empty cell last.
Board FromEmptyFirstNotation(const std::array<int, kCellCount>& rows) {
  Board board{};
  for (int i = 0; i < kCellCount; ++i) {
    board[kCellCount - 1 - i] = rows[i] == 0 ? kEmptyCell : kCellCount - rows[i];
  }
  return board;
}

bool Replays(Board board, const std::vector<int>& moves) {
  for (int cell : moves) {
    if (!MoveTile(board, cell)) return false;
  }
  return IsSolved(board);
}

int ProveLongest() {
  const std::array<int, kCellCount> longest[] = {
      {15, 14, 8, 12, 10, 11, 9, 13, 2, 6, 5, 1, 3, 7, 4, 0},
      {15, 11, 8, 12, 14, 10, 9, 13, 2, 6, 1, 4, 3, 7, 5, 0}};
  bool proven = true;
  for (const auto& rows : longest) {
    const Board board = FromEmptyFirstNotation(rows);
    const Clock::time_point start = Clock::now();
    const ShortestSolution solution = SolveShortest(board);
    const bool right = solution.Length() == 80 && Replays(board, solution.moves);
    std::printf("longest board: %d moves, %llu nodes, %.0f ms (%s)\n", solution.Length(),
                solution.nodes, MsSince(start), right ? "right" : "WRONG");
    proven = proven && right;
  }
  std::printf("CPU time: %.1f s\n", CpuSeconds());
  return proven ? 0 : 1;
}

// Every arrangement of the side's values in turn, each solvable one solved; the mean length of
// all of them and of those a deal can give (the gap last, not the ordered board).
void PrintExactMeans(int side) {
  SizedBoard board(side);
  std::vector<int> values(board.begin(), board.end());
  double sum = 0, dealtSum = 0;
  long count = 0, dealtCount = 0;
  const std::atomic<bool> never{false};
  do {
    for (int cell = 0; cell < board.CellCount(); ++cell) board[cell] = values[cell];
    if (!IsSolvable(board)) continue;
    const int length = SolveBoard(board, never).Length();
    sum += length;
    ++count;
    if (board.Gap() != board.CellCount() - 1 || board.IsOrdered()) continue;
    dealtSum += length;
    ++dealtCount;
  } while (std::next_permutation(values.begin(), values.end()));
  std::printf("\nmean shortest length over all %ld solvable boards: %.3f\n", count, sum / count);
  std::printf("mean shortest length over all %ld deals (gap last, not ordered): %.3f\n", dealtCount,
              dealtSum / dealtCount);
}

int MeasureSize(int side, int boards, unsigned seed) {
  std::printf("%d x %d: %d boards dealt by the game, srand(%u)\n", side, side, boards, seed);
  RandomInt(1, 2);  // seeds from the clock once; srand replaces it
  std::srand(seed);
  const long rssBefore = StatusKiB("VmRSS");
  const std::atomic<bool> never{false};
  std::vector<double> times, cpuTimes;
  std::vector<int> lengths;
  std::vector<double> nodes;
  bool allReplay = true, anyShortest = false;
  for (int i = 0; i < boards; ++i) {
    const SizedBoard board = DealBoard(side);
    const Clock::time_point start = Clock::now();
    const double cpuStart = ThreadCpuMs();
    const BoardSolution solution = SolveBoard(board, never);
    times.push_back(MsSince(start));
    cpuTimes.push_back(ThreadCpuMs() - cpuStart);
    if (i == 0) {
      std::printf("first call of the process: %.3f ms wall, %.3f ms CPU\n", times.back(),
                  cpuTimes.back());
    }
    lengths.push_back(solution.Length());
    nodes.push_back(static_cast<double>(solution.nodes));
    anyShortest = anyShortest || solution.shortest;
    SizedBoard replayed = board;
    for (int cell : solution.moves) allReplay = MoveTile(replayed, cell) && allReplay;
    allReplay = allReplay && replayed.IsOrdered();
  }
  PrintDistribution("wall", times, 3);
  PrintDistribution("CPU of the solving thread", cpuTimes, 3);
  PrintLengths(lengths);
  PrintNodes(nodes);
  std::printf("answers %s the shortest; every answer replays to the goal: %s\n",
              anyShortest ? "are" : "are not", allReplay ? "yes" : "NO");
  std::printf("resident added by the solves: VmRSS +%ld KiB\n", StatusKiB("VmRSS") - rssBefore);
  if (side == kSmallestSide) PrintExactMeans(side);
  return allReplay ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--prove-longest") return ProveLongest();
  if (argc > 2 && std::string(argv[1]) == "--size") {
    const int side = std::atoi(argv[2]);
    const int boards = argc > 3 ? std::atoi(argv[3]) : 1000;
    const unsigned seed = argc > 4 ? static_cast<unsigned>(std::atol(argv[4])) : 18;
    if (side < kSmallestSide || side > kLargestSide || boards < 1) {
      std::fprintf(stderr, "usage: %s --size <3..6> [boards >= 1] [seed]\n", argv[0]);
      return 2;
    }
    return MeasureSize(side, boards, seed);
  }
  const int boards = argc > 1 ? std::atoi(argv[1]) : 1000;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 18;
  if (boards < 1) {
    std::fprintf(stderr, "usage: %s [boards >= 1] [seed]\n", argv[0]);
    return 2;
  }

  const long rssBefore = StatusKiB("VmRSS"), peakBefore = StatusKiB("VmHWM");
  std::printf("resident before the first solve: VmRSS %ld KiB, VmHWM %ld KiB\n", rssBefore,
              peakBefore);
  std::mt19937 random(seed);
  std::vector<double> times, cpuTimes;
  std::vector<int> lengths;
  std::vector<double> nodes;
  for (int i = 0; i < boards; ++i) {
    const Board board = RandomSolvableBoard(random);
    const Clock::time_point start = Clock::now();
    const double cpuStart = ThreadCpuMs();
    const ShortestSolution solution = SolveShortest(board);
    times.push_back(MsSince(start));
    cpuTimes.push_back(ThreadCpuMs() - cpuStart);
    lengths.push_back(solution.Length());
    nodes.push_back(static_cast<double>(solution.nodes));
    std::fprintf(stderr, "\rboard %d of %d: %d moves, %.1f ms   ", i + 1, boards, solution.Length(),
                 times.back());
  }
  std::fprintf(stderr, "\n");
  PrintDistribution("wall", times);
  PrintDistribution("CPU of the solving thread", cpuTimes);
  PrintLengths(lengths);
  PrintNodes(nodes);
  std::printf("CPU time of the whole run: %.1f s\n", CpuSeconds());
  const long rssAfter = StatusKiB("VmRSS"), peakAfter = StatusKiB("VmHWM");
  std::printf("resident at the end: VmRSS %ld KiB, VmHWM %ld KiB\n", rssAfter, peakAfter);
  std::printf("added by the solver: VmRSS +%ld KiB, VmHWM +%ld KiB\n", rssAfter - rssBefore,
              peakAfter - peakBefore);
  return 0;
}
