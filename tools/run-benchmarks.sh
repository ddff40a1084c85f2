#!/usr/bin/env bash
# Builds the game, the gallery and the benchmarks in Release (build-bench/) and runs them on a
# private Xvfb: start-up, input latency, idle cost and memory of tessarin beside the bare Xlib
# floor, the memory the first hint adds and tile presses during its search, the shuffle and
# the full repaint, the gallery's start-up beside the game's; then each
# widget's paint and the requests of one typed character; last the shortest-solution search on
# seeded random boards (SOLVER_BOARDS of them, 1000 by default), the hint's solver at 3 x 3,
# 5 x 5 and 6 x 6 on as many dealt boards, each size in a process of its own so that its first
# call is a cold one, and, with PROVE_LONGEST=1, the proof that the two longest boards need 80
# moves (minutes of CPU). Prints the machine, then the tables.
# Extra arguments go to the first benchmark, e.g. --runs 11 or --idle-seconds 10.
#
# The figures are honest only on a quiet machine: the script warns when the load is high.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
"$root/tools/install-deps.sh"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTESSARIN_BENCH=ON \
  -DTESSARIN_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target tessarin tessarin-gallery tessarin_floor \
  tessarin_repaint_bench tessarin_bench tessarin_widget_bench tessarin_solver_bench >/dev/null

load=$(cut -d' ' -f1 /proc/loadavg)
echo "Machine"
echo "  cores (nproc):  $(nproc)"
echo "  CPU:            $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "  memory:         $(awk '/MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo)"
echo "  kernel:         $(uname -r)"
echo "  X server:       Xvfb $(dpkg-query -W -f='${Version}' xvfb 2>/dev/null || echo '(version unknown)')"
echo "  load (1 min):   $load"
if awk -v l="$load" 'BEGIN { exit !(l > 0.5) }'; then
  echo "  WARNING: the machine is busy; the figures below are not worth keeping." >&2
fi
echo

"$root/tools/run-with-xvfb.sh" "$build/bench/tessarin_bench" \
  --game "$build/tessarin" --floor "$build/bench/tessarin_floor" \
  --repaint "$build/bench/tessarin_repaint_bench" \
  --gallery "$build/tessarin-gallery" --samples "$root/Data" "$@"
echo
"$root/tools/run-with-xvfb.sh" "$build/bench/tessarin_widget_bench"
echo
"$build/bench/tessarin_solver_bench" "${SOLVER_BOARDS:-1000}" 2>/dev/null
for side in 3 5 6; do
  echo
  "$build/bench/tessarin_solver_bench" --size "$side" "${SOLVER_BOARDS:-1000}"
done
if [ "${PROVE_LONGEST:-0}" = 1 ]; then
  echo
  "$build/bench/tessarin_solver_bench" --prove-longest
fi
