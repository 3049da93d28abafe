#pragma once
// The fixture of the keyboard and screen-reader tests: a main window started
// and active, its pages at hand, and how a test names the focused widget.
#include "fenetre/outils.h"

#include "ionic/page_ionique.h"
#include "labelling/page_accueil.h"
#include "stimulation/page_stimulation.h"
#include "stimulation/reponse.h"
#include "ui_page_ionique.h"
#include "ui_page_stimulation.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTabBar>
#include <gtest/gtest.h>

namespace quillon::essais {

// How a test names a widget: its object name, or "légende <text>" for a legend.
inline QString nom(const QWidget* w)
{
    if (w == nullptr)
        return QStringLiteral("(aucun)");
    if (w->objectName().isEmpty() && w->property("tag").isValid())
        return QStringLiteral("légende ") + static_cast<const QLabel*>(w)->text();
    if (qobject_cast<const QTabBar*>(w) != nullptr)
        return QStringLiteral("onglets");
    return w->objectName();
}

class FenetreAcces : public FenetreDemarree {
protected:
    void SetUp() override
    {
        FenetreDemarree::SetUp();
        demarrer(f);
    }

    void demarrer(TForm1& g)
    {
        FenetreDemarree::demarrer(g);
        g.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&g));
    }

    // A click on tab i, as the pupil chooses a page.
    void onglet(int i) { ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, i)); }

    // From the tab row, the widgets Tab reaches, up to and including the
    // first one met again.
    QStringList tabulations(QWidget* depart, int max = 60)
    {
        depart->setFocus(Qt::OtherFocusReason);
        EXPECT_EQ(QApplication::focusWidget(), depart);
        QStringList vus;
        for (int i = 0; i < max; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            vus << nom(QApplication::focusWidget());
            if (QApplication::focusWidget() == depart)
                break;
        }
        return vus;
    }

    Ui::PageStimulation* st() { return f.stimulation().ui(); }
    Ui::PageIonique* io() { return f.ionique().ui(); }
    PageAccueil& accueil() { return f.accueil(); }
    QTabBar* barre_onglets() { return f.ui()->Notebook1->tabBar(); }

    // The recording screen as the response model draws it for those places,
    // at intensity position 80, without a second stimulation, on the nerve.
    QImage ecran_attendu(int anode, int cathode, int enr1, int enr2)
    {
        ReglagesStimulation r;
        r.anode = anode;
        r.cathode = cathode;
        r.enr1 = enr1;
        r.enr2 = enr2;
        r.bout_nerf = st()->Panel2->x() - 20;
        r.position_i_stim = 80;
        r.pos = st()->Scroll_temps->value();
        ReponseStimulation rep;
        rep.calculer(r, f.stimulation().pot_ess0());
        QImage image(420, 220, QImage::Format_RGB32);
        image.fill(Qt::white);
        rep.dessiner(image);
        return image;
    }
    const QImage& ecran() { return st()->Ima_st->image(); }

    // The legend the keyboard focus is on, by its number.
    int legende_focus()
    {
        QWidget* w = QApplication::focusWidget();
        return w != nullptr && w->property("tag").isValid() && w->objectName().isEmpty() ? w->property("tag").toInt()
                                                                                        : 0;
    }
    QRect place(int t) { return accueil().cibles().at(t - 1)->geometry(); }

    TForm1 f{services()};
};

} // namespace quillon::essais
