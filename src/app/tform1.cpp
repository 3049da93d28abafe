#include "tform1.h"

#include "ui_tform1.h"

#include "common/polices.h"
#include "app/commande_langue.h"
#include "app/commande_taille.h"
#include "app/commandes_fichiers.h"
#include "outputs/compte_rendu.h"
#include "app/preferences.h"
#include "app/travail_fait.h"
#include "app/demarrage_fenetre.h"
#include "app/travail_fenetre.h"
#include "app/commandes_documents.h"
#include "app/placement_fenetre.h"
#include "outputs/menu_images.h"
#include "common/lecture_image.h"
#include "common/icones.h"
#include "common/barre_onglets.h"
#include "ionic/page_ionique.h"
#include "labelling/page_accueil.h"
#include "stimulation/page_stimulation.h"
#include "colours/mise_en_couleur.h"
#include "shell/lanceur.h"
#include "shell/merlade.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace quillon {

TForm1::TForm1(Services services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), dossier_lancement_(QDir::currentPath()),
      ui_(std::make_unique<Ui::TForm1>())
{
    if (services_.dialogues == nullptr) {
        dialogues_fenetre_ = std::make_unique<DialoguesFenetre>(this);
        services_.dialogues = dialogues_fenetre_.get();
    }
    travail_ = std::make_unique<TravailFenetre>(*this, services_);
    garde_ = std::make_unique<GardeTravail>(
        [this] {
            return empreinte_travail(accueil().exercice(), pages_construites_ ? &stimulation() : nullptr,
                                     pages_construites_ ? &ionique().modele() : nullptr);
        },
        [this](const QString& question) { return !fichiers_ || fichiers_->proposer_enregistrement(question); },
        [this] { return quillon::Compterendu1Click(*travail_); }, *services_.dialogues);
    documents_ = std::make_unique<CommandesDocuments>(this, services_, version_windows,
                                                      [this](const QString& m) { afficher_erreur(m); });
    ui_->setupUi(this);
    polices_en_pixels(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Screen readers: the tab row, and the three pages without a caption.
    ui_->Notebook1->tabBar()->setAccessibleName(QCoreApplication::translate("TForm1", "Onglets des pages"));
    for (const Page p : {Page::champs_recepteurs, Page::discrimination, Page::activite_reflexe})
        ui_->Notebook1->tabBar()->setAccessibleTabName(onglet(p), QCoreApplication::translate("TForm1", "Page vide"));

    ui_->BitBtn3->setIcon(icone_differee([] { return icone_deux_etats(QStringLiteral(":/art/correction.png")); }));
    ui_->BitBtn3->setIconSize(QSize(16, 16));
    ui_->BitBtn2->setIcon(icone_differee(
        [] { return QIcon(QPixmap::fromImage(lire_image_affichee(QStringLiteral(":/art/information.png")))); }));
    ui_->BitBtn2->setIconSize(QSize(16, 16));

    accueil_ = new PageAccueil(ui_->page_accueil, ui_->lab_result, ui_->BitBtn3, ui_->BitBtn23, this);

    Timer_debut = new QTimer(this);
    Timer_debut->setObjectName(QStringLiteral("Timer_debut"));
    Timer_debut->setInterval(10);
    Timer_debut->setTimerType(Qt::PreciseTimer);
    Timer_debut->start();

    // The pages behind the tabs are built once the window shows, so that it
    // shows sooner; whatever reaches them first builds them earlier.
    QTimer::singleShot(0, this, &TForm1::construire_pages);

    connect(ui_->BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(ui_->BitBtn24, &QPushButton::clicked, this, &TForm1::BitBtn24Click);
    for (const auto& [action, gestionnaire] :
         {std::pair{ui_->Miseencouleur1, &TForm1::Miseencouleur1Click}, {ui_->Quitter1, &TForm1::Quitter1Click},
          {ui_->Ouvrir1, &TForm1::Ouvrir1Click}, {ui_->Sauve1, &TForm1::Sauve1Click},
          {ui_->Informations1, &TForm1::BitBtn2Click}, {ui_->Compterendu1, &TForm1::Compterendu1Click},
          {ui_->Imprimercompterendu1, &TForm1::Imprimercompterendu1Click},
          {ui_->Afficherlespotdquilibre1, &TForm1::Afficherlespotdquilibre1Click},
          {ui_->Apropos1, &TForm1::Apropos1Click}, {ui_->Curseursdemesure1, &TForm1::Curseursdemesure1Click}})
        connect(action, &QAction::triggered, this, gestionnaire);
    // Work files from the keyboard, as every desktop program: Ctrl+O, Ctrl+S,
    // Ctrl+Q (the system's own keys: Windows has none to quit, Alt+F4 does).
    ui_->Ouvrir1->setShortcut(QKeySequence::Open);
    ui_->Sauve1->setShortcut(QKeySequence::Save);
    ui_->Quitter1->setShortcut(QKeySequence::Quit);
    // F1 opens the teachers' document, whichever page shows: it is the
    // program's only help, and it explains each page in turn (the test
    // phases' script checks the program, it does not explain it).
    ui_->Informations1->setShortcut(QKeySequence::HelpContents);
    // F10 opens the first menu, as on the desktops where Qt leaves it to the program.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
        ui_->MainMenu1->setActiveAction(ui_->Fichier1->menuAction());
        for (QAction* a : ui_->Fichier1->actions())
            if (!a->isSeparator() && a->isEnabled()) {
                ui_->Fichier1->setActiveAction(a);
                break;
            }
    });
    // The report from the keyboard: Ctrl+P prints it, Ctrl+Maj+P saves it as PDF.
    ui_->Compterendu1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    ui_->Imprimercompterendu1->setShortcut(QKeySequence::Print);
    ui_->Curseursdemesure1->setChecked(curseurs_mesure_retenus());
    auto* rythmes = new QActionGroup(this);
    const Vitesse retenue = vitesse_retenue();
    // Each pace tied to its action, whatever its caption says.
    for (const auto& [a, v] : {std::pair{ui_->Vitesselente1, Vitesse::lente},
                               {ui_->Vitessemoyenne1, Vitesse::moyenne}, {ui_->Vitesserapide1, Vitesse::rapide}}) {
        rythmes->addAction(a);
        a->setChecked(v == retenue);
        connect(a, &QAction::triggered, this, [this, rythme = v] { VitesseClick(rythme); });
    }
    vitesse_ = retenue;
    connect(ui_->Notebook1->barre(), &BarreOnglets::clicOnglet, this, [this] { Notebook1Click(); });
    // A page is seen however it shows: its tab, the keyboard, a menu, a work file opened.
    connect(ui_->Notebook1, &QTabWidget::currentChanged, this, [this] { retenir_page_vue(); });
    taille_ = new CommandeTaille(*this,
                                 {ui_->Tailledaffichage1, ui_->Taille100, ui_->Taille125, ui_->Taille150,
                                  ui_->Taille200, ui_->Agrandir1, ui_->Reduire1},
                                 *services_.lanceur, services_.programme);
    new CommandeLangue(*this, ui_->Langue1, *taille_, services_.dossier_prog);

    connect(Timer_debut, &QTimer::timeout, this, &TForm1::Timer_debutTimer);

    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::construire_pages()
{
    if (pages_construites_)
        return;
    pages_construites_ = true;
    // The program's own icon, unless the application already gives it to every window.
    if (QGuiApplication::windowIcon().isNull())
        setWindowIcon(icone_programme());
    stimulation_ = new PageStimulation(ui_->page_stimulation);
    ionique_ = new PageIonique(ui_->page_equilibres, *services_.hasard);
    ionique_->regler_vitesse(vitesse_);
    if (ui_->Curseursdemesure1->isChecked()) {
        stimulation_->activer_curseurs(true);
        ionique_->activer_curseurs(true);
    }
    fichiers_ = std::make_unique<CommandesFichiers>(ui_->Notebook1, ionique_, ui_->GroupBox3, services_.dossier_prog,
                                                    dossier_lancement_, services_.dialogues);

    couleurs_ = std::make_unique<MiseEnCouleur>(
        ui_->Notebook1,
        MiseEnCouleur::Boites{ui_->GroupBox4, ui_->GroupBox3, stimulation_->boites_a_colorer().at(0),
                              stimulation_->boites_a_colorer().at(1), ui_->GroupBox8, ionique_->boite_a_colorer()},
        services_.fichier_couleurs, [this](const QString& m) { afficher_erreur(m); },
        [fenetres = services_.fenetres]() -> Tmise_couleur* {
            return fenetres != nullptr ? &fenetres->mise_couleur() : nullptr;
        });

    connect(stimulation_, &PageStimulation::ess0_demande, this, &TForm1::BitBtn21Click);
    connect(stimulation_, &PageStimulation::figure_refractaire_demandee, this, &TForm1::BitBtn8Click);
    connect(stimulation_, &PageStimulation::figure_recrutement_demandee, this, &TForm1::BitBtn9Click);
    brancher_sorties(*travail_);
}

void TForm1::FormCreate()
{
    // The client area holds the menu bar and the notebook; the outer size
    // is corrected once the window manager tells its frame.
    setFixedSize(largeur - 16, hauteur - 38);
    centrer();
}

void TForm1::centrer()
{
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(position_depart(ecran->geometry(), ecran->availableGeometry(), {largeur, hauteur}));
}

void TForm1::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!cadre_ajuste_)
        QTimer::singleShot(0, this, &TForm1::ajuster_cadre);
}

void TForm1::moveEvent(QMoveEvent* e)
{
    QMainWindow::moveEvent(e);
    // The window manager's frame is known once it has placed the window.
    if (!cadre_ajuste_ && isVisible())
        ajuster_cadre();
}

void TForm1::ajuster_cadre()
{
    const QWindow* fenetre = windowHandle();
    if (fenetre == nullptr || cadre_ajuste_)
        return;
    const QMargins m = fenetre->frameMargins();
    if (m.isNull())
        return; // no frame: the design's client size stands
    cadre_ajuste_ = true;
    setFixedSize(largeur - m.left() - m.right(), hauteur - m.top() - m.bottom());
    centrer();
}

void TForm1::afficher_erreur(const QString& message)
{
    if (services_.afficher_erreur)
        services_.afficher_erreur(message);
    else
        QMessageBox::critical(this, windowTitle(), message);
}

void TForm1::Timer_debutTimer()
{
    DemarrageFenetre etapes(*this, services_, chemin_merlade_);
    if (const std::optional<QString> erreur = executer_demarrage(etapes)) {
        afficher_erreur(*erreur);
        return;
    }
    // A work file the program was started with, once every page is in its first state.
    fichiers().ouvrir_en_argument(services_.ligne_de_commande, dossier_lancement_);
}

void TForm1::Afficherlespotdquilibre1Click()
{
    ui_->Afficherlespotdquilibre1->setChecked(ionique().basculer_pot_eq());
}

void TForm1::Curseursdemesure1Click()
{
    const bool actifs = ui_->Curseursdemesure1->isChecked();
    fichiers().dialogues().dire_reglages(retenir_curseurs_mesure(actifs));
    stimulation().activer_curseurs(actifs);
    ionique().activer_curseurs(actifs);
}

void TForm1::VitesseClick(Vitesse v)
{
    fichiers().dialogues().dire_reglages(retenir_vitesse(v));
    // Only the intervals change; a running animation goes on at the new pace.
    vitesse_ = v;
    ionique().regler_vitesse(v);
}

void TForm1::Ouvrir1Click()
{
    fichiers().Ouvrir1Click();
}

void TForm1::Sauve1Click()
{
    fichiers().Sauve1Click();
}

void TForm1::BitBtn21Click()
{
    stimulation().lec_fic_ess0(services_.dossier_prog);
    ui_->Notebook1->montrer(Page::stimulation);
}
void TForm1::nettoyer_merlade()
{
    quillon::nettoyer_merlade(services_.dossier_mrl);
}

void TForm1::Compterendu1Click()
{
    garde_->compte_rendu_fait(quillon::Compterendu1Click(*travail_));
}

void TForm1::Imprimercompterendu1Click()
{
    garde_->compte_rendu_fait(quillon::Imprimercompterendu1Click(*travail_));
}

void TForm1::Miseencouleur1Click()
{
    couleurs().Miseencouleur1Click();
}

void TForm1::BitBtn24Click()
{
    documents_->phases_de_test();
}

void TForm1::BitBtn2Click()
{
    documents_->document_enseignants();
}

void TForm1::BitBtn8Click()
{
    documents_->figure_refractaire();
}

void TForm1::BitBtn9Click()
{
    documents_->figure_recrutement();
}

void TForm1::Notebook1Click()
{
    retenir_page_vue();
    const std::optional<Page> page = ui_->Notebook1->page();
    if (!page)
        return;
    switch (*page) {
    case Page::stimulation:
        fichiers().dossier_courant_programme();
        BitBtn21Click();
        break;
    case Page::ionique:
        ionique().calcul_images();
        break;
    case Page::champs_recepteurs:
    case Page::activite_reflexe:
        fichiers().dossier_courant_programme();
        break;
    case Page::accueil:
    case Page::discrimination:
        break;
    }
}

void TForm1::retenir_page_vue()
{
    if (const std::optional<Page> p = ui_->Notebook1->page())
        pages_vues_ |= 1u << onglet(*p);
}

Travail& TForm1::travail() const
{
    return *travail_;
}

QWidget* TForm1::dessin_neurone() const
{
    return ui_->Image2;
}

void TForm1::Quitter1Click()
{
    close();
}

void TForm1::Apropos1Click()
{
    if (services_.fenetres != nullptr)
        services_.fenetres->AboutBox().exec();
}

void TForm1::fermer_sans_question()
{
    sans_question_ = true;
    close();
    sans_question_ = false;
}

bool TForm1::rien_a_perdre(const QString& question_sequence, const QString& question_compte_rendu)
{
    return garde_->rien_a_perdre(question_sequence, question_compte_rendu);
}

void TForm1::closeEvent(QCloseEvent* e)
{
    if (!sans_question_
        && !rien_a_perdre(QCoreApplication::translate("TForm1", "Enregistrer la séquence avant de quitter ?"),
                          QCoreApplication::translate("TForm1", "Le compte rendu de ce travail n'a pas été enregistré. Quitter quand même ?"))) {
        e->ignore();
        return;
    }
    FormClose();
    e->accept();
    QMainWindow::closeEvent(e);
    emit ferme();
}

void TForm1::FormClose()
{
    nettoyer_merlade();
}

} // namespace quillon
