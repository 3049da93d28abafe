// Tables for spreadsheets: numbers, fields, bytes and names; the stimulation
// screen's settings and samples and the recorder's steps read back.
#include "common/tableur.h"
#include "stimulation/valeurs_stimulation.h"

#include <cmath>
#include <gtest/gtest.h>

#include "impression.h"
#include "page_ionique_depart.h"
#include "regles/outils_regles.h"

using namespace quillon;
using namespace quillon::essais;

TEST(Tableur, NumbersFieldsBytesAndNames)
{
    for (const auto& [x, d, texte] : std::vector<std::tuple<double, int, QString>>{
             {-85.3711, 2, "-85,37"}, {76.666, 2, "76,67"}, {-0.0004, 3, "0,000"}, {-0.4, 0, "0"}, {NAN, 2, ""}})
        EXPECT_EQ(TableurCsv::nombre(x, d), texte) << x;
    TableurCsv t;
    t.ligne({"a;b", "c\"d", "Électrode"});
    t.ligne_vide();
    EXPECT_EQ(t.octets(), QByteArray("\xEF\xBB\xBF\"a;b\";\"c\"\"d\";\xC3\x89lectrode\r\n\r\n"));
    EXPECT_EQ(nom_propose("courbe", QDateTime(QDate(2026, 12, 7), QTime(9, 5, 59)), "png"),
              "courbe_2026-12-07_09h05.png");
}

TEST(Tableur, TheStimulationSettingsAndTheScreensSamplesReadBack)
{
    PotentielEss0 pot{};
    for (std::size_t k = 1; k <= 30; ++k)
        pot[k] = 4.0 * k;
    for (bool fibre : {false, true}) {
        ReglagesStimulation r;
        r.anode = fibre ? 90 : 64; // right of the cathode (80): reversed polarity
        r.position_i_stim = fibre ? 25 : 30;
        r.pos = fibre ? 20 : 50;
        r.deux_stim = r.fibre = fibre;
        ReponseStimulation rep;
        rep.calculer(r, pot);
        const std::vector<QStringList> l = lire_csv(valeurs_stimulation(r, rep));
        ASSERT_EQ(l.size(), 91u);
        QStringList texte;
        for (std::size_t i = 0; i < 11; ++i)
            texte << l[i].join(';');
        // Places: the electrode's middle (Left + 2.5) from the ruler's 0 (x 13), 7.5 pixels a centimetre.
        EXPECT_EQ(texte.join('|'), QString(fibre ? "Intensité (V);0,75|Polarité;inversée|Nerf ou fibre;Fibre|"
                                                   "Deuxième stimulation;oui|Intervalle (ms);3,33|Anode (cm);10,60|"
                                                 : "Intensité (V);0,70|Polarité;normale|Nerf ou fibre;Nerf|"
                                                   "Deuxième stimulation;non|Intervalle (ms);8,33|Anode (cm);7,13|")
                                       + "Cathode (cm);9,27|Électrode 1 (cm);26,33|Électrode 2 (cm);28,47||Temps (ms);"
                                         "Électrode 1 (u.a.);Électrode 2 (u.a.);Différence à l'écran (u.a.)");
        for (std::size_t j = 1; j <= 80; ++j) {
            const QStringList& e = l[10 + j];
            EXPECT_NEAR(reel_fr(e[1]) - reel_fr(e[2]), reel_fr(e[3]), 0.0015);
            // The difference is what the screen plots above its baseline.
            EXPECT_EQ(std::lround(110 - reel_fr(e[3])), rep.y(static_cast<int>(j))) << j;
        }
    }
}

TEST(Tableur, TheRecordersStepsReadBackWithThePotentialsTheChartPlots)
{
    EquilibresIoniques m = page_ionique_au_demarrage();
    m.enregistreur.lancer_ou_arreter();
    for (int gk : {100, 40, 0}) {
        regler(m, Barre::gk, gk);
        regler(m, Barre::gna, 100 - gk);
        m.enregistreur.tic_enregistrement();
    }
    // Recorded, then a step appended, which redraws the chart without potentials.
    for (std::size_t n : {4u, 5u}) {
        const std::vector<QStringList> l = lire_csv(m.enregistreur.valeurs());
        ASSERT_EQ(l.size(), n);
        EXPECT_EQ(l[0].join(';'), "Pas;GK;GNa;[K]i;[K]e;[Na]i;[Na]e;EeqK (mV);EeqNa (mV);Em (mV)");
        for (std::size_t i = 1; i < n; ++i) {
            EXPECT_EQ(l[i].mid(0, 9), QStringList({QString::number(i), QString::number(m.enregistreur.prog_gk[i]),
                                                   QString::number(m.enregistreur.prog_gna[i]), "150", "6", "8", "144", "-85,37",
                                                   "76,66"}));
            // Em: the navy dot the chart shows at y = 100 - Em; none, nor any value, once redrawn.
            const QString em = l[i].value(9);
            const QRect point(5 * static_cast<int>(i), static_cast<int>(std::lround(100 - reel_fr(em))), 7, 7);
            EXPECT_EQ(em.isEmpty(), n == 5) << i;
            EXPECT_GT(em.isEmpty() ? 99 : compter(m.enregistreur.courbe(), QColor(0, 0, 128), point), 12) << i;
        }
        m.enregistreur.programmer_ou_finir();
        m.pas_suivant();
    }
    m.enregistreur.effacer();
    EXPECT_TRUE(m.enregistreur.valeurs().isEmpty()) << "an empty chart, nothing to export";
}
