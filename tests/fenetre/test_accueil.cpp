#include "outils.h"

#include "common/etiquette.h"
#include "labelling/page_accueil.h"

#include <QLabel>
#include <algorithm>
#include <map>
#include <set>
#include <gtest/gtest.h>

#include "impression.h"

using namespace quillon;
using namespace quillon::essais;

namespace {

class Accueil : public FenetreDemarree {
protected:
    void SetUp() override
    {
        FenetreDemarree::SetUp();
        f = std::make_unique<TForm1>(services());
        demarrer(*f);
    }

    PageAccueil& page() { return f->accueil(); }

    // Drags legend k with the left button, grabbing it at its centre, to
    // bring its centre onto `centre` (page coordinates), in several moves.
    void glisser(int k, QPoint centre) { glisser_vers(page().legende(k), centre); }

    QPoint centre_cible(int numero)
    {
        QWidget* c = page().cibles().at(numero - 1);
        return c->geometry().center();
    }

    // The background colour the legend shows: its most frequent pixel.
    QColor couleur_affichee(int k)
    {
        Etiquette* e = page().legende(k);
        const QImage image = e->grab().toImage().convertToFormat(QImage::Format_RGB32);
        std::map<QRgb, int> comptes;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ++comptes[image.pixel(x, y)];
        const auto plus = std::max_element(comptes.begin(), comptes.end(),
                                           [](const auto& a, const auto& b) { return a.second < b.second; });
        return QColor(plus->first);
    }

    std::unique_ptr<TForm1> f;
    QStringList erreurs;
};

} // namespace

TEST_F(Accueil, TargetsAreNumberedInPageOrder)
{
    const std::vector<QWidget*> cibles = page().cibles();
    ASSERT_EQ(cibles.size(), 10u);
    const char* noms[] = {"quillon6", "quillon7", "quillon8", "quillon3", "quillon2",
                          "quillon4", "quillon5", "quillon9", "quillon10", "quillon1"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(cibles[i]->objectName(), noms[i]);
        EXPECT_EQ(static_cast<QLabel*>(cibles[i])->text(), "*****");
    }
    EXPECT_EQ(cibles[0]->geometry(), QRect(556, 331, 75, 41));
    EXPECT_EQ(cibles[9]->geometry(), QRect(506, 33, 80, 38));
    EXPECT_EQ(page().legende(1)->text(), "Gaine de myéline");
    EXPECT_EQ(page().legende(5)->text(), "Synapse ");
}

TEST_F(Accueil, LegendsLieInThePileLightBlue)
{
    std::set<int> colonnes;
    for (int k = 1; k <= 10; ++k) {
        Etiquette* e = page().legende(k);
        EXPECT_TRUE(e->isVisible());
        EXPECT_EQ(e->size(), page().cibles().at(k - 1)->size());
        EXPECT_GE(e->y(), 370);
        colonnes.insert(e->x());
        EXPECT_EQ(couleur_affichee(k), QColor(166, 202, 240));
        EXPECT_EQ(e->font().pixelSize(), 16);
        EXPECT_EQ(e->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_EQ(colonnes, (std::set<int>{30, 150, 270, 390}));
}

TEST_F(Accueil, DragOntoTargetsThenCorrect)
{
    glisser(2, centre_cible(2)); // "Axone" on its place
    EXPECT_EQ(page().legende(2)->geometry(), QRect(795, 329, 52, 37));
    EXPECT_EQ(couleur_affichee(2), QColor(192, 192, 192));

    glisser(7, centre_cible(8)); // "Segment initial" on the wrong place
    EXPECT_EQ(page().legende(7)->pos(), QPoint(755, 475));
    EXPECT_EQ(couleur_affichee(7), QColor(192, 192, 192));

    QTest::mouseClick(f->ui()->BitBtn3, Qt::LeftButton);
    EXPECT_EQ(f->ui()->lab_result->text(), "10 %");
    EXPECT_EQ(couleur_affichee(2), QColor(255, 255, 0));
    EXPECT_EQ(couleur_affichee(7), QColor(255, 0, 0));
    EXPECT_EQ(couleur_affichee(1), QColor(166, 202, 240));

    // Dropped between the places: light blue again and no longer counted.
    glisser(2, QPoint(700, 300));
    EXPECT_EQ(couleur_affichee(2), QColor(166, 202, 240));
    QTest::mouseClick(f->ui()->BitBtn3, Qt::LeftButton);
    EXPECT_EQ(f->ui()->lab_result->text(), "0 %");

    // The short "Axone" on the wide place 6: no stars beside it; "Segment
    // initial" dropped there sends it back to the pile, stars back on 8.
    const auto etoiles = [&](int t) { return static_cast<QLabel*>(page().cibles().at(t - 1))->text(); };
    ASSERT_EQ(etoiles(6), "*****");
    glisser(2, centre_cible(6));
    EXPECT_EQ(etoiles(6), "");
    const QPoint pile = QPoint(30, 370);
    glisser(7, centre_cible(6));
    EXPECT_EQ(page().legende(7)->pos(), QPoint(515, 225));
    EXPECT_EQ(couleur_affichee(2), QColor(166, 202, 240));
    EXPECT_GE(page().legende(2)->y(), pile.y());
    EXPECT_EQ(etoiles(8), "*****");
    EXPECT_EQ(etoiles(6), "");
}

TEST_F(Accueil, TheWholeExerciceByHandScoresHundred)
{
    for (int k = 1; k <= 10; ++k)
        glisser(k, centre_cible(k));
    QTest::mouseClick(f->ui()->BitBtn3, Qt::LeftButton);
    EXPECT_EQ(f->ui()->lab_result->text(), "100 %");
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(couleur_affichee(k), QColor(255, 255, 0)) << k;

    QTest::mouseClick(f->ui()->BitBtn23, Qt::LeftButton);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(couleur_affichee(k), QColor(166, 202, 240));
        EXPECT_GE(page().legende(k)->y(), 370);
    }
    EXPECT_EQ(f->ui()->lab_result->text(), "100 %"); // the score stays until the next correction
    QTest::mouseClick(f->ui()->BitBtn3, Qt::LeftButton);
    EXPECT_EQ(f->ui()->lab_result->text(), "0 %");
}

TEST_F(Accueil, APressedLegendComesToTheFront)
{
    Etiquette* e = page().legende(3);
    QTest::mousePress(e, Qt::LeftButton, {}, QPoint(3, 3));
    const QObjectList enfants = f->ui()->page_accueil->children();
    QWidget* dernier = nullptr;
    for (QObject* o : enfants)
        if (auto* w = qobject_cast<QWidget*>(o))
            dernier = w;
    EXPECT_EQ(dernier, e);
    QTest::mouseRelease(e, Qt::LeftButton, {}, QPoint(3, 3));
}

TEST_F(Accueil, DragStopsAtTheRightLimit)
{
    Etiquette* e = page().legende(1);
    const QPoint avant = e->pos();
    QTest::mousePress(e, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(e, QPoint(5 + (941 - avant.x()), 25)); // left would reach 941
    EXPECT_EQ(e->pos(), avant);
    QTest::mouseMove(e, QPoint(5 + (900 - avant.x()), 25));
    EXPECT_EQ(e->pos(), QPoint(900, avant.y() + 20));
    QTest::mouseRelease(e, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(Accueil, PanelAndScoreShowTheirExactColours)
{
    const QImage panneau = f->ui()->Panel1->grab().toImage();
    EXPECT_EQ(panneau.pixelColor(75, 31), QColor(0, 128, 255)); // between the two buttons
    const QImage score = f->ui()->lab_result->grab().toImage();
    EXPECT_EQ(score.pixelColor(1, 20), QColor(192, 192, 192));
}
