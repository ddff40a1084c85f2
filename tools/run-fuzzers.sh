#!/usr/bin/env bash
# Usage: tools/run-fuzzers.sh [SECONDS [NAME...]]
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for SECONDS (default 20)
# on a copy of its seed corpus, tests/fuzz/<name>/, with build-fuzz/runs/<name>/ for its
# scratch files. Fails when a target finds a crash, a sanitizer error, a leak, a hang or a
# broken invariant; the input that did it stays in build-fuzz/findings/<name>/ and the end of
# the target's log is printed. Names (tests/fuzz/<name>/) pick some of the targets.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
"$root/tools/install-deps.sh"

build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DTESSARIN_FUZZ=ON -DTESSARIN_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=("${@:2}")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in "$root"/tests/fuzz/*/; do targets+=("$(basename "$dir")"); done
fi
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

# One line from libFuzzer's last status and final statistics.
summarise() {
  local log=$1
  local runs status
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  status=$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+' || true)
  echo "${runs:-?} runs, ${status:-no coverage line}"
}

passed=0
failed=0
for name in "${targets[@]}"; do
  work="$build/runs/$name"
  findings="$build/findings/$name"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$findings"
  cp "$root/tests/fuzz/$name/"* "$work/corpus/"
  echo "=== fuzz_$name for $seconds s"
  start=$(date +%s)
  if (cd "$work" && TMPDIR="$work" "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$work/corpus" >log.txt 2>&1); then
    echo "fuzz_$name: no crash in $(($(date +%s) - start)) s: $(summarise "$work/log.txt")"
    passed=$((passed + 1))
  else
    tail -n 60 "$work/log.txt"
    echo "fuzz_$name: FAILED; the input is in $findings/"
    failed=$((failed + 1))
  fi
done
echo "fuzzers: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
