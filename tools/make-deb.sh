#!/usr/bin/env bash
# Builds the Debian packages tessarin_<version>_<arch>.deb (the game and the gallery) and
# tessarin-toolkit-dev_<version>_<arch>.deb (the toolkit for other programs): a Release build
# with Debian's hardening flags, installed under /usr with the launcher in /usr/games, packed
# by CPack, one package per install component; the game's Depends found by dpkg-shlibdeps.
#
#   tools/make-deb.sh [--build-dir DIR] [--output DIR]
#
# The build goes to build-deb/ and the packages to the repository root unless told otherwise.
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
    echo "make-deb.sh needs $tool: run tools/install-deps.sh deb first." >&2
    exit 1
  fi
done

# The compiler and linker flags Debian builds its packages with: fortified, with a stack
# protector and relocations read-only from the start. Handed over as cache entries, since
# CMake reads CXXFLAGS and LDFLAGS from the environment only when a build folder is new.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxx_flags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ld_flags=$(dpkg-buildflags --get LDFLAGS)

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTESSARIN_TESTS=OFF -DTESSARIN_EXAMPLES=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DTESSARIN_LAUNCHER_DIR=games \
  -DCMAKE_CXX_FLAGS="$cxx_flags" -DCMAKE_EXE_LINKER_FLAGS="$ld_flags" >/dev/null
cmake --build "$build" -j"$(nproc)"
mkdir -p "$output"
rm -rf "$build/packages"
(cd "$build" && cpack -G DEB -B "$build/packages" >/dev/null)
packages=$(find "$build/packages" -maxdepth 1 -name '*.deb')
if [ "$(echo "$packages" | grep -c '/tessarin\(-toolkit-dev\)\?_.*\.deb$')" != 2 ]; then
  echo "CPack did not make both packages." >&2
  exit 1
fi
for package in $packages; do
  mv -f "$package" "$output/"
  echo "Wrote $output/$(basename "$package")"
done
