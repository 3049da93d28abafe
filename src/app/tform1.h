#pragma once
// The main window: notebook of six pages, menus and their handlers, each a
// call to the page or command that owns the work.
#include "app/commandes_fichiers.h"
#include "common/dossier.h"
#include "ionic/vitesse_animation.h"
#include "outputs/travail.h"
#include "shell/services.h"

#include <QMainWindow>
#include <cstdint>
#include <memory>

class QTableWidget;
class QTimer;

namespace Ui {
class TForm1;
}

namespace quillon {

class PageAccueil;
class MiseEnCouleur;
class PageIonique;
class PageStimulation;
class CommandesFichiers;
class CommandeTaille;
class Dialogues;

class TravailFenetre;
class CommandesDocuments;
class GardeTravail;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Outer size of the window, fixed.
    static constexpr int largeur = 956;
    static constexpr int hauteur = 635;

    // What the window uses of the system, fakes in tests.
    explicit TForm1(Services services = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    Ui::TForm1* ui() const { return ui_.get(); }
    PageAccueil& accueil() const { return *accueil_; }
    // The pages behind the tabs and what hangs on them, built on first use.
    PageIonique& ionique() const { return *pages().ionique_; }
    PageStimulation& stimulation() const { return *pages().stimulation_; }
    CommandesFichiers& fichiers() const { return *pages().fichiers_; }
    // Options > "Taille d'affichage".
    CommandeTaille& taille() const { return *taille_; }
    // The hidden measurement table that ".fch" files fill, 51 x 12.
    QTableWidget* grille_fechner() const { return fichiers().grille(); }

    std::uint8_t version_windows = 0;
    // The folder the program was started from, read once as the window is made:
    // the file dialogs' first folder, and a restart's.
    const QString& dossier_lancement() const { return dossier_lancement_; }
    // The command line the program was started with (none in tests unless given).
    const QStringList& ligne_de_commande() const { return services_.ligne_de_commande; }
    MiseEnCouleur& couleurs() const { return *pages().couleurs_; }

    // The start-up sequence's timer; the ionic page owns the timers that drive it.
    QTimer* Timer_debut;

    // Says an error to the user, the way the window was given.
    void afficher_erreur(const QString& message);


    void Timer_debutTimer();
    void Notebook1Click();
    void Quitter1Click();
    // Closes the window once the unsaved sequence has already been dealt with.
    void fermer_sans_question();
    // What a close asks before work is lost, in its order: the sequence no
    // file holds, then the work no report holds (the second question offers
    // "Compte rendu..."). False when the pupil keeps the window.
    bool rien_a_perdre(const QString& question_sequence, const QString& question_compte_rendu);
    void Apropos1Click();
    void Ouvrir1Click();
    void Sauve1Click();
    void Afficherlespotdquilibre1Click();
    void Miseencouleur1Click();
    // Options > "Curseurs de mesure" and "Vitesse" (the animation's pace),
    // both kept in the user's settings.
    void Curseursdemesure1Click();
    void VitesseClick(Vitesse v);
    void Compterendu1Click();
    void Imprimercompterendu1Click();
    // Whether page i has been shown during this run, however it was reached.
    bool page_vue(Page p) const { return pages_vues_ & (1u << onglet(p)); }
    // What the report and the pictures' menus read of the pages.
    Travail& travail() const;
    // The neurone drawing of the home page, for paper.
    QWidget* dessin_neurone() const;
    void BitBtn24Click();
    void BitBtn2Click();
    void BitBtn8Click();
    void BitBtn9Click();

    // The hidden "Charger": reads the recorded action potential, shows the page.
    void BitBtn21Click();
    void nettoyer_merlade();

signals:
    // The window closed: the program ends.
    void ferme();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

private:
    // Builds the ionic and stimulation pages, the file commands and the
    // colours once: when the window has shown, or at their first use.
    void construire_pages();
    TForm1& pages() const
    {
        auto* f = const_cast<TForm1*>(this);
        f->construire_pages();
        return *f;
    }
    void FormCreate();
    void FormClose();
    void ajuster_cadre();
    void retenir_page_vue();
    void centrer();

    Services services_;
    // The folder the acquisition program's launch file was copied from.
    QString chemin_merlade_;
    QString dossier_lancement_;
    std::unique_ptr<Dialogues> dialogues_fenetre_; // Qt's, when none is given
    std::unique_ptr<TravailFenetre> travail_;
    std::unique_ptr<CommandesDocuments> documents_;
    std::unique_ptr<GardeTravail> garde_;
    std::unique_ptr<Ui::TForm1> ui_;
    PageAccueil* accueil_ = nullptr;
    CommandeTaille* taille_ = nullptr;
    PageIonique* ionique_ = nullptr;
    PageStimulation* stimulation_ = nullptr;
    std::unique_ptr<MiseEnCouleur> couleurs_;
    std::unique_ptr<CommandesFichiers> fichiers_;
    bool cadre_ajuste_ = false;
    bool sans_question_ = false;
    unsigned pages_vues_ = 0;
    bool pages_construites_ = false;
    Vitesse vitesse_ = Vitesse::rapide; // the pace chosen
};

} // namespace quillon
