#pragma once
// The "Stimulation Nerf/Fibre" page without widgets: the electrodes' places
// and their drag, the stimulator's settings, the Nerf/Fibre choice, the
// recording on the screen, and the question sheet's answers with their last
// correction. The page hands each of the pupil's actions to this model, one
// call per event, then shows what the model says.
#include "stimulation/electrodes.h"
#include "stimulation/ess0.h"
#include "stimulation/questions.h"
#include "stimulation/reponse.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace quillon {

class SimulationNerf {
public:
    // gauche_stimulateur: the stimulator box's left edge, which bounds the
    // drags and the nerve's end as the model sees it.
    explicit SimulationNerf(int gauche_stimulateur = PlaceElectrodes{}.gauche_stimulateur);

    // ---- Electrodes ---------------------------------------------------------
    const PlaceElectrodes& places() const { return places_; }
    int left(Electrode e) const { return places_.left(e); }
    // A mouse button pressed on an electrode at x in its own coordinates.
    void saisir(int x);
    // The mouse at x over (or captured by) electrode e: it follows while a
    // button is held; false when it did not move.
    bool glisser(Electrode e, int x);
    // The button let go: the recording is drawn again.
    void lacher();
    bool glisse() const { return glisse_; }
    // Left or Right on a focused electrode: moved by pas pixels as by the
    // mouse, under the same rules, whether a button is held or not.
    bool pousser(Electrode e, int pas);
    // A click on the nerve swaps the names of its two ends.
    void echanger_extremites() { extremites_echangees_ = !extremites_echangees_; }
    bool extremites_echangees() const { return extremites_echangees_; }

    // ---- Stimulator ---------------------------------------------------------
    // The intensity bar's new position (0..100, the top the strongest).
    void regler_intensite(int position);
    int position_i_stim() const { return position_i_stim_; }
    // The intensity's caption, in volts; empty before the first change.
    const QString& texte_intensite() const { return texte_intensite_; }
    // The box "deux" changed: the second stimulation on or off.
    void basculer_seconde();
    bool deux_stim() const { return deux_stim_; }
    // The interval bar's new position (0..60): the delay of the second
    // stimulation in samples, which it switches on.
    void regler_intervalle(int position);
    int pos() const { return pos_; }
    // "Nerf" or "Fibre" chosen: the second stimulation goes off, the screen blank.
    void choisir_fibre(bool fibre);
    bool fibre() const { return fibre_; }

    // ---- Recording ----------------------------------------------------------
    // The settings on the page now, those of the next recording.
    ReglagesStimulation reglages() const;
    // Recomputes the recording from the settings now.
    void recalculer();
    // The settings of the recording on the screen, none while it is blank
    // (the first stimulation's mark shows with it).
    const std::optional<ReglagesStimulation>& trace() const { return trace_; }
    const ReponseStimulation& reponse() const { return reponse_; }
    // The second stimulation's mark shows while it is on.
    bool marque_seconde_visible() const { return deux_stim_; }
    // Changes each time the screen is drawn again or blanked.
    unsigned version_ecran() const { return version_ecran_; }
    PotentielEss0& pot_ess0() { return pot_ess0_; }
    const PotentielEss0& pot_ess0() const { return pot_ess0_; }

    // ---- Question sheet -----------------------------------------------------
    // The answers as typed, in the sheet's order, and the items of the list
    // of the stimulating electrode.
    void changer_reponse(std::size_t question, const QString& texte);
    const CorrectionFeuille::Textes& textes_reponses() const { return textes_; }
    void definir_items_electrode(const QStringList& items) { items_electrode_ = items; }
    // The answers as the correction reads them.
    ReponsesEleve reponses() const;
    // "Correction": judges the seven answers as they are now.
    void corriger();
    bool correction_demandee() const { return verdicts_.has_value(); }
    // The verdicts of the last correction, none before the first.
    const std::optional<std::array<bool, 7>>& verdicts() const { return verdicts_; }
    // An answer against the last correction.
    EtatReponse etat(std::size_t question) const { return correction_.etat(question, textes_.at(question)); }

private:
    bool deplacer(Electrode e, int x, int prise_x);

    PlaceElectrodes places_;
    bool glisse_ = false;
    int prise_x_ = 0;
    bool extremites_echangees_ = false;
    int position_i_stim_ = 100;
    QString texte_intensite_;
    bool deux_stim_ = false;
    int pos_ = 50;
    bool fibre_ = false;
    ReponseStimulation reponse_;
    PotentielEss0 pot_ess0_{};
    std::optional<ReglagesStimulation> trace_;
    unsigned version_ecran_ = 0;
    CorrectionFeuille::Textes textes_;
    QStringList items_electrode_;
    CorrectionFeuille correction_;
    std::optional<std::array<bool, 7>> verdicts_;
};

} // namespace quillon
