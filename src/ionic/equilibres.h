#pragma once
// The ionic-equilibria workbench without widgets: the six scroll bars and
// their change handlers, the ion pictures' sizes, the labels' texts, and the
// membrane-potential recorder with its chart, its buttons and its timers.
// The page shows what this model says and hands it the pupil's events and
// the timers' ticks, one call per event or tick.
//
// Scroll bars: setting a bar's position to a different value runs the bar's
// change handler at once, as a moved bar does; calcul_images re-enters
// itself that way until no position changes.
#include "common/curseurs.h"
#include "ionic/animation.h"
#include "ionic/etat_ionique.h"
#include "workfiles/fichiers_travail.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <functional>
#include <vector>

class QPainter;

namespace quillon {
class Aleatoire;
}

namespace quillon {

enum class Barre { nai, ki, ke, nae, gk, gna };
inline constexpr int nb_barres = 6;

enum class ImageIon { ima_ki, ima_ke, ima_nai, ima_nae, ani, ane };
inline constexpr int nb_images_ions = 6;

enum class Texte { lab_ki, lab_ke, lab_nai, lab_nae, lab_gk, lab_gna, Lab_em, Label9, Label10 };
inline constexpr int nb_textes = 9;

enum class BoutonCourbe { BitBtn14, BitBtn15, BitBtn16, recule1, BitBtn17, BitBtn18 };
inline constexpr int nb_boutons_courbe = 6;

struct Bouton {
    QString legende;
    bool visible = true;
    bool actif = true;
};

class EquilibresIoniques {
public:
    static constexpr int max_concentration = 300;
    static constexpr int max_permeabilite = 100;
    static constexpr int dernier_pas = 83;           // steps 1..83, 0 before the first
    static constexpr int largeur_courbe = 420;
    static constexpr int hauteur_courbe = 220;
    static constexpr int pixels_par_pas = 5;
    static constexpr int intervalle_normal = 100;   // ms between relaxation steps
    static constexpr int intervalle_essai = 5;      // the same during a trial run

    EquilibresIoniques();

    EtatIonique etat;

    // Recorder sequence: element 0 holds the settings made while pas was 0.
    int pas = 0;
    int pas_max = 0;
    std::array<int, dernier_pas + 1> prog_gk{};
    std::array<int, dernier_pas + 1> prog_gna{};
    std::array<int, dernier_pas + 1> prog_k_int{};
    std::array<int, dernier_pas + 1> prog_k_ext{};
    std::array<int, dernier_pas + 1> prog_na_int{};
    std::array<int, dernier_pas + 1> prog_na_ext{};
    std::array<double, dernier_pas + 2> prog_em{};
    int x_courant = 0;
    int x_prec = 0;
    int y_em_prec = 0;
    int y_gk_prec = 0;
    int y_gna_prec = 0;
    double em_prec = 0;
    bool mode_edition = false;
    bool mode_essai = false;
    // The equilibrium-potential mode and its animation; a K+ change in that
    // mode calls relancer_animation, which resets and refills it.
    bool mode_anim = false;
    AnimationFlux anim;
    std::function<void()> relancer_animation;

    // ---- Bars, pictures and potentials --------------------------------------
    static int max_barre(Barre b);
    int position(Barre b) const { return positions_[static_cast<int>(b)]; }
    // A bar's value: its Max minus its Position.
    int valeur(Barre b) const { return max_barre(b) - position(b); }
    // Moves a bar (by the pupil or the program), clamped to 0..Max; runs
    // its change handler when the position changes.
    void changer_position(Barre b, int position);

    void Scroll_kiChange() { changement_concentration(Barre::ki); }
    void Scroll_keChange() { changement_concentration(Barre::ke); }
    void Scroll_naiChange() { changement_concentration(Barre::nai); }
    void Scroll_naeChange() { changement_concentration(Barre::nae); }
    void Scroll_gkChange() { changement_permeabilite(Barre::gk); }
    void Scroll_gnaChange() { changement_permeabilite(Barre::gna); }

    void calcul_images();
    void calcul_pot_eq();
    void calcul_em();
    // A mouse button pressed on the picture of a cation (ima_ki, ima_ke,
    // ima_nai or ima_nae): left adds 10 up to 300, right takes 10 off.
    void clic_image(ImageIon image, Qt::MouseButton bouton);
    // Options > "Afficher les pot. d'équilibre".
    void Afficherlespotdquilibre1Click() { pot_eq_visibles_ = !pot_eq_visibles_; }
    bool pot_eq_visibles() const { return pot_eq_visibles_; }

    // Size of an ion picture; invalid until calcul_images has run.
    QSize taille(ImageIon i) const { return tailles_[static_cast<int>(i)]; }
    const QString& texte(Texte t) const { return textes_[static_cast<int>(t)]; }

    // ---- Flux animation -----------------------------------------------------
    void remise_zero_anim(QImage& sav) { anim.remise_zero_anim(etat, sav); }
    void rempl_image(Aleatoire& hasard, const QImage& sav, QImage& image) { anim.rempl_image(etat, hasard, sav, image); }
    // One tick drawn on the hidden compartment picture; the label follows
    // unless the equilibrium potential is 0.
    void Timer_animTimer(Aleatoire& hasard);

    // ---- Recorder -----------------------------------------------------------
    void trace_point(bool force_em, int n);
    void reaff_tout();
    // The vertical green line of the current step.
    void marqueur();

    void BitBtn14Click();    // "Lancer COURBE" / "STOP"
    void Timer_courbeTimer();
    void BitBtn15Click();    // "EFFACER"
    void BitBtn16Click();    // "Program.COURBE" / "Fin program."
    void recule1Click();     // "<--"
    void BitBtn17Click();    // "-->"
    void avance1Click();     // appends a step
    void BitBtn18Click();    // "Essai COURBE"
    void Timer_reaffTimer();

    const Bouton& bouton(BoutonCourbe b) const { return boutons_[static_cast<int>(b)]; }
    // Whether the pupil can press it now: none in the equilibrium-potential
    // mode; while a trial run plays, every button but "Essai COURBE" waits
    // for its end.
    bool actif(BoutonCourbe b) const;
    // The switch to the equilibrium-potential mode, disabled while recording.
    bool BitBtn12_actif() const { return BitBtn12_actif_; }
    bool enregistrement_en_cours() const { return courbe_active_; }
    bool essai_en_cours() const { return reaff_active_; }
    // Interval of the two relaxation timers.
    int intervalle_relaxation() const { return intervalle_relaxation_; }

    const QImage& courbe() const { return courbe_; }
    // The membrane potential plotted at step n (1..83) since the chart was
    // last cleared; NaN where none was.
    double em_trace(int n) const { return em_trace_[static_cast<std::size_t>(n)]; }
    // The steps the chart holds, recorded or programmed: 1..this.
    int pas_traces() const { return std::min(std::max(pas, pas_max), static_cast<int>(dernier_pas)); }
    // Those steps as the chart shows them: the settings of each, the two
    // equilibrium potentials of its concentrations and the membrane
    // potential plotted (NaN where none was).
    struct PasTrace {
        int pas, gk, gna, k_int, k_ext, na_int, na_ext;
        double e_k, e_na, em;
    };
    std::vector<PasTrace> pas_du_graphe() const;
    // The table's header and one step's cells, decimal commas, `sans_em`
    // where no Em was plotted: the spreadsheet's and the report's columns.
    static QStringList entetes_pas();
    static QStringList cases_pas(const PasTrace& e, const QString& sans_em);
    // Those steps for a spreadsheet, one line each under a header (the Em
    // field empty where none was plotted); empty when the chart holds none.
    QByteArray valeurs() const;
    // Changes each time the chart is drawn on.
    unsigned version_courbe() const { return version_courbe_; }

    // Steps 1..pas_max with the potentials of the last trial run.
    SequenceNernst sequence() const;
    // What a work file keeps of the chart: the steps it holds, 1..pas_traces(),
    // the programmed ones and those recorded past them (with the potential
    // plotted when they were recorded).
    SequenceNernst sequence_tracee() const;
    // Takes a sequence read from a work file: pas and pas_max become its
    // length, values out of the bars' ranges are brought back into them.
    void charger(const SequenceNernst& sequence);

private:
    void changement_concentration(Barre b);
    void changement_permeabilite(Barre b);
    double& concentration(Barre b);
    std::array<int, dernier_pas + 1>& programme(Barre b);
    void taille_et_barre(ImageIon image, Barre b, double rapport);
    void effacer_courbe();
    void trace_point(QPainter& p, bool force_em, int n);
    void marqueur(QPainter& p);
    void restaurer_pas();
    // The current settings into step pas of the sequence.
    void noter_reglages();
    int pas_borne() const;
    Bouton& bouton_(BoutonCourbe b) { return boutons_[static_cast<int>(b)]; }

    std::array<int, nb_barres> positions_{};
    std::array<QSize, nb_images_ions> tailles_{};
    std::array<QString, nb_textes> textes_{};
    std::array<Bouton, nb_boutons_courbe> boutons_{};
    bool pot_eq_visibles_ = false;
    bool BitBtn12_actif_ = true;
    bool courbe_active_ = false;
    bool reaff_active_ = false;
    int intervalle_relaxation_ = intervalle_normal;
    QImage courbe_;
    unsigned version_courbe_ = 0;
    std::array<double, dernier_pas + 1> em_trace_{};
};

// The measuring cursors' readings on the chart: each cursor's step and the
// membrane potential plotted there (mV, one decimal), and with two, the
// difference "ΔEm = … mV".
LecturesCurseurs lectures_courbe(const CurseursMesure& c, const EquilibresIoniques& m);

} // namespace quillon
