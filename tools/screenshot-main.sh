#!/usr/bin/env bash
# Takes a screenshot of the main window under Xvfb: tools/screenshot-main.sh [OUTPUT.png]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
output="${1:-$root/screenshots/main-window.png}"
mkdir -p "$(dirname "$output")"
"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$root/build"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/tools/screenshots/screenshot_main" "$output"
echo "Saved $output"
