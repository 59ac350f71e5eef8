#!/usr/bin/env bash
# Side by side at 115200 baud over pseudo-terminals under Xvfb: Vellicor,
# cutecom, and minicom in xterm, on the same stream at the same time, in two
# setups: default window sizes without a window manager, and maximised windows.
#   bench/compare/compare-terminals.sh [ROUNDS] [SECONDS] [default|maximised]...
# (default 5 rounds of 60 s, both setups). Each round's end marker is checked
# on a screenshot; the screenshots are kept in build-perf/bench/compare-shots.
# Installs the receivers, xdotool, a window manager, ImageMagick and tesseract
# from Debian when they are missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${BENCH_BUILD:-$root/build-perf}"
missing=()
for package in cutecom minicom xterm xdotool matchbox-window-manager xvfb x11-apps imagemagick tesseract-ocr; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target vellicor >/dev/null
shim="$build/bench/libmodemlines.so"
cc -shared -fPIC -O2 -o "$shim" "$root/bench/compare/modemlines.c" -ldl
python3 "$root/bench/compare/compare_terminals.py" "$build/src/app/vellicor" "$shim" \
  "$build/bench/compare-shots" "${1:-5}" "${2:-60}" "${@:3}"
