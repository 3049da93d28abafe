#include "dossiers_utilisateur.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quillon {

namespace {

const char* const cle_dossier_travail = "fichiers/dossier";

QString dossier_cree(QStandardPaths::StandardLocation ou)
{
    const QString dossier = QStandardPaths::writableLocation(ou);
    return !dossier.isEmpty() && QDir().mkpath(dossier) ? dossier : QString();
}

} // namespace

QSettings reglages_utilisateur()
{
    return QSettings(QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                         .filePath(QStringLiteral("reglages.ini")),
                     QSettings::IniFormat);
}

bool dossier_inscriptible(const QString& dossier)
{
    const QString chemin = QDir::fromNativeSeparators(dossier);
#ifdef Q_OS_UNIX
    // The effective user: QFileInfo asks for the real one, which a program
    // started through a setuid wrapper, or root acting as another user, is not.
    return faccessat(AT_FDCWD, QFile::encodeName(chemin).constData(), W_OK | X_OK, AT_EACCESS) == 0;
#else
    return QFileInfo(chemin).isWritable();
#endif
}

QString dossier_documents()
{
    const QString d = dossier_cree(QStandardPaths::DocumentsLocation);
    return d.isEmpty() ? QDir::homePath() : d;
}

QString dossier_travail()
{
    const QString dernier = reglages_utilisateur().value(QLatin1String(cle_dossier_travail)).toString();
    if (!dernier.isEmpty() && QFileInfo(dernier).isDir())
        return dernier;
    return dossier_documents();
}

void retenir_dossier_travail(const QString& dossier)
{
    reglages_utilisateur().setValue(QLatin1String(cle_dossier_travail), dossier);
}

QString dossier_pour_enregistrer(const QString& propose)
{
    if (!propose.isEmpty() && dossier_inscriptible(propose))
        return propose;
    const QString travail = dossier_travail();
    return dossier_inscriptible(travail) ? travail : dossier_documents();
}

} // namespace quillon
