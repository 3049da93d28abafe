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
racine="$(cd "$ici/../.." && pwd)"
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

echec() { echo "FAILED: $*" >&2; exit 1; }
programmes="$WINEPREFIX/drive_c/Program Files/Quillon"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillon"
cle='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon'
valeur() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }
defaut() { wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | awk '/REG_SZ/ { sub(/.*REG_SZ +/, ""); print }'; }

# The window of a running Quillon, by its title, within 60 s.
attendre_fenetre() {
  for _ in $(seq 120); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Quillon"'; then sleep 2; return 0; fi
    sleep 0.5
  done
  return 1
}
# The window with this title, within 30 s.
attendre_titre() {
  for _ in $(seq 60); do
    xdotool search --name "$1" >/dev/null 2>&1 && { sleep 1; return 0; }
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

# 3. A work file in Documents, opened by a double click, saved again with Ctrl+S.
cp "$racine/fuzz/corpus/trois_pas.nst" "$HOME/Documents/tp.nst"
wine start /unix "$HOME/Documents/tp.nst"
attendre_fenetre || echec "a double-clicked .nst starts no Quillon"
import -window root "$images/double_clic.png"
xdotool search --name '^Quillon$' windowactivate --sync 2>/dev/null || true
xdotool key ctrl+s
attendre_titre 'Enregistrer' || echec "Ctrl+S opens no save dialog"
import -window root "$images/enregistrer.png"
xdotool type --delay 60 relu
xdotool key Return
for _ in $(seq 40); do [ -f "$HOME/Documents/relu.nst" ] && break; sleep 0.5; done
[ -f "$HOME/Documents/relu.nst" ] || echec "nothing saved in Documents"
cmp "$HOME/Documents/tp.nst" "$HOME/Documents/relu.nst" || echec "the saved steps differ from the opened ones"
arreter_quillon

# 4. The silent uninstall.
wine "$programmes/desinstaller.exe" /S
wineserver -w
sleep 3 # the uninstaller finishes in a copy of itself
wineserver -w
reste="$(find "$programmes" -type f 2>/dev/null | head -n 5)"
[ -z "$reste" ] || echec "left in the install folder: $reste"
[ ! -e "$menu" ] || echec "Start-menu entry left"
[ -z "$(defaut 'HKLM\Software\Classes\.nst')" ] || echec ".nst still associated"
[ -z "$(defaut 'HKLM\Software\Classes\Quillon.Travail')" ] || echec "Quillon.Travail left"
[ -z "$(valeur "$cle" DisplayName)" ] || echec "entry left in the list of programs"
[ -f "$HOME/Documents/tp.nst" ] && [ -f "$HOME/Documents/relu.nst" ] || echec "the user's files were removed"
echo "install, start, double click, save in Documents, uninstall: passed"
