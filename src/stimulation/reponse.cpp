#include "reponse.h"

#include "common/dessin.h"
#include "common/nombres.h"

#include <QPainter>

namespace quillon {

void ReponseStimulation::ecrire(int echantillon, double Echantillon::*voie, double valeur)
{
    // Whatever the electrodes' places, nothing is written outside the buffer.
    if (echantillon < 1 || echantillon > echantillons)
        return;
    enreg[static_cast<std::size_t>(echantillon)].*voie = valeur;
}

void ReponseStimulation::calculer(const ReglagesStimulation& r, const PotentielEss0& pot)
{
    enreg.fill(Echantillon{});
    // The 70th value is the resting baseline.
    for (int k = 1; k <= affiches; ++k)
        forme_pa[static_cast<std::size_t>(k)] = pot[static_cast<std::size_t>(k)] - pot[70];

    // The anode between the cathode and the recording electrodes weakens the stimulation.
    fact_pol = r.cathode < r.anode ? 0.6 : 1.0;
    decal1 = div_entiere(r.enr1 - r.cathode, 6);
    decal12 = static_cast<int>(arrondi((r.enr2 - r.enr1) / 6.0));
    intensite = r.cathode <= r.bout_nerf ? 100 - r.position_i_stim : 0;
    ampl = (intensite / 100.0) * fact_pol;
    if (ampl > 0.7)
        ampl = 0.7;
    deux_artef_left = r.pos * 5 + 10;
    sommation = r.deux_stim && r.pos < 20 && 10 / fact_pol < intensite && intensite < 20 / fact_pol;
    seconde_reponse = false;
    fact2 = 0;

    if (intensite >= 20 / fact_pol || sommation) {
        if (!sommation) {
            for (int j = 1; j <= 30; ++j) {
                const double v = forme_pa[static_cast<std::size_t>(j)];
                if (r.enr1 < r.bout_nerf)
                    ecrire(decal1 + j, &Echantillon::voie1, v);
                if (r.enr2 < r.bout_nerf)
                    ecrire(decal1 + decal12 + j, &Echantillon::voie2, v);
            }
        }
        if (r.deux_stim) {
            // A second close stimulation of a weak first one recruits more
            // fibres of the nerve. A single fibre that the first stimulation
            // fired has nothing more to recruit: it follows the refractory
            // periods whatever the intensity.
            const bool recrutement = ampl <= 0.7 / 3 && (!r.fibre || sommation);
            if (r.pos >= 20)
                fact2 = 1.0;
            else if (recrutement)
                fact2 = 1 + (20 - r.pos) / 15.0;
            else if (r.pos >= 11)
                fact2 = r.pos / 20.0; // relative refractory period
            else
                fact2 = 0; // absolute refractory period: no second response
            seconde_reponse = fact2 != 0;
            if (seconde_reponse) {
                if (r.fibre)
                    fact2 = 1.0;
                decal1 += r.pos;
                for (int j = 1; j <= 30 && decal1 + j < echantillons; ++j) {
                    const double v = fact2 * forme_pa[static_cast<std::size_t>(j)];
                    if (r.enr1 < r.bout_nerf)
                        ecrire(decal1 + j, &Echantillon::voie1, v);
                    if (r.enr2 < r.bout_nerf)
                        ecrire(decal1 + j + decal12, &Echantillon::voie2, v);
                }
            }
        }
    }

    fibre_ = r.fibre;
    const double a = facteur_ecran();
    for (int j = 1; j <= affiches; ++j) {
        const Echantillon& e = enreg[static_cast<std::size_t>(j)];
        y_[static_cast<std::size_t>(j)] = static_cast<int>(arrondi(ligne_de_base - a * (e.voie1 - e.voie2)));
    }
}

void ReponseStimulation::dessiner(QImage& image) const
{
    const QColor bleu_marine(0, 0, 128);
    QPainter p(&image);
    for (int j = 1; j <= affiches; ++j) {
        const int x = pixels_par_echantillon * j;
        const int yj = y(j);
        dessin::ellipse(p, x, yj, x + 6, yj + 6, QPen(Qt::black), QBrush(bleu_marine));
        if (j > 1)
            dessin::ligne(p, pixels_par_echantillon * (j - 1) + 2, y(j - 1) + 2, x + 2, yj, bleu_marine, 2);
    }
}

} // namespace quillon
