#include "dossier.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace quillon {

QString dossier_depuis_ligne_commande(const QString& ligne)
{
    QString s = ligne;
    const qsizetype p = s.lastIndexOf(QLatin1Char('\\'));
    if (p < 0)
        return QStringLiteral(".\\");
    s.remove(p, 100);
    s.remove(QLatin1Char('"'));
    if (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    for (QChar& c : s) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    if (!s.endsWith(QLatin1Char('\\')))
        s += QLatin1Char('\\');
    return s;
}

QString programme_de_ligne_commande(const QString& ligne)
{
    if (ligne.startsWith(QLatin1Char('"'))) {
        const qsizetype fin = ligne.indexOf(QLatin1Char('"'), 1);
        if (fin < 0)
            return ligne;
        const bool blanc = fin + 1 < ligne.size() && ligne.at(fin + 1) == QLatin1Char(' ');
        return ligne.left(fin + 1 + (blanc ? 1 : 0));
    }
    for (qsizetype i = ligne.indexOf(QLatin1String(".exe"), 0, Qt::CaseInsensitive); i >= 0;
         i = ligne.indexOf(QLatin1String(".exe"), i + 1, Qt::CaseInsensitive)) {
        const qsizetype fin = i + 4;
        if (fin == ligne.size() || ligne.at(fin) == QLatin1Char(' ') || ligne.at(fin) == QLatin1Char('\t'))
            return ligne.left(fin);
    }
    return ligne;
}

#ifndef QUILLON_DONNEES_RELATIF
// The data folder seen from the executable's folder once installed
// (GNUInstallDirs' bin/ and share/quillon/ by default).
#define QUILLON_DONNEES_RELATIF "../share/quillon"
#endif

QString dossier_pour_executable(const QString& dossier_executable)
{
    const QDir ici(dossier_executable);
    QString dossier = dossier_executable;
    if (!ici.exists(QStringLiteral("k.bmp")) && !ici.exists(QStringLiteral("ess0.nst")))
        dossier = QDir::cleanPath(ici.filePath(QStringLiteral(QUILLON_DONNEES_RELATIF)));
    return dossier.endsWith(QLatin1Char('/')) ? dossier : dossier + QLatin1Char('/');
}

QString dossier_programme()
{
#ifdef Q_OS_WIN
    return dossier_depuis_ligne_commande(programme_de_ligne_commande(QString::fromWCharArray(GetCommandLineW())));
#else
    // applicationDirPath follows the executable's real path (/proc/self/exe),
    // read directly before the application object exists.
    QString dossier = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
    if (dossier.isEmpty())
        dossier = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    if (dossier.isEmpty())
        dossier = QCoreApplication::applicationDirPath();
    if (dossier.isEmpty())
        dossier = QDir::currentPath();
    return dossier_pour_executable(dossier);
#endif
}

} // namespace quillon
