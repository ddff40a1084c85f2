# Sourced by the screenshot scripts: the first time through, checks that the program was built,
# installs what taking a picture needs (Xvfb, xwd, xwininfo, ImageMagick) and runs the calling
# script again on a private Xvfb, never the user's display, with the program's full path as its
# argument. The second time through it returns and the script takes its picture.
# Usage: reexec_on_private_xvfb SCRIPT BINARY TARGET
reexec_on_private_xvfb() {
  local script=$1 binary=$2 target=$3
  [ "${TESSARIN_SCREENSHOT_ON_XVFB:-}" = 1 ] && return 0
  if [ ! -x "$binary" ]; then
    echo "No $target at $binary: build it first (cmake --build build --target $target)." >&2
    exit 1
  fi
  "$root/tools/install-deps.sh" capture
  export TESSARIN_SCREENSHOT_ON_XVFB=1
  exec "$root/tools/run-with-xvfb.sh" "$script" "$(realpath "$binary")"
}

# Starts the program in the scratch folder $work, whose Data/ the script has filled, so that
# what it writes (its log, its tables) stays out of the repository; it is ended when the script
# exits, and the folder removed.
# Usage: start_in_scratch_folder BINARY
start_in_scratch_folder() {
  (cd "$work" && exec "$1" >"$work/stdout.txt" 2>&1) &
  program_pid=$!
  trap 'kill "$program_pid" 2>/dev/null || true; wait "$program_pid" 2>/dev/null || true
        rm -rf "$work"' EXIT
}

# One pixel of a capture as RRGGBB.
pixel() {
  /usr/bin/convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6
}

# Waits until the window whose title matches the awk pattern is drawn and has settled, then
# writes its picture to docs/NAME.png. The script defines `drawn CAPTURE`, true once the
# window is fully painted, and `still CAPTURE PNG`, the capture with whatever moves on its own
# painted over; two stills in a row that are the same picture mean the window has settled.
# Usage: capture_when_settled TITLE_PATTERN NAME WHAT
capture_when_settled() {
  local pattern=$1 name=$2 what=$3 window='' previous=''
  for _ in $(seq 1 300); do
    if ! kill -0 "$program_pid" 2>/dev/null; then
      echo "The $what ended before its window was drawn:" >&2
      cat "$work/stdout.txt" >&2
      exit 1
    fi
    [ -z "$window" ] &&
      window=$(xwininfo -root -children 2>/dev/null | awk "/$pattern/ { print \$1; exit }")
    if [ -n "$window" ] && xwd -silent -nobdrs -id "$window" -out "$work/shot.xwd" 2>/dev/null &&
      drawn "$work/shot.xwd"; then
      still "$work/shot.xwd" "$work/still.png"
      if [ -n "$previous" ] &&
        /usr/bin/compare -metric AE "$previous" "$work/still.png" null: 2>/dev/null; then
        mkdir -p "$root/docs"
        /usr/bin/convert "$work/shot.xwd" -strip -define png:exclude-chunks=date,time \
          "$root/docs/$name.png"
        echo "Wrote $root/docs/$name.png"
        exit 0
      fi
      cp "$work/still.png" "$work/previous.png"
      previous=$work/previous.png
    fi
    sleep 0.1
  done
  echo "The $what window was not drawn in time." >&2
  exit 1
}
