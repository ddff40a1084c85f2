#!/usr/bin/env bash
# Takes docs/screenshot.png: the game's main window just after start, on a private Xvfb
# (never the user's display). Usage: tools/screenshot.sh [path/to/tessarin]
# The binary defaults to build/tessarin of the repository.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# shellcheck source=lib/screenshot-on-xvfb.sh
. "$root/tools/lib/screenshot-on-xvfb.sh"
reexec_on_private_xvfb "$0" "${1:-$root/build/tessarin}" tessarin

work=$(mktemp -d)
mkdir -p "$work/Data"
if [ -f "$root/Data/beep.wav" ]; then cp "$root/Data/beep.wav" "$work/Data/"; fi
start_in_scratch_folder "$1"

# Drawn: the red START button and the red square of the flag are there. Nothing on the main
# window moves by itself.
drawn() {
  [ "$(pixel "$1" 402 192)" = FF0000 ] && [ "$(pixel "$1" 775 585)" = FF0000 ]
}
still() {
  /usr/bin/convert "$1" "$2"
}
capture_when_settled '"Tessarin - ' screenshot game
