#!/usr/bin/env bash
# Soak run: builds quillon_endurance and drives the program's windows for the
# given number of seconds (180 by default) in an X server of its own, printing
# the resident memory every 10 s; it fails when the program stops answering or
# its memory grows after the first minute by more than 10 MB (or 5 %).
#
#   scripts/endurance.sh [--asan] [seconds]
#
# In ./build by default. With --asan, in the sanitizer build ./build-san (or
# the folder named by QUILLON_BUILD_SAN), see scripts/configurer_san.sh: any report
# of AddressSanitizer or UndefinedBehaviorSanitizer fails the run, and so does
# any leak LeakSanitizer finds at exit (but for the system libraries of
# scripts/lsan.supp). Memory growth is judged in the normal build only: under
# AddressSanitizer the quarantine (kept at its default size, for the longest
# watch over freed memory) and the shadow memory grow by themselves.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

asan=0
duree=180
for a in "$@"; do
  case "$a" in
    --asan) asan=1 ;;
    ''|*[!0-9]*) echo "usage: $0 [--asan] [seconds]" >&2; exit 2 ;;
    *) duree="$a" ;;
  esac
done

if [ "$asan" -eq 1 ]; then
  source "$racine/scripts/configurer_san.sh"
  sortie="$sortie_san"
else
  sortie="$racine/build"
  if [ ! -f "$sortie/CMakeCache.txt" ]; then
    cmake -S "$racine" -B "$sortie" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
fi
cmake --build "$sortie" -j2 --target quillon_endurance

export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" \
  "$sortie/bin/quillon_endurance" "$duree"
