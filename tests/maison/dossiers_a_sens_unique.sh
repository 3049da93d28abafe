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
# A window design's generated form ("ui_name.h") belongs to the class it
# designs: only that class's own files (name.h, name.cpp) include it; any
# other file, of its folder or another, reads the class, not its widgets.
etrangers=$(grep -o '^[[:space:]]*#[[:space:]]*include[[:space:]]*"ui_[^"]*\.h"' -r . --include='*.h' --include='*.cpp' \
  | sed 's#^\./\([^:]*\):.*"ui_\([^"]*\)\.h"$#\1 \2#' | sort -u | while read -r fichier forme; do
      base=$(basename "$fichier"); base=${base%.*}
      d=$(dirname "$fichier")
      if [ "$base" != "$forme" ] || [ ! -f "$d/$forme.h" ]; then
        echo "  $fichier includes ui_$forme.h, the form of $(ls */"$forme".h 2>/dev/null | head -n 1)"
      fi
    done)
if [ -n "$etrangers" ]; then
  echo "Files of src/ that include the window design of another class:" >&2
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
