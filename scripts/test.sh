#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test:
#  1. the whole suite in ./build (the window tests on the xcb platform in an
#     X server of their own, Xvfb);
#  2. the whole suite again in the AddressSanitizer + UBSan build ./build-san;
#  3. the soak run for two minutes, twice side by side: in ./build, where the
#     resident memory must not grow after the first minute, and in
#     ./build-san, where no sanitizer report and no leak is allowed;
#  4. each reader of outside input fuzzed for 30 s of a core (libFuzzer, ASan,
#     UBSan), all five at once.
# About 13 minutes on two cores from a clean clone; each stage's duration is
# said at the end.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Each stage's duration, said again at the end.
source "$racine/scripts/etapes.sh"
"$racine/scripts/prepare.sh"
etape "packages and normal build:"
(cd "$racine/build" && xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" \
  ctest --output-on-failure -j2 --timeout 300)
etape "normal suite:"
"$racine/scripts/sanitizers.sh"
etape "sanitizer build and suite:"

journal="$(mktemp -d)"
"$racine/scripts/endurance.sh" --asan 120 > "$journal/asan.log" 2>&1 &
asan=$!
statut=0
"$racine/scripts/endurance.sh" 120 > "$journal/normal.log" 2>&1 || statut=$?
wait "$asan" || statut=$?
for j in normal asan; do
  echo "Soak run ($j build):"
  grep -E '^(memory|driven|anomalies|ENDURANCE)|ERROR|runtime error' "$journal/$j.log" || true
done
if [ "$statut" -ne 0 ]; then
  tail -n 80 "$journal/normal.log" "$journal/asan.log" >&2
  exit 1
fi
rm -rf "$journal"
etape "soak runs:"

"$racine/scripts/fuzz.sh" 30
etape "fuzz entries:"
etapes_dites "Every test passed in"
