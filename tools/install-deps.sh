#!/usr/bin/env bash
# Installs the Debian packages of one set, those of them that are missing. Every script that
# needs packages calls this one helper with the set it needs.
#
#   tools/install-deps.sh [build | capture | deb | test]
#
#   build    what building and playing need: the compiler, CMake, make, libx11-dev and the X
#            core fonts the programs draw with (tools/run-game.sh, tools/run-gallery.sh).
#   capture  what taking a screenshot on a private Xvfb needs (the screenshot scripts).
#   deb      the build, and what makes and checks the Debian package (tools/make-deb.sh).
#   test     everything, the default: the build; XTEST, GoogleTest and Xvfb for the suite; the
#            packaging tests also run openbox, the validators of the desktop files
#            (desktop-file-utils, appstream, groff), and make and check the Debian package
#            (dpkg-dev, file, lintian), and build an example against the installed toolkit
#            (pkgconf); the fuzz targets are built with clang against
#            libFuzzer (clang, libfuzzer-14-dev); the long input storm (tools/run-storm.sh)
#            runs the programs under valgrind.
# Uses sudo only when not already root.
set -euo pipefail

build=(g++ cmake make libx11-dev xfonts-base)
capture=(xvfb xauth x11-apps x11-utils imagemagick)
deb=("${build[@]}" dpkg-dev file lintian)
test=("${build[@]}" "${capture[@]}" "${deb[@]}" libxtst-dev libgtest-dev openbox
      desktop-file-utils appstream groff-base pkgconf clang libfuzzer-14-dev valgrind)

set_name=${1:-test}
case "$set_name" in
  build) packages=("${build[@]}") ;;
  capture) packages=("${capture[@]}") ;;
  deb) packages=("${deb[@]}") ;;
  test) packages=("${test[@]}") ;;
  *) echo "usage: tools/install-deps.sh [build | capture | deb | test]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  [[ " ${missing[*]} " == *" $package "* ]] && continue
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y "${missing[@]}"
