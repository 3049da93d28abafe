#include "lanceur.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace quillon {

void LanceurSysteme::ouvrir_document(const QString& chemin)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(chemin));
}

bool LanceurSysteme::demarrer(const LancementMerlade& l)
{
    return QProcess::startDetached(l.programme, l.arguments, l.dossier);
}

} // namespace quillon
