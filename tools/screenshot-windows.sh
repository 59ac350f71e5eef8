#!/bin/sh
# Renders the auxiliary windows (Properties on both tabs, the clipboard
# editor, About, and the help on its contents and on the NTS topic) into PNG
# files under a virtual X server, for checking their layout.
#
# Usage: tools/screenshot-windows.sh OUTPUT_FOLDER
# The build folder is build-screens beside the sources, or $VELLICOR_BUILD_DIR.
set -eu

if [ $# -ne 1 ]; then
    echo "usage: $0 OUTPUT_FOLDER" >&2
    exit 2
fi
out=$1
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELLICOR_BUILD_DIR:-$root/build-screens}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" --target vellicor_window_screenshots -j2
mkdir -p "$out"
out=$(cd "$out" && pwd)
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/tools/screenshots/vellicor_window_screenshots" "$out"
ls "$out"
