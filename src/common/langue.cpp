#include "langue.h"

#include "common/chemins.h"

#include <QDir>
#include <QFile>

namespace quillon {

namespace {

QString langue_courante = QStringLiteral("fr");

} // namespace

QStringList langues_disponibles(const QString& dossier_prog)
{
    QStringList codes{QStringLiteral("fr")};
    const QDir dossier(QDir(QDir::fromNativeSeparators(dossier_prog)).filePath(QStringLiteral("traductions")));
    for (const QString& f : dossier.entryList({QStringLiteral("quillon_*.qm")}, QDir::Files, QDir::Name)) {
        const QString code = f.mid(8, f.size() - 8 - 3);
        if (!code.isEmpty() && code != QLatin1String("fr"))
            codes << code;
    }
    return codes;
}

QString langue_de_depart(const QVariant& retenue, const QLocale& systeme, const QStringList& disponibles)
{
    if (const QString code = retenue.toString(); !code.isEmpty() && disponibles.contains(code))
        return code;
    const QString du_systeme = QLocale::languageToCode(systeme.language());
    return disponibles.contains(du_systeme) ? du_systeme : QStringLiteral("fr");
}

QString langue_en_cours()
{
    return langue_courante;
}

void definir_langue_en_cours(const QString& code)
{
    langue_courante = code;
}

QLocale locale_de_langue(const QString& code)
{
    if (code == QLatin1String("fr"))
        return QLocale(QLocale::French, QLocale::France);
    if (code == QLatin1String("en"))
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    return QLocale(code);
}

QString date_et_heure(const QDateTime& quand, const QString& code, const QLocale& systeme)
{
    if (code == QLatin1String("fr"))
        return locale_de_langue(code).toString(quand, QStringLiteral("dddd d MMMM yyyy, HH:mm"));
    const QLocale l = QLocale::languageToCode(systeme.language()) == code ? systeme : locale_de_langue(code);
    return l.toString(quand.date(), QLocale::LongFormat) + QStringLiteral(", ") + l.toString(quand.time(), QLocale::ShortFormat);
}

QString document_dans_la_langue(const QString& dossier_prog, const QString& nom)
{
    if (langue_courante != QLatin1String("fr")) {
        const QString traduit = chemin_fichier(dossier_prog, langue_courante + QLatin1Char('/') + nom);
        if (QFile::exists(traduit))
            return traduit;
    }
    return chemin_fichier(dossier_prog, nom);
}

} // namespace quillon
