#!/usr/bin/env bash
# The installer as a school technician and a pupil meet it, under Wine on the
# display given (DISPLAY), in a Wine prefix of its own:
#   tester_installateur.sh <build-windows folder> <folder for screenshots>
# A silent install under Program Files (Start-menu entry, ".nst" and ".fch"
# associations, the entry of the system's list of programs); the installed
# program started, its window seen (screenshot); a work file in the user's
# Documents opened by a double click (the association) and saved there again
# under another name with Ctrl+S, byte for byte the same steps; then the
# silent uninstall: no file left in the install folder, no association, no
# entry in the list of programs, the user's own files kept.
set -euo pipefail
ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
sortie="$(cd "$1" && pwd)"
images="$(cd "$2" && pwd)"
travail="$(mktemp -d)"
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$travail"' EXIT

export HOME="$travail/maison"
export WINEPREFIX="$travail/wine"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
unset WINEPATH QUILLON_DISQUE_PLEIN TMP TEMP
# Wine links the user's Documents to the home's Documents.
mkdir -p "$HOME/Documents"
wineboot --init >/dev/null 2>&1
wineserver -w

echec() { import -window root "$images/echec.png" 2>/dev/null || true; echo "FAILED: $*" >&2; exit 1; }
programmes="$WINEPREFIX/drive_c/Program Files/Quillon"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillon"
cle='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon'
# A registry value (the key's default with /ve), as "reg query" prints it.
# (Asked again when it answers nothing: a "reg" started as the last wineserver
# ends may find no registry.)
lire_cle() {
  local r="" i
  for i in 1 2 3; do
    r="$(wine reg query "$@" 2>/dev/null | tr -d '\r' || true)"
    [ -n "$r" ] && break
    sleep 1
  done
  printf '%s\n' "$r"
}
valeur() { lire_cle "$1" /v "$2" | awk -v v="$2" '$1 == v { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }
defaut() { lire_cle "$1" /ve | awk '/REG_SZ/ { sub(/.*REG_SZ +/, ""); print }'; }

# The window of a running Quillon, by its title, within 60 s.
attendre_fenetre() {
  for _ in $(seq 120); do
    if xwininfo -root -tree 2>/dev/null | grep '"Quillon"' >/dev/null; then sleep 2; return 0; fi
    sleep 0.5
  done
  return 1
}
# Another window than Quillon's in front (the system's save dialog has no
# title of its own), within 30 s.
attendre_dialogue() {
  for _ in $(seq 60); do
    nom="$(xdotool getactivewindow getwindowname 2>/dev/null || true)"
    [ -n "$nom" ] && [ "$nom" != Quillon ] && { sleep 1; return 0; }
    [ -z "$nom" ] && xdotool getactivewindow >/dev/null 2>&1 && { sleep 1; return 0; }
    sleep 0.5
  done
  return 1
}
arreter_quillon() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w 2>/dev/null || true
}

# 1. The silent install.
wine "$sortie/quillon-setup.exe" /S
wineserver -w
[ -f "$programmes/quillon.exe" ] || echec "no quillon.exe under Program Files"
for f in Qt6Core.dll platforms/qwindows.dll k.bmp ess0.nst QUIL_PED.doc traductions/quillon_en.qm translations/qtbase_fr.qm; do
  [ -f "$programmes/$f" ] || echec "$f not installed"
done
[ -f "$menu/Quillon.lnk" ] || echec "no Start-menu entry"
[ "$(valeur "$cle" DisplayName)" = Quillon ] || echec "no entry in the list of programs"
[ "$(defaut 'HKLM\Software\Classes\.nst')" = Quillon.Travail ] || echec ".nst not associated"
[ "$(defaut 'HKLM\Software\Classes\.fch')" = Quillon.Fechner ] || echec ".fch not associated"
commande="$(defaut 'HKLM\Software\Classes\Quillon.Travail\shell\open\command')"
[ "$commande" = '"C:\Program Files\Quillon\quillon.exe" "%1"' ] || echec "open command: $commande"
echo "installed: $(find "$programmes" -type f | wc -l) files, $(du -sk "$programmes" | cut -f1) KiB"

# 2. The installed program, started from its folder.
(cd "$programmes" && wine quillon.exe >/dev/null 2>&1 &)
attendre_fenetre || echec "the installed program shows no window"
import -window root "$images/installe.png"
arreter_quillon

# 3. A work file in Documents, opened by a double click and saved again with
# Ctrl+S under another name: its steps as they were (the potentials are the
# ones the chart plots); that file opened and saved again: the same bytes.
# Two steps (GK, GNa, [K]i, [K]e, [Na]i, [Na]e each), then their potentials, CR LF.
printf '%s\r\n' 2 50 20 140 6 16 150 100 0 150 6 8 144 \
  ' 0.00000000000000E+0000' '-8.53700000000000E+0001' > "$HOME/Documents/tp.nst"
ouvrir_et_enregistrer() { # $1 the file opened, $2 the name it is saved under
  wine start /unix "$HOME/Documents/$1"
  attendre_fenetre || echec "a double-clicked .nst starts no Quillon"
  import -window root "$images/ouvert_$1.png"
  xdotool search --name '^Quillon$' windowactivate --sync 2>/dev/null || true
  xdotool key ctrl+s
  attendre_dialogue || echec "Ctrl+S opens no save dialog"
  import -window root "$images/enregistrer_$1.png"
  # The name field holds the filter "*.nst": emptied, then the name typed.
  xdotool key End
  for _ in $(seq 12); do xdotool key BackSpace; done
  xdotool type --delay 60 "$2"
  xdotool key Return
  for _ in $(seq 40); do [ -f "$HOME/Documents/$2" ] && break; sleep 0.5; done
  [ -f "$HOME/Documents/$2" ] || echec "nothing saved in Documents as $2"
  sleep 1
  arreter_quillon
  cp "$HOME/Documents/$1" "$HOME/Documents/$2" "$images/"
}
ouvrir_et_enregistrer tp.nst relu.nst
[ "$(head -n 13 "$HOME/Documents/tp.nst")" = "$(head -n 13 "$HOME/Documents/relu.nst")" ] \
  || echec "the saved steps differ from the opened ones"
ouvrir_et_enregistrer relu.nst relu2.nst
# The same file, but that each potential plotted again may differ by a millionth of
# a millivolt (the membrane potential relaxes on timers of its own meanwhile).
paste -d ' ' "$HOME/Documents/relu.nst" "$HOME/Documents/relu2.nst" | tr -d '\r' | awk '
  NR <= 13 && $1 != $2 { exit 1 }
  NR > 13 && (length($0) != 47 || ($1 - $2) > 1e-6 || ($2 - $1) > 1e-6) { exit 1 }
  END { if (NR != 15) exit 1 }' || echec "a file saved and opened again is not saved the same"

# 4. The silent uninstall.
wine "$programmes/desinstaller.exe" /S
wineserver -w
sleep 3 # the uninstaller finishes in a copy of itself
wineserver -w
reste="$(find "$programmes" -type f 2>/dev/null | head -n 5 || true)"
[ -z "$reste" ] || echec "left in the install folder: $reste"
[ ! -e "$menu" ] || echec "Start-menu entry left"
[ -z "$(defaut 'HKLM\Software\Classes\.nst')" ] || echec ".nst still associated"
[ -z "$(defaut 'HKLM\Software\Classes\Quillon.Travail')" ] || echec "Quillon.Travail left"
[ -z "$(valeur "$cle" DisplayName)" ] || echec "entry left in the list of programs"
[ -f "$HOME/Documents/tp.nst" ] && [ -f "$HOME/Documents/relu2.nst" ] || echec "the user's files were removed"
echo "install, start, double click, save in Documents, uninstall: passed"
