#pragma once
// Pictures read by their name's format, and their 2x drawings on a dense screen.
#include <QImage>
#include <QString>

namespace quillon {

// A picture read in the format its name ends with. Reading by the name spares
// the start-up from loading every image plugin to guess the format from the
// content; a file whose content is not of its named format gives a null image.
QImage lire_image(const QString& chemin);

// A picture only shown, never drawn on nor read by a rule: on a screen
// denser than 1 its twice-as-large drawing "name@2x.ext", when there is one,
// of device pixel ratio 2; otherwise lire_image's.
QImage lire_image_affichee(const QString& chemin);

} // namespace quillon
