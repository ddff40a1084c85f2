#!/usr/bin/env bash
# Builds Tessarin and starts it on $DISPLAY, from the repository root so that it finds Data/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh" build
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DTESSARIN_TESTS=OFF >/dev/null
cmake --build "$root/build" --target tessarin -j"$(nproc)"
if [ -z "${DISPLAY:-}" ]; then
  echo "No X display is reachable: DISPLAY is not set." >&2
  exit 1
fi
cd "$root"
exec "$root/build/tessarin"
