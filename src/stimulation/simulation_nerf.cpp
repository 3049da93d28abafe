#include "simulation_nerf.h"

#include "common/nombres.h"

namespace quillon {

SimulationNerf::SimulationNerf(int gauche_stimulateur)
{
    places_.gauche_stimulateur = gauche_stimulateur;
}

void SimulationNerf::saisir(int x)
{
    prise_x_ = x;
    glisse_ = true;
}

bool SimulationNerf::glisser(Electrode e, int x)
{
    return glisse_ && deplacer(e, x, prise_x_);
}

void SimulationNerf::lacher()
{
    glisse_ = false;
    recalculer();
}

bool SimulationNerf::pousser(Electrode e, int pas)
{
    return deplacer(e, pas, 0);
}

bool SimulationNerf::deplacer(Electrode e, int x, int prise_x)
{
    const std::optional<int> left = deplace_shape(places_, e, x, prise_x);
    if (left)
        places_.left(e) = *left;
    return left.has_value();
}

void SimulationNerf::regler_intensite(int position)
{
    position_i_stim_ = position;
    texte_intensite_ = fixed((100 - position) / 100.0, 0, 2) + QStringLiteral(" V");
    recalculer();
}

void SimulationNerf::basculer_seconde()
{
    deux_stim_ = !deux_stim_;
    recalculer();
}

void SimulationNerf::regler_intervalle(int position)
{
    pos_ = position;
    recalculer();
    if (!deux_stim_)
        basculer_seconde();
}

void SimulationNerf::choisir_fibre(bool fibre)
{
    fibre_ = fibre;
    if (deux_stim_)
        basculer_seconde();
    trace_.reset();
    ++version_ecran_;
}

ReglagesStimulation SimulationNerf::reglages() const
{
    ReglagesStimulation r;
    r.anode = places_.anode;
    r.cathode = places_.cathode;
    r.enr1 = places_.enr1;
    r.enr2 = places_.enr2;
    r.bout_nerf = places_.gauche_stimulateur - 20;
    r.position_i_stim = position_i_stim_;
    r.pos = pos_;
    r.deux_stim = deux_stim_;
    r.fibre = fibre_;
    return r;
}

void SimulationNerf::recalculer()
{
    const ReglagesStimulation r = reglages();
    reponse_.calculer(r, pot_ess0_);
    trace_ = r;
    ++version_ecran_;
}

void SimulationNerf::changer_reponse(std::size_t question, const QString& texte)
{
    textes_.at(question) = texte;
}

ReponsesEleve SimulationNerf::reponses() const
{
    // The item each list names: one picked from it, or typed as it is
    // written (a time as a pupil writes it); any other text is no item.
    ReponsesEleve r;
    r.periode_relative = item_refractaire(textes_[0]);
    r.periode_absolue = item_refractaire(textes_[1]);
    r.frequence_relative = textes_[2];
    r.frequence_absolue = textes_[3];
    r.vitesse = textes_[4];
    r.electrode = item_nomme(textes_[5], items_electrode_);
    r.seuil = textes_[6];
    return r;
}

void SimulationNerf::corriger()
{
    verdicts_ = corriger_reponses(reponses());
    correction_.corriger(textes_, *verdicts_);
}

} // namespace quillon
