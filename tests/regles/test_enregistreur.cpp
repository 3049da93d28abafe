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
int compter_colonnes(const QImage& image, const QColor& couleur, int x1 = 0, int x2 = Enregistreur::largeur_courbe)
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
    m.enregistreur.programmer_ou_finir();
    for (int i = 1; i <= n; ++i) {
        m.pas_suivant();
        regler(m, Barre::gk, 10 * i);
        regler(m, Barre::ke, 6 + 2 * i);
    }
}

} // namespace

TEST(Enregistreur, RecordingPlotsEachStepAndJoinsItToTheLast)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    regler(m, Barre::gk, 100);
    m.enregistreur.lancer_ou_arreter();
    EXPECT_EQ(m.enregistreur.bouton(BoutonCourbe::lancer).legende, "STOP");
    EXPECT_TRUE(m.enregistreur.enregistrement_en_cours());
    EXPECT_FALSE(m.enregistreur.passage_anim_permis());

    m.enregistreur.tic_enregistrement();
    EXPECT_EQ(m.enregistreur.pas, 1);
    EXPECT_EQ(m.enregistreur.prog_gk[1], 100);
    EXPECT_EQ(m.enregistreur.prog_k_int[1], 150);
    // One relaxation step: halfway to EeqK = -26.52 ln(150 / 6) = -85.37,
    // -42.69 at y round(142.69) = 143.
    const int y1 = 143;
    const QImage& c = m.enregistreur.courbe();
    EXPECT_EQ(c.pixelColor(8, y1 + 3), bleu_marine) << "the dot of step 1 at x 5";
    EXPECT_EQ(c.pixelColor(5, y1 + 3), QColor(Qt::black)) << "its outline";
    EXPECT_EQ(c.pixelColor(6, 101), rouge) << "GK 100 at y 100";
    EXPECT_EQ(c.pixelColor(6, 201), bleu) << "GNa 0 at y 200";
    EXPECT_EQ(compter_colonnes(c, bleu_marine, 0, 5), 0) << "no line before the first step";
    EXPECT_EQ(compter_colonnes(c, bleu_marine, 11, 420), 0);

    m.enregistreur.tic_enregistrement();
    const QImage& c2 = m.enregistreur.courbe();
    EXPECT_GT(compter_colonnes(c2, bleu_marine, 11, 12), 0) << "the potential's line between x 7 and x 12";
    EXPECT_EQ(c2.pixelColor(7, 100), rouge) << "GK line from x 5 to x 10";
    EXPECT_EQ(c2.pixelColor(7, 200), bleu);
    EXPECT_EQ(m.enregistreur.x_prec, 10);

    m.enregistreur.lancer_ou_arreter();
    EXPECT_EQ(m.enregistreur.bouton(BoutonCourbe::lancer).legende, "Lancer COURBE");
    EXPECT_FALSE(m.enregistreur.enregistrement_en_cours());
    EXPECT_TRUE(m.enregistreur.passage_anim_permis());
}

TEST(Enregistreur, ACopiedWorkbenchRecordsItsOwnSettings)
{
    // The original with its Na+ channels open, the copy with its K+ ones:
    // whatever the copy's recorder read or set on the original would show.
    EquilibresIoniques m = page_ionique_au_demarrage();
    regler(m, Barre::gna, 100);
    EquilibresIoniques copie(m);
    regler(copie, Barre::gna, 0);
    regler(copie, Barre::gk, 100);
    copie.enregistreur.lancer_ou_arreter();
    copie.enregistreur.tic_enregistrement();
    EXPECT_EQ(copie.enregistreur.prog_gk[1], 100);
    // Halfway from 0 to EeqK = -26.5217 ln(150 / 6) = -85.370 (toward ENa, +38.33, from the original's).
    EXPECT_NEAR(copie.enregistreur.em_trace(1), -42.685, 0.001);
    // Two steps programmed on the copy, then "<--": the copy's bars go back
    // to its first step (GK 10, [K]e 8).
    copie.enregistreur.effacer();
    programmer(copie, 2);
    copie.pas_precedent();
    EXPECT_EQ(std::tuple(m.valeur(Barre::gk), m.valeur(Barre::ke), m.enregistreur.prog_gk[0], m.enregistreur.prog_k_ext[0]),
              std::tuple(0, 6, 0, 6)) << "the original's bars and sequence stay as they were";
    EXPECT_DOUBLE_EQ(m.etat.em, 0) << "no tick of its own: its potential has not moved";
}

TEST(Enregistreur, RecordingStopsAtTheEightyFourthTickUntilCleared)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.enregistreur.lancer_ou_arreter();
    for (int i = 0; i < 83; ++i)
        m.enregistreur.tic_enregistrement();
    EXPECT_EQ(m.enregistreur.pas, 83);
    EXPECT_TRUE(m.enregistreur.enregistrement_en_cours());
    const unsigned dessin = m.enregistreur.version_courbe();
    m.enregistreur.tic_enregistrement();
    EXPECT_EQ(m.enregistreur.pas, 83);
    EXPECT_FALSE(m.enregistreur.enregistrement_en_cours());
    EXPECT_EQ(m.enregistreur.bouton(BoutonCourbe::lancer).legende, "Lancer COURBE");
    EXPECT_EQ(m.enregistreur.version_courbe(), dessin) << "nothing plotted at the 84th tick";

    // Started again, it stops at its first tick.
    m.enregistreur.lancer_ou_arreter();
    m.enregistreur.tic_enregistrement();
    EXPECT_FALSE(m.enregistreur.enregistrement_en_cours());
    EXPECT_EQ(m.enregistreur.pas, 83);

    // "EFFACER" clears the chart and starts again from step 1.
    m.enregistreur.effacer();
    EXPECT_TRUE(toute_blanche(m.enregistreur.courbe()));
    EXPECT_EQ(m.enregistreur.pas, 0);
    EXPECT_EQ(m.enregistreur.pas_max, 0);
    EXPECT_EQ(m.enregistreur.bouton(BoutonCourbe::lancer).legende, "Lancer COURBE");
    m.enregistreur.lancer_ou_arreter();
    m.enregistreur.tic_enregistrement();
    EXPECT_EQ(m.enregistreur.pas, 1);
}

TEST(Enregistreur, ClearingKeepsARunningRecordingGoing)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.enregistreur.lancer_ou_arreter();
    m.enregistreur.tic_enregistrement();
    m.enregistreur.tic_enregistrement();
    m.enregistreur.effacer();
    EXPECT_TRUE(m.enregistreur.enregistrement_en_cours());
    EXPECT_TRUE(m.enregistreur.passage_anim_permis());
    m.enregistreur.tic_enregistrement();
    EXPECT_EQ(m.enregistreur.pas, 1);
    EXPECT_EQ(compter_colonnes(m.enregistreur.courbe(), bleu_marine, 11, 420), 0) << "step 1 again, with no line";
}

TEST(Enregistreur, ProgrammingShowsTheStepButtons)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.enregistreur.lancer_ou_arreter();
    m.enregistreur.tic_enregistrement();
    m.enregistreur.tic_enregistrement();
    m.enregistreur.programmer_ou_finir();
    EXPECT_EQ(m.enregistreur.bouton(BoutonCourbe::programmer).legende, "Fin program.");
    EXPECT_EQ(m.enregistreur.pas_max, 2) << "the recorded steps start the program";
    EXPECT_FALSE(m.enregistreur.enregistrement_en_cours()) << "a recording does not go on behind a disabled STOP";
    EXPECT_TRUE(m.enregistreur.bouton(BoutonCourbe::reculer).visible);
    EXPECT_TRUE(m.enregistreur.bouton(BoutonCourbe::avancer).visible);
    EXPECT_TRUE(m.enregistreur.bouton(BoutonCourbe::essai).visible);
    EXPECT_FALSE(m.enregistreur.actif(BoutonCourbe::lancer));

    m.enregistreur.programmer_ou_finir();
    EXPECT_EQ(m.enregistreur.bouton(BoutonCourbe::programmer).legende, "Program.COURBE");
    EXPECT_FALSE(m.enregistreur.bouton(BoutonCourbe::reculer).visible);
    EXPECT_FALSE(m.enregistreur.bouton(BoutonCourbe::essai).visible);
    EXPECT_TRUE(m.enregistreur.bouton(BoutonCourbe::lancer).actif);
    EXPECT_TRUE(m.enregistreur.mode_essai) << "ending the program starts a trial run";
    EXPECT_TRUE(m.enregistreur.essai_en_cours());
}

TEST(Enregistreur, BackAtTheFirstStepOnlySetsTheEditingFlag)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.enregistreur.pas = 1;
    m.enregistreur.pas_max = 3;
    const unsigned dessin = m.enregistreur.version_courbe();
    m.pas_precedent();
    EXPECT_TRUE(m.enregistreur.mode_edition);
    EXPECT_EQ(m.enregistreur.pas, 1);
    EXPECT_EQ(m.enregistreur.version_courbe(), dessin);
    m.enregistreur.pas = 0;
    m.pas_precedent();
    EXPECT_EQ(m.enregistreur.pas, 0);
}

TEST(Enregistreur, ForwardAtTheLastStepAppendsTheCurrentSettings)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.enregistreur.programmer_ou_finir();
    regler(m, Barre::gk, 40);
    regler(m, Barre::gna, 20);
    m.pas_suivant();
    EXPECT_EQ(m.enregistreur.pas, 1);
    EXPECT_EQ(m.enregistreur.pas_max, 1);
    EXPECT_EQ(m.enregistreur.prog_gk[1], 40);
    EXPECT_EQ(m.enregistreur.prog_gna[1], 20);
    EXPECT_EQ(m.enregistreur.prog_k_int[1], 150);
    EXPECT_EQ(m.enregistreur.prog_na_ext[1], 144);
    const QImage& c = m.enregistreur.courbe();
    EXPECT_EQ(c.pixelColor(6, 161), rouge);
    EXPECT_EQ(c.pixelColor(6, 181), bleu);
    EXPECT_EQ(compter_colonnes(c, bleu_marine), 0) << "GK and GNa dots only";
    EXPECT_EQ(c.pixelColor(5, 100), vert) << "the marker of step 1";
}

TEST(Enregistreur, StepsAreRestoredWhenMovingBackAndForth)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    programmer(m, 3);
    EXPECT_EQ(m.enregistreur.pas_max, 3);
    EXPECT_EQ(m.enregistreur.pas, 3);
    EXPECT_EQ(m.enregistreur.prog_k_ext[2], 10);
    EXPECT_EQ(m.enregistreur.prog_gk[2], 20);

    m.pas_precedent();
    EXPECT_EQ(m.enregistreur.pas, 2);
    EXPECT_EQ(m.etat.perm_k, 20);
    EXPECT_EQ(m.position(Barre::gk), 80);
    EXPECT_EQ(m.etat.k_ext, 10);
    EXPECT_EQ(m.position(Barre::ke), 290);
    EXPECT_EQ(m.texte(Texte::k_ext), "[K]e=10");
    EXPECT_EQ(m.enregistreur.courbe().pixelColor(10, 50), vert);

    m.pas_precedent();
    EXPECT_EQ(m.enregistreur.pas, 1);
    EXPECT_EQ(m.texte(Texte::gk), "GK=10");
    m.pas_suivant();
    EXPECT_EQ(m.enregistreur.pas, 2);
    EXPECT_EQ(m.texte(Texte::gk), "GK=20");
    EXPECT_EQ(m.enregistreur.pas_max, 3) << "moving within the program appends nothing";
    // Moving a permeability bar while editing redraws the program.
    regler(m, Barre::gk, 70);
    EXPECT_EQ(m.enregistreur.prog_gk[2], 70);
    EXPECT_EQ(m.enregistreur.courbe().pixelColor(10, 50), vert);
}

TEST(Enregistreur, NoStepIsAppendedPastTheLast)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.enregistreur.programmer_ou_finir();
    for (int i = 0; i < 90; ++i)
        m.pas_suivant();
    EXPECT_EQ(m.enregistreur.pas, 83);
    EXPECT_EQ(m.enregistreur.pas_max, 83);
    EXPECT_EQ(m.enregistreur.sequence().etapes.size(), 83u);
}

TEST(Enregistreur, TrialRunWithOneStepSettlesPlaysAndStops)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.enregistreur.prog_k_int[0] = 150;
    m.enregistreur.prog_k_ext[0] = 6;
    m.enregistreur.pas_max = 1;
    m.enregistreur.prog_gk[1] = 100;
    m.enregistreur.prog_gna[1] = 0;
    m.enregistreur.prog_k_int[1] = 150;
    m.enregistreur.prog_k_ext[1] = 30;
    m.enregistreur.prog_na_int[1] = 8;
    m.enregistreur.prog_na_ext[1] = 144;
    const double ek_depart = m.etat.e_k;
    m.enregistreur.lancer_essai();
    EXPECT_TRUE(m.enregistreur.mode_essai);
    EXPECT_EQ(m.enregistreur.intervalle_relaxation(), Enregistreur::intervalle_essai);
    for (BoutonCourbe b : {BoutonCourbe::lancer, BoutonCourbe::effacer, BoutonCourbe::programmer,
                           BoutonCourbe::reculer, BoutonCourbe::avancer})
        EXPECT_FALSE(m.enregistreur.actif(b));
    EXPECT_TRUE(m.enregistreur.actif(BoutonCourbe::essai));

    int reglage = 0;
    while (m.enregistreur.pas == 0 && reglage < 200) {
        m.tic_essai();
        ++reglage;
    }
    ASSERT_EQ(m.enregistreur.pas, 1) << "settling ends once the potential moves by 1 mV or less";
    EXPECT_GT(reglage, 2);
    EXPECT_NEAR(m.enregistreur.em_prec, ek_depart, 3) << "settled near EeqK of the starting concentrations";
    // Then one relaxation step toward EeqK of step 1.
    EXPECT_GT(m.etat.em, m.enregistreur.em_prec + 10);
    EXPECT_LT(m.etat.em, m.etat.e_k);
    EXPECT_EQ(m.etat.k_ext, 30);
    EXPECT_EQ(m.position(Barre::ke), 270);
    EXPECT_EQ(m.texte(Texte::k_ext), "[K]e=30");
    EXPECT_EQ(m.position(Barre::gk), 0);
    EXPECT_EQ(m.enregistreur.prog_em[1], m.etat.em);
    EXPECT_GT(compter_colonnes(m.enregistreur.courbe(), bleu_marine), 0) << "a trial run plots the potential";

    m.tic_essai();
    EXPECT_FALSE(m.enregistreur.mode_essai);
    EXPECT_FALSE(m.enregistreur.essai_en_cours());
    EXPECT_EQ(m.enregistreur.intervalle_relaxation(), Enregistreur::intervalle_normal);
    EXPECT_TRUE(m.enregistreur.actif(BoutonCourbe::lancer));
}

TEST(Enregistreur, TrialRunWithNoStepStopsWithoutPlotting)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.enregistreur.lancer_ou_arreter();
    m.enregistreur.tic_enregistrement();
    m.enregistreur.effacer();
    m.enregistreur.lancer_essai();
    EXPECT_FALSE(m.enregistreur.enregistrement_en_cours()) << "a trial run stops the recording";
    for (int i = 0; i < 50 && m.enregistreur.essai_en_cours(); ++i)
        m.tic_essai();
    EXPECT_FALSE(m.enregistreur.essai_en_cours());
    EXPECT_TRUE(toute_blanche(m.enregistreur.courbe()));
}

TEST(Enregistreur, SequenceForTheWorkFileAndBack)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    programmer(m, 2);
    m.enregistreur.prog_em[1] = -70;
    m.enregistreur.prog_em[2] = -65.5;
    const SequenceNernst s = m.enregistreur.sequence();
    ASSERT_EQ(s.etapes.size(), 2u);
    EXPECT_EQ(s.etapes[0], (EtapeNernst{10, 0, 150, 8, 8, 144, -70}));
    EXPECT_EQ(s.etapes[1], (EtapeNernst{20, 0, 150, 10, 8, 144, -65.5}));

    EquilibresIoniques n = page_ionique_au_demarrage();
    SequenceNernst lue = s;
    lue.etapes.push_back(EtapeNernst{500, -3, 400, -1, 300, 0, -80});
    n.enregistreur.charger(lue);
    EXPECT_EQ(n.enregistreur.pas_max, 3);
    EXPECT_EQ(n.enregistreur.pas, 3);
    EXPECT_EQ(n.enregistreur.sequence().etapes[1], s.etapes[1]);
    EXPECT_EQ(n.enregistreur.sequence().etapes[2], (EtapeNernst{100, 0, 300, 0, 300, 0, -80})) << "kept within the bars";

    n.enregistreur.charger(SequenceNernst{});
    EXPECT_EQ(n.enregistreur.pas_max, 0);
    EXPECT_TRUE(n.enregistreur.sequence().etapes.empty());
}

TEST(Enregistreur, AFinishedTrialRunAddsNoStepToTheProgram)
{
    // Played, reprogrammed and played again, a program of N steps keeps N,
    // 83 included: the step after the last is no part of it.
    for (const int n : {1, 7, Enregistreur::dernier_pas}) {
        SCOPED_TRACE(n);
        EquilibresIoniques m = page_ionique_au_demarrage();
        SequenceNernst s;
        for (int i = 1; i <= n; ++i)
            s.etapes.push_back({i % 101, (3 * i) % 101, 150, 2 * i, 10, 140, 0});
        m.enregistreur.charger(s);
        m.enregistreur.lancer_essai();
        for (int cycle = 0; cycle < 3; ++cycle) {
            for (int i = 0; i < 5000 && m.enregistreur.essai_en_cours(); ++i) {
                m.tic_essai();
                ASSERT_LE(m.enregistreur.pas, m.enregistreur.pas_max);
            }
            ASSERT_FALSE(m.enregistreur.essai_en_cours());
            m.enregistreur.programmer_ou_finir(); // "Program.COURBE"
            EXPECT_EQ(m.enregistreur.pas_max, n);
            m.enregistreur.programmer_ou_finir(); // "Fin program.": played again
        }
        EXPECT_EQ(m.enregistreur.sequence().etapes.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(m.enregistreur.prog_gk[n], n % 101);
    }
}

TEST(Enregistreur, EditingOnePermeabilityKeepsTheOtherAsItsBarShows)
{
    // Step 1: GK 10, GNa 40; step 2: GK 20, GNa 0. Back at step 1, GK moved to 60.
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.enregistreur.programmer_ou_finir();
    m.pas_suivant();
    regler(m, Barre::gk, 10);
    regler(m, Barre::gna, 40);
    m.pas_suivant();
    regler(m, Barre::gk, 20);
    regler(m, Barre::gna, 0);
    m.pas_precedent();
    ASSERT_EQ(m.enregistreur.pas, 1);
    ASSERT_EQ(m.valeur(Barre::gna), 40);
    regler(m, Barre::gk, 60);
    EXPECT_EQ(m.etat.perm_k, 60);
    EXPECT_EQ(m.etat.perm_na, 40) << "the GNa bar's value, not step 2's";
    regler(m, Barre::gna, 30);
    EXPECT_EQ(m.etat.perm_k, 60);
    EXPECT_EQ(m.etat.perm_na, 30);
    EXPECT_EQ(m.enregistreur.prog_gk[1], 60);
    EXPECT_EQ(m.enregistreur.prog_gna[1], 30);
    EXPECT_EQ(m.enregistreur.prog_gna[2], 0);
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
    m.enregistreur.charger(s);
    m.enregistreur.lancer_essai();
    for (int tic = 1; tic <= 4; ++tic) {
        m.tic_essai();
        ASSERT_EQ(m.enregistreur.pas, 0) << "still settling at tick " << tic;
    }
    EXPECT_NEAR(m.enregistreur.em_prec, 76.6577 - 1.9624, 1e-3);
    m.tic_essai();
    ASSERT_EQ(m.enregistreur.pas, 1);
    EXPECT_EQ(m.etat.perm_k, 0);
    EXPECT_EQ(m.etat.perm_na, 40);
    EXPECT_NEAR(m.enregistreur.prog_em[1], 75.87, 0.01);
}
