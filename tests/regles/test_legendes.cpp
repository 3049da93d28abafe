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

TEST_F(Legendes, ADropOnAnOccupiedPlaceSendsTheOneThereBack)
{
    // Legend 3, right on its place, would lie hidden under legend 4 and
    // still count (10 %): it goes back to its start in the pile.
    const Rect depart = ex.legende(3).rect;
    deposer_sur(3, 3);
    ASSERT_FALSE(ex.place_libre(3, 0));
    deposer_sur(4, 3);
    EXPECT_EQ(ex.legende(3).rect, depart);
    EXPECT_EQ(ex.placement(3).posee, 0);
    EXPECT_EQ(ex.placement(4).posee, 4);
    EXPECT_EQ(ex.btn_correctionClick(), "0 %");
    EXPECT_EQ(ex.legende(3).couleur, CouleurLegende::BleuClair);
    EXPECT_EQ(ex.legende(4).couleur, CouleurLegende::Rouge);
    EXPECT_FALSE(ex.place_libre(3, 0));
    // Another place keeps its legend.
    deposer_sur(5, 5);
    deposer_sur(3, 3);
    EXPECT_EQ(ex.placement(5).posee, 5);
    EXPECT_EQ(ex.btn_correctionClick(), "20 %");
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

// ---- Keyboard -----------------------------------------------------------------

namespace {

// Where a legend of that size stands when carried onto target t: its centre
// on the target's centre.
Rect centre_sur(const ExerciceLegendes& ex, int k, int t)
{
    const Rect& r = ex.cibles().at(t - 1).rect;
    const Rect& l = ex.legende(k).rect;
    return Rect{r.left + r.width / 2 - l.width / 2, r.top + r.height / 2 - l.height / 2, l.width, l.height};
}

// Carries the picked legend forward until it is on target t; false if the
// walk never gets there.
bool porter_jusqua(ExerciceLegendes& ex, int t)
{
    for (int i = 0; i < 10 && ex.place_portee() != t; ++i)
        if (!ex.porter(+1))
            return false;
    return ex.place_portee() == t;
}

} // namespace

TEST_F(Legendes, PlacesInReadingOrderTopThenLeft)
{
    // Synapse (top 6), Arbre dendritique (33), Terminaison afférente (116),
    // Noyau (225, left 515) before Segment initial (225, left 806), Axone
    // (329) before Gaine de myéline (331), then 400, 475, 494.
    EXPECT_EQ(ex.ordre_places(), (std::vector<int>{5, 10, 4, 6, 7, 2, 1, 3, 8, 9}));
}

TEST_F(Legendes, PileReadingOrderIsRowByRow)
{
    EXPECT_EQ(ex.ordre_lecture(), (std::vector<int>{1, 4, 7, 10, 2, 5, 8, 3, 6, 9}));
    ex.definir_ordre({3, 9, 1, 10, 2, 8, 4, 7, 5, 6});
    ex.affichage_legendes();
    const std::vector<int> lecture = ex.ordre_lecture();
    EXPECT_EQ(lecture, (std::vector<int>{3, 10, 4, 6, 9, 2, 7, 1, 8, 5}));
    // Rows of the pile: same column slot, lefts growing along a row.
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_GT(ex.legende(lecture[i]).rect.left, ex.legende(lecture[i - 1]).rect.left);
    EXPECT_EQ(ex.legende(lecture[0]).rect.top, 370);
    EXPECT_GT(ex.legende(lecture[4]).rect.top, 370);
}

TEST_F(Legendes, ArrowsWalkTheBlankPlacesAndGoRound)
{
    ex.prendre(1);
    EXPECT_EQ(ex.legende_portee(), 1);
    EXPECT_EQ(ex.place_portee(), 0);
    const std::vector<int> ordre = ex.ordre_places();
    for (int tour = 0; tour < 2; ++tour) {
        for (int t : ordre) {
            ASSERT_TRUE(ex.porter(+1));
            EXPECT_EQ(ex.place_portee(), t);
            EXPECT_EQ(ex.legende(1).rect, centre_sur(ex, 1, t));
        }
    }
    // Backwards from the first place: round to the last.
    ASSERT_EQ(ex.place_portee(), ordre.back());
    ex.porter(+1);
    ASSERT_EQ(ex.place_portee(), ordre.front());
    ASSERT_TRUE(ex.porter(-1));
    EXPECT_EQ(ex.place_portee(), ordre.back());
    ASSERT_TRUE(ex.porter(-1));
    EXPECT_EQ(ex.place_portee(), ordre[ordre.size() - 2]);
    // Nothing is dropped while carried.
    EXPECT_EQ(ex.placement(1).posee, 0);
    EXPECT_EQ(ex.legende(1).couleur, CouleurLegende::BleuClair);
}

TEST_F(Legendes, FromThePileLeftGoesToTheLastPlace)
{
    ex.prendre(4);
    ASSERT_TRUE(ex.porter(-1));
    EXPECT_EQ(ex.place_portee(), 9);
    EXPECT_EQ(ex.legende(4).rect, centre_sur(ex, 4, 9));
}

TEST_F(Legendes, PlacesCoveredByOtherLegendsAreSkipped)
{
    deposer_sur(2, 10); // Arbre dendritique's place, second in reading order
    deposer_sur(3, 4);  // third
    EXPECT_FALSE(ex.place_libre(10, 1));
    EXPECT_TRUE(ex.place_libre(10, 2)); // a legend does not cover its own way
    EXPECT_FALSE(ex.place_libre(4, 1));
    EXPECT_TRUE(ex.place_libre(5, 1));
    ex.prendre(1);
    ex.porter(+1);
    EXPECT_EQ(ex.place_portee(), 5);
    ex.porter(+1);
    EXPECT_EQ(ex.place_portee(), 6);
    ex.porter(-1);
    EXPECT_EQ(ex.place_portee(), 5);
    ex.porter(-1);
    EXPECT_EQ(ex.place_portee(), 9);
    EXPECT_EQ(ex.place_voisine(1, 5, +1), 6);
    EXPECT_EQ(ex.place_voisine(1, 6, -1), 5);
    EXPECT_EQ(ex.place_voisine(2, 5, +1), 10);

    // A legend moved off by the mouse no longer covers the place.
    ex.reposer();
    deposer_centre(2, 200, 200);
    EXPECT_TRUE(ex.place_libre(10, 1));
    EXPECT_EQ(ex.place_voisine(1, 5, +1), 10);
}

TEST_F(Legendes, ALegendPickedOnAPlaceStartsFromIt)
{
    deposer_sur(1, 7); // Segment initial's place, fifth in reading order
    ex.prendre(1);
    EXPECT_EQ(ex.place_portee(), 7);
    ex.porter(+1);
    EXPECT_EQ(ex.place_portee(), 2);
    ex.porter(-1);
    EXPECT_EQ(ex.place_portee(), 7); // its own place is blank for it
}

TEST_F(Legendes, KeyboardDropScoresLikeTheMouse)
{
    ExerciceLegendes souris;
    souris.construire(cibles_accueil());
    souris.affichage_legendes();
    // Every legend on its place with the keyboard, but 6 (the widest, 116)
    // on Axone's (52 wide) and 2 on Noyau's.
    const auto cible_de = [](int k) { return k == 6 ? 2 : k == 2 ? 6 : k; };
    for (int k = 1; k <= 10; ++k) {
        ex.prendre(k);
        ASSERT_TRUE(porter_jusqua(ex, cible_de(k))) << k;
        ex.poser();
        EXPECT_EQ(ex.legende_portee(), 0);
        const Rect& r = ex.cibles().at(cible_de(k) - 1).rect;
        EXPECT_EQ(ex.legende(k).rect.left, r.left) << k;
        EXPECT_EQ(ex.legende(k).rect.top, r.top) << k;
        EXPECT_EQ(ex.legende(k).couleur, CouleurLegende::Argent) << k;
        EXPECT_EQ(ex.placement(k).cible, cible_de(k)) << k;
        EXPECT_EQ(ex.placement(k).posee, k) << k;
    }
    // The same drops with the mouse, the legend's centre on the place's.
    for (int k = 1; k <= 10; ++k) {
        const Rect& r = souris.cibles().at(cible_de(k) - 1).rect;
        const Legende& l = souris.legende(k);
        souris.labelMouseDown(k, l.rect.width / 2, l.rect.height / 2);
        souris.labelMouseMove(k, r.left + r.width / 2 - l.rect.left, r.top + r.height / 2 - l.rect.top);
        souris.labelMouseup(k);
    }
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(ex.legende(k).rect, souris.legende(k).rect) << k;
        EXPECT_EQ(ex.legende(k).couleur, souris.legende(k).couleur) << k;
        EXPECT_EQ(ex.placement(k).cible, souris.placement(k).cible) << k;
        EXPECT_EQ(ex.placement(k).posee, souris.placement(k).posee) << k;
    }
    EXPECT_EQ(ex.btn_correctionClick(), "80 %");
    EXPECT_EQ(souris.btn_correctionClick(), "80 %");
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(ex.legende(k).couleur, souris.legende(k).couleur) << k;
    EXPECT_EQ(ex.legende(6).couleur, CouleurLegende::Rouge);
    EXPECT_EQ(ex.legende(1).couleur, CouleurLegende::Jaune);
}

TEST_F(Legendes, DroppedWithoutAMoveIsTheMouseClick)
{
    // Picked and dropped in the pile: light blue, on no place.
    const Rect pile = ex.legende(3).rect;
    ex.prendre(3);
    ex.poser();
    EXPECT_EQ(ex.legende(3).rect, pile);
    EXPECT_EQ(ex.legende(3).couleur, CouleurLegende::BleuClair);
    EXPECT_EQ(ex.placement(3).posee, 0);
    // Picked and dropped on its corrected place: silver again, as after a click.
    deposer_sur(3, 3);
    ex.btn_correctionClick();
    ASSERT_EQ(ex.legende(3).couleur, CouleurLegende::Jaune);
    ex.prendre(3);
    ex.poser();
    EXPECT_EQ(ex.legende(3).couleur, CouleurLegende::Argent);
    EXPECT_EQ(ex.placement(3).cible, 3);
}

TEST_F(Legendes, EscapePutsItBackUntouched)
{
    deposer_sur(5, 8);
    ex.btn_correctionClick();
    ASSERT_EQ(ex.legende(5).couleur, CouleurLegende::Rouge);
    const Rect avant = ex.legende(5).rect;
    ex.prendre(5);
    ex.porter(+1);
    ex.porter(+1);
    ASSERT_NE(ex.legende(5).rect, avant);
    ex.reposer();
    EXPECT_EQ(ex.legende(5).rect, avant);
    EXPECT_EQ(ex.legende(5).couleur, CouleurLegende::Rouge);
    EXPECT_EQ(ex.placement(5).cible, 8);
    EXPECT_EQ(ex.placement(5).posee, 5);
    EXPECT_EQ(ex.legende_portee(), 0);
    EXPECT_EQ(ex.place_portee(), 0);
    // Nothing carried: the keys do nothing.
    EXPECT_FALSE(ex.porter(+1));
    ex.poser();
    EXPECT_EQ(ex.legende(5).rect, avant);
    EXPECT_EQ(ex.legende(5).couleur, CouleurLegende::Rouge);
}

TEST_F(Legendes, PickingAnotherOrTheMousePutsTheCarriedOneBack)
{
    const Rect un = ex.legende(1).rect;
    ex.prendre(1);
    ex.porter(+1);
    ex.prendre(2);
    EXPECT_EQ(ex.legende(1).rect, un);
    EXPECT_EQ(ex.legende_portee(), 2);
    // The mouse on another legend: the carried one is laid where it shows,
    // or, not moved, left as it was (its verdict kept).
    ex.porter(+1);
    const int t = ex.place_portee();
    ex.labelMouseDown(7, 3, 3);
    EXPECT_TRUE(ex.placement(2).posee == 2 && ex.placement(2).cible == t && t != 0);
    EXPECT_EQ(ex.legende_portee(), 0);
    ex.labelMouseup(7);
    ex.btn_correctionClick();
    const CouleurLegende verdict = ex.legende(2).couleur;
    ex.prendre(2);
    ex.labelMouseDown(7, 3, 3);
    EXPECT_EQ(ex.legende(2).couleur, verdict);

    // The mouse pressed on the carried legend takes it from where it is.
    ex.prendre(3);
    ex.porter(+1);
    const Rect portee = ex.legende(3).rect;
    const int place = ex.place_portee(); // the first blank one
    ex.labelMouseDown(3, 5, 5);
    EXPECT_EQ(ex.legende_portee(), 0);
    EXPECT_EQ(ex.legende(3).rect, portee);
    ex.labelMouseMove(3, 6, 5);
    ex.labelMouseup(3);
    EXPECT_EQ(ex.placement(3).cible, place);
    EXPECT_EQ(ex.legende(3).couleur, CouleurLegende::Argent);

    ex.prendre(4);
    ex.porter(+1);
    ex.btn_enlever_legendesClick();
    EXPECT_EQ(ex.legende_portee(), 0);
    EXPECT_GE(ex.legende(4).rect.top, 370);
}

TEST(LegendesSansCible, NoPlaceToCarryTo)
{
    ExerciceLegendes ex;
    ex.construire({});
    EXPECT_TRUE(ex.ordre_places().empty());
    EXPECT_EQ(ex.place_voisine(1, 0, +1), 0);
    EXPECT_FALSE(ex.porter(+1));
}

TEST(CouleursLegendes, VerdictOnlyAfterACorrection)
{
    EXPECT_EQ(verdict(CouleurLegende::Jaune), "Résultat : juste");
    EXPECT_EQ(verdict(CouleurLegende::Rouge), "Résultat : faux");
    EXPECT_EQ(verdict(CouleurLegende::BleuClair), "");
    EXPECT_EQ(verdict(CouleurLegende::Argent), "");
}

TEST_F(Legendes, ALegendChangedSinceTheCorrectionHasNoVerdictAndTheScoreGoes)
{
    // After "1 on its place, 6 on its place, corrected (20 %)": what the pupil does, then
    // which legends changed and the score that still belongs to them.
    const struct {
        std::vector<std::pair<int, int>> gestes; // legend, place (0: off the drawing)
        std::vector<int> modifiees;
        const char* score;
    } cas[] = {{{}, {}, "20 %"},
               {{{6, 8}}, {6}, ""},
               {{{6, 0}}, {6}, ""},
               {{{3, 3}}, {3}, ""},
               {{{6, 8}, {6, 6}}, {}, "20 %"},
               {{{6, 0}, {6, 6}}, {}, "20 %"}};
    for (const auto& c : cas) {
        ex.btn_enlever_legendesClick();
        EXPECT_EQ(ex.score_valable(), "");
        deposer_sur(1, 1);
        deposer_sur(6, 6);
        ASSERT_EQ(ex.btn_correctionClick(), "20 %");
        for (const auto& [k, place] : c.gestes)
            place == 0 ? deposer_centre(k, 200, 200) : deposer_sur(k, place);
        std::vector<int> modifiees;
        for (int k = 1; k <= ex.nb_legendes(); ++k)
            if (ex.modifiee_apres_correction(k))
                modifiees.push_back(k);
        EXPECT_EQ(modifiees, c.modifiees) << c.gestes.size();
        EXPECT_EQ(ex.score_valable(), c.score) << c.gestes.size();
    }
}
