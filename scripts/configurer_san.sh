# Sourced by the scripts that need the sanitizer build: configures ./build-san
# (or the folder named by QUILLON_BUILD_SAN) with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and sets the sanitizers' options. One build
# serves the test suite, the soak run and the fuzz entries: the code carries
# libFuzzer's coverage hooks (fuzzer-no-link), which cost little outside the
# fuzzer. -O1 with line tables only keeps the build about three times faster
# than -O2 -g while the reports keep their file and line. _GLIBCXX_ASSERTIONS
# makes an index past the end of a standard container (std::array's
# operator[] included) abort, where the overflow would stay inside one
# object and no sanitizer would see it.
sortie_san="${QUILLON_BUILD_SAN:-$racine/build-san}"
CC=clang CXX=clang++ cmake -S "$racine" -B "$sortie_san" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLON_BENCH=OFF -DQUILLON_FUZZ=ON -DCMAKE_RULE_MESSAGES=OFF \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
  -DCMAKE_CXX_FLAGS="-D_GLIBCXX_ASSERTIONS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$racine/scripts/lsan.supp:print_suppressions=0"
