#!/usr/bin/env bash
# Takes docs/screenshot.png: the game's main window just after start, on a private Xvfb
# (never the user's display). Usage: tools/screenshot.sh [path/to/tessarin]
# The binary defaults to build/tessarin of the repository.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# shellcheck source=lib/screenshot-on-xvfb.sh
. "$root/tools/lib/screenshot-on-xvfb.sh"
reexec_on_private_xvfb "$0" "${1:-$root/build/tessarin}" tessarin

binary=$1
work=$(mktemp -d)
game_pid=
cleanup() {
  if [ -n "$game_pid" ]; then
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# The game writes log.txt into its working directory: keep it out of the repository.
mkdir -p "$work/Data"
if [ -f "$root/Data/beep.wav" ]; then cp "$root/Data/beep.wav" "$work/Data/"; fi
(cd "$work" && exec "$binary" >"$work/stdout.txt" 2>&1) &
game_pid=$!

main_window() {
  xwininfo -root -children 2>/dev/null | awk '/"Tessarin - / { print $1; exit }'
}

# One pixel of the capture as RRGGBB.
pixel() {
  /usr/bin/convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6
}

# Drawn: the red START button and the red square of the flag are there, and two captures in
# a row are the same picture.
window=
previous=
for _ in $(seq 1 300); do
  if ! kill -0 "$game_pid" 2>/dev/null; then
    echo "The game ended before its window was drawn:" >&2
    cat "$work/stdout.txt" >&2
    exit 1
  fi
  [ -z "$window" ] && window=$(main_window)
  if [ -n "$window" ] && xwd -silent -nobdrs -id "$window" -out "$work/shot.xwd" 2>/dev/null &&
    [ "$(pixel "$work/shot.xwd" 402 192)" = FF0000 ] &&
    [ "$(pixel "$work/shot.xwd" 775 585)" = FF0000 ]; then
    if [ -n "$previous" ] && cmp -s "$previous" "$work/shot.xwd"; then
      mkdir -p "$root/docs"
      /usr/bin/convert "$work/shot.xwd" -strip -define png:exclude-chunks=date,time \
        "$root/docs/screenshot.png"
      echo "Wrote $root/docs/screenshot.png"
      exit 0
    fi
    cp "$work/shot.xwd" "$work/previous.xwd"
    previous=$work/previous.xwd
  fi
  sleep 0.1
done
echo "The game window was not drawn in time." >&2
exit 1
