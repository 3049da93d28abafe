#pragma once
// The "Equilibres ioniques" page: its design (GroupBox10 and its controls)
// wired to the workbench's rules. Every event of a control or a timer goes
// to the model, then the page shows what the model says.
#include "common/papier.h"
#include "ionic/equilibres.h"
#include "ionic/vitesse_animation.h"

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>

class QTimer;
class QScrollBar;
class QPushButton;

namespace Ui {
class PageIonique;
}

namespace quillon {

class Aleatoire;
class CalqueCurseurs;
class Etiquette;
class ImageControle;

class PageIonique : public QWidget {
    Q_OBJECT
public:
    // The page's timers: the relaxation of Em (two, as the design has them),
    // the recording, the trial run and the animation.
    struct Minuteries {
        QTimer* Timer_k;
        QTimer* Timer_na;
        QTimer* Timer_courbe;
        QTimer* Timer_reaff;
        QTimer* Timer_anim;
    };

    // The particles move with the draws of `hasard`.
    PageIonique(QWidget* parent, Aleatoire& hasard);
    ~PageIonique() override;

    Ui::PageIonique* ui() const { return ui_.get(); }
    const Minuteries& minuteries() const { return minuteries_; }
    EquilibresIoniques& modele() { return modele_; }
    const EquilibresIoniques& modele() const { return modele_; }

    QScrollBar* barre(Barre b) const;
    ImageControle* image(ImageIon i) const;
    QPushButton* bouton(BoutonCourbe b) const;

    // Start-up steps and routines the main window runs.
    void rapports_images();
    void concentrations_depart();
    void calcul_images();
    void calcul_em();
    // A bar's change handler, as if the bar had moved.
    void barre_changee(Barre b);
    // Toggles the equilibrium potentials; returns whether they are shown.
    bool basculer_pot_eq();
    // The recorder's timers: a step recorded, a step of the trial run played.
    void tic_enregistrement();
    // A running recording stops, as "STOP" does (a question about saving it is asked).
    void arreter_enregistrement();
    void tic_essai();
    // "Essai COURBE": plays the programmed sequence.
    void lancer_essai();
    // The equilibrium-potential mode.
    void BitBtn12Click();
    void BitBtn13Click();
    void GOClick();
    // One tick of the animation, shown when a picture is due.
    void Timer_animTimer();
    // The animation timer's wake-up: the ticks due since the last, then a
    // picture when one is due.
    void reveil_animation();
    // The pace: the interval of a tick and of the timer's wake-ups.
    void regler_vitesse(Vitesse v);
    // Ticks made since the page was built.
    qint64 ticks_animation() const { return ticks_; }
    int intervalle_tick() const { return intervalle_tick_; }
    // The animation's state on screen now, when a tick has not shown it yet.
    void montrer_animation();

    // Options > "Curseurs de mesure": the cursors on the recorder's chart.
    void activer_curseurs(bool actifs);
    CalqueCurseurs* curseurs() const { return curseurs_; }

    // Takes a sequence read from a work file.
    void charger(const SequenceNernst& sequence);

    // For paper: the vessel with its ions and values; the chart with its Em scale.
    QImage image_cuve_papier() const;
    QImage image_graphe_papier() const;
    // The chart and the compartments offered to copy, save and export.
    std::vector<ImageExportee> images_exportees() const;
    // The group box the colour mixing paints with the page.
    QWidget* boite_a_colorer() const;
    // The pictures of the program folder each picture control shows, by file name.
    std::vector<std::pair<const char*, std::vector<ImageControle*>>> images_a_charger() const;
    // Start-up: shows those pictures, read from the program folder (ending
    // with a separator); the path of the first that cannot be read, if any.
    std::optional<QString> charger_images(const QString& dossier_prog);

    // Shows the model's state: labels, pictures, bars, buttons, chart, timers.
    void actualiser();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // Draws the membrane-potential scale beside the chart.
    void grad_nernst();
    // The pictures take the focus (their menus): Tab reaches each where it reads.
    void ordonner_images();
    template <typename F>
    void faire(F&& action);
    void afficher_animation();
    void afficher_avis();
    // What actualiser shows of the animation's state in the rules: the
    // mode's widgets, the pictures after a reset, LANCER/STOP and the timers.
    void montrer_mode();
    void montrer_remise();
    void montrer_marche();
    // The picture of the ticks not shown yet, when the screen can show one.
    void montrer_si_due();

    std::unique_ptr<Ui::PageIonique> ui_;
    Minuteries minuteries_;
    EquilibresIoniques modele_;
    unsigned version_affichee_ = ~0u;
    bool actualisation_ = false;
    int gauche_lab_gk_ = 0;
    Aleatoire* hasard_;
    QElapsedTimer image_montree_; // since the last picture shown
    bool image_en_retard_ = false; // a tick not shown yet
    int intervalle_tick_ = intervalle_animation(Vitesse::rapide);
    CadenceTicks cadence_;
    QElapsedTimer depuis_lancer_; // the cadence's clock
    qint64 ticks_ = 0;
    CalqueCurseurs* curseurs_;
    Etiquette* avis_anim_;
    bool mode_montre_ = false;
    bool lancee_montree_ = false;
    unsigned version_anim_montree_ = 0;
};

} // namespace quillon
