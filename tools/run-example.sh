#!/usr/bin/env bash
# Builds Vesk and opens a bundled example: in the program when a display is
# there, otherwise as the batch report.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
example="build/bin/${1:-Longwall_Gob_Over.VSK}"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/bin/vesk ]; then
  exec build/bin/vesk "$example"
fi
if build/bin/vesk-cli --help | grep -q '^  calc'; then
  exec build/bin/vesk-cli calc "$example" --report
fi
exec build/bin/vesk-cli echo "$example"
