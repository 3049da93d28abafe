#pragma once
// The ion-flux animation of the equilibrium-potential mode: K+ ions (odd
// particles) and their counter-ions (even ones) wander in the two
// compartments; only K+ crosses the membrane, and the net count of those
// that crossed is held at the K+ equilibrium potential (one net crossing per
// 10 mV, on average when EK / 10 is not a whole number). No widgets:
// the page hands in the compartment pictures and shows the arrows and label.
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

namespace quillon {

class Aleatoire;
struct EtatIonique;

// An arrow over the membrane, in the coordinates of the page's group box.
struct Fleche {
    int left = 0;
    int width = 0;
};

class AnimationFlux {
public:
    static constexpr int max_particules = 600;
    // The compartment pictures and where the first one stands.
    static constexpr int largeur = 300;
    static constexpr int hauteur = 164;
    static constexpr int left_compartiments = 145;

    struct Particule {
        int x = 0;
        int y = 0;
    };

    AnimationFlux();

    // Positions of particles 1..nb_part; element 0 is unused.
    std::array<Particule, max_particules + 1> particules{};
    int nb_part = 0;
    std::uint8_t x_membrane = 0;
    int n_entrees = 0; // K+ crossings from outside to inside
    int n_sorties = 0; // K+ crossings from inside to outside
    // The running mean of the net outward count (n_sorties - n_entrees) over
    // the last 50 ticks: the label shows ten times it, in mV.
    double flux_moyen = 0;
    int nb_tops = 0;
    // The net count, the way of diffusion, held this tick: the whole number
    // just below or just above |EK| / 10.
    int quota = 0;

    // Upper arrow (inside to outside) and lower arrow (outside to inside),
    // and the captions beside them.
    Fleche fleche_sortie{275, 34};
    Fleche fleche_entree{274, 34};
    QString legende_haute;
    QString legende_basse;
    // The membrane-potential label's text: ten times the mean net count,
    // "Em=0.00" after a reset; empty before the first.
    QString texte_em;

    // Counters and average to zero, the arrows for the potential, the
    // number of particles for the concentrations.
    void remettre_a_zero(const EtatIonique& etat);
    // The dotted membrane line on the background picture `sav`.
    static void dessiner_membrane(QImage& sav);
    // Both.
    void remise_zero_anim(const EtatIonique& etat, QImage& sav);

    // Every particle scattered in its compartment.
    void remplir(const EtatIonique& etat, Aleatoire& hasard);
    // Fills a compartment picture: a copy of `sav` with every particle
    // scattered in its compartment and drawn.
    void rempl_image(const EtatIonique& etat, Aleatoire& hasard, const QImage& sav, QImage& image);

    // One tick: every particle moves, crosses or is sent back; then the
    // counters' average, the electrical-force arrow and the label. Nothing is
    // drawn: a picture is drawn from the positions when one is shown.
    void tic(double e_k, Aleatoire& hasard);

    // The compartments as they are now: `image` a copy of `sav` with every
    // particle drawn where it stands, in its order.
    void dessiner_particules(const QImage& sav, QImage& image) const;

    // A particle in the box (x, y)-(x + 5, y + 5): black outline, red for an
    // odd number, lime for an even one.
    static void dessiner_particule(QImage& image, int x, int y, int numero);
    // A picture's contents replaced by a copy of `sav`, in place.
    static void recopier(const QImage& sav, QImage& image);

private:
    // The arrows and their captions for the gradient and the mean net count.
    void fleches(double e_k);

    // Sum over the ticks of |EK| / 10 minus the net count, while the net
    // count is within a whole number of it.
    double ecart_ = 0;
    // The side of the last drawn diffusion arrow: -1 above (out), 1 below.
    int cote_ = 0;
};

} // namespace quillon
