#!/usr/bin/env bash
# Builds the program, its tests and the fuzz entries with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang) in ./build-san and runs every test there
# (the window tests in an X server of their own). Any report fails the run;
# leaks found by LeakSanitizer too, but for those of the system libraries
# listed in scripts/lsan.supp. About 5.5 minutes on two cores.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$racine/scripts/configurer_san.sh"
cmake --build "$sortie_san" -j2
cd "$sortie_san"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" \
  ctest --output-on-failure -j2 --timeout 600
