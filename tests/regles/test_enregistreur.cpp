#include "ionic/equilibres.h"

#include <QColor>
#include <gtest/gtest.h>

#include "impression.h"
#include "page_ionique_depart.h"
#include "regles/outils_regles.h"

using namespace quillon;
using namespace quillon::essais;

namespace {

const QColor bleu_marine(0, 0, 128);
const QColor rouge(255, 0, 0);
const QColor bleu(0, 0, 255);
const QColor vert(0, 128, 0);


// Pixels of that colour in the columns x1 .. x2 - 1.
int compter_colonnes(const QImage& image, const QColor& couleur, int x1 = 0, int x2 = EquilibresIoniques::largeur_courbe)
{
    return essais::compter(image, couleur, QRect(x1, 0, x2 - x1, image.height()));
}

bool toute_blanche(const QImage& image)
{
    return essais::compter(image, Qt::white) == image.width() * image.height();
}

// Programs n steps by hand: step i has GK 10 i, GNa 0 and K+ outside 6 + 2 i.
void programmer(EquilibresIoniques& m, int n)
{
    m.BitBtn16Click();
    for (int i = 1; i <= n; ++i) {
        m.BitBtn17Click();
        regler(m, Barre::gk, 10 * i);
        regler(m, Barre::ke, 6 + 2 * i);
    }
}

} // namespace

TEST(Enregistreur, RecordingPlotsEachStepAndJoinsItToTheLast)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    regler(m, Barre::gk, 100);
    m.BitBtn14Click();
    EXPECT_EQ(m.bouton(BoutonCourbe::BitBtn14).legende, "STOP");
    EXPECT_TRUE(m.enregistrement_en_cours());
    EXPECT_FALSE(m.BitBtn12_actif());

    m.Timer_courbeTimer();
    EXPECT_EQ(m.pas, 1);
    EXPECT_EQ(m.prog_gk[1], 100);
    EXPECT_EQ(m.prog_k_int[1], 150);
    // One relaxation step: halfway to EeqK = -26.52 ln(150 / 6) = -85.37,
    // -42.69 at y round(142.69) = 143.
    const int y1 = 143;
    const QImage& c = m.courbe();
    EXPECT_EQ(c.pixelColor(8, y1 + 3), bleu_marine) << "the dot of step 1 at x 5";
    EXPECT_EQ(c.pixelColor(5, y1 + 3), QColor(Qt::black)) << "its outline";
    EXPECT_EQ(c.pixelColor(6, 101), rouge) << "GK 100 at y 100";
    EXPECT_EQ(c.pixelColor(6, 201), bleu) << "GNa 0 at y 200";
    EXPECT_EQ(compter_colonnes(c, bleu_marine, 0, 5), 0) << "no line before the first step";
    EXPECT_EQ(compter_colonnes(c, bleu_marine, 11, 420), 0);

    m.Timer_courbeTimer();
    const QImage& c2 = m.courbe();
    EXPECT_GT(compter_colonnes(c2, bleu_marine, 11, 12), 0) << "the potential's line between x 7 and x 12";
    EXPECT_EQ(c2.pixelColor(7, 100), rouge) << "GK line from x 5 to x 10";
    EXPECT_EQ(c2.pixelColor(7, 200), bleu);
    EXPECT_EQ(m.x_prec, 10);

    m.BitBtn14Click();
    EXPECT_EQ(m.bouton(BoutonCourbe::BitBtn14).legende, "Lancer COURBE");
    EXPECT_FALSE(m.enregistrement_en_cours());
    EXPECT_TRUE(m.BitBtn12_actif());
}

TEST(Enregistreur, RecordingStopsAtTheEightyFourthTickUntilCleared)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.BitBtn14Click();
    for (int i = 0; i < 83; ++i)
        m.Timer_courbeTimer();
    EXPECT_EQ(m.pas, 83);
    EXPECT_TRUE(m.enregistrement_en_cours());
    const unsigned dessin = m.version_courbe();
    m.Timer_courbeTimer();
    EXPECT_EQ(m.pas, 83);
    EXPECT_FALSE(m.enregistrement_en_cours());
    EXPECT_EQ(m.bouton(BoutonCourbe::BitBtn14).legende, "Lancer COURBE");
    EXPECT_EQ(m.version_courbe(), dessin) << "nothing plotted at the 84th tick";

    // Started again, it stops at its first tick.
    m.BitBtn14Click();
    m.Timer_courbeTimer();
    EXPECT_FALSE(m.enregistrement_en_cours());
    EXPECT_EQ(m.pas, 83);

    // "EFFACER" clears the chart and starts again from step 1.
    m.BitBtn15Click();
    EXPECT_TRUE(toute_blanche(m.courbe()));
    EXPECT_EQ(m.pas, 0);
    EXPECT_EQ(m.pas_max, 0);
    EXPECT_EQ(m.bouton(BoutonCourbe::BitBtn14).legende, "Lancer COURBE");
    m.BitBtn14Click();
    m.Timer_courbeTimer();
    EXPECT_EQ(m.pas, 1);
}

TEST(Enregistreur, ClearingKeepsARunningRecordingGoing)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.BitBtn14Click();
    m.Timer_courbeTimer();
    m.Timer_courbeTimer();
    m.BitBtn15Click();
    EXPECT_TRUE(m.enregistrement_en_cours());
    EXPECT_TRUE(m.BitBtn12_actif());
    m.Timer_courbeTimer();
    EXPECT_EQ(m.pas, 1);
    EXPECT_EQ(compter_colonnes(m.courbe(), bleu_marine, 11, 420), 0) << "step 1 again, with no line";
}

TEST(Enregistreur, ProgrammingShowsTheStepButtons)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.BitBtn14Click();
    m.Timer_courbeTimer();
    m.Timer_courbeTimer();
    m.BitBtn16Click();
    EXPECT_EQ(m.bouton(BoutonCourbe::BitBtn16).legende, "Fin program.");
    EXPECT_EQ(m.pas_max, 2) << "the recorded steps start the program";
    EXPECT_FALSE(m.enregistrement_en_cours()) << "a recording does not go on behind a disabled STOP";
    EXPECT_TRUE(m.bouton(BoutonCourbe::recule1).visible);
    EXPECT_TRUE(m.bouton(BoutonCourbe::BitBtn17).visible);
    EXPECT_TRUE(m.bouton(BoutonCourbe::BitBtn18).visible);
    EXPECT_FALSE(m.actif(BoutonCourbe::BitBtn14));

    m.BitBtn16Click();
    EXPECT_EQ(m.bouton(BoutonCourbe::BitBtn16).legende, "Program.COURBE");
    EXPECT_FALSE(m.bouton(BoutonCourbe::recule1).visible);
    EXPECT_FALSE(m.bouton(BoutonCourbe::BitBtn18).visible);
    EXPECT_TRUE(m.bouton(BoutonCourbe::BitBtn14).actif);
    EXPECT_TRUE(m.mode_essai) << "ending the program starts a trial run";
    EXPECT_TRUE(m.essai_en_cours());
}

TEST(Enregistreur, BackAtTheFirstStepOnlySetsTheEditingFlag)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.pas = 1;
    m.pas_max = 3;
    const unsigned dessin = m.version_courbe();
    m.recule1Click();
    EXPECT_TRUE(m.mode_edition);
    EXPECT_EQ(m.pas, 1);
    EXPECT_EQ(m.version_courbe(), dessin);
    m.pas = 0;
    m.recule1Click();
    EXPECT_EQ(m.pas, 0);
}

TEST(Enregistreur, ForwardAtTheLastStepAppendsTheCurrentSettings)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.BitBtn16Click();
    regler(m, Barre::gk, 40);
    regler(m, Barre::gna, 20);
    m.BitBtn17Click();
    EXPECT_EQ(m.pas, 1);
    EXPECT_EQ(m.pas_max, 1);
    EXPECT_EQ(m.prog_gk[1], 40);
    EXPECT_EQ(m.prog_gna[1], 20);
    EXPECT_EQ(m.prog_k_int[1], 150);
    EXPECT_EQ(m.prog_na_ext[1], 144);
    const QImage& c = m.courbe();
    EXPECT_EQ(c.pixelColor(6, 161), rouge);
    EXPECT_EQ(c.pixelColor(6, 181), bleu);
    EXPECT_EQ(compter_colonnes(c, bleu_marine), 0) << "GK and GNa dots only";
    EXPECT_EQ(c.pixelColor(5, 100), vert) << "the marker of step 1";
}

TEST(Enregistreur, StepsAreRestoredWhenMovingBackAndForth)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    programmer(m, 3);
    EXPECT_EQ(m.pas_max, 3);
    EXPECT_EQ(m.pas, 3);
    EXPECT_EQ(m.prog_k_ext[2], 10);
    EXPECT_EQ(m.prog_gk[2], 20);

    m.recule1Click();
    EXPECT_EQ(m.pas, 2);
    EXPECT_EQ(m.etat.perm_k, 20);
    EXPECT_EQ(m.position(Barre::gk), 80);
    EXPECT_EQ(m.etat.k_ext, 10);
    EXPECT_EQ(m.position(Barre::ke), 290);
    EXPECT_EQ(m.texte(Texte::lab_ke), "[K]e=10");
    EXPECT_EQ(m.courbe().pixelColor(10, 50), vert);

    m.recule1Click();
    EXPECT_EQ(m.pas, 1);
    EXPECT_EQ(m.texte(Texte::lab_gk), "GK=10");
    m.BitBtn17Click();
    EXPECT_EQ(m.pas, 2);
    EXPECT_EQ(m.texte(Texte::lab_gk), "GK=20");
    EXPECT_EQ(m.pas_max, 3) << "moving within the program appends nothing";
    // Moving a permeability bar while editing redraws the program.
    regler(m, Barre::gk, 70);
    EXPECT_EQ(m.prog_gk[2], 70);
    EXPECT_EQ(m.courbe().pixelColor(10, 50), vert);
}

TEST(Enregistreur, NoStepIsAppendedPastTheLast)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.BitBtn16Click();
    for (int i = 0; i < 90; ++i)
        m.BitBtn17Click();
    EXPECT_EQ(m.pas, 83);
    EXPECT_EQ(m.pas_max, 83);
    EXPECT_EQ(m.sequence().etapes.size(), 83u);
}

TEST(Enregistreur, TrialRunWithOneStepSettlesPlaysAndStops)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.prog_k_int[0] = 150;
    m.prog_k_ext[0] = 6;
    m.pas_max = 1;
    m.prog_gk[1] = 100;
    m.prog_gna[1] = 0;
    m.prog_k_int[1] = 150;
    m.prog_k_ext[1] = 30;
    m.prog_na_int[1] = 8;
    m.prog_na_ext[1] = 144;
    const double ek_depart = m.etat.e_k;
    m.BitBtn18Click();
    EXPECT_TRUE(m.mode_essai);
    EXPECT_EQ(m.intervalle_relaxation(), EquilibresIoniques::intervalle_essai);
    for (BoutonCourbe b : {BoutonCourbe::BitBtn14, BoutonCourbe::BitBtn15, BoutonCourbe::BitBtn16,
                           BoutonCourbe::recule1, BoutonCourbe::BitBtn17})
        EXPECT_FALSE(m.actif(b));
    EXPECT_TRUE(m.actif(BoutonCourbe::BitBtn18));

    int reglage = 0;
    while (m.pas == 0 && reglage < 200) {
        m.Timer_reaffTimer();
        ++reglage;
    }
    ASSERT_EQ(m.pas, 1) << "settling ends once the potential moves by 1 mV or less";
    EXPECT_GT(reglage, 2);
    EXPECT_NEAR(m.em_prec, ek_depart, 3) << "settled near EeqK of the starting concentrations";
    // Then one relaxation step toward EeqK of step 1.
    EXPECT_GT(m.etat.em, m.em_prec + 10);
    EXPECT_LT(m.etat.em, m.etat.e_k);
    EXPECT_EQ(m.etat.k_ext, 30);
    EXPECT_EQ(m.position(Barre::ke), 270);
    EXPECT_EQ(m.texte(Texte::lab_ke), "[K]e=30");
    EXPECT_EQ(m.position(Barre::gk), 0);
    EXPECT_EQ(m.prog_em[1], m.etat.em);
    EXPECT_GT(compter_colonnes(m.courbe(), bleu_marine), 0) << "a trial run plots the potential";

    m.Timer_reaffTimer();
    EXPECT_FALSE(m.mode_essai);
    EXPECT_FALSE(m.essai_en_cours());
    EXPECT_EQ(m.intervalle_relaxation(), EquilibresIoniques::intervalle_normal);
    EXPECT_TRUE(m.actif(BoutonCourbe::BitBtn14));
}

TEST(Enregistreur, TrialRunWithNoStepStopsWithoutPlotting)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.BitBtn14Click();
    m.Timer_courbeTimer();
    m.BitBtn15Click();
    m.BitBtn18Click();
    EXPECT_FALSE(m.enregistrement_en_cours()) << "a trial run stops the recording";
    for (int i = 0; i < 50 && m.essai_en_cours(); ++i)
        m.Timer_reaffTimer();
    EXPECT_FALSE(m.essai_en_cours());
    EXPECT_TRUE(toute_blanche(m.courbe()));
}

TEST(Enregistreur, SequenceForTheWorkFileAndBack)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    programmer(m, 2);
    m.prog_em[1] = -70;
    m.prog_em[2] = -65.5;
    const SequenceNernst s = m.sequence();
    ASSERT_EQ(s.etapes.size(), 2u);
    EXPECT_EQ(s.etapes[0], (EtapeNernst{10, 0, 150, 8, 8, 144, -70}));
    EXPECT_EQ(s.etapes[1], (EtapeNernst{20, 0, 150, 10, 8, 144, -65.5}));

    EquilibresIoniques n = page_ionique_au_demarrage();
    SequenceNernst lue = s;
    lue.etapes.push_back(EtapeNernst{500, -3, 400, -1, 300, 0, -80});
    n.charger(lue);
    EXPECT_EQ(n.pas_max, 3);
    EXPECT_EQ(n.pas, 3);
    EXPECT_EQ(n.sequence().etapes[1], s.etapes[1]);
    EXPECT_EQ(n.sequence().etapes[2], (EtapeNernst{100, 0, 300, 0, 300, 0, -80})) << "kept within the bars";

    n.charger(SequenceNernst{});
    EXPECT_EQ(n.pas_max, 0);
    EXPECT_TRUE(n.sequence().etapes.empty());
}

TEST(Enregistreur, AFinishedTrialRunAddsNoStepToTheProgram)
{
    // Played, reprogrammed and played again, a program of N steps keeps N,
    // 83 included: the step after the last is no part of it.
    for (const int n : {1, 7, EquilibresIoniques::dernier_pas}) {
        SCOPED_TRACE(n);
        EquilibresIoniques m = page_ionique_au_demarrage();
        SequenceNernst s;
        for (int i = 1; i <= n; ++i)
            s.etapes.push_back({i % 101, (3 * i) % 101, 150, 2 * i, 10, 140, 0});
        m.charger(s);
        m.BitBtn18Click();
        for (int cycle = 0; cycle < 3; ++cycle) {
            for (int i = 0; i < 5000 && m.essai_en_cours(); ++i) {
                m.Timer_reaffTimer();
                ASSERT_LE(m.pas, m.pas_max);
            }
            ASSERT_FALSE(m.essai_en_cours());
            m.BitBtn16Click(); // "Program.COURBE"
            EXPECT_EQ(m.pas_max, n);
            m.BitBtn16Click(); // "Fin program.": played again
        }
        EXPECT_EQ(m.sequence().etapes.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(m.prog_gk[n], n % 101);
    }
}

TEST(Enregistreur, EditingOnePermeabilityKeepsTheOtherAsItsBarShows)
{
    // Step 1: GK 10, GNa 40; step 2: GK 20, GNa 0. Back at step 1, GK moved to 60.
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.BitBtn16Click();
    m.BitBtn17Click();
    regler(m, Barre::gk, 10);
    regler(m, Barre::gna, 40);
    m.BitBtn17Click();
    regler(m, Barre::gk, 20);
    regler(m, Barre::gna, 0);
    m.recule1Click();
    ASSERT_EQ(m.pas, 1);
    ASSERT_EQ(m.valeur(Barre::gna), 40);
    regler(m, Barre::gk, 60);
    EXPECT_EQ(m.etat.perm_k, 60);
    EXPECT_EQ(m.etat.perm_na, 40) << "the GNa bar's value, not step 2's";
    regler(m, Barre::gna, 30);
    EXPECT_EQ(m.etat.perm_k, 60);
    EXPECT_EQ(m.etat.perm_na, 30);
    EXPECT_EQ(m.prog_gk[1], 60);
    EXPECT_EQ(m.prog_gna[1], 30);
    EXPECT_EQ(m.prog_gna[2], 0);
}

TEST(Enregistreur, TrialRunSettlesTowardSodiumWhenStepOneHasOnlySodium)
{
    // Step 1: GK 0, GNa 40, the start-up concentrations (ENa = 26.52 ln 18
    // = 76.66 mV). Each settling tick relaxes once with GNa 100 (halfway),
    // then once with step 1's GNa (a fifth of the way): the gap to ENa
    // shrinks 76.66 -> 30.66 -> 12.27 -> 4.91 -> 1.96, and the fifth tick's
    // half step moves 0.98 mV, no more than 1: step 1 is played then, one
    // fifth closer again: 76.66 - 0.98 + 0.20 = 75.87.
    EquilibresIoniques m = page_ionique_au_demarrage();
    SequenceNernst s;
    s.etapes = {{0, 40, 150, 6, 8, 144, 0}};
    m.charger(s);
    m.BitBtn18Click();
    for (int tic = 1; tic <= 4; ++tic) {
        m.Timer_reaffTimer();
        ASSERT_EQ(m.pas, 0) << "still settling at tick " << tic;
    }
    EXPECT_NEAR(m.em_prec, 76.6577 - 1.9624, 1e-3);
    m.Timer_reaffTimer();
    ASSERT_EQ(m.pas, 1);
    EXPECT_EQ(m.etat.perm_k, 0);
    EXPECT_EQ(m.etat.perm_na, 40);
    EXPECT_NEAR(m.prog_em[1], 75.87, 0.01);
}
