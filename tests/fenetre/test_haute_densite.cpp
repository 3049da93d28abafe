// Dense screens: run again at QT_SCALE_FACTOR 1.5 and 2 (tests/CMakeLists.txt); skipped at ratio 1.
#include "fenetre/outils.h"
#include "common/icones.h"
#include "common/lecture_image.h"

#include <QFontDatabase>
#include <QPainter>
#include <QTimer>
#include <QMenuBar>

namespace quillon::essais {

// Captions in a face that scales, as wide for their size as written at 1x in
// the design font; drawn pictures enlarged smoothly, the others drawn at 2x.
TEST(HauteDensite, ScalableCaptionsSmoothPicturesArtworkAt2x)
{
    const qreal r = qApp->devicePixelRatio();
    if (r == 1)
        GTEST_SKIP() << "a screen of ratio 1";
    TForm1 f{systeme(dossier_construit())};
    f.Timer_debut->stop();
    ASSERT_TRUE(montrer(f));
    const auto colonnes_encrees = [](const QImage& image) { // holding a pixel darker than mid-grey
        const QImage nb = image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        int n = 0;
        for (int x = 0; x < nb.width(); ++x)
            n += compter(nb, Qt::black, QRect(x, 0, 1, nb.height())) > 0;
        return n;
    };
    QTabBar* onglets = f.ui()->Notebook1->tabBar();
    const std::tuple<QWidget*, QString, QRect> legendes[] = {
        {f.ui()->MainMenu1, "Fichier", f.ui()->MainMenu1->actionGeometry(f.ui()->Fichier1->menuAction())},
        {onglets, "Accueil", onglets->tabRect(0).adjusted(3, 3, -3, -3)}};
    for (const auto& [w, texte, zone] : legendes) {
        EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(QFontInfo(w->font()).family())) << texte.toStdString();
        QImage a_1x(zone.size(), QImage::Format_RGB32);
        a_1x.fill(Qt::white);
        QPainter p(&a_1x);
        p.setFont(w->font());
        p.drawText(a_1x.rect(), Qt::AlignCenter, texte);
        p.end();
        const int vues = colonnes_encrees(w->grab(zone).toImage()), attendues = colonnes_encrees(a_1x);
        EXPECT_NEAR(vues / (r * attendues), 1.0, 0.2) << texte.toStdString() << ": " << vues << " columns, 1x " << attendues;
    }
    QImage trait(20, 20, QImage::Format_RGB32); // a black diagonal: greys beside it when enlarged smoothly
    trait.fill(Qt::white);
    QPainter(&trait).drawLine(0, 0, 19, 19);
    ImageControle c;
    c.setImage(trait);
    c.resize(trait.size());
    ASSERT_TRUE(montrer(c));
    const QImage vue = c.grab().toImage();
    EXPECT_GT(vue.width() * vue.height() - compter(vue, Qt::black) - compter(vue, Qt::white), 20) << "enlarged in blocks";
    EXPECT_EQ(f.ui()->Image2->image().size(), QSize(808, 1062));
    EXPECT_EQ(f.ui()->Image2->image().devicePixelRatio(), 2);
    EXPECT_EQ(icone_deux_etats(":/art/correction.png").pixmap(QSize(16, 16), 2).toImage().convertToFormat(QImage::Format_ARGB32),
              lire_image(":/art/correction@2x.png").copy(0, 0, 32, 32).convertToFormat(QImage::Format_ARGB32));
}

} // namespace quillon::essais
