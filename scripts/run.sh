#!/usr/bin/env bash
# Sets up, builds and starts Doravel 3. Without a display it starts under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
# The program alone (with its db folder and help page); the test command builds the rest.
bash scripts/setup.sh doravel3
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec ./build/doravel3
else
    exec xvfb-run -a -s "-screen 0 1366x768x24" ./build/doravel3
fi
