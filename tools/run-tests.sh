#!/usr/bin/env bash
# Builds Tessarin with warnings as errors and runs every test against a private Xvfb; then
# builds again with AddressSanitizer and UndefinedBehaviorSanitizer and runs the suite once
# more, less the tests labelled long. Pass --no-sanitizers to skip the second pass.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"

jobs=$(nproc)
# run_pass <name> <label of tests to leave out, or ""> <cmake options...>
run_pass() {
  local name=$1 leave_out=$2
  shift 2
  local dir="$root/build-$name"
  echo "=== $name build"
  cmake -S "$root" -B "$dir" -DTESSARIN_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  # The solver's tables come out the same from every build of these sources: the first build
  # makes them, and the later ones (the sanitizer pass, the Debian package the packaging test
  # builds) take them instead of spending half a minute of CPU each on them again.
  if [ -z "${TESSARIN_PATTERN_TABLES:-}" ] && [ -f "$dir/pattern-tables.bin" ]; then
    export TESSARIN_PATTERN_TABLES="$dir/pattern-tables.bin"
  fi
  echo "=== $name tests"
  # A test that fails once on a loaded machine runs once more; a real fault fails twice. Each
  # retry is printed, so a flaky test stays visible.
  (cd "$dir" && "$root/tools/run-with-xvfb.sh" ctest --output-on-failure -j"$jobs" --repeat until-pass:2 \
    ${leave_out:+--label-exclude "$leave_out"})
}

run_pass ci "" -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ "${1:-}" != "--no-sanitizers" ]; then
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # The tests labelled long (the solver on the 80-move boards, minutes each even optimised) run
  # in the plain pass alone.
  run_pass sanitize long -DCMAKE_BUILD_TYPE=Debug -DTESSARIN_SANITIZE=ON
fi
