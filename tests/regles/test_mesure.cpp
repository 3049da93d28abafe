// Measuring cursors on the recording screen and the recorder's chart, and
// the animation's pace: the rules and the settings that keep them.
#include "app/dossiers_utilisateur.h"
#include "app/preferences.h"
#include "common/curseurs.h"
#include "ionic/equilibres.h"
#include "stimulation/valeurs_stimulation.h"

#include <QStandardPaths>
#include <gtest/gtest.h>

#include "page_ionique_depart.h"

using namespace quillon;
using namespace quillon::essais;

TEST(Curseurs, ClicksKeysAndBoundsPutAndMoveTwoCursors)
{
    // c: click at the sample, d: move by the number, f: Space, e: Escape,
    // b: new bounds 1..number.
    const struct {
        const char* gestes;
        std::vector<int> valeurs;
        std::vector<int> positions;
    } cas[] = {
        {"c", {12}, {12}},
        {"cc", {12, 30}, {12, 30}},
        {"ccc", {12, 30, 7}, {7}},                 // the third click starts again
        {"cd", {12, 1}, {13}},
        {"ccd", {12, 30, -10}, {12, 20}},          // keys move the last put
        {"cd", {78, 10}, {80}},                    // stopped at the last sample
        {"cd", {3, -10}, {1}},
        {"c", {500}, {80}},                        // a click past the curve, on its end
        {"d", {1}, {1}},                           // keys alone start on the first sample
        {"f", {}, {1}},
        {"cfd", {12, 3}, {12, 15}},                // Space fixes and starts the second there
        {"ccf", {12, 30}, {30}},                   // with two, as a third click
        {"cce", {12, 30}, {}},
        {"ccb", {12, 30, 20}, {12}},               // a shorter curve drops what is past it
        {"cb", {12, 0}, {}},
        {"bcdf", {0, 12, 1}, {}},                  // an empty curve takes no cursor
    };
    for (const auto& c : cas) {
        CurseursMesure m;
        m.bornes(1, 80);
        std::size_t v = 0;
        for (const char* g = c.gestes; *g != '\0'; ++g) {
            switch (*g) {
            case 'c': m.cliquer(c.valeurs[v++]); break;
            case 'd': m.deplacer(c.valeurs[v++]); break;
            case 'f': m.fixer(); break;
            case 'e': m.effacer(); break;
            case 'b': m.bornes(1, c.valeurs[v++]); break;
            }
        }
        std::vector<int> positions;
        for (int i = 0; i < m.nombre(); ++i)
            positions.push_back(m.position(i));
        EXPECT_EQ(positions, c.positions) << c.gestes;
        EXPECT_EQ(m.courant(), m.nombre() - 1) << c.gestes;
    }
    // Columns to samples: sample n centred on 5 n + 3.
    for (auto [x, n] : {std::pair{8, 1}, {10, 1}, {11, 2}, {403, 80}, {0, -1}})
        EXPECT_EQ(echantillon_proche(x, 5, 3), n) << x;
}

TEST(Curseurs, ScreenReadsTimeAndValueOfTheModelsSamples)
{
    // A spike rising 4 mV a sample over 30 samples; design electrodes
    // (decal1 21, decal12 3), intensity 0.70 V: factor 0.7.
    PotentielEss0 pot{};
    for (int k = 1; k <= 84; ++k)
        pot[static_cast<std::size_t>(k)] = k <= 30 ? -70 + 4 * k : -70;
    ReglagesStimulation r;
    r.position_i_stim = 30;
    ReponseStimulation rep;
    rep.calculer(r, pot);
    CurseursMesure c;
    c.bornes(1, 80);
    c.cliquer(31); // voie1 4 x 10, voie2 4 x 7: 0.7 x 12 = 8.4, at 31/6 = 5.17 ms
    c.cliquer(22); // the first sample under electrode 1: 0.7 x 4 = 2.8, at 3.67 ms
    const LecturesCurseurs l = lectures_ecran(c, r, rep);
    EXPECT_EQ(l.curseurs[0], "t = 5.2 ms ; 8.4 u.a.");
    EXPECT_EQ(l.curseurs[1], "t = 3.7 ms ; 2.8 u.a.");
    EXPECT_EQ(l.difference, "Δt = -1.5 ms");
    EXPECT_NEAR(valeur_ecran(r, rep, 31), 110 - rep.y(31), 0.5) << "as plotted";
    r.fibre = true; // a fibre answers with the whole factor whatever the intensity
    r.position_i_stim = 75;
    rep.calculer(r, pot);
    for (auto [j, texte] : {std::pair{31, "t = 5.2 ms ; 8.4 u.a."}, {52, "t = 8.7 ms ; -78.4 u.a."},
                            {60, "t = 10.0 ms ; 0.0 u.a."}}) {
        c.cliquer(j);
        EXPECT_EQ(lectures_ecran(c, r, rep).curseurs[0], texte) << j;
        c.effacer();
    }
    c.cliquer(60);
    EXPECT_TRUE(lectures_ecran(c, r, rep).difference.isEmpty());
}

TEST(Curseurs, ChartReadsTheStepAndItsPlottedPotential)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    regler(m, Barre::gk, 100);
    m.BitBtn14Click();
    m.Timer_courbeTimer();
    m.Timer_courbeTimer();
    m.Timer_courbeTimer();
    CurseursMesure c;
    c.bornes(1, m.pas_traces());
    c.cliquer(1);
    c.cliquer(9);
    const LecturesCurseurs l = lectures_courbe(c, m);
    EXPECT_EQ(l.curseurs[0], QStringLiteral("Pas 1 ; Em = %1 mV").arg(texte_mesure(m.em_trace(1))));
    EXPECT_EQ(l.curseurs[0], "Pas 1 ; Em = -42.7 mV") << "halfway to EeqK -85.37";
    EXPECT_EQ(l.curseurs[1], QStringLiteral("Pas 3 ; Em = %1 mV").arg(texte_mesure(m.em_trace(3))));
    EXPECT_EQ(l.difference, QStringLiteral("ΔEm = %1 mV").arg(texte_mesure(m.em_trace(3) - m.em_trace(1))));
    EXPECT_NE(m.em_trace(3), m.em_trace(1));
    // A programmed step plots no potential until a trial plays it.
    m.BitBtn14Click();
    m.BitBtn16Click();
    m.BitBtn17Click();
    c.bornes(1, m.pas_traces());
    c.cliquer(4);
    EXPECT_EQ(lectures_courbe(c, m).curseurs[0], "Pas 4 ; Em non tracé");
    c.cliquer(1);
    EXPECT_EQ(lectures_courbe(c, m).difference, "ΔEm : Em non tracé");
}

TEST(Curseurs, PaceIntervalsAndSettingsAreKept)
{
    QStandardPaths::setTestModeEnabled(true);
    const struct {
        Vitesse v;
        int intervalle;
        const char* nom;
    } rythmes[] = {{Vitesse::lente, 67, "lente"}, {Vitesse::moyenne, 16, "moyenne"}, {Vitesse::rapide, 1, "rapide"}};
    for (const auto& r : rythmes) {
        EXPECT_EQ(intervalle_animation(r.v), r.intervalle) << r.nom;
        retenir_vitesse(r.v);
        EXPECT_EQ(vitesse_retenue(), r.v) << r.nom;
        EXPECT_EQ(reglages_utilisateur().value("animation/vitesse").toString(), r.nom);
    }
    reglages_utilisateur().setValue("animation/vitesse", "vite");
    EXPECT_EQ(vitesse_retenue(), Vitesse::rapide) << "an unknown pace gives the design's";
    reglages_utilisateur().remove("animation/vitesse");
    EXPECT_EQ(vitesse_retenue(), Vitesse::rapide);

    reglages_utilisateur().remove("mesure/curseurs");
    EXPECT_FALSE(curseurs_mesure_retenus()) << "off at first";
    retenir_curseurs_mesure(true);
    EXPECT_TRUE(curseurs_mesure_retenus());
    retenir_curseurs_mesure(false);
    EXPECT_FALSE(curseurs_mesure_retenus());
}
