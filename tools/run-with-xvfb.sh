#!/usr/bin/env bash
# Runs a command against a private Xvfb (24-bit, never the user's display) and stops the
# server afterwards. Usage: tools/run-with-xvfb.sh COMMAND [ARGS...]
set -euo pipefail

fifo_dir=$(mktemp -d)
trap 'rm -rf "$fifo_dir"' EXIT
mkfifo "$fifo_dir/displayfd"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo_dir/displayfd" \
  >"$fifo_dir/xvfb.log" 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; rm -rf "$fifo_dir"' EXIT

if ! read -r -t 30 display_number <"$fifo_dir/displayfd"; then
  echo "Xvfb did not start:" >&2
  cat "$fifo_dir/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$display_number"
unset XAUTHORITY
"$@"
