#!/usr/bin/env bash
# Makes Data/beep.wav, the short soft beep the game plays when a dialog blocks a click:
# 0.1 s of an 880 Hz sine at a quarter of full scale, faded in and out over 10 ms so it does
# not click, 16-bit mono at 22050 Hz. The file is committed; run this only to remake it.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
if ! command -v sox >/dev/null; then
  as_root=()
  [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  "${as_root[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y sox
fi

mkdir -p "$root/Data"
sox -n -r 22050 -b 16 -c 1 -e signed-integer "$root/Data/beep.wav" \
  synth 0.1 sine 880 vol 0.25 fade q 0.01 0.1 0.01
