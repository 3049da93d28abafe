#include "commandes_fichiers.h"

#include "common/dossiers_utilisateur.h"
#include "common/classeur.h"
#include "ionic/page_ionique.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <QFileInfo>
#include <QTableWidget>

namespace quillon {

DialogueFichier dialogue_enregistrer_nernst()
{
    return {QStringLiteral("SaveDialog2"), QStringLiteral("nst"), QStringLiteral("nst (*.nst)"),
            QStringLiteral("*.nst"), true, {}};
}

DialogueFichier dialogue_ouvrir_fechner()
{
    return {QStringLiteral("OpenDialog1"), QStringLiteral("fch"), QStringLiteral("*.fch"), QStringLiteral("*.fch"),
            false, {}};
}

DialogueFichier dialogue_ouvrir_nernst()
{
    return {QStringLiteral("OpenDialog2"), QStringLiteral("nst"), QStringLiteral("nst (*.nst)"),
            QStringLiteral("*.nst"), false, {}};
}

DialogueFichier dialogue_ouvrir_nernst_ou_fechner()
{
    return {QStringLiteral("OpenDialog3"), QStringLiteral("nst"),
            QCoreApplication::translate("CommandesFichiers", "Nernst (*.nst);;Fechner (*.fch);;Les deux (*.nst *.fch)"),
            QStringLiteral("*.nst"),
            false, {}};
}

namespace {

QStringList fichiers_en_argument(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return {};
    // The program takes no option of its own: any it is given is passed over.
    QCommandLineParser ligne;
    ligne.parse(arguments);
    return ligne.positionalArguments();
}

} // namespace

QString fichier_en_argument(const QStringList& arguments)
{
    return fichiers_en_argument(arguments).value(0);
}

QStringList arguments_sans_fichier(const QStringList& arguments)
{
    QStringList reste = arguments.mid(1);
    for (const QString& fichier : fichiers_en_argument(arguments))
        reste.removeOne(fichier);
    reste.removeOne(QStringLiteral("--"));
    return reste;
}

CommandesFichiers::CommandesFichiers(Classeur* notebook, PageIonique* ionique, QWidget* boite_fechner,
                                     const QString& dossier_prog, const QString& dossier_depart,
                                     Dialogues* dialogues)
    : notebook_(notebook), ionique_(ionique), grille_(new QTableWidget(51, 12, boite_fechner)),
      dossier_prog_(dossier_prog), dialogues_(dialogues)
{
    grille_->setObjectName(QStringLiteral("grille_fechner"));
    grille_->setAccessibleName(QCoreApplication::translate("TForm1", "Tableau de mesures"));
    grille_->setGeometry(8, 16, 600, 480);
    // A copy unpacked beside its data opens its dialogs where it was started.
    dialogues_->dossier_recent = dossier_inscriptible(dossier_prog_) ? dossier_depart : QString();
}

std::optional<QString> CommandesFichiers::choisir(DialogueFichier d)
{
    // The dialogs open where the last file of the user's was opened or
    // saved in this run, else in the work folder kept in the settings (the
    // documents folder at first); a copy unpacked beside its data starts
    // where it was started, and goes back to its folder once a page reading
    // it was shown.
    d.dossier = dialogues_->dossier_recent.isEmpty() ? dossier_travail() : dialogues_->dossier_recent;
    // A folder a file was opened from (a teacher's read-only share) takes no
    // new file, nor does the program's own folder.
    if (d.enregistrer) {
        const bool programme = QFileInfo(d.dossier).canonicalFilePath() == QFileInfo(dossier_prog_).canonicalFilePath();
        d.dossier = dossier_pour_enregistrer(programme ? dossier_travail() : d.dossier);
        if (d.dossier.isEmpty())
            dialogues_->message(aucun_dossier_pour_enregistrer());
    }
    std::optional<QString> nom = dialogues_->choisir(d);
    // A file dialog leaves the next one, and the current directory, in the
    // chosen file's folder; a folder saved in is kept once the file is.
    if (nom) {
        QDir::setCurrent(QFileInfo(*nom).absolutePath());
        if (!d.enregistrer)
            retenir_dossier(*nom);
    }
    return nom;
}

void CommandesFichiers::retenir_dossier(const QString& nom)
{
    dialogues_->dossier_recent = QFileInfo(nom).absolutePath();
    QDir::setCurrent(dialogues_->dossier_recent);
    dialogues_->dire_reglages(retenir_dossier_travail(dialogues_->dossier_recent));
}

void CommandesFichiers::dossier_courant_programme()
{
    QDir::setCurrent(QDir::fromNativeSeparators(dossier_prog_));
    if (dossier_inscriptible(dossier_prog_))
        dialogues_->dossier_recent = QDir::fromNativeSeparators(dossier_prog_);
}

void CommandesFichiers::Sauve1Click()
{
    // The ionic page's sequence, whatever page is shown.
    enregistrer_sequence();
}

bool CommandesFichiers::enregistrer_sequence()
{
    const SequenceNernst sequence = ionique_->modele().enregistreur.sequence_tracee();
    if (sequence.etapes.empty()) {
        dialogues_->message(QCoreApplication::translate("CommandesFichiers", "Rien à enregistrer : aucune séquence n'a été enregistrée ni programmée "
                                           "sur la page \"Equilibres ioniques\"."));
        return false;
    }
    const std::optional<QString> nom = choisir(dialogue_enregistrer_nernst());
    if (!nom)
        return false;
    if (fichier_du_programme(*nom)) {
        dialogues_->message(refus_fichier_du_programme(*nom));
        return false;
    }
    if (const Enregistrement e = enregistrer_nernst(*nom, sequence); !e) {
        dialogues_->message(message_enregistrement(*nom, e));
        return false;
    }
    dans_un_fichier_ = sequence;
    fichier_enregistre(*dialogues_, *nom);
    return true;
}

bool CommandesFichiers::sequence_a_enregistrer() const
{
    const std::vector<EtapeNernst> a = ionique_->modele().enregistreur.sequence_tracee().etapes;
    const std::vector<EtapeNernst>& b = dans_un_fichier_.etapes;
    const auto meme_reglage = [](EtapeNernst x, EtapeNernst y) {
        x.em = y.em;
        return x == y;
    };
    return !a.empty() && !std::equal(a.begin(), a.end(), b.begin(), b.end(), meme_reglage);
}

bool CommandesFichiers::proposer_enregistrement(const QString& question)
{
    // What is saved is what the chart holds when the question is asked.
    ionique_->arreter_enregistrement();
    if (!sequence_a_enregistrer())
        return true;
    switch (dialogues_->question(question, true)) {
    case Reponse::Oui:
        return enregistrer_sequence();
    case Reponse::Non:
        return true;
    case Reponse::Annuler:
    case Reponse::Autre:
        break;
    }
    return false;
}

void CommandesFichiers::Ouvrir1Click()
{
    const std::optional<Page> page = notebook_->page();
    if (page == Page::discrimination) {
        if (const std::optional<QString> nom = choisir(dialogue_ouvrir_fechner()))
            lec_fechner(*nom);
        else
            dossier_courant_programme();
        return;
    }
    if (page == Page::ionique) {
        if (const std::optional<QString> nom = choisir(dialogue_ouvrir_nernst()))
            lec_nernst(*nom, true);
        return;
    }
    const std::optional<QString> nom = choisir(dialogue_ouvrir_nernst_ou_fechner());
    if (!nom) {
        if (page == Page::stimulation || page == Page::champs_recepteurs || page == Page::activite_reflexe)
            dossier_courant_programme();
        return;
    }
    lire_par_son_nom(*nom);
}

bool CommandesFichiers::ouvrir(const QString& nom)
{
    if (!lire_par_son_nom(nom))
        return false;
    retenir_dossier(nom);
    return true;
}

void CommandesFichiers::ouvrir_en_argument(const QStringList& ligne_de_commande, const QString& dossier_lancement)
{
    if (const QString nom = fichier_en_argument(ligne_de_commande); !nom.isEmpty())
        ouvrir(QDir::cleanPath(QDir(dossier_lancement).absoluteFilePath(nom)));
}

bool CommandesFichiers::lire_par_son_nom(const QString& nom)
{
    // Plain, case-sensitive substring tests: a name may hold both. A file
    // that is not read changes nothing, not even the page.
    const bool nernst = nom.contains(QLatin1String(".nst")) || nom.contains(QLatin1String(".NST"));
    const bool fechner = nom.contains(QLatin1String(".fch")) || nom.contains(QLatin1String(".FCH"));
    bool lu = false;
    if (nernst && lec_nernst(nom, true)) {
        notebook_->montrer(Page::ionique);
        lu = true;
    }
    if (fechner && lec_fechner(nom)) {
        notebook_->montrer(Page::discrimination);
        lu = true;
    }
    if (!nernst && !fechner)
        pas_un_fichier_de_travail(nom);
    return lu;
}

void CommandesFichiers::pas_un_fichier_de_travail(const QString& nom)
{
    dialogues_->message(QCoreApplication::translate("CommandesFichiers", "Le fichier %1 n'est pas un fichier de travail de Quillon.")
                            .arg(QDir::toNativeSeparators(nom)));
}

bool CommandesFichiers::lisible(const QString& nom)
{
    QFile f(nom);
    if (!f.open(QIODevice::ReadOnly)) {
        dialogues_->message(QCoreApplication::translate("CommandesFichiers", "Impossible d'ouvrir le fichier %1").arg(QDir::toNativeSeparators(nom)));
        return false;
    }
    // Empty, binary or far too large: no reader is given it.
    if (!texte_travail(f)) {
        pas_un_fichier_de_travail(nom);
        return false;
    }
    return true;
}

std::optional<SequenceNernst> CommandesFichiers::sequence_de(const QString& nom)
{
    if (!lisible(nom))
        return std::nullopt;
    ResultatNernst lu = lire_nernst(nom);
    switch (lu.etat) {
    case LectureNernst::Lue:
        break;
    case LectureNernst::Incomplete:
        dialogues_->message(QCoreApplication::translate("CommandesFichiers", "Le fichier %1 est incomplet : il n'a pas été chargé.")
                               .arg(QDir::toNativeSeparators(nom)));
        return std::nullopt;
    case LectureNernst::Illisible:
        dialogues_->message(QCoreApplication::translate("CommandesFichiers", "Impossible d'ouvrir le fichier %1").arg(QDir::toNativeSeparators(nom)));
        return std::nullopt;
    case LectureNernst::PremiereLigne:
    case LectureNernst::HorsLimites:
        // Not a work file of this page: nothing changes.
        pas_un_fichier_de_travail(nom);
        return std::nullopt;
    }
    if (!lu.possible) {
        // Values no page sets (a permeability of 99999999999): no work file either.
        pas_un_fichier_de_travail(nom);
        return std::nullopt;
    }
    return std::move(lu.sequence);
}

bool CommandesFichiers::lec_nernst(const QString& nom, bool afficher)
{
    // Steps that no file holds are not replaced without a question, asked
    // only about a file that can be opened; the answer may save over this
    // very file, which is read again after it.
    if (!sequence_de(nom)
        || !proposer_enregistrement(QCoreApplication::translate("CommandesFichiers", "Enregistrer la séquence avant d'ouvrir un autre fichier ?")))
        return false;
    const std::optional<SequenceNernst> sequence = sequence_de(nom);
    if (!sequence)
        return false;
    ionique_->charger(*sequence);
    dans_un_fichier_ = ionique_->modele().enregistreur.sequence_tracee();
    if (afficher) {
        notebook_->montrer(Page::ionique);
        ionique_->lancer_essai();
    }
    return true;
}

bool CommandesFichiers::lec_fechner(const QString& nom)
{
    TableFechner table;
    if (!lisible(nom))
        return false;
    if (!lire_fechner(nom, table)) {
        dialogues_->message(QCoreApplication::translate("CommandesFichiers", "Impossible d'ouvrir le fichier %1").arg(QDir::toNativeSeparators(nom)));
        return false;
    }
    grille_->setRowCount(fechner_lignes);
    grille_->setColumnCount(fechner_colonnes);
    for (int r = 0; r < fechner_lignes; ++r) {
        for (int c = 0; c < fechner_colonnes; ++c) {
            const QString& texte = table[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (QTableWidgetItem* cellule = grille_->item(r, c))
                cellule->setText(texte);
            else
                grille_->setItem(r, c, new QTableWidgetItem(texte));
        }
    }
    return true;
}

} // namespace quillon
