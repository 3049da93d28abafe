#!/usr/bin/env bash
# The Windows build's tests under Wine, on an X server of their own (Xvfb):
#   tester.sh <build-windows folder> <Windows prefix (Qt, libjpeg)>
#  1. the rules tests;
#  2. the window tests, on Windows' own platform plugin (qwindows), but for
#     those listed in sautes.txt beside this script, each with its reason;
#  3. the fuzz corpus through the Windows readers;
#  4. the installer: a silent install in a new Wine prefix, the installed
#     program started (a screenshot in <build>/essais/), a work file opened by
#     a double click and saved again in the user's Documents, the silent
#     uninstall, which leaves no file and no file association.
# Each run has its own HOME and Wine prefix. As root, a 64 KiB tmpfs mounted
# here and filled is drive P:, the full disk of the tests.
set -euo pipefail
ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
racine="$(cd "$ici/../.." && pwd)"
sortie="$(cd "$1" && pwd)"
prefixe="$(cd "$2" && pwd)"
essais="$sortie/essais"
rm -rf "$essais" && mkdir -p "$essais"
travail="$(mktemp -d)"
xvfb=""
plein=""
nettoyer() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${openbox_pid:-}" ] && kill "$openbox_pid" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  [ -n "$plein" ] && umount -l "$plein" 2>/dev/null || true
  rm -rf "$travail"
}
trap nettoyer EXIT

# An X server of its own.
exec 3> "$travail/affichage"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$travail/affichage" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$travail/affichage")"
exec 3>&-
# A window manager, as a desktop has: Wine waits for one to withdraw a
# hidden window (two seconds a window without one).
openbox >/dev/null 2>&1 &
openbox_pid=$!

export HOME="$travail/maison"
export WINEPREFIX="$travail/wine"
export WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko to offer to install: none is needed.
export WINEDLLOVERRIDES="mscoree=;mshtml="
mkdir -p "$HOME"
wineboot --init >/dev/null 2>&1
wineserver -w

# The tests' programs find Qt's and MinGW's libraries where they were built.
runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
pthread="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")"
export WINEPATH="Z:${prefixe//\//\\}\\bin;Z:${runtime//\//\\};Z:${pthread//\//\\}"
# The report's tests read the PDF with this machine's poppler, which Wine
# starts under a Windows program's name, through this machine's shell.
mkdir -p "$travail/poppler"
for outil in pdftotext pdfimages pdfinfo pdftoppm sh; do
  ln -s "$(command -v "$outil")" "$travail/poppler/$outil.exe"
done
WINEPATH="$WINEPATH;Z:${travail//\//\\}\\poppler"

if [ "$(id -u)" -eq 0 ]; then
  plein="$travail/plein"
  mkdir -p "$plein"
  mount -t tmpfs -o size=64k tmpfs "$plein"
  ln -s "$plein" "$WINEPREFIX/dosdevices/p:"
  export QUILLON_DISQUE_PLEIN="P:/"
fi

statut=0
resume=()
# Runs a gtest program under Wine; its summary line is kept.
gtest() {
  local nom="$1"; shift
  local journal="$essais/$nom.log"
  local r=0
  (cd "$sortie/bin" && timeout 1500 wine "$@") > "$journal" 2>&1 || r=$?
  local passes sautes echoues
  passes=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$journal" | tail -n 1)
  sautes=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) test.*/\1/p' "$journal" | tail -n 1)
  echoues=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$journal" | tail -n 1)
  resume+=("$nom: ${passes:-0} passed, ${echoues:-0} failed, ${sautes:-0} skipped (exit $r)")
  if [ "$r" -ne 0 ] || [ -z "$passes" ] || { [ -n "${sans_saut:-}" ] && [ -n "$sautes" ]; }; then
    statut=1
    grep -E '^\[  FAILED  \]|Failure|error' "$journal" | head -n 40 >&2 || true
  fi
}

# 1. The rules.
gtest regles quillon_regles_tests.exe

# 2. The windows, but for the tests Wine cannot run (sautes.txt: name, reason).
filtre="-$(grep -v '^#' "$ici/sautes.txt" | awk 'NF { printf "%s%s", sep, $1; sep=":" }')"
for p in quillon_fenetre_tests quillon_acces_tests quillon_cadre_tests; do
  gtest "$p" "$p.exe" "--gtest_filter=$filtre"
done
# Dense screens: Windows' own scaling at 150 % (144 dots per inch), then
# QT_SCALE_FACTOR=2 (Wine hands the QT_ variables to Windows programs as
# WINEQT_...), and the display sizes at 125 %: a test skipped there fails.
dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -w
}
dpi 144
sans_saut=1 gtest haute_densite_windows_150 quillon_fenetre_tests.exe --gtest_filter='HauteDensite.*'
dpi 96
sans_saut=1 WINEQT_SCALE_FACTOR=2 gtest haute_densite_facteur_2 quillon_fenetre_tests.exe --gtest_filter='HauteDensite.*'
sans_saut=1 WINEQT_SCALE_FACTOR=1.25 gtest taille_125 quillon_fenetre_tests.exe --gtest_filter='TailleAffichage.*'
echo "Window tests left out under Wine, and why:"
grep -v '^#' "$ici/sautes.txt" | awk 'NF { n = $1; $1 = ""; printf "  %s:%s\n", n, $0 }'

# 3. The fuzz corpus through the Windows readers.
corpus=()
for f in "$racine"/fuzz/corpus/*; do corpus+=("Z:${f//\//\\}"); done
if (cd "$sortie/bin" && wine quillon_fuzz.exe "${corpus[@]}") > "$essais/fuzz.log" 2>&1; then
  resume+=("fuzz corpus: ${#corpus[@]} files replayed")
else
  resume+=("fuzz corpus: FAILED")
  statut=1
  tail -n 20 "$essais/fuzz.log" >&2
fi

# 4. The installer.
if "$ici/tester_installateur.sh" "$sortie" "$essais" > "$essais/installateur.log" 2>&1; then
  resume+=("installer: $(tail -n 1 "$essais/installateur.log")")
else
  resume+=("installer: FAILED")
  statut=1
  tail -n 30 "$essais/installateur.log" >&2
fi

printf '%s\n' "${resume[@]}"
exit "$statut"
