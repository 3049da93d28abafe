#pragma once
// The recording of the stimulation page: from the electrodes' places, the
// intensity, the second stimulation and the Nerf/Fibre choice, the potential
// under each recording electrode sample by sample (one sample every 1/6 ms),
// and the trace of their difference on the 420 x 220 recording screen.
// The response is the recorded action potential, delayed by the conduction
// distance, scaled by the fraction of fibres recruited.
#include "stimulation/ess0.h"

#include <QImage>
#include <array>

namespace quillon {


struct ReglagesStimulation {
    int anode = 64;       // Lefts of the four electrodes
    int cathode = 80;
    int enr1 = 208;
    int enr2 = 224;
    int bout_nerf = 311;  // first column past the nerve: the stimulator box's left edge - 20
    int position_i_stim = 100; // the intensity bar's position, 0 at its top: intensity 100 - position
    int pos = 50;         // the interval bar's position: delay of the second stimulation in samples
    bool deux_stim = false;
    bool fibre = false;   // the Nerf/Fibre choice on "Fibre"
};

struct Echantillon {
    double voie1 = 0; // under recording electrode 1
    double voie2 = 0; // under recording electrode 2
};

class ReponseStimulation {
public:
    static constexpr int echantillons = 120;
    static constexpr int affiches = 80;
    static constexpr int ligne_de_base = 110;
    static constexpr int pixels_par_echantillon = 5;

    // The whole recomputation.
    void calculer(const ReglagesStimulation& r, const PotentielEss0& pot_ess0);

    // The 80 samples drawn on a blank picture: navy dots outlined in black,
    // joined by 2-pixel navy lines.
    void dessiner(QImage& image) const;

    // What the screen multiplies the electrodes' difference by: the
    // fraction of fibres recruited, all of them for a single fibre, which
    // answers all or nothing.
    double facteur_ecran() const { return fibre_ ? 0.7 : ampl; }

    // The y of sample j (1..80) on the screen.
    int y(int j) const { return y_[static_cast<std::size_t>(j)]; }

    std::array<double, 81> forme_pa{};             // [1..80]
    std::array<Echantillon, echantillons + 1> enreg{}; // [1..120]
    int decal1 = 0;
    int decal12 = 0;
    int intensite = 0;
    double fact_pol = 1;
    double ampl = 0;
    bool sommation = false;
    double fact2 = 0;
    bool seconde_reponse = false;
    int deux_artef_left = 0; // Left of the second stimulation's mark

private:
    void ecrire(int echantillon, double Echantillon::*voie, double valeur);
    std::array<int, affiches + 1> y_{};
    bool fibre_ = false;
};

} // namespace quillon
