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
