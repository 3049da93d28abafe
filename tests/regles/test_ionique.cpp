#include "ionic/equilibres.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

#include "impression.h"
#include "page_ionique_depart.h"

using namespace quillon;
using namespace quillon::essais;

TEST(Ionique, LabelsAndPotentialsAtStartUp)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.calcul_em();
    EXPECT_EQ(m.texte(Texte::k_int), "[K]i=150");
    EXPECT_EQ(m.texte(Texte::k_ext), "[K]e= 6");
    EXPECT_EQ(m.texte(Texte::na_int), "[Na]i= 8");
    EXPECT_EQ(m.texte(Texte::na_ext), "[Na]e=144");
    EXPECT_EQ(m.texte(Texte::gk), "GK=0");
    EXPECT_EQ(m.texte(Texte::gna), "GNa=0");
    EXPECT_EQ(m.texte(Texte::em), "Em=0.00");
    EXPECT_EQ(m.texte(Texte::e_k), "EeqK=-85.37");
    EXPECT_EQ(m.texte(Texte::e_na), "EnaK=76.66");
    EXPECT_NEAR(m.etat.e_k, -26.521739130434783 * std::log(150.0 / 6), 1e-12);
    EXPECT_NEAR(m.etat.e_na, -26.521739130434783 * std::log(8.0 / 144), 1e-12);

    // The bars moved from their design positions to the concentrations.
    EXPECT_EQ(m.position(Barre::ki), 150);
    EXPECT_EQ(m.position(Barre::ke), 294);
    EXPECT_EQ(m.position(Barre::nai), 292);
    EXPECT_EQ(m.position(Barre::nae), 156);
    EXPECT_EQ(m.position(Barre::gk), 100);
    // Their handlers recorded the settings into step 0.
    EXPECT_EQ(m.enregistreur.prog_k_int[0], 150);
    EXPECT_EQ(m.enregistreur.prog_k_ext[0], 6);
    EXPECT_EQ(m.enregistreur.prog_na_int[0], 8);
    EXPECT_EQ(m.enregistreur.prog_na_ext[0], 144);
    QLocale::setDefault(QLocale::c());
}

TEST(Ionique, PictureSizesFollowTheConcentrations)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    // K+ at 150: height round(sqrt(18/21 x 1950)) = 41, width round(41 x 21/18) = 48.
    EXPECT_EQ(m.taille(ImageIon::k_int), QSize(48, 41));
    EXPECT_EQ(m.taille(ImageIon::k_ext), QSize(9, 8));
    EXPECT_EQ(m.taille(ImageIon::na_int), QSize(14, 8));
    EXPECT_EQ(m.taille(ImageIon::na_ext), QSize(57, 32));
    // Anions: both cations of their side.
    const QSize ani = EtatIonique::taille_image(13 * 150.0 + 13 * 8.0, 17.0 / 20);
    EXPECT_EQ(m.taille(ImageIon::anions_int), ani);
    EXPECT_EQ(ani, QSize(49, 42));
    EXPECT_EQ(EtatIonique::taille_image(0, 18.0 / 21), QSize(0, 0));
}

TEST(Ionique, MembranePotentialRelaxesAtTheRateOfThePermeabilities)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    const double ek = m.etat.e_k;
    const double ena = m.etat.e_na;

    regler(m, Barre::gk, 100);
    EXPECT_EQ(m.texte(Texte::gk), "GK=100");
    EXPECT_EQ(m.etat.em, 0) << "the bar does not recompute the potential; the next tick does";
    m.calcul_em();
    EXPECT_DOUBLE_EQ(m.etat.em, ek / 2);
    m.calcul_em();
    EXPECT_DOUBLE_EQ(m.etat.em, ek * 3 / 4);

    regler(m, Barre::gk, 50);
    const double avant = m.etat.em;
    m.calcul_em();
    EXPECT_DOUBLE_EQ(m.etat.em, avant + (ek - avant) / 4);

    regler(m, Barre::gk, 100);
    regler(m, Barre::gna, 100);
    m.calcul_em();
    EXPECT_NEAR(m.etat.em_cible, (ek + ena) / 2, 1e-12);
    EXPECT_NEAR(m.etat.em, m.etat.em_cible, 1e-12) << "both at 100 reach the target in one tick";
    EXPECT_EQ(m.texte(Texte::em), "Em=-4.36");

    regler(m, Barre::gk, 0);
    regler(m, Barre::gna, 0);
    m.calcul_em();
    EXPECT_EQ(m.etat.em, 0);
    EXPECT_EQ(m.etat.em_cible, 0);
    EXPECT_EQ(m.texte(Texte::em), "Em=0.00");
}

TEST(Ionique, OddBarValuesDropToTheEvenValueBelow)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    // Up by 1 (LargeChange): 151 goes back to 150.
    m.changer_position(Barre::ki, m.position(Barre::ki) - 1);
    EXPECT_EQ(m.etat.k_int, 150);
    EXPECT_EQ(m.position(Barre::ki), 150);
    // Down by 1: 149 becomes 148.
    m.changer_position(Barre::ki, m.position(Barre::ki) + 1);
    EXPECT_EQ(m.etat.k_int, 148);
    EXPECT_EQ(m.position(Barre::ki), 152);
    EXPECT_EQ(m.texte(Texte::k_int), "[K]i=148");
    EXPECT_EQ(m.enregistreur.prog_k_int[0], 148);
    // Positions beyond the bar are brought back to its ends.
    m.changer_position(Barre::nae, -40);
    EXPECT_EQ(m.etat.na_ext, 300);
    m.changer_position(Barre::gna, 1000);
    EXPECT_EQ(m.etat.perm_na, 0);
}

TEST(Ionique, ClickingACationPictureStaysWithinItsRange)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    regler(m, Barre::ki, 292);
    m.clic_image(ImageIon::k_int, Qt::LeftButton);
    EXPECT_EQ(m.etat.k_int, 292);
    regler(m, Barre::ki, 290);
    m.clic_image(ImageIon::k_int, Qt::LeftButton);
    EXPECT_EQ(m.etat.k_int, 300);
    EXPECT_EQ(m.position(Barre::ki), 0);
    EXPECT_EQ(m.texte(Texte::k_int), "[K]i=300");

    regler(m, Barre::nae, 10);
    m.clic_image(ImageIon::na_ext, Qt::RightButton);
    EXPECT_EQ(m.etat.na_ext, 10);
    regler(m, Barre::nae, 12);
    m.clic_image(ImageIon::na_ext, Qt::RightButton);
    EXPECT_EQ(m.etat.na_ext, 2);
    EXPECT_EQ(m.texte(Texte::na_ext), "[Na]e= 2");
    EXPECT_EQ(m.position(Barre::nae), 298);

    m.clic_image(ImageIon::k_ext, Qt::MiddleButton);
    EXPECT_EQ(m.etat.k_ext, 6);
    m.clic_image(ImageIon::k_ext, Qt::LeftButton);
    EXPECT_EQ(m.etat.k_ext, 16);
    EXPECT_EQ(m.enregistreur.prog_k_ext[0], 16) << "the moved bar records the value";
}

TEST(Ionique, AConcentrationAtZeroShowsZeroButComputesWithATenth)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    regler(m, Barre::ke, 0);
    EXPECT_EQ(m.texte(Texte::k_ext), "[K]e= 0");
    EXPECT_DOUBLE_EQ(m.etat.k_ext, 0.1);
    EXPECT_DOUBLE_EQ(m.etat.e_k, -26.521739130434783 * std::log(150 / 0.1));
    EXPECT_EQ(m.position(Barre::ke), 300);
    EXPECT_EQ(m.enregistreur.prog_k_ext[0], 0);
    // Right-clicking a tenth leaves it, above 0.
    m.clic_image(ImageIon::k_ext, Qt::RightButton);
    EXPECT_DOUBLE_EQ(m.etat.k_ext, 0.1);
}

TEST(Ionique, OnlyPotassiumChangesResetTheAnimation)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    const auto remises = [&] { return static_cast<int>(m.version_animation()); };
    regler(m, Barre::ki, 100);
    EXPECT_EQ(remises(), 0) << "not in the equilibrium-potential mode";
    m.mode_anim = true;
    regler(m, Barre::ke, 20);
    EXPECT_GE(remises(), 1);
    const int avant = remises();
    regler(m, Barre::nai, 40);
    regler(m, Barre::nae, 40);
    regler(m, Barre::gk, 40);
    EXPECT_EQ(remises(), avant);
}

TEST(Ionique, HandlersRecordIntoTheCurrentStep)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.enregistreur.pas = 7;
    regler(m, Barre::gk, 30);
    regler(m, Barre::gna, 70);
    regler(m, Barre::nai, 31);
    m.clic_image(ImageIon::k_ext, Qt::LeftButton);
    EXPECT_EQ(m.enregistreur.prog_gk[7], 30);
    EXPECT_EQ(m.enregistreur.prog_gna[7], 70);
    EXPECT_EQ(m.enregistreur.prog_na_int[7], 30);
    EXPECT_EQ(m.enregistreur.prog_k_ext[7], 16);
    EXPECT_EQ(m.enregistreur.prog_gk[0], 0) << "step 0 keeps what was set before";
}

TEST(Ionique, MenuTogglesTheEquilibriumPotentials)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    EXPECT_FALSE(m.pot_eq_visibles());
    m.basculer_pot_eq();
    EXPECT_TRUE(m.pot_eq_visibles());
    m.basculer_pot_eq();
    EXPECT_FALSE(m.pot_eq_visibles());
}
