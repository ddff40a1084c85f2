#!/usr/bin/env bash
# Builds the Debian package tessarin_<version>_<arch>.deb: a Release build with Debian's
# hardening flags, installed under /usr with the launcher in /usr/games, packed by CPack,
# its Depends found by dpkg-shlibdeps.
#
#   tools/make-deb.sh [--build-dir DIR] [--output DIR]
#
# The build goes to build-deb/ and the package to the repository root unless told otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-deb"
output="$root"
while [ $# -gt 0 ]; do
  case "$1" in
    --build-dir) build=$2; shift 2 ;;
    --output) output=$2; shift 2 ;;
    *) echo "usage: tools/make-deb.sh [--build-dir DIR] [--output DIR]" >&2; exit 2 ;;
  esac
done
for tool in dpkg-shlibdeps dpkg-buildflags cpack; do
  if ! command -v "$tool" >/dev/null; then
    echo "make-deb.sh needs $tool: run tools/install-deps.sh first." >&2
    exit 1
  fi
done

# CFLAGS, CXXFLAGS, CPPFLAGS and LDFLAGS as Debian builds its packages: fortified, with a
# stack protector and relocations read-only from the start.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTESSARIN_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DTESSARIN_LAUNCHER_DIR=games >/dev/null
cmake --build "$build" -j"$(nproc)"
mkdir -p "$output"
rm -rf "$build/packages"
(cd "$build" && cpack -G DEB -B "$build/packages" >/dev/null)
package=$(find "$build/packages" -maxdepth 1 -name 'tessarin_*.deb' | head -n 1)
if [ -z "$package" ]; then
  echo "CPack made no package." >&2
  exit 1
fi
mv -f "$package" "$output/"
echo "Wrote $output/$(basename "$package")"
