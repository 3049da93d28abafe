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

// Classic light look, the texts in the language kept (langue_retenue) with
// Qt's standard dialogs in the same language; calls enregistrer_polices.
void preparer_application(QApplication& app);

// Shows the texts made from now on in the language `code` ("fr": as written;
// else <dossier_prog>/traductions/quillon_<code>.qm), Qt's own dialogs and
// the dates too. False, and French, when the translation cannot be read.
bool appliquer_langue(const QString& code, const QString& dossier_prog);

// A language's name in that language ("Français", "English"), for the menu.
QString nom_langue(const QString& code, const QString& dossier_prog);

// A text of the program in the language `code`, whichever is shown: its
// translation in that language, else the French as written.
QString texte_en(const QString& code, const QString& dossier_prog, const char* contexte, const char* texte);

} // namespace quillon
