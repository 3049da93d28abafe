#include "commandes_documents.h"

#include "app/sonde.h"
#include "common/langue.h"
#include "shell/lanceur.h"
#include "shell/merlade.h"
#include "shell/tform_image.h"
#include "shell/tform_richedit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace quillon {

void CommandesDocuments::document_enseignants()
{
    const QString chemin = document_dans_la_langue(services_.dossier_prog, QStringLiteral("\\QUIL_PED.doc"));
    const QString affiche = QDir::toNativeSeparators(QDir::cleanPath(QDir::fromNativeSeparators(chemin)));
    if (!QFile::exists(chemin))
        erreur_(QCoreApplication::translate("TForm1", "Impossible d'ouvrir le fichier %1").arg(affiche));
    else if (!services_.lanceur->ouvrir_document(chemin))
        erreur_(QCoreApplication::translate("TForm1", "Aucun programme de cet ordinateur ne peut ouvrir le document des "
                                                      "enseignants :\n%1").arg(affiche));
}

void CommandesDocuments::phases_de_test()
{
    if (services_.fenetres != nullptr)
        services_.fenetres->Form_richedit().ouvrir_phases(services_.dossier_prog, fenetre_);
}

void CommandesDocuments::figure_refractaire()
{
    document_stimulation(QCoreApplication::translate("TForm1", "Mesure de la période réfractaire"), "\\refract.jpg", "&refr~A.exw");
}

void CommandesDocuments::figure_recrutement()
{
    document_stimulation(QCoreApplication::translate("TForm1", "Mesure du recrutement des fibres"), "\\recrut.jpg", "&recr~A.exw");
}

void CommandesDocuments::document_stimulation(const QString& titre, const char* image, const char* experience)
{
    if (version_windows_ == version_vista) {
        if (services_.fenetres == nullptr)
            return;
        TForm_image& Form_image = services_.fenetres->Form_image();
        Form_image.definir_titre(titre);
        if (const std::optional<QString> m = Form_image.lire_image(document_dans_la_langue(services_.dossier_prog, QString::fromLatin1(image))))
            erreur_(*m);
        return;
    }
    // Older systems: the acquisition program runs the experiment of the
    // program folder, started in its own folder.
    const QString programme = QDir::toNativeSeparators(QDir(QDir::fromNativeSeparators(services_.dossier_prog)).absolutePath());
    if (const std::optional<LancementMerlade> l
        = lancement_merlade(services_.dossier_mrl, programme, QString::fromLatin1(experience)))
        services_.lanceur->demarrer(*l);
}

} // namespace quillon
