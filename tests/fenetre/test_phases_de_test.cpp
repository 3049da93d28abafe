// "Phases de test" opens its script at its first line, however far the box
// had gone: first opening, opened again while shown, and after a close.
#include "outils.h"

#include "ui_tform_richedit.h"

#include <QTextEdit>

using namespace quillon;
using namespace quillon::essais;

namespace {
class FenetrePhases : public FenetreDemarree {};
} // namespace

TEST_F(FenetrePhases, PhasesDeTestOpensAtTheFirstLineOfItsScript)
{
    Programme p{services()}; // the shipped script, longer than the box
    demarrer(p.Form1);
    TForm_richedit& v = p.Form_richedit();
    QTextEdit* e = v.ui()->RichEdit1;
    const auto vue = [e] { return e->cursorForPosition(QPoint(4, 4)).blockNumber(); }; // the line at the top
    for (int fois = 0; fois < 3; ++fois) {
        QTest::mouseClick(p.Form1.ui()->BitBtn24, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
        QTest::qWait(50);
        EXPECT_EQ(vue(), 0) << "opening " << fois;
        if (fois == 0) { // the first down arrow highlights line 0, in view
            QTest::mouseClick(v.ui()->btn_bas, Qt::LeftButton);
            EXPECT_EQ(v.ligne_doc(), 0);
            EXPECT_EQ(vue(), 0);
        }
        for (int i = 0; i < 200; ++i)
            v.btn_basClick();
        ASSERT_GT(vue(), 20) << "the last line scrolled into view";
        if (fois == 1)
            v.hide();
    }
}
