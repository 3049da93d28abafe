#include "common/aleatoire.h"
#include "labelling/legendes.h"

#include <gtest/gtest.h>

#include "impression.h"

#include <algorithm>
#include <set>

using namespace quillon;

namespace {

// The ten targets of the nerve-cell drawing, in page order.
std::vector<Cible> cibles_accueil()
{
    return {
        {{556, 331, 75, 41}, "Gaine de myéline"},
        {{795, 329, 52, 37}, "Axone"},
        {{563, 400, 78, 44}, "Noeud de Ranvier"},
        {{502, 116, 91, 40}, "Terminaison afférente"},
        {{819, 6, 67, 31}, "Synapse "},
        {{515, 225, 116, 40}, "Noyau du corps cellulaire"},
        {{806, 225, 72, 39}, "Segment initial"},
        {{755, 475, 107, 41}, "Arborisation terminale"},
        {{557, 494, 98, 43}, "Terminaison axonale"},
        {{506, 33, 80, 38}, "Arbre dendritique"},
    };
}

class Legendes : public ::testing::Test {
protected:
    void SetUp() override
    {
        ex.construire(cibles_accueil());
        ex.affichage_legendes();
    }

    // Drags legend k so that its centre lands on (cx, cy), with the mouse
    // held at the legend's centre, as a pupil would.
    void deposer_centre(int k, int cx, int cy)
    {
        const Legende& l = ex.legende(k);
        const int gx = l.rect.width / 2;
        const int gy = l.rect.height / 2;
        ex.labelMouseDown(k, gx, gy);
        const int dx = cx - (l.rect.left + gx);
        const int dy = cy - (l.rect.top + gy);
        ex.labelMouseMove(k, gx + dx, gy + dy);
        ex.labelMouseup(k);
    }
    void deposer_sur(int k, int cible)
    {
        const Rect& r = ex.cibles().at(cible - 1).rect;
        deposer_centre(k, r.left + r.width / 2, r.top + r.height / 2);
    }

    ExerciceLegendes ex;
};

} // namespace

TEST_F(Legendes, BuiltFromTheTargetsInOrder)
{
    ASSERT_EQ(ex.nb_legendes(), 10);
    EXPECT_EQ(ex.legende(1).texte, "Gaine de myéline");
    EXPECT_EQ(ex.legende(5).texte, "Synapse ");
    EXPECT_EQ(ex.legende(10).texte, "Arbre dendritique");
    EXPECT_EQ(ex.legende(6).rect.width, 116);
    EXPECT_EQ(ex.legende(6).rect.height, 40);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(ex.legende(k).couleur, CouleurLegende::BleuClair);
        EXPECT_EQ(ex.placement(k).cible, 0);
        EXPECT_EQ(ex.placement(k).posee, 0);
    }
}

TEST_F(Legendes, PileOfColumnsOfThree)
{
    // Unshuffled pile: positions follow the legend numbers.
    const int lefts[10] = {30, 30, 30, 150, 150, 150, 270, 270, 270, 390};
    const int tops[10] = {370, 370 + 41 + 5, 370 + 41 + 5 + 37 + 5, 370, 370 + 40 + 5, 370 + 40 + 5 + 31 + 5,
                          370, 370 + 39 + 5, 370 + 39 + 5 + 41 + 5, 370};
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(ex.legende(k).rect.left, lefts[k - 1]) << k;
        EXPECT_EQ(ex.legende(k).rect.top, tops[k - 1]) << k;
    }
}

TEST_F(Legendes, PileFollowsTheShuffledOrder)
{
    ex.definir_ordre({10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
    ex.affichage_legendes();
    EXPECT_EQ(ex.legende(10).rect.left, 30);
    EXPECT_EQ(ex.legende(10).rect.top, 370);
    EXPECT_EQ(ex.legende(9).rect.top, 370 + 38 + 5);       // below "Arbre dendritique"
    EXPECT_EQ(ex.legende(8).rect.top, 370 + 38 + 5 + 43 + 5);
    EXPECT_EQ(ex.legende(1).rect.left, 390);
    EXPECT_THROW(ex.definir_ordre({1, 1, 2, 3, 4, 5, 6, 7, 8, 9}), std::invalid_argument);
}

TEST_F(Legendes, ShuffleIsAPermutationAndDependsOnTheSeed)
{
    Aleatoire a(7);
    ex.melanger(a);
    std::vector<int> trie = ex.ordre();
    std::sort(trie.begin(), trie.end());
    EXPECT_EQ(trie, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    std::set<std::vector<int>> ordres;
    for (std::uint64_t graine = 1; graine <= 20; ++graine) {
        ExerciceLegendes autre;
        autre.construire(cibles_accueil());
        Aleatoire h(graine);
        autre.melanger(h);
        ordres.insert(autre.ordre());
    }
    EXPECT_GT(ordres.size(), 15u);
}

TEST_F(Legendes, DropOnATargetCoversItAndTurnsSilver)
{
    deposer_sur(2, 2);
    EXPECT_EQ(ex.legende(2).rect, (Rect{795, 329, 52, 37}));
    EXPECT_EQ(ex.legende(2).couleur, CouleurLegende::Argent);
    EXPECT_EQ(ex.placement(2).cible, 2);
    EXPECT_EQ(ex.placement(2).posee, 2);
    EXPECT_FALSE(ex.en_deplacement());
}

TEST_F(Legendes, CentreOnATargetEdgeIsNotOnIt)
{
    // Target 2 spans 795..847 across and 329..366 down; the edges do not count.
    deposer_centre(2, 795, 340);
    EXPECT_EQ(ex.legende(2).couleur, CouleurLegende::BleuClair);
    EXPECT_EQ(ex.placement(2).posee, 0);
    deposer_centre(2, 847, 340);
    EXPECT_EQ(ex.placement(2).posee, 0);
    deposer_centre(2, 820, 329);
    EXPECT_EQ(ex.placement(2).posee, 0);
    deposer_centre(2, 820, 366);
    EXPECT_EQ(ex.placement(2).posee, 0);
    deposer_centre(2, 796, 365);
    EXPECT_EQ(ex.placement(2).posee, 2);
    EXPECT_EQ(ex.placement(2).cible, 2);
}

TEST_F(Legendes, CorrectionBeforeAnyMoveScoresZeroAndChangesNothing)
{
    EXPECT_EQ(ex.btn_correctionClick(), "0 %");
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(ex.legende(k).couleur, CouleurLegende::BleuClair);
}

TEST_F(Legendes, AllOnTheirTargetsScoresHundred)
{
    for (int k = 1; k <= 10; ++k)
        deposer_sur(k, k);
    EXPECT_EQ(ex.btn_correctionClick(), "100 %");
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(ex.legende(k).couleur, CouleurLegende::Jaune);
}

TEST_F(Legendes, TwoLegendsOnOneTarget)
{
    deposer_sur(3, 3);
    deposer_sur(4, 3);
    EXPECT_EQ(ex.legende(4).rect.left, ex.legende(3).rect.left);
    EXPECT_EQ(ex.legende(4).rect.top, ex.legende(3).rect.top);
    EXPECT_EQ(ex.btn_correctionClick(), "10 %");
    EXPECT_EQ(ex.legende(3).couleur, CouleurLegende::Jaune);
    EXPECT_EQ(ex.legende(4).couleur, CouleurLegende::Rouge);
}

TEST_F(Legendes, ThreeRightGiveThirtyNotAFloatingPointTail)
{
    deposer_sur(1, 1);
    deposer_sur(5, 5);
    deposer_sur(9, 9);
    deposer_sur(2, 7);
    EXPECT_EQ(ex.btn_correctionClick(), "30 %");
    EXPECT_EQ(ex.legende(2).couleur, CouleurLegende::Rouge);
}

TEST_F(Legendes, MovedOffAfterACorrectionNoLongerCounts)
{
    deposer_sur(1, 1);
    deposer_sur(6, 6);
    EXPECT_EQ(ex.btn_correctionClick(), "20 %");
    deposer_centre(6, 200, 200);
    EXPECT_EQ(ex.legende(6).couleur, CouleurLegende::BleuClair);
    EXPECT_EQ(ex.placement(6).cible, 6); // the last target is remembered
    EXPECT_EQ(ex.btn_correctionClick(), "10 %");
    EXPECT_EQ(ex.legende(6).couleur, CouleurLegende::BleuClair);
    EXPECT_EQ(ex.legende(1).couleur, CouleurLegende::Jaune);
}

TEST_F(Legendes, RedLegendMovedToItsOwnTargetTurnsYellow)
{
    deposer_sur(7, 8);
    ex.btn_correctionClick();
    EXPECT_EQ(ex.legende(7).couleur, CouleurLegende::Rouge);
    deposer_sur(7, 7);
    EXPECT_EQ(ex.legende(7).couleur, CouleurLegende::Argent);
    EXPECT_EQ(ex.btn_correctionClick(), "10 %");
    EXPECT_EQ(ex.legende(7).couleur, CouleurLegende::Jaune);
}

TEST_F(Legendes, RemovingThemThenCorrectingScoresZero)
{
    for (int k = 1; k <= 10; ++k)
        deposer_sur(k, k);
    ex.btn_correctionClick();
    ex.btn_enlever_legendesClick();
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(ex.legende(k).couleur, CouleurLegende::BleuClair);
        EXPECT_EQ(ex.placement(k).cible, k);
    }
    EXPECT_EQ(ex.legende(1).rect.left, 30);
    EXPECT_EQ(ex.legende(1).rect.top, 370);
    EXPECT_EQ(ex.btn_correctionClick(), "0 %");
}

TEST_F(Legendes, HorizontalLimitsIgnoreTheWholeMove)
{
    const int k = 1; // 75 wide, at (30, 370)
    ex.labelMouseDown(k, 10, 10);
    // Left edge would reach 941: refused, vertical part too.
    EXPECT_FALSE(ex.labelMouseMove(k, 10 + (941 - 30), 50));
    EXPECT_EQ(ex.legende(k).rect, (Rect{30, 370, 75, 41}));
    EXPECT_TRUE(ex.labelMouseMove(k, 10 + (940 - 30), 50));
    EXPECT_EQ(ex.legende(k).rect.left, 940);
    EXPECT_EQ(ex.legende(k).rect.top, 410);
    // Right edge would come to 15: left -60. Refused; 16 is allowed.
    EXPECT_FALSE(ex.labelMouseMove(k, 10 + (-60 - 940), 10));
    EXPECT_TRUE(ex.labelMouseMove(k, 10 + (-59 - 940), 10));
    EXPECT_EQ(ex.legende(k).rect.left, -59);
}

TEST_F(Legendes, NoVerticalLimitAndNoMoveWithoutAPress)
{
    EXPECT_FALSE(ex.labelMouseMove(1, 50, 50));
    ex.labelMouseDown(1, 0, 0);
    EXPECT_TRUE(ex.labelMouseMove(1, 0, -5000));
    EXPECT_EQ(ex.legende(1).rect.top, 370 - 5000);
    ex.labelMouseup(1);
    EXPECT_FALSE(ex.labelMouseMove(1, 0, 10));
    ex.btn_enlever_legendesClick();
    EXPECT_EQ(ex.legende(1).rect.top, 370);
}

TEST(LegendesSansCible, ZeroLegendsScoreZero)
{
    ExerciceLegendes ex;
    EXPECT_EQ(ex.construire({}), 0);
    Aleatoire a(1);
    ex.melanger(a);
    ex.affichage_legendes();
    EXPECT_EQ(ex.btn_correctionClick(), "0 %");
}

TEST(CouleursLegendes, ExactRgbValues)
{
    EXPECT_EQ(rgb(CouleurLegende::BleuClair), QColor(166, 202, 240));
    EXPECT_EQ(rgb(CouleurLegende::Argent), QColor(192, 192, 192));
    EXPECT_EQ(rgb(CouleurLegende::Jaune), QColor(255, 255, 0));
    EXPECT_EQ(rgb(CouleurLegende::Rouge), QColor(255, 0, 0));
}
