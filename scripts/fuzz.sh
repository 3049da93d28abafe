#!/usr/bin/env bash
# Builds each fuzz entry with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in the sanitizer build ./build-san, then runs
# each for a bounded time on a copy of the corpus. Fails on any crash,
# sanitizer report, hang (10 s for one input) or memory beyond 2 GB. An input
# that fails is left in build-san/artefacts: add it to fuzz/corpus once
# mended.
# Seconds per entry: the first argument (30 by default).
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
duree="${1:-30}"
entrees=(textes fichiers_travail rtf jpeg reglages)

source "$racine/scripts/configurer_san.sh"
sortie="$sortie_san"
cibles=()
for e in "${entrees[@]}"; do cibles+=("quillon_fuzz_$e"); done
cmake --build "$sortie" -j2 --target "${cibles[@]}"

mkdir -p "$sortie/artefacts"
export QT_QPA_PLATFORM=offscreen
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
