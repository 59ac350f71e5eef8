#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for
# a set time (default 60 s), starting from the seeds in fuzz/corpus/.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]     e.g. tools/fuzz.sh 600 wrap_body receive
#
# New inputs go to build-fuzz/corpus/<target>/, findings to
# build-fuzz/findings/<target>-*. Prints one line per target with its
# executions; exits non-zero when any target found a crash or a broken rule.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
shift || true
build="${FUZZ_BUILD:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DVELLICOR_FUZZ=ON \
  ${VELLICOR_SKIP_DIRS:+-DVELLICOR_SKIP_DIRS="$VELLICOR_SKIP_DIRS"} >/dev/null
cmake --build "$build" -j"$(nproc)" --target vellicor_fuzz >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for exe in $(find "$build/fuzz" -maxdepth 1 -type f -executable -name "fuzz_*" | sort); do
    targets+=("$(basename "$exe" | sed 's/^fuzz_//')")
  done
fi

export QT_QPA_PLATFORM=offscreen TZ=America/Denver LC_ALL=C.UTF-8
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="suppressions=$root/tools/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/findings"
failed=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  log="$build/findings/$target.log"
  mkdir -p "$corpus"
  status=ok
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=65536 -print_final_stats=1 -artifact_prefix="$build/findings/$target-" \
      "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    status="FINDING (see $log)"
    failed=1
  fi
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  printf 'fuzz %-14s %8s s %12s executions  %s\n' "$target" "$seconds" "${runs:-0}" "$status"
done
exit "$failed"
