#!/bin/sh
# The folders of src/ include one another one way only: every
# `#include "folder/..."` between two folders is an edge, and the edges must
# sort (tsort) without a loop. Prints the loop and fails otherwise; fails
# too on a file that includes another class's window design, and on a rules
# file that names a widget by its design name.
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
# The rules (the files of the quillon_regles library, listed in
# CMakeLists.txt) name what things are, not the widgets that show them: no
# name in the form of the window designs' (BitBtn12, Label3, Panel2,
# GroupBox10, Shape4, Scroll_gk, in any case) in their code or comments.
# Allowed: the two start-up steps that run the permeability bars' change
# handlers while the concentrations are still zero, named after them.
regles=$(awk '/^add_library\(quillon_regles[[:space:]]/ { dans = 1; next } dans && /^\)/ { dans = 0 } dans' CMakeLists.txt)
if [ -z "$regles" ]; then
  echo "No file of quillon_regles found in $src/CMakeLists.txt" >&2
  exit 1
fi
permis='Scroll_gkChange Scroll_gnaChange'
noms_de_widgets=$(for fichier in $regles; do
    grep -noiE '(^|[^[:alnum:]])(BitBtn[0-9]+|Label[0-9]+|Panel[0-9]+|GroupBox[0-9]+|Shape[0-9]+|Scroll_)[[:alnum:]_]*' "$fichier" \
      | sed 's/^\([0-9]*\):[^[:alnum:]]\{0,1\}/\1 /' | while read -r ligne nom; do
          case " $permis " in
            *" $nom "*) ;;
            *) echo "  $fichier:$ligne: $nom" ;;
          esac
        done
  done)
if [ -n "$noms_de_widgets" ]; then
  echo "Files of the rules that name a widget by its design name (say what it is):" >&2
  echo "$noms_de_widgets" >&2
  exit 1
fi
# A file in the rules library holds no widget (src/README.md): none includes
# Qt Widgets, Print Support or a window design.
widgets=$(for fichier in $regles; do
    grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](QtWidgets/|QtPrintSupport/|ui_|Q(Widget|MainWindow|Dialog|Label|PushButton|ScrollBar|MessageBox|Application|Menu|LineEdit|ComboBox|Printer)[>"])' "$fichier" \
      | sed "s#^#  $fichier:#"
  done)
if [ -n "$widgets" ]; then
  echo "Files of quillon_regles that include widgets (they belong in quillon_ui):" >&2
  echo "$widgets" >&2
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
