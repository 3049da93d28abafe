#pragma once
// The language of the program's texts. The texts are written in French;
// every other language is a translation, <program folder>/traductions/
// quillon_<code>.qm, compiled by the build from resources/traductions/
// quillon_<code>.ts. Files and settings do not depend on the language.
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace quillon {

// "fr", then the code of every translation found in the program folder.
QStringList langues_disponibles(const QString& dossier_prog);

// The language to start in: the one kept in the settings (`retenue`) when it
// is available; else, at the first start, the system's language when there
// is a translation for it; else "fr".
QString langue_de_depart(const QVariant& retenue, const QLocale& systeme, const QStringList& disponibles);

// The language the texts are shown in ("fr" until another is applied).
QString langue_en_cours();
void definir_langue_en_cours(const QString& code);

// The locale of dates and month names in that language.
QLocale locale_de_langue(const QString& code);

// A date and time as a reader of that language writes them: French in
// full ("mercredi 9 décembre 2026, 17:48"); another language in the long
// form of the system's own variant of it when the system speaks it (an
// American system writes month before day), else of the language's own.
QString date_et_heure(const QDateTime& quand, const QString& code, const QLocale& systeme = QLocale::system());

// A document that comes with the program, in the language shown: the copy
// in <program folder>/<code>/ when there is one, else the French one.
// `nom` may start with a separator.
QString document_dans_la_langue(const QString& dossier_prog, const QString& nom);

} // namespace quillon
