#include "common/dossiers_utilisateur.h"
#include "app/preferences.h"
#include "common/curseurs.h"
#include "stimulation/valeurs_stimulation.h"

#include <QStandardPaths>
#include <gtest/gtest.h>

#include "page_ionique_depart.h"

using namespace quillon;
using namespace quillon::essais;

TEST(Curseurs, ClicksKeysAndBoundsPutAndMoveTwoCursors)
{
    // c: click on the sample, d: move by it, f: Space, e: Escape, b: bounds 1..it.
    const struct {
        const char* gestes;
        std::vector<int> valeurs, positions;
    } cas[] = {{"cc", {12, 30}, {12, 30}}, {"ccc", {12, 30, 7}, {7}}, {"ccd", {12, 30, -10}, {12, 20}},
               {"cd", {78, 10}, {80}},     {"cd", {3, -10}, {1}},     {"c", {500}, {80}},
               {"d", {1}, {1}},            {"f", {}, {1}},            {"cfd", {12, 3}, {12, 15}},
               {"ccf", {12, 30}, {30}},    {"cce", {12, 30}, {}},     {"ccb", {12, 30, 20}, {12}},
               {"bcdf", {0, 12, 1}, {}}};
    for (const auto& c : cas) {
        CurseursMesure m;
        m.bornes(1, 80);
        auto v = c.valeurs.begin();
        for (const char* g = c.gestes; *g != '\0'; ++g)
            *g == 'c' ? m.cliquer(*v++) : *g == 'd' ? m.deplacer(*v++) : *g == 'f' ? m.fixer()
                : *g == 'e' ? m.effacer() : m.bornes(1, *v++);
        std::vector<int> positions;
        for (int i = 0; i < m.nombre(); ++i)
            positions.push_back(m.position(i));
        EXPECT_EQ(positions, c.positions) << c.gestes;
    }
}

TEST(Curseurs, ScreenReadsTimeAndValueOfTheModelsSamples)
{
    // A spike rising 4 mV a sample over 30 samples; design electrodes
    // (decal1 21, decal12 3); a fibre at 0.25 V: factor 0.7.
    PotentielEss0 pot{};
    for (int k = 1; k <= 30; ++k)
        pot[static_cast<std::size_t>(k)] = 4 * k;
    const ReglagesStimulation r{.position_i_stim = 75, .fibre = true};
    ReponseStimulation rep;
    rep.calculer(r, pot);
    CurseursMesure c;
    c.bornes(1, 80);
    // Times with two decimals; their difference is that of the values shown
    // (3.67 - 1.83 = 1.84, where 11 samples are 1.833 ms).
    for (auto [j, texte, ecart] : {std::tuple{31, "t = 5.17 ms ; 8.4 u.a.", "Δt = -1.50 ms"}, // 0.7 x (40 - 28)
                                   {52, "t = 8.67 ms ; -78.4 u.a.", "Δt = -5.00 ms"},         // 0.7 x (0 - 112)
                                   {60, "t = 10.00 ms ; 0.0 u.a.", "Δt = -6.33 ms"},
                                   {11, "t = 1.83 ms ; 0.0 u.a.", "Δt = 1.84 ms"}}) {
        c.cliquer(j);
        c.cliquer(22); // 0.7 x (4 - 0) at 22/6 ms
        const LecturesCurseurs l = lectures_ecran(c, r, rep);
        EXPECT_EQ(l.curseurs, (std::array<QString, 2>{texte, "t = 3.67 ms ; 2.8 u.a."})) << j;
        EXPECT_EQ(l.difference, ecart);
    }
    // Potentials read -21.96 and -26.54 show -22.0 and -26.5: a pupil finds -4.5.
    EXPECT_EQ(texte_mesure(valeur_lue(-26.54) - valeur_lue(-21.96)), "-4.5");
    EXPECT_EQ(texte_mesure(-0.004, 2), "0.00");
    // The recording screen, 400 pixels wide, sample j on column 5 j + 3: the
    // last one drawn is 79 (80 would be on column 403).
    EXPECT_EQ(dernier_visible(400, 5, 3), 79);
    EXPECT_EQ(dernier_visible(404, 5, 3), 80);
}

TEST(Curseurs, ChartReadsTheStepAndItsPlottedPotential)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    regler(m, Barre::gk, 100);
    m.enregistreur.lancer_ou_arreter();
    m.enregistreur.tic_enregistrement();
    CurseursMesure c;
    c.bornes(1, m.enregistreur.pas_traces());
    c.cliquer(9); // past the last step: on it
    EXPECT_EQ(lectures_courbe(c, m.enregistreur).curseurs[0], "Pas 1 ; Em = -42.7 mV") << "halfway to EeqK -85.37";
    m.enregistreur.lancer_ou_arreter(); // a programmed step plots no potential until a trial plays it
    m.enregistreur.programmer_ou_finir();
    m.pas_suivant();
    c.bornes(1, m.enregistreur.pas_traces());
    c.cliquer(2);
    EXPECT_EQ(lectures_courbe(c, m.enregistreur).curseurs[1], "Pas 2 ; Em non tracé");
    EXPECT_EQ(lectures_courbe(c, m.enregistreur).difference, "ΔEm : Em non tracé");
}

TEST(Curseurs, SettingsKeptAndTheDesignsPaceWhenUnreadable)
{
    QStandardPaths::setTestModeEnabled(true);
    for (const char* illisible : {"vite", "", "moyenne"}) {
        reglages_utilisateur().setValue("animation/vitesse", illisible);
        EXPECT_EQ(vitesse_retenue(), *illisible == 'm' ? Vitesse::moyenne : Vitesse::rapide) << illisible;
    }
    reglages_utilisateur().remove("mesure/curseurs");
    EXPECT_FALSE(curseurs_mesure_retenus()) << "off at first";
    for (bool actifs : {true, false}) {
        retenir_curseurs_mesure(actifs);
        EXPECT_EQ(curseurs_mesure_retenus(), actifs);
    }
}
