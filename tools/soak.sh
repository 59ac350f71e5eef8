#!/usr/bin/env bash
# Builds the soak and fault runs (RelWithDebInfo, into build-soak/) and runs
# their long versions, each printing its figures:
#   test_soak_receive      100 MB of random bytes over the TCP link, dropped
#                          every 4 MB and reconnected by the program
#   test_soak_link_faults  a million line errors; the TNC unplugged during a
#                          script pause
#   test_soak_save_faults  300 kills of a process saving a 4 MB file
# Any figure can be changed by its variable, e.g.
#   VELLICOR_SOAK_MEGABYTES=20 tools/soak.sh
# The test suite runs the same checks with short figures.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SOAK_BUILD:-$root/build-soak}"
tests=(test_soak_receive test_soak_link_faults test_soak_save_faults)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  ${VELLICOR_SKIP_DIRS:+-DVELLICOR_SKIP_DIRS="$VELLICOR_SKIP_DIRS"} >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${tests[@]}" >/dev/null

export QT_QPA_PLATFORM=offscreen TZ=America/Denver LC_ALL=C.UTF-8
export QTEST_FUNCTION_TIMEOUT="${QTEST_FUNCTION_TIMEOUT:-7200000}" # the long runs take minutes
export VELLICOR_SOAK_MEGABYTES="${VELLICOR_SOAK_MEGABYTES:-100}"
export VELLICOR_SOAK_DROP_EVERY_MEGABYTES="${VELLICOR_SOAK_DROP_EVERY_MEGABYTES:-4}"
export VELLICOR_SOAK_ERRORS="${VELLICOR_SOAK_ERRORS:-1000000}"
export VELLICOR_SOAK_KILLS="${VELLICOR_SOAK_KILLS:-300}"
export VELLICOR_SOAK_SAVE_MEGABYTES="${VELLICOR_SOAK_SAVE_MEGABYTES:-4}"
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
status=0
for test in "${tests[@]}"; do
  start=$SECONDS
  "$build/tests/soak/$test" || status=1
  echo "$test: $((SECONDS - start)) s"
done
exit $status
