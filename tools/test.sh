#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. Then a
# small seeded mutation check (tools/mutate.sh --ci), a
# few seconds of each fuzz target (when clang's libFuzzer is installed), and
# last the whole suite again built with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh" --for-tests
"$root/tools/build.sh" "$root/build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)" --timeout 600

echo "Mutation check sample"
"$root/tools/mutate.sh" --ci

if echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' \
    | clang++ -x c++ -fsanitize=fuzzer -o /dev/null - 2>/dev/null; then
  echo "Fuzz smoke run"
  "$root/tools/fuzz.sh" "${FUZZ_SECONDS:-5}"
else
  echo "Fuzz smoke run skipped: clang with libFuzzer is not installed"
fi

echo "Sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer)"
BUILD_TYPE=Debug "$root/tools/build.sh" "$root/build-asan" -DVELLICOR_SANITIZE=ON
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/tools/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$root/build-asan" --output-on-failure -j"$(nproc)" --timeout 900
