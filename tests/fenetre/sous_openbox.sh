#!/usr/bin/env bash
# Runs a test program on an X server of its own managed by openbox, so that
# windows get a real frame as on a pupil's desktop. The server picks a free
# display number itself; its screen is QUILLON_ECRAN wide and high (1280x1024
# unless set).
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
# Waits up to ten seconds for a file; the message and the log otherwise.
attendre() {
  for _ in $(seq 200); do
    [ -s "$1" ] && return 0
    sleep 0.05
  done
  cat "$3" >&2
  echo "$2" >&2
  exit 1
}
Xvfb -displayfd 3 -screen 0 "${QUILLON_ECRAN:-1280x1024}x24" -nolisten tcp 3>"$dossier/ecran" 2>"$dossier/xvfb.log" &
xvfb=$!
attendre "$dossier/ecran" "Xvfb did not start" "$dossier/xvfb.log"
export DISPLAY=":$(head -n1 "$dossier/ecran")"
export XDG_CONFIG_HOME="$dossier/config"
# openbox runs its start-up command once it manages the screen.
openbox --sm-disable --startup "sh -c 'echo 1 > $dossier/pret'" 2>"$dossier/openbox.log" &
gestionnaire=$!
attendre "$dossier/pret" "openbox did not start" "$dossier/openbox.log"
statut=0
"$@" || statut=$?
[ "$statut" -eq 0 ] || cat "$dossier/openbox.log" >&2
exit "$statut"
