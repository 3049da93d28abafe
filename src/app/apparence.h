#pragma once
// Look of the program: fonts, palette, style and Qt's own French texts.
#include <QtGlobal>

class QApplication;
class QString;

namespace quillon {

// Registers the fonts the windows are designed in ("Tahoma", "MS Sans Serif",
// "System") when the system ships them, and maps "Arial" and "Times New
// Roman" to their metric-compatible twins. At a device pixel ratio other
// than 1 the two bitmap-only faces are left out: their families are drawn
// in Tahoma (or Liberation Sans), which scales.
void enregistrer_polices(qreal ratio = 1);

// Where the system keeps one of those font files (e.g. "system.ttf"), or an
// empty text.
QString fichier_police(const QString& nom);

// Classic light look, French standard dialogs; calls enregistrer_polices.
void preparer_application(QApplication& app);

} // namespace quillon
