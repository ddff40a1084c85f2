#!/usr/bin/env bash
# Takes docs/gallery.png: the gallery window just after start, on a private Xvfb (never the
# user's display), in a scratch folder that holds copies of the sample pictures.
# Usage: tools/screenshot-gallery.sh [path/to/tessarin-gallery]
# The binary defaults to build/tessarin-gallery of the repository.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# shellcheck source=lib/screenshot-on-xvfb.sh
. "$root/tools/lib/screenshot-on-xvfb.sh"
reexec_on_private_xvfb "$0" "${1:-$root/build/tessarin-gallery}" tessarin-gallery

work=$(mktemp -d)
mkdir -p "$work/Data"
cp "$root"/Data/gallery-*.bmp "$work/Data/"
start_in_scratch_folder "$1"

# The capture with the two animated frames painted over, so that two captures of a settled
# window compare equal whichever frame they caught.
still() {
  /usr/bin/convert "$1" -fill black -draw 'rectangle 899,261 946,308' \
    -draw 'rectangle 899,324 946,371' "$2"
}

# How many colours a w x h area at (x, y) of the capture holds.
colours_in() {
  /usr/bin/convert "$1" -crop "$4x$5+$2+$3" +repage -unique-colors -format '%w' info: 2>/dev/null
}

# Drawn: the score lines (painted last) are on their light ground, and the last sample picture
# (4 bits, transparent) shows more than its backdrop.
drawn() {
  [ "$(pixel "$1" 977 603)" = FFFFF0 ] && [ "$(colours_in "$1" 790 325 61 45)" -gt 2 ]
}
capture_when_settled '"Tessarin gallery"' gallery gallery
