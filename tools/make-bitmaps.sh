#!/usr/bin/env bash
# Makes the gallery's three sample BMP files under Data/: gallery-24bit.bmp, gallery-8bit.bmp
# and gallery-4bit.bmp. The files are committed; run this only to remake them. Needs Python 3
# and installs it when missing.
#
#   tools/make-bitmaps.sh [--output DIR]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
if ! command -v python3 >/dev/null; then
  as_root=()
  [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  "${as_root[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y python3
fi
exec python3 "$root/tools/make_bitmaps.py" "$@"
