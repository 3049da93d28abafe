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

QString dossier_programme()
{
#ifdef Q_OS_WIN
    return dossier_depuis_ligne_commande(QString::fromWCharArray(GetCommandLineW()));
#else
    // applicationDirPath follows the executable's real path (/proc/self/exe).
    QString dossier = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
    if (dossier.isEmpty())
        dossier = QCoreApplication::applicationDirPath();
    if (dossier.isEmpty())
        dossier = QDir::currentPath();
    return dossier.endsWith(QLatin1Char('/')) ? dossier : dossier + QLatin1Char('/');
#endif
}

} // namespace quillon
