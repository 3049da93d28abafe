#include "compte_rendu.h"

#include "common/dialogues.h"
#include "outputs/mise_en_page_rapport.h"
#include "outputs/sections_rapport.h"
#include "outputs/travail.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace quillon {

namespace {

bool demander_identite(Travail& f)
{
    const std::optional<Identite> qui = f.dialogues().identite(f.eleves());
    if (!qui)
        return false;
    f.eleves() = *qui;
    return true;
}

bool enregistrer_pdf(Travail& f)
{
    const QDateTime maintenant = QDateTime::currentDateTime();
    return enregistrer_fichier_utilisateur(f.dialogues(),
                                    {QStringLiteral("SaveDialogCompteRendu"), QStringLiteral("pdf"),
                                     QStringLiteral("PDF (*.pdf)"), nom_compte_rendu(f.eleves(), maintenant.date()),
                                     true, {}},
                                    [&](QIODevice& fichier) {
                                        return ecrire_compte_rendu(fichier, sections_utilisees(f), f.eleves(),
                                                                   maintenant);
                                    });
}

} // namespace

bool Compterendu1Click(Travail& f)
{
    return demander_identite(f) && enregistrer_pdf(f);
}

bool Imprimercompterendu1Click(Travail& f)
{
    if (!demander_identite(f))
        return false;
    if (!f.imprimante_installee()) {
        if (f.dialogues().question(QCoreApplication::translate("CompteRendu", "Aucune imprimante n'est installée.\n\n"
                                                             "Enregistrer le compte rendu en PDF à la place ?"),
                                              false)
            == Reponse::Oui)
            return enregistrer_pdf(f);
        return false;
    }
    const std::vector<SectionRapport> sections = sections_utilisees(f);
    const QDateTime maintenant = QDateTime::currentDateTime();
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 15),
                                         QPageLayout::Millimeter));
    QPrintDialog dialogue(&imprimante, f.fenetre());
    dialogue.setWindowTitle(QCoreApplication::translate("CompteRendu", "Imprimer le compte rendu"));
    dialogue.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialogue.setMinMax(1, pages_compte_rendu(imprimante, sections, f.eleves(), maintenant));
    if (dialogue.exec() != QDialog::Accepted)
        return false;
    if (imprimer_compte_rendu(imprimante, sections, f.eleves(), maintenant) == 0) {
        f.dialogues().message(QCoreApplication::translate("CompteRendu", "Impossible d'imprimer le compte rendu."));
        return false;
    }
    return true;
}

} // namespace quillon
