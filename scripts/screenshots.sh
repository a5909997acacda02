#!/usr/bin/env bash
# Renders the README's pictures (docs/start-box.png and docs/cave.png) with the game
# itself. Re-run it whenever the look of the start box or of the caves changes; it
# uses a virtual display when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target gravik-screens
if [ -n "${DISPLAY:-}" ]; then
    build/tools/gravik-screens/gravik-screens docs
else
    LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
        build/tools/gravik-screens/gravik-screens docs
fi
echo "Wrote docs/start-box.png and docs/cave.png"
