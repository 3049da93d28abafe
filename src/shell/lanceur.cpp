#include "lanceur.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace quillon {

void LanceurSysteme::ouvrir_document(const QString& chemin)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(chemin));
}

void LanceurSysteme::demarrer(const LancementMerlade& l)
{
    QProcess::startDetached(l.programme, l.arguments, l.dossier);
}

} // namespace quillon
