// Windows placed and sized with the frame a real window manager draws
// (openbox on an X server of the test's own, sous_openbox.sh).
#include "outils.h"

#include "app/sonde.h"
#include "shell/jpeg.h"
#include "shell/tform_image.h"
#include "shell/tform_richedit.h"
#include "ui_tform_image.h"
#include "stimulation/page_stimulation.h"
#include "ui_page_stimulation.h"

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
    Programme p{dossier_construit()};
};

} // namespace

// Beside the viewer's frame when both fit; on the tests' 1280-pixel screen,
// too narrow for both, as far right as keeps the main window whole.
TEST_F(SousGestionnaire, TheMainWindowStandsBesideTheSteppingViewersFrameAndOnTheScreen)
{
    const QRect ecran = p.Form1.screen()->availableGeometry();
    for (int fois = 0; fois < 2; ++fois) { // first opening, then again while it shows
        SCOPED_TRACE(fois);
        p.Form1.ui()->BitBtn24->click();
        TForm_richedit& v = p.Form_richedit();
        ASSERT_TRUE(encadree(v));
        const int attendu = std::min(v.frameGeometry().width(), ecran.right() + 1 - p.Form1.frameGeometry().width());
        const auto placee = [&] { return p.Form1.frameGeometry().x() == attendu; };
        EXPECT_TRUE(QTest::qWaitFor(placee, 3000))
            << "viewer frame " << v.frameGeometry().width() << " wide, main window at " << p.Form1.frameGeometry().x();
        EXPECT_TRUE(ecran.contains(p.Form1.frameGeometry()))
            << p.Form1.frameGeometry().right() << " beyond " << ecran.right();
        EXPECT_GT(v.frameGeometry().width(), v.width()) << "a real frame";
        EXPECT_EQ(v.frameGeometry().topLeft(), QPoint(0, 0));
    }
    // Where both fit, the main window starts at the viewer's outer width.
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
