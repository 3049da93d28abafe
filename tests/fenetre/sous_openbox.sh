#!/usr/bin/env bash
# Runs a test program on an X server of its own managed by openbox, so that
# windows get a real frame as on a pupil's desktop. The server picks a free
# display number itself.
set -euo pipefail
dossier="$(mktemp -d)"
xvfb=""
gestionnaire=""
nettoyer() {
  [ -n "$gestionnaire" ] && kill "$gestionnaire" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$dossier"
}
trap nettoyer EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dossier/ecran" 2>"$dossier/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do
  [ -s "$dossier/ecran" ] && break
  sleep 0.05
done
[ -s "$dossier/ecran" ] || { cat "$dossier/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$dossier/ecran")"
export XDG_CONFIG_HOME="$dossier/config"
# openbox runs its start-up command once it manages the screen.
openbox --sm-disable --startup "touch $dossier/pret" 2>"$dossier/openbox.log" &
gestionnaire=$!
for _ in $(seq 200); do
  [ -e "$dossier/pret" ] && break
  sleep 0.05
done
[ -e "$dossier/pret" ] || { cat "$dossier/openbox.log" >&2; echo "openbox did not start" >&2; exit 1; }
statut=0
"$@" || statut=$?
[ "$statut" -eq 0 ] || cat "$dossier/openbox.log" >&2
exit "$statut"
