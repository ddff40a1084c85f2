#!/usr/bin/env bash
# Figures that a busy machine does not move, for one program on the current X display:
# the instructions its start-up executes and the round trips and writes it makes (callgrind),
# then its wake-ups and CPU ticks while it sits idle (/proc). Run it on a private server:
#
#   tools/run-with-xvfb.sh bench/startup-profile.sh PROGRAM PAINT-FUNCTION [idle-s] [data]
#   tools/run-with-xvfb.sh bench/startup-profile.sh build/tessarin FormMain::Paint
#   tools/run-with-xvfb.sh bench/startup-profile.sh build/tessarin-gallery FormGallery::Paint 5 Data
#
# The start-up ends when the window's paint function first returns, the paint of its first
# Expose: callgrind dumps its counts then. Each run starts the program in a fresh scratch
# folder, given a copy of the folder data as its Data/ when one is named (the gallery's
# sample pictures).
set -euo pipefail
program=$(realpath "$1")
paint=$2
idle=${3:-10}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if [ -n "${4:-}" ]; then cp -r "$4" "$scratch/Data"; fi

# Sums the calls made to one function: the "calls=" line after each "cfn=" naming it.
calls_to() {
  { grep -A1 -x "cfn=$2" "$1" || true; } |
    awk -F'[= ]' '/^calls=/ { total += $2 } END { print total + 0 }'
}

run_callgrind() {
  cd "$scratch"
  valgrind --tool=callgrind --compress-strings=no --compress-pos=no \
    --dump-after="$paint()" --callgrind-out-file="$scratch/cg.out" "$program" \
    >/dev/null 2>"$scratch/valgrind.log" &
  local pid=$!
  for _ in $(seq 600); do
    [ -s "$scratch/cg.out.1" ] && break
    sleep 0.1
  done
  sleep 0.5
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  local dump="$scratch/cg.out.1"
  echo "start-up instructions (Ir):      $(awk '/^summary:/ { print $2; exit }' "$dump")"
  echo "round trips (_XReply calls):     $(calls_to "$dump" _XReply)"
  echo "writes (xcb_writev calls):       $(calls_to "$dump" xcb_writev)"
  echo "requests (X calls, by name):"
  for call in XPutImage XGetImage XDrawString XDrawText XFillRectangle XDrawLine XDrawRectangle \
    XGetGeometry XSync; do
    printf '  %-16s %s\n' "$call" "$(calls_to "$dump" "$call")"
  done
}

# Voluntary context switches are the times the program went to sleep; CPU from utime + stime.
run_idle() {
  cd "$scratch"
  "$program" >/dev/null 2>&1 &
  local pid=$!
  sleep 1
  local switches0 ticks0 switches1 ticks1
  switches0=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$pid/status")
  ticks0=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
  sleep "$idle"
  switches1=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$pid/status")
  ticks1=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v s=$((switches1 - switches0)) -v t=$((ticks1 - ticks0)) -v d="$idle" 'BEGIN {
    printf "idle wake-ups per second:        %.1f\n", s / d
    printf "idle CPU ticks in %d s (10 ms):  %d\n", d, t }'
}

echo "$program"
run_callgrind
run_idle
