#include "simulation_nerf.h"

#include "common/nombres.h"

namespace quillon {

SimulationNerf::SimulationNerf(int panel2_left)
{
    places_.panel2_left = panel2_left;
}

void SimulationNerf::MouseDown(int x)
{
    prise_x_ = x;
    glisse_ = true;
}

bool SimulationNerf::MouseMove(Electrode e, int x)
{
    return glisse_ && deplacer(e, x, prise_x_);
}

void SimulationNerf::MouseUp()
{
    glisse_ = false;
    BitBtn22Click();
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

void SimulationNerf::Scroll_i_stimChange(int position)
{
    position_i_stim_ = position;
    texte_intensite_ = fixed((100 - position) / 100.0, 0, 2) + QStringLiteral(" V");
    BitBtn22Click();
}

void SimulationNerf::CheckBox1Click()
{
    deux_stim_ = !deux_stim_;
    BitBtn22Click();
}

void SimulationNerf::Scroll_tempsChange(int position)
{
    pos_ = position;
    BitBtn22Click();
    if (!deux_stim_)
        CheckBox1Click();
}

void SimulationNerf::Radio_nerfClick(bool fibre)
{
    fibre_ = fibre;
    if (deux_stim_)
        CheckBox1Click();
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
    r.bout_nerf = places_.panel2_left - 20;
    r.position_i_stim = position_i_stim_;
    r.pos = pos_;
    r.deux_stim = deux_stim_;
    r.fibre = fibre_;
    return r;
}

void SimulationNerf::BitBtn22Click()
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
    r.pref_rel = item_refractaire(textes_[0]);
    r.pref_abs = item_refractaire(textes_[1]);
    r.fib_lpr = textes_[2];
    r.fib_cpr = textes_[3];
    r.vit_influx = textes_[4];
    r.combo_electrode = item_nomme(textes_[5], items_electrode_);
    r.Edit_seuil = textes_[6];
    return r;
}

void SimulationNerf::BitBtn19Click()
{
    verdicts_ = quillon::BitBtn19Click(reponses());
    correction_.corriger(textes_, *verdicts_);
}

} // namespace quillon
