#include "ionic/animation.h"

#include "common/aleatoire.h"
#include "ionic/etat_ionique.h"
#include "ionic/vitesse_animation.h"

#include <QColor>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "impression.h"

using namespace quillon;

namespace {

const QColor noir(0, 0, 0);
const QColor rouge_k(255, 0, 0);
const QColor citron(0, 255, 0);

QImage blanche()
{
    QImage image(AnimationFlux::largeur, AnimationFlux::hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

EtatIonique potassium(double k_int, double k_ext)
{
    EtatIonique e;
    e.k_int = k_int;
    e.k_ext = k_ext;
    e.na_int = 8;
    e.na_ext = 144;
    e.calcul_pot_eq();
    return e;
}

// An animation ready to run, as the page leaves it after the switch.
struct Banc {
    explicit Banc(double k_int, double k_ext, std::uint64_t graine = 12)
        : etat(potassium(k_int, k_ext)), hasard(graine), sav(blanche()), pe1(blanche()), pe2(blanche())
    {
        anim.remise_zero_anim(etat, sav);
        anim.rempl_image(etat, hasard, sav, pe1);
    }
    int k_dehors() const
    {
        int n = 0;
        for (int i = 1; i <= anim.nb_part; i += 2)
            n += anim.particules[static_cast<std::size_t>(i)].x > 150;
        return n;
    }
    void top() { anim.tic(etat.e_k, hasard); }
    EtatIonique etat;
    Aleatoire hasard;
    QImage sav, pe1, pe2;
    AnimationFlux anim;
};

} // namespace

TEST(Animation, AParticleIsAnOutlinedDisc)
{
    QImage image = blanche();
    AnimationFlux::dessiner_particule(image, 10, 20, 3);
    AnimationFlux::dessiner_particule(image, 30, 20, 4);
    EXPECT_EQ(image.pixelColor(12, 22), rouge_k) << "odd: K+";
    EXPECT_EQ(image.pixelColor(32, 22), citron) << "even: counter-ion";
    EXPECT_EQ(image.pixelColor(12, 20), noir) << "outline at the top";
    EXPECT_EQ(image.pixelColor(10, 22), noir) << "outline at the left";
    EXPECT_EQ(image.pixelColor(10, 20), QColor(Qt::white)) << "the box's corner is outside";
    for (int y = 15; y < 30; ++y)
        for (int x = 0; x < 50; ++x)
            if (x < 10 || (x >= 15 && x < 30) || x >= 35 || y < 20 || y >= 25) {
                ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
            }

    // Drawn over another particle it covers it; at the picture's edge it is cut.
    AnimationFlux::dessiner_particule(image, 11, 20, 2);
    EXPECT_EQ(image.pixelColor(13, 22), citron);
    AnimationFlux::dessiner_particule(image, 297, 161, 1);
    EXPECT_EQ(image.pixelColor(299, 163), rouge_k);
}

TEST(Animation, ResetDrawsTheMembraneAndSizesTheDiffusionArrow)
{
    Banc b(150, 6);
    EXPECT_EQ(b.anim.x_membrane, 150);
    EXPECT_EQ(b.anim.nb_part, 156);
    EXPECT_EQ(b.anim.n_entrees, 0);
    EXPECT_EQ(b.anim.flux_moyen, 0);
    // EeqK = -85.37: the upper arrow is the diffusion force, 85 pixels, centred on x 295.
    EXPECT_EQ(b.anim.fleche_sortie.width, 85);
    EXPECT_EQ(b.anim.fleche_sortie.left, 295 - 42);
    EXPECT_EQ(b.anim.fleche_entree.width, 0);
    EXPECT_EQ(b.anim.legende_haute, "Forces de diffusion");
    EXPECT_EQ(b.anim.legende_basse, "Forces électriques");
    // The dotted line at x 153, on the background only.
    EXPECT_EQ(b.sav.pixelColor(153, 0), noir);
    EXPECT_EQ(b.sav.pixelColor(153, 1), QColor(Qt::white));
    EXPECT_EQ(b.sav.pixelColor(153, 162), noir);
    EXPECT_EQ(b.sav.pixelColor(152, 0), QColor(Qt::white));

    // More K+ outside: the roles of the arrows swap.
    Banc c(20, 200);
    EXPECT_EQ(c.anim.fleche_entree.width, static_cast<int>(std::lround(c.etat.e_k)));
    EXPECT_EQ(c.anim.fleche_sortie.width, 0);
    EXPECT_EQ(c.anim.legende_basse, "Forces de diffusion");
    EXPECT_EQ(c.anim.legende_haute, "Forces électriques");
}

TEST(Animation, FillingScattersEachSideInItsCompartment)
{
    Banc b(150, 6);
    for (int i = 1; i <= 156; ++i) {
        const auto [x, y] = b.anim.particules[static_cast<std::size_t>(i)];
        const bool dedans = x >= 5 && x <= 144;
        const bool dehors = x >= 155 && x <= 294;
        EXPECT_TRUE(i <= 150 ? dedans : dehors) << i;
        EXPECT_TRUE(y >= 5 && y <= 158) << i;
    }
    // The last particle drawn is on top: its centre has its colour.
    const auto [x, y] = b.anim.particules[156];
    EXPECT_EQ(b.pe1.pixelColor(x + 2, y + 2), citron);
    EXPECT_EQ(b.pe1.pixelColor(153, 0), noir) << "filled on a copy of the background";
}

TEST(Animation, OnlyPotassiumCrossesAndNeverBeyondItsQuota)
{
    Banc b(150, 6);
    std::vector<int> cote_pair(b.anim.nb_part + 1);
    for (int i = 2; i <= b.anim.nb_part; i += 2) // counter-ions' sides
        cote_pair[static_cast<std::size_t>(i)] = b.anim.particules[static_cast<std::size_t>(i)].x > 150;
    const int depart = b.k_dehors();
    int net_maxi = 0;
    for (int t = 0; t < 3000; ++t) {
        b.top();
        // EK / 10 = 8.54 ions: the quota is 8 or 9.
        ASSERT_TRUE(b.anim.quota == 8 || b.anim.quota == 9) << b.anim.quota;
        const int net = b.anim.n_sorties - b.anim.n_entrees;
        ASSERT_LE(net, 9) << "tick " << t;
        ASSERT_EQ(b.k_dehors() - depart, net) << "every crossing is counted, tick " << t;
        net_maxi = std::max(net_maxi, net);
        for (int i = 1; i <= b.anim.nb_part; ++i) {
            const auto [x, y] = b.anim.particules[static_cast<std::size_t>(i)];
            ASSERT_NE(x, 150) << "particle " << i;
            ASSERT_TRUE(x >= 5 && x <= 295 && y >= 3 && y <= 161) << "particle " << i;
            if (i % 2 == 0) {
                ASSERT_EQ(x > 150, cote_pair[static_cast<std::size_t>(i)] != 0) << "counter-ion " << i;
            }
        }
    }
    EXPECT_EQ(net_maxi, 9) << "K+ leaks out until the quota";
    // The electrical force grows against the diffusion force.
    EXPECT_GT(b.anim.fleche_entree.width, 60);
    EXPECT_EQ(b.anim.texte_em, "Em=-" + QString::number(10 * b.anim.flux_moyen, 'f', 2));
}

TEST(Animation, PositivePotentialRationsTheInwardCount)
{
    Banc b(20, 200);
    ASSERT_GT(b.etat.e_k, 0);
    const int quota = static_cast<int>(std::ceil(std::abs(b.etat.e_k / 10)));
    const int depart = b.k_dehors();
    for (int t = 0; t < 2000; ++t) {
        b.top();
        const int net = b.anim.n_entrees - b.anim.n_sorties;
        ASSERT_LE(net, quota);
        ASSERT_EQ(depart - b.k_dehors(), net);
    }
    EXPECT_GT(b.anim.fleche_sortie.width, 0) << "the upper arrow grows";
    EXPECT_EQ(b.anim.fleche_entree.width, static_cast<int>(std::lround(b.etat.e_k))) << "the diffusion arrow stays";
    EXPECT_TRUE(b.anim.texte_em.startsWith("Em=")) << b.anim.texte_em.toStdString();
    EXPECT_FALSE(b.anim.texte_em.startsWith("Em=-"));
}

TEST(Animation, TheLabelFollowsEKAtEveryGradientAndNoneBringsTheCountBackToZero)
{
    // [K]i 150: the label's 50-tick mean, sampled over the last two thirds of
    // 2,500 ticks, within 5 mV of EK (with a quota of 0 or 1 the net count
    // walked away the wrong way: 40 to 100 mV at [K]e 140 to 154).
    for (const double k_ext : {3.0, 6.0, 60.0, 100.0, 140.0, 154.0, 200.0, 300.0}) {
        for (const std::uint64_t graine : {12u, 2026u}) {
            Banc b(150, k_ext, graine);
            double em = 0;
            for (int t = 0; t < 2500; ++t) {
                b.top();
                if (t >= 2500 / 3) {
                    const QString l = b.anim.texte_em;
                    em += l.mid(3).toDouble() / (2500 - 2500 / 3);
                }
            }
            EXPECT_NEAR(em, b.etat.e_k, 5) << "[K]e " << k_ext << ", seed " << graine;
        }
    }
    // After a run at [K]e 60, no gradient: K+ cross back until the net count
    // is 0, the label says so and neither arrow is left.
    Banc b(150, 60);
    for (int t = 0; t < 1000; ++t)
        b.top();
    ASSERT_GT(b.anim.n_sorties - b.anim.n_entrees, 0);
    b.etat = potassium(150, 150);
    ASSERT_EQ(b.etat.e_k, 0);
    for (int t = 0; t < 1000; ++t)
        b.top();
    EXPECT_EQ(b.anim.n_sorties - b.anim.n_entrees, 0);
    EXPECT_EQ(b.anim.texte_em, "Em=0.00");
    EXPECT_EQ(b.anim.fleche_entree.width, 0);
    EXPECT_EQ(b.anim.fleche_sortie.width, 0);
    // Reset at no gradient: no diffusion arrow from the gradient before.
    b.anim.remise_zero_anim(b.etat, b.sav);
    EXPECT_EQ(b.anim.fleche_entree.width + b.anim.fleche_sortie.width, 0);
}

TEST(Animation, AverageIsARunningMeanThenExponential)
{
    // No particle moves: each tick averages the net count the counters give.
    // Worked by hand: nets 4, 1, 0 give means 4, 2.5 and 5/3; the arrow is
    // ten times as wide and centred on x 295, halves rounded to even.
    Banc b(150, 6);
    b.anim.nb_part = 0;
    struct Cas {
        int net;
        double moyenne;
        int largeur, left;
        const char* texte;
    };
    const Cas cas[] = {{4, 4, 40, 275, "Em=-40.00"}, {1, 2.5, 25, 283, "Em=-25.00"}, {0, 5.0 / 3, 17, 287, "Em=-16.67"}};
    int tops = 0;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        b.anim.n_sorties = c.net;
        b.anim.n_entrees = 0;
        b.top();
        EXPECT_EQ(b.anim.nb_tops, ++tops);
        EXPECT_NEAR(b.anim.flux_moyen, c.moyenne, 1e-12);
        EXPECT_EQ(b.anim.fleche_entree.width, c.largeur);
        EXPECT_EQ(b.anim.fleche_entree.left, c.left);
        EXPECT_EQ(b.anim.texte_em, c.texte);
    }
    // From the 50th tick, 49 parts of the mean to one of the net: (49 x 2 + 52) / 50 = 3.
    b.anim.nb_tops = 49;
    b.anim.flux_moyen = 2;
    b.anim.n_sorties = 52;
    b.anim.n_entrees = 0;
    b.top();
    EXPECT_EQ(b.anim.nb_tops, 49);
    EXPECT_DOUBLE_EQ(b.anim.flux_moyen, 3);
    EXPECT_EQ(b.anim.fleche_entree.width, 30);
    EXPECT_EQ(b.anim.fleche_entree.left, 280);
    // A positive potential: the other arrow, a label without its minus.
    Banc c(6, 150);
    c.anim.nb_part = 0;
    c.anim.n_entrees = 3;
    c.top();
    EXPECT_EQ(c.anim.fleche_sortie.width, 30);
    EXPECT_EQ(c.anim.fleche_sortie.left, 280);
    EXPECT_EQ(c.anim.texte_em, "Em=30.00");
}

TEST(Animation, SixHundredParticlesAtTheHighestConcentrations)
{
    // 300 inside and 300 outside fill the 600 places exactly.
    Banc b(300, 300);
    ASSERT_EQ(b.anim.nb_part, AnimationFlux::max_particules);
    for (int i = 1; i <= 600; ++i)
        EXPECT_EQ(b.anim.particules[static_cast<std::size_t>(i)].x < 150, i <= 300) << i;
    for (int t = 0; t < 50; ++t)
        b.top();
    for (int i = 1; i <= 600; ++i) {
        const AnimationFlux::Particule& q = b.anim.particules[static_cast<std::size_t>(i)];
        EXPECT_TRUE(q.x >= 5 && q.x <= 295 && q.y >= 3 && q.y <= 161) << "particle " << i;
    }
}

TEST(Animation, APictureDrawnAfterATickShowsEveryParticleWhereItStands)
{
    Banc b(40, 40);
    b.top();
    b.anim.dessiner_particules(b.sav, b.pe2);
    const auto& p = b.anim.particules;
    for (int i = 1; i <= b.anim.nb_part; ++i) {
        const auto [x, y] = p[static_cast<std::size_t>(i)];
        bool recouverte = false;
        for (int j = i + 1; j <= b.anim.nb_part; ++j)
            recouverte = recouverte || QRect(p[static_cast<std::size_t>(j)].x, p[static_cast<std::size_t>(j)].y, 5, 5)
                                           .contains(x + 2, y + 2);
        if (!recouverte) {
            EXPECT_EQ(b.pe2.pixelColor(x + 2, y + 2), i % 2 ? rouge_k : citron) << i;
        }
    }
    int colores = 0;
    for (int y = 0; y < b.pe1.height(); ++y)
        for (int x = 0; x < b.pe1.width(); ++x)
            colores += b.pe1.pixelColor(x, y) == rouge_k;
    EXPECT_GT(colores, 0) << "the picture on screen keeps the last filling";
}

TEST(Animation, TheEquilibriumStaysAliveForTwentyThousandTicks)
{
    // Start-up concentrations, quota 9. Walls that held a particle at x 5 or
    // 295 put it on the multiples of 5, which never cross the membrane: in a
    // few thousand ticks no K+ crossed any more and "Em=-" froze at 90, 80...
    for (const std::uint64_t graine : {12u, 2026u, 7u}) {
        Banc b(150, 6, graine);
        int changements = 0; // ticks of the last 2,000 that changed the K+ count outside
        double net = 0, em_min = 1000, em_max = 0;
        for (int t = 0; t < 20000; ++t) {
            const int dehors = b.k_dehors();
            b.top();
            if (t >= 18000) {
                changements += b.k_dehors() != dehors;
                net += (b.anim.n_sorties - b.anim.n_entrees) / 2000.0;
                em_min = std::min(em_min, 10 * b.anim.flux_moyen);
                em_max = std::max(em_max, 10 * b.anim.flux_moyen);
            }
        }
        EXPECT_GT(changements, 100) << graine;
        EXPECT_TRUE(net > 8.3 && net < 9) << graine << ": averaged net count " << net;
        EXPECT_TRUE(em_min > 70 && em_max <= 90 && em_max - em_min > 2) << graine << ": " << em_min << ".." << em_max;
    }
}

// A pace faster than the screen wakes once a refresh and makes up the ticks
// due since; after a pause of the machine the lag is dropped, not run at once.
TEST(Animation, WakeUpsMakeUpTheTicksDueWithoutABurst)
{
    struct Reveil {
        int tick;
        double periode;
        int attendu;
    };
    for (const Reveil& r : {Reveil{1, 1000 / 60.0, 16}, {16, 1000 / 60.0, 16}, {67, 1000 / 60.0, 67},
                            {1, 1000 / 144.0, 6}, {4, 1000 / 144.0, 4}, {1, 0.5, 1}})
        EXPECT_EQ(intervalle_reveil(r.tick, r.periode), r.attendu) << r.tick << " ms, " << r.periode;

    CadenceTicks c;
    c.demarrer(1);
    std::vector<int> faits;
    for (double ms : {16.2, 33.0, 33.5, 50.9, 5000.0, 5016.4})
        faits.push_back(c.ticks_dus(static_cast<qint64>(ms * 1e6)));
    EXPECT_EQ(faits, (std::vector<int>{16, 17, 0, 17, CadenceTicks::rattrapage_max, 16}));
    c.demarrer(67);
    EXPECT_EQ(c.ticks_dus(66'900'000), 0);
    EXPECT_EQ(c.ticks_dus(67'000'000), 1);
    EXPECT_EQ(c.ticks_dus(140'000'000), 1);
}
