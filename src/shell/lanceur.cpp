#include "lanceur.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace quillon {

namespace {

// Whether the desktop names a program for documents of this file's type.
// Without the freedesktop tools, Qt's own answer is all there is.
bool programme_associe(const QString& chemin)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString xdg_mime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdg_mime.isEmpty())
        return true;
    QProcess p;
    p.start(xdg_mime, {QStringLiteral("query"), QStringLiteral("default"),
                       QMimeDatabase().mimeTypeForFile(chemin).name()});
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished(1000);
        return true; // no answer: let the opening try
    }
    return !p.readAllStandardOutput().trimmed().isEmpty();
#else
    Q_UNUSED(chemin);
    return true;
#endif
}

} // namespace

bool LanceurSysteme::ouvrir_document(const QString& chemin)
{
    return programme_associe(chemin) && QDesktopServices::openUrl(QUrl::fromLocalFile(chemin));
}

bool LanceurSysteme::demarrer(const LancementMerlade& l)
{
    return QProcess::startDetached(l.programme, l.arguments, l.dossier);
}

} // namespace quillon
