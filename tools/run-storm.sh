#!/usr/bin/env bash
# The long input storm, beyond the 2,000 inputs per program of every test run: 10,000 random
# inputs for the game and for the gallery on the plain build and on the AddressSanitizer +
# UndefinedBehaviorSanitizer build, then 1,000 for each under valgrind memcheck (on the plain
# build, with leak checks). Every run prints its seed; to replay one, give it back with
# TESSARIN_STORM_SEED=N. Builds in build-ci/ and build-sanitize/, as tools/run-tests.sh does.
# Usage: tools/run-storm.sh [INPUTS [VALGRIND_INPUTS]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
inputs=${1:-10000}
valgrind_inputs=${2:-1000}
"$root/tools/install-deps.sh"

tests='GameStorm.*:GalleryStorm.*'
jobs=$(nproc)

build() {
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" -DTESSARIN_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j"$jobs" --target tessarin tessarin-gallery tessarin_x_tests
}

storm() {
  local name=$1 dir=$2 count=$3
  echo "=== storm: $name, $count inputs per program"
  local start=$SECONDS
  TESSARIN_STORM_INPUTS=$count "$root/tools/run-with-xvfb.sh" \
    "$dir/tests/tessarin_x_tests" --gtest_filter="$tests"
  echo "=== storm: $name took $((SECONDS - start)) s"
}

build "$root/build-ci" -DCMAKE_BUILD_TYPE=RelWithDebInfo
storm plain "$root/build-ci" "$inputs"

(
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  build "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DTESSARIN_SANITIZE=ON
  storm sanitizers "$root/build-sanitize" "$inputs"
)

# Any error, and any block lost for good (directly or through a lost block), fails the program's
# exit status. The children the programs fork for sounds and links leave valgrind when they
# exec their shell; --child-silent-after-fork keeps the moment between quiet.
export TESSARIN_STORM_UNDER="valgrind --tool=memcheck --error-exitcode=99 --leak-check=full
  --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect
  --child-silent-after-fork=yes --num-callers=30"
storm valgrind "$root/build-ci" "$valgrind_inputs"
