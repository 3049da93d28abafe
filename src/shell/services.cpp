#include "services.h"

#include "common/reglages.h"

#include <QDir>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace quillon {

Lanceur& lanceur_systeme()
{
    static LanceurSysteme lanceur;
    return lanceur;
}

bool imprimante_systeme()
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

QString fichier_couleurs_utilisateur()
{
    // The current directory moves with the pages and the file dialogs: the
    // colours are kept where they are found again at the next start.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QLatin1String(reglages::fichier_couleurs));
}

} // namespace quillon
