#pragma once
// The ionic-equilibria workbench without widgets: the six scroll bars and
// their change handlers, the ion pictures' sizes, the labels' texts, and its
// membrane-potential recorder (ionic/enregistreur.h).
// The page shows what this model says and hands it the pupil's events and
// the timers' ticks, one call per event or tick.
//
// Scroll bars: setting a bar's position to a different value runs the bar's
// change handler at once, as a moved bar does; calcul_images re-enters
// itself that way until no position changes.
#include "ionic/animation.h"
#include "ionic/enregistreur.h"
#include "ionic/etat_ionique.h"

#include <QImage>
#include <QString>
#include <array>
#include <optional>
#include <utility>

namespace quillon {
class Aleatoire;
}

namespace quillon {

enum class Barre { nai, ki, ke, nae, gk, gna };
inline constexpr int nb_barres = 6;

// The ion pictures: the four cations, then the anions inside and outside.
enum class ImageIon { k_int, k_ext, na_int, na_ext, anions_int, anions_ext };
inline constexpr int nb_images_ions = 6;

// The labels' texts: each bar's value, the membrane potential and the two
// equilibrium potentials.
enum class Texte { k_int, k_ext, na_int, na_ext, gk, gna, em, e_k, e_na };
inline constexpr int nb_textes = 9;

// What the workbench holds beside its recorder, copied member by member.
class DonneesEquilibres {
public:
    EtatIonique etat;

    // The equilibrium-potential mode and its animation; a K+ change in that
    // mode resets and refills it.
    bool mode_anim = false;
    AnimationFlux anim;

protected:
    Aleatoire* hasard_ = nullptr;
    unsigned version_anim_ = 0;
    bool anim_lancee_ = false;
    // The K+ concentrations inside and outside the animation was last filled
    // with in this mode, none before.
    std::optional<std::pair<double, double>> k_anim_;
    QString avis_anim_;
    std::array<int, nb_barres> positions_{300, 299, 300, 300, 100, 100};
    std::array<QSize, nb_images_ions> tailles_{};
    std::array<QString, nb_textes> textes_{};
    bool pot_eq_visibles_ = false;
};

class EquilibresIoniques : public DonneesEquilibres {
public:
    static constexpr int max_concentration = 300;
    static constexpr int max_permeabilite = 100;

    EquilibresIoniques() = default;
    // A copy whose recorder belongs to the copy.
    EquilibresIoniques(const EquilibresIoniques& autre) : DonneesEquilibres(autre), enregistreur(*this, autre.enregistreur) {}
    EquilibresIoniques& operator=(const EquilibresIoniques&) = delete;

    // ---- Bars, pictures and potentials --------------------------------------
    static int max_barre(Barre b);
    int position(Barre b) const { return positions_[static_cast<int>(b)]; }
    // A bar's value: its Max minus its Position.
    int valeur(Barre b) const { return max_barre(b) - position(b); }
    // Moves a bar (by the pupil or the program), clamped to 0..Max; runs
    // its change handler when the position changes.
    void changer_position(Barre b, int position);

    // A bar's change handler: its value becomes the concentration or the
    // permeability it sets, its label's text and the current step's value.
    void barre_changee(Barre b);

    void calcul_images();
    void calcul_pot_eq();
    void calcul_em();
    // A mouse button pressed on the picture of a cation: left adds 10 up
    // to 300, right takes 10 off.
    void clic_image(ImageIon image, Qt::MouseButton bouton);
    // Options > "Afficher les pot. d'équilibre".
    void basculer_pot_eq() { pot_eq_visibles_ = !pot_eq_visibles_; }
    bool pot_eq_visibles() const { return pot_eq_visibles_; }

    // Size of an ion picture; invalid until calcul_images has run.
    QSize taille(ImageIon i) const { return tailles_[static_cast<int>(i)]; }
    const QString& texte(Texte t) const { return textes_[static_cast<int>(t)]; }

    // ---- Flux animation -----------------------------------------------------
    // The particles are scattered with the draws of `hasard`.
    void brancher_hasard(Aleatoire& hasard) { hasard_ = &hasard; }
    // "Travail sur le potentiel d'équilibre": the mode, its animation reset
    // and filled; Em shown is the animation's own (no ion crossed yet: 0).
    void entrer_mode_anim();
    // Back to the permeabilities, the animation stopped; Em the membrane's again.
    void quitter_mode_anim();
    // LANCER and STOP.
    void lancer_animation(bool lancee);
    bool animation_lancee() const { return anim_lancee_; }
    // What a change of K+ made while the animation is stopped did, until it
    // runs again; empty otherwise.
    const QString& avis_animation() const { return avis_anim_; }
    // Counts each reset and refill of the animation: its pictures are drawn again.
    unsigned version_animation() const { return version_anim_; }
    // One tick drawn on the hidden compartment picture; the label follows
    // unless the equilibrium potential is 0.
    void tic_animation(Aleatoire& hasard);

    // The recorder's "<--", "-->" and trial-run tick: the bars take the
    // settings of the step it makes current.
    void pas_precedent();
    void pas_suivant();
    void tic_essai();

    // The strip-chart recorder of this workbench's settings.
    Enregistreur enregistreur{*this};

private:
    // Counters and mean to zero for the concentrations now, Em with them;
    // the particles scattered again when `remplir`.
    void remise_zero_anim(bool remplir);
    void changement_concentration(Barre b);
    // The bars moved to the recorder's current step, as its settings.
    void placer_barres_du_pas();
    // The bars moved to the settings now.
    void placer_barres();
    void changement_permeabilite(Barre b);
    double& concentration(Barre b);
    void taille_et_barre(ImageIon image, Barre b, double rapport);
};

} // namespace quillon
