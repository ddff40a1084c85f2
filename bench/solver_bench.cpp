// The shortest-solution search measured on seeded random solvable boards, in process.
//
// First builds the pattern tables alone and reports that time and the resident memory they
// added (VmRSS and VmHWM of /proc/self/status before and after: the peak tells whether the
// build needed more than it kept). Then solves each board, timing each solve, and prints the
// distribution of the times and the solution lengths.
// Usage: tessarin_solver_bench [boards] [seed]
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <vector>

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

void PrintDistribution(std::vector<double> times, const std::vector<int>& lengths) {
  std::sort(times.begin(), times.end());
  std::printf("\nsolve time over %zu boards (ms)\n", times.size());
  std::printf("  min %.2f  median %.2f  90th %.2f  99th %.2f  max %.2f  mean %.2f\n", times.front(),
              Percentile(times, 0.5), Percentile(times, 0.9), Percentile(times, 0.99), times.back(),
              std::accumulate(times.begin(), times.end(), 0.0) / times.size());
  std::printf("  deciles:");
  for (int d = 1; d <= 9; ++d) std::printf(" %.2f", Percentile(times, d / 10.0));
  std::printf("\n");
  PrintHistogram(times);
  const auto [shortest, longest] = std::minmax_element(lengths.begin(), lengths.end());
  std::printf("\nsolution length: min %d  mean %.2f  max %d\n", *shortest,
              std::accumulate(lengths.begin(), lengths.end(), 0.0) / lengths.size(), *longest);
}

}  // namespace

int main(int argc, char** argv) {
  const int boards = argc > 1 ? std::atoi(argv[1]) : 1000;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 18;
  if (boards < 1) {
    std::fprintf(stderr, "usage: %s [boards >= 1] [seed]\n", argv[0]);
    return 2;
  }

  const long rssBefore = StatusKiB("VmRSS"), peakBefore = StatusKiB("VmHWM");
  const std::atomic<bool> never{false};
  const Clock::time_point buildStart = Clock::now();
  PrepareShortestSolver(never);
  const double buildMs = MsSince(buildStart);
  const long rssAfter = StatusKiB("VmRSS"), peakAfter = StatusKiB("VmHWM");
  std::printf("table build: %.1f ms\n", buildMs);
  std::printf("resident before: VmRSS %ld KiB, VmHWM %ld KiB\n", rssBefore, peakBefore);
  std::printf("resident after:  VmRSS %ld KiB, VmHWM %ld KiB\n", rssAfter, peakAfter);
  std::printf("added by the solver: VmRSS +%ld KiB, VmHWM +%ld KiB\n", rssAfter - rssBefore,
              peakAfter - peakBefore);

  std::mt19937 random(seed);
  std::vector<double> times;
  std::vector<int> lengths;
  for (int i = 0; i < boards; ++i) {
    const Board board = RandomSolvableBoard(random);
    const Clock::time_point start = Clock::now();
    const ShortestSolution solution = SolveShortest(board);
    times.push_back(MsSince(start));
    lengths.push_back(solution.Length());
    std::fprintf(stderr, "\rboard %d of %d: %d moves, %.1f ms   ", i + 1, boards, solution.Length(),
                 times.back());
  }
  std::fprintf(stderr, "\n");
  PrintDistribution(times, lengths);
  std::printf("resident at the end: VmRSS %ld KiB, VmHWM %ld KiB\n", StatusKiB("VmRSS"),
              StatusKiB("VmHWM"));
  return 0;
}
