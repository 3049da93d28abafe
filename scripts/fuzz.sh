#!/usr/bin/env bash
# Builds each fuzz entry with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in the sanitizer build ./build-san, then runs
# each for a bounded time on a copy of the corpus. Fails on any crash,
# sanitizer report, hang (10 s for one input) or memory beyond 2 GB. An input
# that fails is left in build-san/artefacts: add it to fuzz/corpus once
# mended.
# Seconds of a core per entry: the first argument (30 by default). The
# entries run all at once on the two cores, each for its share of the time
# that gives it that much of a core, so that no core waits for the last one.
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
# One entry on a copy of the corpus; its summary in <entry>.resume.
fuzzer() {
  local e="$1" corpus statut
  corpus="$(mktemp -d)"
  cp "$racine"/fuzz/corpus/* "$corpus"/
  set +e
  "$sortie/bin/quillon_fuzz_$e" -max_total_time="$temps" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$sortie/artefacts/$e-" -print_final_stats=1 "$corpus" > "$sortie/$e.log" 2>&1
  statut=$?
  set -e
  rm -rf "$corpus"
  { echo "Fuzzing $e for ${temps} s beside the others"; tail -n 6 "$sortie/$e.log"; } > "$sortie/$e.resume"
  return "$statut"
}
# Every entry at once: n entries on 2 cores each get 2/n of a core.
temps=$(( (duree * ${#entrees[@]} + 1) / 2 ))
echec=()
en_cours=()
for e in "${entrees[@]}"; do
  fuzzer "$e" &
  en_cours+=("$!:$e")
done
for j in "${en_cours[@]}"; do
  wait "${j%%:*}" || echec+=("${j#*:}")
done
for e in "${entrees[@]}"; do cat "$sortie/$e.resume"; done
for e in "${echec[@]}"; do
  tail -n 60 "$sortie/$e.log" >&2
  echo "fuzz entry $e failed: see $sortie/artefacts" >&2
done
[ "${#echec[@]}" -eq 0 ]
