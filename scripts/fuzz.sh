#!/usr/bin/env bash
# Builds each fuzz entry with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in ./build-fuzz, then runs each for a bounded
# time on a copy of the corpus. Fails on any crash, sanitizer report, hang
# (10 s for one input) or memory beyond 2 GB. An input that fails is left in
# build-fuzz/artefacts: add it to fuzz/corpus once mended.
# Seconds per entry: the first argument (30 by default).
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
duree="${1:-30}"
sortie="$racine/build-fuzz"
entrees=(textes fichiers_travail rtf jpeg reglages)

CC=clang CXX=clang++ cmake -S "$racine" -B "$sortie" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLON_FUZZ=ON -DQUILLON_TESTS=OFF -DQUILLON_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" >/dev/null
cibles=()
for e in "${entrees[@]}"; do cibles+=("quillon_fuzz_$e"); done
cmake --build "$sortie" -j2 --target "${cibles[@]}"

mkdir -p "$sortie/artefacts"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for e in "${entrees[@]}"; do
  corpus="$(mktemp -d)"
  cp "$racine"/fuzz/corpus/* "$corpus"/
  echo "Fuzzing $e for ${duree} s"
  set +e
  "$sortie/bin/quillon_fuzz_$e" -max_total_time="$duree" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$sortie/artefacts/$e-" -print_final_stats=1 "$corpus" > "$sortie/$e.log" 2>&1
  statut=$?
  set -e
  tail -n 6 "$sortie/$e.log"
  rm -rf "$corpus"
  if [ "$statut" -ne 0 ]; then
    tail -n 60 "$sortie/$e.log" >&2
    echo "fuzz entry $e failed: see $sortie/artefacts" >&2
    exit 1
  fi
done
