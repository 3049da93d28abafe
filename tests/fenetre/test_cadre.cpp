// Windows placed and sized with the frame a real window manager draws
// (openbox on an X server of the test's own, sous_openbox.sh).
#include "outils.h"

#include "app/sonde.h"
#include "shell/jpeg.h"
#include "shell/tform_image.h"
#include "shell/tform_richedit.h"
#include "ui_tform_image.h"
#include "ui_tform_richedit.h"
#include "stimulation/page_stimulation.h"
#include "ui_page_stimulation.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QWindow>

#include <algorithm>

using namespace quillon;
using namespace quillon::essais;

namespace {

// The window manager has framed the window.
bool encadree(QWidget& w)
{
    return QTest::qWaitFor([&] { return w.windowHandle() != nullptr && !w.windowHandle()->frameMargins().isNull(); },
                           5000);
}

class SousGestionnaire : public FenetreDemarree {
protected:
    void SetUp() override
    {
        FenetreDemarree::SetUp();
        demarrer(p.Form1);
        ASSERT_TRUE(encadree(p.Form1)) << "no window manager framed the main window";
    }
    Programme p{services()};
};

} // namespace

// On the screens of the ctest entries Cadre.*: where the screen is wide
// enough, the viewer narrowed beside the main window; else the main window
// whole on the screen, the viewer in front when opened but not kept above.
TEST_F(SousGestionnaire, TheSteppingViewerNeverHidesTheMainWindow)
{
    const QRect ecran = p.Form1.screen()->availableGeometry();
    TForm_richedit& v = p.Form_richedit();
    for (int fois = 0; fois < 2; ++fois) { // first opening, then again while it shows
        SCOPED_TRACE(fois);
        p.Form1.ui()->BitBtn24->click();
        ASSERT_TRUE(encadree(v));
        const auto place = [&] { return ecran.width() - p.Form1.frameGeometry().width() - v.frameGeometry().width() + v.width(); };
        const auto placee = [&] {
            const QRect f = p.Form1.frameGeometry();
            const int ecart = f.x() - v.frameGeometry().right() - 1; // a pixel or two where a frame has a fraction
            return ecran.contains(f) && (place() >= 280 ? ecart >= 0 && ecart <= 2 : f.right() == ecran.right());
        };
        EXPECT_TRUE(QTest::qWaitFor(placee, 3000))
            << "main window at " << p.Form1.frameGeometry().x() << " on " << ecran.width() << ", viewer " << v.width();
        EXPECT_GT(v.frameGeometry().width(), v.width()) << "a real frame";
        EXPECT_EQ(v.frameGeometry().topLeft(), ecran.topLeft());
        EXPECT_NEAR(v.width(), place() >= 280 ? std::min(place(), 359) : 359, place() >= 280 && place() < 359 ? 2 : 0);
        EXPECT_EQ(v.ui()->btn_bas->geometry().right(), v.width() - 1);
        const QPoint recouvrement = p.Form1.frameGeometry().topLeft() + QPoint(30, 40); // "Fichier"
        const auto devant = [&](QWidget* w) { return QTest::qWaitFor([&] { return QApplication::topLevelAt(recouvrement) == w; }, 5000); };
        if (place() < 280) {
            EXPECT_TRUE(devant(&v)) << "the viewer in front once opened";
            // Not kept above: the main window, once clicked, comes in front.
            QProcess xprop;
            xprop.start("xprop", {"-id", QString::number(v.winId()), "_NET_WM_STATE"});
            ASSERT_TRUE(xprop.waitForFinished(5000));
            EXPECT_FALSE(xprop.readAll().contains("_NET_WM_STATE_ABOVE"));
        }
    }
    EXPECT_EQ(TForm_richedit::position_a_cote(375, 956, QRect(0, 0, 1920, 1080)), 375);
    EXPECT_EQ(TForm_richedit::position_a_cote(375, 956, QRect(0, 0, 1280, 1024)), 324);
}

TEST_F(SousGestionnaire, ThePictureViewersOuterSizeIsThePicturePlus15By40AtItsFirstOpening)
{
    p.Form1.version_windows = version_vista;
    cliquer_onglet(p.Form1, 1);
    for (const char* image : {"refract.jpg", "recrut.jpg"}) {
        SCOPED_TRACE(image);
        QFile f(dossier_construit() + image);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QSize taille = lire_jpeg(f.readAll()).image.size();
        QTest::mouseClick(QString(image) == "refract.jpg" ? p.Form1.stimulation().ui()->BitBtn8
                                                          : p.Form1.stimulation().ui()->BitBtn9,
                          Qt::LeftButton);
        TForm_image& v = p.Form_image();
        ASSERT_TRUE(encadree(v));
        const QSize attendue = taille + QSize(15, 40);
        EXPECT_TRUE(QTest::qWaitFor([&] { return v.frameGeometry().size() == attendue; }, 3000))
            << v.frameGeometry().width() << " x " << v.frameGeometry().height();
        const QRect titre = v.ui()->Label1->geometry();
        EXPECT_EQ(titre.y(), v.height() - 25);
        EXPECT_EQ(titre.x(), (v.width() - titre.width()) / 2);
    }
    EXPECT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
}
