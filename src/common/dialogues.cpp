#include "dialogues.h"

#include "common/dossiers_utilisateur.h"
#include "common/enregistrement.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace quillon {

namespace {

// A name with a wildcard: a filter of the list, not a file.
bool motif(const QString& nom)
{
    return nom.contains(QLatin1Char('*')) || nom.contains(QLatin1Char('?'));
}

// Qt's dialog takes a name typed with a wildcard (as "*.nst", the name
// field's text at opening) for a file's name, and would save a file called
// "*.nst": here it filters the list, as the pupil expects.
class DialogueFiltrant : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    void accept() override
    {
        const auto* nom = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (nom != nullptr && motif(nom->text())) {
            setNameFilter(nom->text());
            return;
        }
        QFileDialog::accept();
    }
};

} // namespace

std::optional<QString> DialoguesFenetre::choisir(const DialogueFichier& d)
{
    DialogueFiltrant dialogue(fenetre_, QString(), !d.dossier.isEmpty() ? d.dossier : QDir::homePath(), d.filtre);
    dialogue.setObjectName(d.nom);
    dialogue.setAcceptMode(d.enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogue.setFileMode(d.enregistrer ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialogue.setDefaultSuffix(d.extension_defaut);
    dialogue.selectFile(d.nom_fichier);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()
        || motif(QFileInfo(dialogue.selectedFiles().constFirst()).fileName()))
        return std::nullopt;
    return dialogue.selectedFiles().constFirst();
}

void DialoguesFenetre::message(const QString& texte)
{
    QMessageBox::critical(fenetre_, fenetre_ != nullptr ? fenetre_->window()->windowTitle() : QString(), texte);
}

Reponse DialoguesFenetre::question(const QString& texte, bool annuler)
{
    QMessageBox::StandardButtons boutons = QMessageBox::Yes | QMessageBox::No;
    if (annuler)
        boutons |= QMessageBox::Cancel;
    const QMessageBox::StandardButton r = QMessageBox::question(
        fenetre_, fenetre_ != nullptr ? fenetre_->window()->windowTitle() : QString(), texte, boutons,
        annuler ? QMessageBox::Cancel : QMessageBox::No);
    return r == QMessageBox::Yes ? Reponse::Oui : r == QMessageBox::No ? Reponse::Non : Reponse::Annuler;
}

Reponse DialoguesFenetre::question_ou(const QString& texte, const QString& autre)
{
    QMessageBox boite(QMessageBox::Question, fenetre_ != nullptr ? fenetre_->window()->windowTitle() : QString(),
                      texte, QMessageBox::Yes | QMessageBox::No, fenetre_);
    QPushButton* bouton = boite.addButton(autre, QMessageBox::ActionRole);
    boite.setDefaultButton(QMessageBox::No);
    boite.exec();
    if (boite.clickedButton() == bouton)
        return Reponse::Autre;
    return boite.clickedButton() == boite.button(QMessageBox::Yes) ? Reponse::Oui : Reponse::Non;
}

std::optional<Identite> DialoguesFenetre::identite(const Identite& proposee)
{
    QDialog d(fenetre_);
    d.setObjectName(QStringLiteral("DialogueCompteRendu"));
    d.setWindowTitle(QCoreApplication::translate("Dialogues", "Compte rendu"));
    auto* formulaire = new QFormLayout(&d);
    auto* noms = new QLineEdit(proposee.noms, &d);
    auto* classe = new QLineEdit(proposee.classe, &d);
    noms->setAccessibleName(QCoreApplication::translate("Dialogues", "Noms des élèves"));
    classe->setAccessibleName(QCoreApplication::translate("Dialogues", "Classe"));
    noms->setMinimumWidth(260);
    formulaire->addRow(QCoreApplication::translate("Dialogues", "&Noms des élèves :"), noms);
    formulaire->addRow(QCoreApplication::translate("Dialogues", "&Classe :"), classe);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    formulaire->addRow(boutons);
    QObject::connect(boutons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return Identite{noms->text().simplified(), classe->text().simplified()};
}

bool enregistrer_fichier_utilisateur(Dialogues& dialogues, DialogueFichier d,
                                     const std::function<bool(QIODevice&)>& ecrire)
{
    d.dossier = dossier_pour_enregistrer(dialogues.dossier_recent.isEmpty() ? dossier_travail() : dialogues.dossier_recent);
    if (d.dossier.isEmpty())
        dialogues.message(aucun_dossier_pour_enregistrer());
    const std::optional<QString> nom = dialogues.choisir(d);
    if (!nom)
        return false;
    if (fichier_du_programme(*nom)) {
        dialogues.message(refus_fichier_du_programme(*nom));
        return false;
    }
    // Made in memory, then written whole: a failure leaves any older file as it was.
    QBuffer memoire;
    memoire.open(QIODevice::WriteOnly);
    const Enregistrement e = ecrire(memoire) ? enregistrer_entier(*nom, memoire.data())
                                             : Enregistrement{false, QCoreApplication::translate("Dialogues", "le contenu n'a pas pu être préparé")};
    if (!e) {
        dialogues.message(message_enregistrement(*nom, e));
        return false;
    }
    fichier_enregistre(dialogues, *nom);
    return true;
}

void fichier_enregistre(Dialogues& dialogues, const QString& nom)
{
    if (const QString avis = avis_dossier_de_repli(nom); !avis.isEmpty())
        dialogues.message(avis);
    dialogues.dossier_recent = QFileInfo(nom).absolutePath();
    dialogues.dire_reglages(retenir_dossier_travail(dialogues.dossier_recent));
}

void Dialogues::dire_reglages(const Enregistrement& e)
{
    if (e || reglages_dits_)
        return;
    reglages_dits_ = true;
    message(message_reglages(e));
}

} // namespace quillon
