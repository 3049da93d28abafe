#!/bin/sh
# The folders of src/ include one another one way only: every
# `#include "folder/..."` between two folders is an edge, and the edges must
# sort (tsort) without a loop. Prints the loop and fails otherwise.
set -eu
src="${1:?usage: dossiers_a_sens_unique.sh <src folder>}"
cd "$src"
aretes=$(mktemp)
trap 'rm -f "$aretes"' EXIT
for dossier in */; do
  d=${dossier%/}
  # Each folder stands in the graph even when it includes nothing.
  echo "$d $d" >> "$aretes"
  grep -ho '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]*/' -r "$d" --include='*.h' --include='*.cpp' \
    | sed 's/.*"\([^"/]*\)\/$/\1/' | sort -u | while read -r cible; do
      if [ -d "$cible" ] && [ "$cible" != "$d" ]; then
        echo "$d $cible" >> "$aretes"
      fi
    done
done
# A window design's generated form ("ui_name.h") belongs to the folder of
# the class it designs (name.h): another folder reads that class, not its widgets.
etrangers=$(grep -o '^[[:space:]]*#[[:space:]]*include[[:space:]]*"ui_[^"]*\.h"' -r . --include='*.h' --include='*.cpp' \
  | sed 's#^\./\([^/]*\)/.*"ui_\([^"]*\)\.h"$#\1 \2#' | sort -u | while read -r d forme; do
      [ -f "$d/$forme.h" ] || echo "  $d includes ui_$forme.h, the form of $(dirname "$(ls */"$forme".h 2>/dev/null | head -n 1)")"
    done)
if [ -n "$etrangers" ]; then
  echo "Folders of src/ that include another folder's window design:" >&2
  echo "$etrangers" >&2
  exit 1
fi
if ! tsort "$aretes" > /dev/null 2> "$aretes.err"; then
  echo "Folders of src/ that include each other:" >&2
  cat "$aretes.err" >&2
  sed 's/^/  /' "$aretes" | awk '$1 != $2' >&2
  rm -f "$aretes.err"
  exit 1
fi
rm -f "$aretes.err"
echo "src/ folders, each above the folders it includes:"
tsort "$aretes" | tr '\n' ' '
echo
