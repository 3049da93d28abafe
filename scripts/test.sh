#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. The window tests
# run on the xcb platform in an X server of their own (Xvfb). Then each
# reader of outside input is fuzzed for 30 s (clang, libFuzzer, ASan, UBSan).
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$racine/scripts/prepare.sh"
cd "$racine/build"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" \
  ctest --output-on-failure -j2 --timeout 300
"$racine/scripts/fuzz.sh" 30
