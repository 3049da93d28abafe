#pragma once
// The program's icon, two-state button glyphs and icons made when first drawn.
#include <QIcon>
#include <QString>

#include <functional>

namespace quillon {

// A button glyph of two states side by side: the left half shows when the
// button is enabled, the right half when it is not.
QIcon icone_deux_etats(const QString& chemin);

// The program's icon at the sizes window managers show.
QIcon icone_programme();

// An icon made by `fabrique` the first time it is drawn or measured, and kept:
// its pictures are not read while the window is built, nor ever if it never
// shows. It is not null until made.
QIcon icone_differee(std::function<QIcon()> fabrique);

} // namespace quillon
