#!/usr/bin/env bash
# Builds the Tessarin gallery and starts it on $DISPLAY, from the repository root so that it
# finds the sample pictures in Data/ (its score table and the 4-bit picture's C export go
# there too, both ignored by git).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh" build
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DTESSARIN_TESTS=OFF >/dev/null
cmake --build "$root/build" --target tessarin-gallery -j"$(nproc)"
if [ -z "${DISPLAY:-}" ]; then
  echo "No X display is reachable: DISPLAY is not set." >&2
  exit 1
fi
cd "$root"
exec "$root/build/tessarin-gallery"
