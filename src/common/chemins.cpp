#include "chemins.h"

#include <QDir>
#include <QFileInfo>

namespace quillon {

namespace {

QString normaliser(QString chemin)
{
    chemin.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(chemin);
}

// Finds, in dossier, the entry whose name equals nom ignoring case.
QString entree_sans_casse(const QString& dossier, const QString& nom)
{
    const QDir d(dossier.isEmpty() ? QStringLiteral(".") : dossier);
    const QStringList entrees =
        d.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& e : entrees) {
        if (e.compare(nom, Qt::CaseInsensitive) == 0)
            return e;
    }
    return QString();
}

} // namespace

QString chemin_local(const QString& chemin)
{
    const QString propre = normaliser(chemin);
    if (propre.isEmpty() || QFileInfo::exists(propre))
        return propre;

    // Rebuild the path component by component, keeping those that exist
    // as written and matching the others without regard to case.
    const bool absolu = propre.startsWith(QLatin1Char('/'));
    const QStringList parties = propre.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString courant = absolu ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parties.size(); ++i) {
        const QString& partie = parties[i];
        QString candidat = courant.isEmpty() ? partie
                           : courant.endsWith(QLatin1Char('/')) ? courant + partie
                                                                 : courant + QLatin1Char('/') + partie;
        if (partie != QLatin1String(".") && partie != QLatin1String("..") && !QFileInfo::exists(candidat)) {
            const QString trouve = entree_sans_casse(courant, partie);
            if (trouve.isEmpty())
                return propre;
            candidat = courant.isEmpty() ? trouve
                       : courant.endsWith(QLatin1Char('/')) ? courant + trouve
                                                             : courant + QLatin1Char('/') + trouve;
        }
        courant = candidat;
    }
    return courant;
}

QString chemin_fichier(const QString& dossier, const QString& nom)
{
    return chemin_local(dossier + QLatin1Char('/') + nom);
}

} // namespace quillon
