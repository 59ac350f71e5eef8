#!/usr/bin/env bash
# Builds the benchmarks (RelWithDebInfo, into build-perf/) and runs them,
# each printing its table. With names, runs only those:
#   tools/bench.sh                  all of them
#   tools/bench.sh receive burst    receive path and burst only
#   tools/bench.sh direwolf         over the air through two Dire Wolf engines (not in "all")
# Each is also one command of its own, e.g.
#   QT_QPA_PLATFORM=offscreen build-perf/bench/bench_burst
# The receive path, start-up and the sustained line rate (60 s) run
# offscreen and again under Xvfb when xvfb-run is installed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD:-$root/build-perf}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  ${VELLICOR_SKIP_DIRS:+-DVELLICOR_SKIP_DIRS="$VELLICOR_SKIP_DIRS"} >/dev/null
cmake --build "$build" -j"$(nproc)" --target vellicor_bench >/dev/null

benches=("$@")
[ ${#benches[@]} -gt 0 ] || benches=(receive burst memory startup idle latency sustained unreachable)
export TZ=America/Denver LC_ALL=C.UTF-8
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
for bench in "${benches[@]}"; do
  QT_QPA_PLATFORM=offscreen "$build/bench/bench_$bench"
  if { [ "$bench" = receive ] || [ "$bench" = startup ] || [ "$bench" = sustained ]; } && command -v xvfb-run >/dev/null; then
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/bench_$bench"
  fi
done
