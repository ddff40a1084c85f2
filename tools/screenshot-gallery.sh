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

binary=$1
work=$(mktemp -d)
gallery_pid=
cleanup() {
  if [ -n "$gallery_pid" ]; then
    kill "$gallery_pid" 2>/dev/null || true
    wait "$gallery_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# The gallery writes its log, its score table and a C export: keep them out of the repository.
mkdir -p "$work/Data"
cp "$root"/Data/gallery-*.bmp "$work/Data/"
(cd "$work" && exec "$binary" >"$work/stdout.txt" 2>&1) &
gallery_pid=$!

gallery_window() {
  xwininfo -root -children 2>/dev/null | awk '/"Tessarin gallery"/ { print $1; exit }'
}

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

# One pixel of the capture as RRGGBB.
pixel() {
  /usr/bin/convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6
}

# Drawn: the score lines (painted last) are on their light ground, the last sample picture
# (4 bits, transparent) shows more than its backdrop, and two captures in a row are the same
# picture but for the frames.
window=
previous=
for _ in $(seq 1 300); do
  if ! kill -0 "$gallery_pid" 2>/dev/null; then
    echo "The gallery ended before its window was drawn:" >&2
    cat "$work/stdout.txt" >&2
    exit 1
  fi
  [ -z "$window" ] && window=$(gallery_window)
  if [ -n "$window" ] && xwd -silent -nobdrs -id "$window" -out "$work/shot.xwd" 2>/dev/null &&
    [ "$(pixel "$work/shot.xwd" 977 603)" = FFFFF0 ] &&
    [ "$(colours_in "$work/shot.xwd" 790 325 61 45)" -gt 2 ]; then
    still "$work/shot.xwd" "$work/still.png"
    if [ -n "$previous" ] && /usr/bin/compare -metric AE "$previous" "$work/still.png" null: 2>/dev/null; then
      mkdir -p "$root/docs"
      /usr/bin/convert "$work/shot.xwd" -strip -define png:exclude-chunks=date,time \
        "$root/docs/gallery.png"
      echo "Wrote $root/docs/gallery.png"
      exit 0
    fi
    cp "$work/still.png" "$work/previous.png"
    previous=$work/previous.png
  fi
  sleep 0.1
done
echo "The gallery window was not drawn in time." >&2
exit 1
