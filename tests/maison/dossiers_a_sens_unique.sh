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
