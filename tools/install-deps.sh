#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, when any is missing:
# the packaging tests also run openbox, the validators of the desktop files (desktop-file-utils,
# appstream, groff), and make and check the Debian package (dpkg-dev, file, lintian); the fuzz
# targets are built with clang against libFuzzer (clang, libfuzzer-14-dev); the long input
# storm (tools/run-storm.sh) runs the programs under valgrind.
# Uses sudo only when not already root.
set -euo pipefail

packages=(g++ cmake make libx11-dev libxtst-dev libgtest-dev xvfb xauth xfonts-base
          x11-utils x11-apps imagemagick openbox desktop-file-utils appstream groff-base
          dpkg-dev file lintian clang libfuzzer-14-dev valgrind)
missing=()
for package in "${packages[@]}"; do
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
