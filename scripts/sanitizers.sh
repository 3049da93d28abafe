#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in ./build-asan and runs every test there (the
# window tests in an X server of their own). Any report fails the run; leaks
# found by LeakSanitizer too, but for those of the system libraries listed in
# scripts/lsan.supp.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sortie="$racine/build-asan"
cmake -S "$racine" -B "$sortie" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$sortie" -j2
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$racine/scripts/lsan.supp:print_suppressions=0"
cd "$sortie"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" \
  ctest --output-on-failure -j2 --timeout 600
