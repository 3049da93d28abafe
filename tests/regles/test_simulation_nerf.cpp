#include "stimulation/simulation_nerf.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using namespace quillon;

TEST(SimulationNerf, AnElectrodeFollowsTheHeldMouseAndStopsShortOfEveryLimit)
{
    struct Cas {
        Electrode e;
        int gauche_stimulateur, prise_x, x, attendu; // attendu: the Left after the move
    };
    const Cas cas[] = {
        {Electrode::cathode, 331, 2, 124, 202}, {Electrode::cathode, 331, 2, 125, 80},  // right edge 208 = enr1
        {Electrode::anode, 331, 0, 138, 202},   {Electrode::anode, 331, 0, 139, 64},    // the same for the anode
        {Electrode::enr1, 331, 3, -119, 86},    {Electrode::enr1, 331, 3, -120, 208},   // Left 85 = cathode's right edge
        {Electrode::enr2, 331, 0, 96, 320},     {Electrode::enr2, 331, 0, 97, 224},     // Left 321 = the box - 10
        {Electrode::enr2, 300, 0, 65, 289},     {Electrode::enr2, 300, 0, 66, 224},     // the box bounds it
        {Electrode::anode, 331, 4, -49, 11},    {Electrode::anode, 331, 4, -50, 64},    // right edge 15 on the left
        {Electrode::anode, 331, 0, 30, 94},     // past the cathode: allowed
    };
    for (const Cas& c : cas) {
        SimulationNerf m(c.gauche_stimulateur);
        EXPECT_FALSE(m.glisser(c.e, c.x)) << "no button held";
        m.saisir(c.prise_x);
        EXPECT_EQ(m.glisser(c.e, c.x), c.attendu != PlaceElectrodes{}.left(c.e));
        EXPECT_EQ(m.left(c.e), c.attendu) << static_cast<int>(c.e) << " to " << c.x;
        EXPECT_EQ(m.reglages().bout_nerf, c.gauche_stimulateur - 20);
        EXPECT_FALSE(m.trace()) << "moving does not draw";
        m.lacher();
        EXPECT_FALSE(m.glisser(c.e, c.x + 1)) << "released";
        ASSERT_TRUE(m.trace());
        const PlaceElectrodes& p = m.places();
        EXPECT_EQ(std::tuple(m.trace()->anode, m.trace()->cathode, m.trace()->enr1, m.trace()->enr2),
                  std::tuple(p.anode, p.cathode, p.enr1, p.enr2));
    }
    // The keys move by their step under the same rules, held or not.
    SimulationNerf m;
    EXPECT_TRUE(m.pousser(Electrode::enr2, 10));
    EXPECT_FALSE(m.pousser(Electrode::enr1, -123));
    EXPECT_EQ(m.reglages().enr2, 234);
    m.echanger_extremites();
    EXPECT_TRUE(m.extremites_echangees());
    m.echanger_extremites();
    EXPECT_FALSE(m.extremites_echangees());
}

TEST(SimulationNerf, EachSettingImpliesWhatTheStimulatorDoes)
{
    enum Action { intensite, temps, deux, fibre, nerf };
    struct Cas {
        std::vector<std::pair<Action, int>> actions;
        const char* texte;
        int position_i_stim, pos;
        bool deux_stim, fibre, trace;
        int intensite; // of the recording drawn: the volts shown, in hundredths
    };
    const Cas cas[] = {
        {{}, "", 100, 50, false, false, false, 0},
        {{{intensite, 80}}, "0.20 V", 80, 50, false, false, true, 20},
        {{{intensite, 95}, {intensite, 0}}, "1.00 V", 0, 50, false, false, true, 100},
        {{{temps, 40}}, "", 100, 40, true, false, true, 0},
        {{{deux, 0}, {temps, 12}}, "", 100, 12, true, false, true, 0},
        {{{deux, 0}, {deux, 0}}, "", 100, 50, false, false, true, 0},
        {{{temps, 40}, {fibre, 0}}, "", 100, 40, false, true, false, 0},
        {{{fibre, 0}, {intensite, 75}}, "0.25 V", 75, 50, false, true, true, 25},
        {{{fibre, 0}, {temps, 3}, {nerf, 0}}, "", 100, 3, false, false, false, 0},
    };
    for (const Cas& c : cas) {
        SimulationNerf m;
        for (const auto& [a, v] : c.actions) {
            switch (a) {
            case intensite: m.regler_intensite(v); break;
            case temps: m.regler_intervalle(v); break;
            case deux: m.basculer_seconde(); break;
            case fibre: m.choisir_fibre(true); break;
            case nerf: m.choisir_fibre(false); break;
            }
        }
        const ReglagesStimulation r = m.reglages();
        EXPECT_EQ(m.texte_intensite(), QString::fromLatin1(c.texte)) << c.actions.size();
        EXPECT_EQ(std::tuple(r.position_i_stim, r.pos, r.deux_stim, r.fibre),
                  std::tuple(c.position_i_stim, c.pos, c.deux_stim, c.fibre)) << c.texte << c.actions.size();
        ASSERT_EQ(m.trace().has_value(), c.trace) << c.actions.size();
        if (c.trace) {
            EXPECT_EQ(m.reponse().intensite, c.intensite) << c.texte;
        }
    }
}

TEST(SimulationNerf, TheSheetJudgesTheAnswersAsTyped)
{
    SimulationNerf m;
    m.definir_items_electrode({"l'anode", "la cathode"});
    const QString textes[] = {"2", "1,5 ms", "500", "666 Hz", "40", "Cathode", "0.20"};
    for (std::size_t i = 0; i < 7; ++i)
        m.changer_reponse(i, textes[i]);
    EXPECT_EQ(std::tuple(m.reponses().periode_relative, m.reponses().periode_absolue, m.reponses().electrode),
              std::tuple(20, 15, 1));
    EXPECT_FALSE(m.correction_demandee());
    m.corriger();
    ASSERT_TRUE(m.verdicts());
    EXPECT_EQ(*m.verdicts(), (std::array<bool, 7>{true, true, true, true, true, true, true}));
    m.changer_reponse(4, "12");
    EXPECT_EQ(m.etat(4), EtatReponse::modifiee);
    EXPECT_EQ(m.etat(0), EtatReponse::juste);
    m.corriger();
    EXPECT_FALSE((*m.verdicts())[4]);
}
