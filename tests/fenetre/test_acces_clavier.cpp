// Keyboard access, in a real window: the Tab order of each page and dialog,
// the scroll bars and the electrodes moved with the arrow keys, and the
// legends placed from the keyboard.
#include "fenetre/acces.h"

#include "app/taille_affichage.h"

#include "common/etiquette.h"
#include "common/forme.h"
#include "ui_tform_richedit.h"
#include "ui_tmise_couleur.h"

#include <QApplication>
#include <QMenuBar>
#include <QSet>
#include <QSignalSpy>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>
#include <map>

#include "impression.h"

using namespace quillon;
using namespace quillon::essais;

namespace {

// A widget's centre as the legend rules reckon it: Left + Width div 2.
QPoint centre(const QWidget* w)
{
    return QPoint(w->x() + w->width() / 2, w->y() + w->height() / 2);
}

// Every item of a menu, and of its menus, has one access key, none twice in a menu.
void touches_uniques(const QWidget* menu)
{
    QSet<QString> vues;
    for (const QAction* a : menu->actions()) {
        const QString touche = a->text().mid(a->text().indexOf('&') + 1, 1).toLower();
        EXPECT_TRUE(a->isSeparator() || (a->text().count('&') == 1 && !vues.contains(touche))) << a->text().toStdString();
        vues << touche;
        if (a->menu() != nullptr)
            touches_uniques(a->menu());
    }
}

} // namespace

// ---- Tab order ----------------------------------------------------------------

TEST_F(FenetreAcces, TabOrderOfTheHomePageReadsThePileRowByRow)
{
    // The pile's rows from the legends' own places: the columns of three.
    std::vector<Etiquette*> pile;
    for (int k = 1; k <= accueil().nb_legendes(); ++k)
        pile.push_back(accueil().legende(k));
    ASSERT_EQ(pile.size(), 10u);
    std::map<Etiquette*, int> rang;
    for (Etiquette* e : pile)
        for (Etiquette* autre : pile)
            rang[e] += autre->x() == e->x() && autre->y() < e->y();
    std::sort(pile.begin(), pile.end(),
              [&](Etiquette* a, Etiquette* b) { return std::pair(rang[a], a->x()) < std::pair(rang[b], b->x()); });
    EXPECT_EQ(rang[pile[3]], 0) << "four columns, four legends on the first row";
    EXPECT_EQ(rang[pile[4]], 1);
    QStringList attendu = {"Image2", "BitBtn2", "BitBtn24"};
    for (Etiquette* e : pile)
        attendu << nom(e);
    attendu << "BitBtn3" << "BitBtn23" << "onglets";
    EXPECT_EQ(tabulations(barre_onglets()), attendu);

    // Backwards the same way.
    QTest::keyClick(barre_onglets(), Qt::Key_Backtab);
    EXPECT_EQ(nom(QApplication::focusWidget()), "BitBtn23");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(nom(QApplication::focusWidget()), "BitBtn3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), pile.back());
}

TEST_F(FenetreAcces, TabOrderOfTheStimulationPage)
{
    onglet(1);
    const QStringList feuille = {"Memo5",    "BitBtn8",    "BitBtn9",         "pref_rel",   "pref_abs",
                                 "fib_lpr",  "fib_cpr",    "vit_influx",      "combo_electrode",
                                 "Edit_seuil", "BitBtn19", "onglets"};
    const QStringList montage = {"Shape_anode", "Shape_cathode", "Shape_enr1", "Shape_enr2", "Shape_nerf",
                                 "Scroll_i_stim", "CheckBox1", "Scroll_temps", "Ima_st"};
    const QString consignes = st()->Memo5->toPlainText();
    EXPECT_EQ(tabulations(barre_onglets()), QStringList{"Radio_nerf_nerf"} + montage + feuille);
    EXPECT_EQ(st()->Memo5->toPlainText(), consignes) << "Tab went through the instructions without writing";

    // The radio group is one stop: the button checked.
    QTest::mouseClick(st()->Radio_nerf_fibre, Qt::LeftButton);
    ASSERT_TRUE(st()->Radio_nerf_fibre->isChecked());
    EXPECT_EQ(tabulations(barre_onglets()), QStringList{"Radio_nerf_fibre"} + montage + feuille);
}

TEST_F(FenetreAcces, TabOrderOfTheIonicPageInEachMode)
{
    onglet(2);
    // The pictures with a menu where they read: the compartments, the chart.
    const QStringList barres = {"Scroll_nai", "Scroll_ki", "Scroll_gk", "Scroll_gna", "ima_pe1",
                                "Scroll_ke", "Scroll_nae", "Ima_pa"};
    EXPECT_EQ(tabulations(barre_onglets()),
              (QStringList{"BitBtn12"} + barres + QStringList{"BitBtn14", "BitBtn15", "BitBtn16", "onglets"}));

    // Programming: the step buttons come in, below Program.
    QTest::mouseClick(io()->BitBtn16, Qt::LeftButton);
    ASSERT_TRUE(io()->recule1->isVisible());
    EXPECT_EQ(tabulations(barre_onglets()),
              (QStringList{"BitBtn12"} + barres
               + QStringList{"BitBtn15", "BitBtn16", "recule1", "BitBtn17", "BitBtn18", "onglets"}));
    QTest::mouseClick(io()->BitBtn16, Qt::LeftButton);
    ASSERT_FALSE(io()->recule1->isVisible());

    // The equilibrium-potential mode, entered from the keyboard.
    io()->BitBtn12->setFocus(Qt::TabFocusReason);
    QTest::keyClick(io()->BitBtn12, Qt::Key_Space);
    ASSERT_TRUE(f.ionique().modele().mode_anim);
    EXPECT_EQ(tabulations(barre_onglets()),
              (QStringList{"BitBtn13", "GO", "Scroll_ki", "ima_pe1", "Scroll_ke", "Ima_pa", "onglets"}));
    io()->GO->setFocus(Qt::TabFocusReason);
    QTest::keyClick(io()->GO, Qt::Key_Space);
    EXPECT_EQ(io()->GO->text(), "STOP");
    QTest::keyClick(io()->GO, Qt::Key_Space);
    EXPECT_EQ(io()->GO->text(), "LANCER");
    io()->BitBtn13->setFocus(Qt::TabFocusReason);
    QTest::keyClick(io()->BitBtn13, Qt::Key_Space);
    EXPECT_FALSE(f.ionique().modele().mode_anim);
}

TEST_F(FenetreAcces, TabOrderOfTheDialogs)
{
    Programme p{systeme(dossier_construit(), [](const QString&) {})};
    p.Form1.Timer_debutTimer();

    p.mise_couleur().show();
    p.mise_couleur().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p.mise_couleur()));
    EXPECT_EQ(nom(QApplication::focusWidget()), "OKBtn");
    EXPECT_EQ(tabulations(p.mise_couleur().ui()->OKBtn),
              (QStringList{"CancelBtn", "HelpBtn", "scroll_rouge", "Scroll_vert", "Scroll_bleu", "OKBtn"}));
    p.mise_couleur().hide();

    p.Form_richedit().ouvrir_phases(dossier_construit(), nullptr);
    ASSERT_TRUE(p.Form_richedit().isVisible());
    p.Form_richedit().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p.Form_richedit()));
    QTextEdit* script = p.Form_richedit().ui()->RichEdit1;
    const QString texte = script->toPlainText();
    EXPECT_EQ(tabulations(script), (QStringList{"BitBtn1", "btn_bas", "RichEdit1"}));
    EXPECT_EQ(script->toPlainText(), texte) << "Tab went on without writing into the script";
    p.Form_richedit().hide();
}

// ---- Scroll bars -----------------------------------------------------------------

TEST_F(FenetreAcces, ScrollBarsTakeTheFocusAndMoveWithTheArrows)
{
    onglet(2);
    f.ionique().minuteries().Timer_k->stop();
    f.ionique().minuteries().Timer_na->stop();
    QScrollBar* ke = io()->Scroll_ke;
    // Reached with Tab: the seventh stop, after the mode button, four bars and the compartments.
    barre_onglets()->setFocus(Qt::OtherFocusReason);
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), ke);

    const int depart = ke->value();
    ASSERT_EQ(io()->lab_ke->text(), "[K]e= 6");
    ASSERT_EQ(ke->singleStep(), 2);
    QTest::keyClick(ke, Qt::Key_Down);
    EXPECT_EQ(ke->value(), depart + 2);
    EXPECT_EQ(io()->lab_ke->text(), "[K]e= 4");
    QTest::keyClick(ke, Qt::Key_Up);
    QTest::keyClick(ke, Qt::Key_Up);
    EXPECT_EQ(ke->value(), depart - 2);
    EXPECT_EQ(io()->lab_ke->text(), "[K]e= 8");

    // GK: a step of 1, the label follows.
    QScrollBar* gk = io()->Scroll_gk;
    gk->setFocus(Qt::TabFocusReason);
    const QString avant = io()->lab_gk->text();
    QTest::keyClick(gk, Qt::Key_Up);
    EXPECT_EQ(io()->lab_gk->text(), "GK=1") << avant.toStdString();

    // A click on a bar gives it the focus too.
    QScrollBar* nae = io()->Scroll_nae;
    QTest::mouseClick(nae, Qt::LeftButton, {}, QPoint(nae->width() / 2, nae->height() / 2));
    EXPECT_EQ(QApplication::focusWidget(), nae);
}

TEST_F(FenetreAcces, StimulatorBarsMoveWithTheArrows)
{
    onglet(1);
    QScrollBar* i = st()->Scroll_i_stim;
    i->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(i->value(), 100);
    QTest::keyClick(i, Qt::Key_Up);
    EXPECT_EQ(i->value(), 99);
    EXPECT_EQ(st()->Lab_stim->text(), "0.01 V");
    QTest::keyClick(i, Qt::Key_PageUp);
    EXPECT_EQ(i->value(), 89);
    EXPECT_EQ(st()->Lab_stim->text(), "0.11 V");
    QTest::keyClick(i, Qt::Key_Down);
    QTest::keyClick(i, Qt::Key_PageDown);
    EXPECT_EQ(i->value(), 100);
    EXPECT_EQ(st()->Lab_stim->text(), "0.00 V");

    QScrollBar* t = st()->Scroll_temps;
    t->setFocus(Qt::TabFocusReason);
    ASSERT_FALSE(st()->CheckBox1->isChecked());
    // Left as the left arrow of the bar, Right as the right one.
    QTest::keyClick(t, Qt::Key_Left);
    EXPECT_EQ(t->value(), 49);
    EXPECT_EQ(st()->deux_artef->x(), 49 * 5 + 10);
    EXPECT_TRUE(st()->CheckBox1->isChecked()) << "a moved interval turns the second stimulation on, as with the mouse";
    QTest::keyClick(t, Qt::Key_Right);
    QTest::keyClick(t, Qt::Key_Right);
    EXPECT_EQ(t->value(), 51);
}

TEST_F(FenetreAcces, AFocusedBarShowsItsFocusAndLooksAsBeforeOtherwise)
{
    onglet(2);
    QScrollBar* ki = io()->Scroll_ki;
    io()->BitBtn14->setFocus(Qt::TabFocusReason);
    const QImage sans = ki->grab().toImage();
    ki->setFocus(Qt::TabFocusReason);
    const QImage avec = ki->grab().toImage();
    EXPECT_NE(avec, sans);
    io()->BitBtn14->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(ki->grab().toImage(), sans);
}

// ---- Electrodes -------------------------------------------------------------------

TEST_F(FenetreAcces, AnElectrodeMovesOnePixelOrTenAndRedrawsOnRelease)
{
    onglet(1);
    st()->Scroll_i_stim->setValue(80);
    Forme* c = st()->Shape_cathode;
    // A click gives it the focus (and, released, redraws as always).
    QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(2, 10));
    ASSERT_EQ(QApplication::focusWidget(), c);
    ASSERT_EQ(c->x(), 80);
    ASSERT_EQ(ecran(), ecran_attendu(64, 80, 208, 224));

    // The screen painted over: only a redraw brings the trace back.
    const auto barbouiller = [this] { st()->Ima_st->image_a_modifier().fill(Qt::red); };
    barbouiller();
    const QImage rouge = ecran().copy();
    QTest::keyPress(c, Qt::Key_Right);
    EXPECT_EQ(c->x(), 81);
    EXPECT_EQ(st()->Shape_cathode2->x(), 81);
    EXPECT_EQ(st()->Shape_cathode2->x() + st()->Shape_cathode2->width(), 398);
    EXPECT_EQ(st()->cathode->x(), 79);
    EXPECT_EQ(ecran(), rouge) << "no redraw while the key is held";
    QTest::keyRelease(c, Qt::Key_Right);
    EXPECT_EQ(ecran(), ecran_attendu(64, 81, 208, 224));

    // Shift: ten pixels; held down, the key repeats and moves each time,
    // the repeats' releases redraw nothing.
    barbouiller();
    QTest::keyPress(c, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(c->x(), 91);
    QTest::simulateEvent(c, false, Qt::Key_Right, Qt::ShiftModifier, QString(), true);
    QTest::simulateEvent(c, true, Qt::Key_Right, Qt::ShiftModifier, QString(), true);
    EXPECT_EQ(c->x(), 101);
    EXPECT_EQ(ecran(), rouge);
    QTest::keyRelease(c, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(ecran(), ecran_attendu(64, 101, 208, 224));
    EXPECT_NE(ecran_attendu(64, 101, 208, 224), ecran_attendu(64, 80, 208, 224));

    // Other keys leave it.
    QTest::keyClick(c, Qt::Key_Up);
    QTest::keyClick(c, Qt::Key_Down);
    EXPECT_EQ(c->x(), 101);

    // The drag's limit: its right edge stays left of electrode 1 (208); a
    // refused move leaves it where it is.
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(c, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(c->x(), 201);
    QTest::keyClick(c, Qt::Key_Right);
    EXPECT_EQ(c->x(), 202);
    QTest::keyClick(c, Qt::Key_Right);
    QTest::keyClick(c, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(c->x(), 202);
    EXPECT_EQ(st()->Shape_cathode2->x(), 202);
    EXPECT_EQ(st()->cathode->x(), 200);
    EXPECT_EQ(ecran(), ecran_attendu(64, 202, 208, 224));
    QTest::keyClick(c, Qt::Key_Left);
    EXPECT_EQ(c->x(), 201);
}

TEST_F(FenetreAcces, ElectrodesStopAtTheDragLimits)
{
    onglet(1);
    st()->Scroll_i_stim->setValue(80);
    // Reached with Tab: the anode first, after the radio group.
    barre_onglets()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(barre_onglets(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Forme* a = st()->Shape_anode;
    ASSERT_EQ(QApplication::focusWidget(), a);
    // Left edge: the right edge must stay past 15, so Left 11 at the least.
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(a, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(a->x(), 14);
    QTest::keyClick(a, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(a->x(), 14);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(a, Qt::Key_Left);
    EXPECT_EQ(a->x(), 11);
    EXPECT_EQ(st()->Shape_anode2->x(), 11);
    EXPECT_EQ(st()->anode->x(), 9);
    EXPECT_EQ(ecran(), ecran_attendu(11, 80, 208, 224));

    // Electrode 2: Left below 321 (the stimulator box's Left less 10).
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Forme* e2 = st()->Shape_enr2;
    ASSERT_EQ(QApplication::focusWidget(), e2);
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(e2, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(e2->x(), 314);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(e2, Qt::Key_Right);
    EXPECT_EQ(e2->x(), 320);
    EXPECT_EQ(st()->shape_enr22->x(), 320);
    EXPECT_EQ(st()->shape_enr22->x() + st()->shape_enr22->width(), 371);

    // Electrode 1: Left past the cathode's right edge (85).
    QTest::keyClick(e2, Qt::Key_Backtab);
    Forme* e1 = st()->Shape_enr1;
    ASSERT_EQ(QApplication::focusWidget(), e1);
    for (int i = 0; i < 13; ++i)
        QTest::keyClick(e1, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(e1->x(), 88);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(e1, Qt::Key_Left);
    EXPECT_EQ(e1->x(), 86);
    EXPECT_EQ(ecran(), ecran_attendu(11, 80, 86, 320));
    EXPECT_EQ(st()->Shape_cathode->x(), 80);
}

TEST_F(FenetreAcces, AFocusedElectrodeShowsItsFocusAndLooksAsBeforeOtherwise)
{
    onglet(1);
    for (Forme* e : {st()->Shape_anode, st()->Shape_cathode, st()->Shape_enr1, st()->Shape_enr2}) {
        SCOPED_TRACE(e->objectName().toStdString());
        st()->BitBtn19->setFocus(Qt::TabFocusReason);
        const QImage sans = e->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // Unfocused: the fill within a black outline, as designed.
        EXPECT_EQ(QColor(sans.pixel(0, 20)), QColor(Qt::black));
        EXPECT_EQ(QColor(sans.pixel(2, 20)), e->pinceau());
        e->setFocus(Qt::TabFocusReason);
        const QImage avec = e->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_NE(avec, sans);
        EXPECT_EQ(QColor(avec.pixel(0, 20)), QColor(Qt::black)) << "the outline stays";
        int autres = 0;
        for (int y = 1; y < avec.height() - 1; ++y)
            autres += QColor(avec.pixel(1, y)) != e->pinceau();
        EXPECT_GT(autres, avec.height() / 4) << "a dotted line in another colour";
        st()->BitBtn19->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(e->grab().toImage().convertToFormat(QImage::Format_RGB32), sans);
    }
}

TEST_F(FenetreAcces, SpaceOnTheNerveSwapsItsEnds)
{
    onglet(1);
    st()->Shape_nerf->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), st()->Shape_nerf);
    ASSERT_EQ(st()->Lab_a->x(), 14);
    QTest::keyClick(st()->Shape_nerf, Qt::Key_Space);
    EXPECT_EQ(st()->Lab_a->x(), 303);
    EXPECT_EQ(st()->Lab_b->x(), 14);
    QTest::keyClick(st()->Shape_nerf, Qt::Key_Space);
    EXPECT_EQ(st()->Lab_a->x(), 14);
}

// ---- Legends ------------------------------------------------------------------------

TEST_F(FenetreAcces, ALegendPlacedWithTheKeyboardScoresLikeTheMouse)
{
    // Tab from "Phases de test" to the first legend of the pile.
    f.ui()->BitBtn24->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.ui()->BitBtn24, Qt::Key_Tab);
    const int k = legende_focus();
    ASSERT_GT(k, 0);
    Etiquette* e = accueil().legende(k);
    const QRect pile = e->geometry();

    // Space picks it; each arrow carries it onto a place: its centre on the place's.
    QTest::keyClick(e, Qt::Key_Space);
    EXPECT_EQ(e->geometry(), pile) << "picked, not yet moved";
    int appuis = 0;
    while (centre(e) != centre(accueil().cibles().at(k - 1)) && appuis < 10) {
        QTest::keyClick(e, Qt::Key_Right);
        ++appuis;
        bool sur_une_place = false;
        for (QWidget* c : accueil().cibles())
            sur_une_place |= centre(c) == centre(e);
        EXPECT_TRUE(sur_une_place) << appuis;
        EXPECT_EQ(e->couleur(), rgb(CouleurLegende::BleuClair)) << "carried, not dropped";
    }
    ASSERT_EQ(centre(e), centre(accueil().cibles().at(k - 1)));
    QTest::keyClick(e, Qt::Key_Space);
    EXPECT_EQ(e->pos(), place(k).topLeft());
    EXPECT_EQ(e->size(), pile.size());
    EXPECT_EQ(e->couleur(), rgb(CouleurLegende::Argent));

    // Another one onto a place not its own.
    QTest::keyClick(e, Qt::Key_Tab);
    const int j = legende_focus();
    ASSERT_GT(j, 0);
    ASSERT_NE(j, k);
    Etiquette* autre = accueil().legende(j);
    QTest::keyClick(autre, Qt::Key_Space);
    QTest::keyClick(autre, Qt::Key_Left);
    int t = 0;
    for (int i = 1; i <= 10; ++i)
        if (place(i).contains(autre->geometry().center()))
            t = i;
    ASSERT_NE(t, 0);
    if (t == j) {
        QTest::keyClick(autre, Qt::Key_Left);
        for (int i = 1; i <= 10; ++i)
            if (place(i).contains(autre->geometry().center()))
                t = i;
    }
    ASSERT_NE(t, j);
    ASSERT_NE(t, k) << "the place of the first legend is taken";
    QTest::keyClick(autre, Qt::Key_Space);
    EXPECT_EQ(autre->pos(), place(t).topLeft());

    // "Correction" from the keyboard: one right, one wrong.
    f.ui()->BitBtn3->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.ui()->BitBtn3, Qt::Key_Space);
    EXPECT_EQ(f.ui()->lab_result->text(), "10 %");
    EXPECT_EQ(e->couleur(), rgb(CouleurLegende::Jaune));
    EXPECT_EQ(autre->couleur(), rgb(CouleurLegende::Rouge));

    // The same two drops with the mouse in another window score the same.
    TForm1 g{services()};
    demarrer(g);
    glisser_vers(g.accueil().legende(k), place(k).center(), 1);
    glisser_vers(g.accueil().legende(j), place(t).center(), 1);
    QTest::mouseClick(g.ui()->BitBtn3, Qt::LeftButton);
    EXPECT_EQ(g.ui()->lab_result->text(), "10 %");
    EXPECT_EQ(g.accueil().legende(k)->geometry(), e->geometry());
    EXPECT_EQ(g.accueil().legende(j)->geometry(), autre->geometry());
    EXPECT_EQ(g.accueil().legende(k)->couleur(), e->couleur());
    EXPECT_EQ(g.accueil().legende(j)->couleur(), autre->couleur());
}

TEST_F(FenetreAcces, EscapeOrTabPutsACarriedLegendBack)
{
    const int k = accueil().exercice().ordre_lecture()[3];
    Etiquette* e = accueil().legende(k);
    e->setFocus(Qt::TabFocusReason);
    const QRect pile = e->geometry();
    QTest::keyClick(e, Qt::Key_Space);
    QTest::keyClick(e, Qt::Key_Down);
    QTest::keyClick(e, Qt::Key_Down);
    ASSERT_NE(e->geometry(), pile);
    QTest::keyClick(e, Qt::Key_Escape);
    EXPECT_EQ(e->geometry(), pile);
    EXPECT_EQ(e->couleur(), rgb(CouleurLegende::BleuClair));
    // Escape again: nothing carried, nothing moves.
    QTest::keyClick(e, Qt::Key_Escape);
    QTest::keyClick(e, Qt::Key_Right);
    EXPECT_EQ(e->geometry(), pile);

    // Placed, then picked again and carried away: Escape brings it back onto its place.
    QTest::keyClick(e, Qt::Key_Space);
    QTest::keyClick(e, Qt::Key_Up);
    QTest::keyClick(e, Qt::Key_Space);
    const QRect posee = e->geometry();
    ASSERT_NE(posee, pile);
    EXPECT_EQ(e->couleur(), rgb(CouleurLegende::Argent));
    QTest::keyClick(e, Qt::Key_Space);
    QTest::keyClick(e, Qt::Key_Up);
    ASSERT_NE(e->geometry(), posee);
    QTest::keyClick(e, Qt::Key_Escape);
    EXPECT_EQ(e->geometry(), posee);
    EXPECT_EQ(e->couleur(), rgb(CouleurLegende::Argent));

    // Tab away while carrying: put back as well, and the next legend has the focus.
    QTest::keyClick(e, Qt::Key_Space);
    QTest::keyClick(e, Qt::Key_Right);
    ASSERT_NE(e->geometry(), posee);
    QTest::keyClick(e, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), e);
    EXPECT_EQ(e->geometry(), posee);
    EXPECT_EQ(accueil().exercice().legende_portee(), 0);

    // The mouse on another legend while one is carried: the carried one is laid where it shows.
    e->setFocus(Qt::TabFocusReason);
    QTest::keyClick(e, Qt::Key_Space);
    QTest::keyClick(e, Qt::Key_Right);
    ASSERT_NE(e->geometry(), posee);
    Etiquette* autre = accueil().legende(k == 1 ? 2 : 1);
    const QRect ailleurs = autre->geometry();
    QTest::mouseClick(autre, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(e->pos(), place(accueil().exercice().placement(k).cible).topLeft());
    EXPECT_NE(e->geometry(), posee);
    EXPECT_EQ(autre->geometry(), ailleurs);
    EXPECT_EQ(accueil().exercice().legende_portee(), 0);
}

// The display size from the keys, the restart declined: Ctrl++ (with or
// without Shift, or on the keypad) up to the largest size that fits the
// tests' 1280 x 1024 screen, Ctrl+- down, Ctrl+0 back to 100 %.
TEST_F(FenetreAcces, DisplaySizeKeys)
{
    retenir_taille_affichage(100);
    const struct {
        Qt::Key touche;
        Qt::KeyboardModifiers en_plus;
        int taille;
    } touches[] = {{Qt::Key_Plus, Qt::ShiftModifier, 125}, {Qt::Key_Plus, {}, 125},
                   {Qt::Key_Minus, {}, 100},  {Qt::Key_Equal, {}, 125},
                   {Qt::Key_Minus, Qt::KeypadModifier, 100}, {Qt::Key_Plus, Qt::KeypadModifier, 125},
                   {Qt::Key_0, {}, 100}};
    for (const auto& t : touches) {
        QTest::keyClick(&f, t.touche, Qt::ControlModifier | t.en_plus);
        EXPECT_EQ(taille_affichage_retenue(), t.taille) << QKeySequence(t.touche).toString().toStdString();
    }
    EXPECT_EQ(faux.dialogues.questions.size(), 3); // each time the size differs from the one in effect
    EXPECT_TRUE(faux.lanceur.lancements.empty());
    retenir_taille_affichage(100);
}

// Work files from the keyboard, as in every desktop program: Ctrl+O asks for
// the file to open, Ctrl+S for the name to save the recorded steps under.
TEST_F(FenetreAcces, CtrlOOpensAndCtrlSSaves)
{
    QTest::keyClick(&f, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(faux.dialogues.demandes.size(), 1u);
    EXPECT_FALSE(faux.dialogues.demandes.back().enregistrer);
    onglet(2);
    for (int i = 0; i < 2; ++i)
        f.ionique().tic_enregistrement();
    QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(faux.dialogues.demandes.size(), 2u);
    EXPECT_TRUE(faux.dialogues.demandes.back().enregistrer);
}


// Enter lays a carried legend as Space does; a click elsewhere leaves it where it shows.
TEST_F(FenetreAcces, EnterOrAClickElsewhereLaysTheCarriedLegend)
{
    const std::vector<int> ordre = accueil().exercice().ordre_lecture();
    const std::function<void(Etiquette*)> cas[] = {
        [](Etiquette* e) { QTest::keyClick(e, Qt::Key_Return); },
        [](Etiquette* e) { QTest::keyClick(e, Qt::Key_Enter, Qt::KeypadModifier); },
        [this](Etiquette*) { QTest::mouseClick(f.ui()->BitBtn3, Qt::LeftButton); },
        [this](Etiquette*) { QTest::mouseClick(f.ui()->page_accueil, Qt::LeftButton, {}, QPoint(496, 200)); }};
    for (size_t i = 0; i < std::size(cas); ++i) {
        Etiquette* e = accueil().legende(ordre.at(i));
        e->setFocus(Qt::TabFocusReason);
        QTest::keyClick(e, Qt::Key_Space);
        QTest::keyClick(e, Qt::Key_Right);
        const int t = accueil().exercice().place_portee();
        cas[i](e);
        const Placement& p = accueil().exercice().placement(ordre.at(i));
        EXPECT_TRUE(t != 0 && p.posee == ordre.at(i) && p.cible == t && e->pos() == place(t).topLeft()) << i;
        EXPECT_EQ(accueil().exercice().legende_portee(), 0) << i;
    }
}

TEST_F(FenetreAcces, EveryMenuAndItemIsReachedFromTheKeyboard)
{
    touches_uniques(f.ui()->MainMenu1);
    const EnLangue anglais("en");
    touches_uniques(TForm1{services()}.ui()->MainMenu1);
    // The access keys underlined while Alt is held, then no more.
    const Ui::TForm1& u = *f.ui();
    const auto vue = [&u] { return u.MainMenu1->grab(u.MainMenu1->actionGeometry(u.Fichier1->menuAction())).toImage(); };
    u.BitBtn24->setFocus(Qt::TabFocusReason);
    const QImage sans = vue();
    QTest::keyPress(u.BitBtn24, Qt::Key_Alt);
    EXPECT_NE(vue(), sans);
    QTest::keyRelease(u.BitBtn24, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyClick(u.MainMenu1, Qt::Key_Escape);
    EXPECT_EQ(vue(), sans);

    const auto norme = [](QKeySequence::StandardKey k) { return QKeySequence(k)[0]; };
    const std::pair<std::vector<QKeyCombination>, QAction*> cas[] = {
        {{Qt::ALT | Qt::Key_F, Qt::Key_O}, u.Ouvrir1}, {{Qt::ALT | Qt::Key_F, Qt::Key_L}, u.Informations1},
        {{Qt::Key_F10, Qt::Key_Return}, u.Ouvrir1}, {{Qt::Key_F10, Qt::Key_Right, Qt::Key_Return}, u.Afficherlespotdquilibre1},
        {{Qt::Key_Alt, Qt::Key_Right, Qt::Key_Down, Qt::Key_T, Qt::Key_1}, u.Taille100}, {{Qt::ALT | Qt::Key_A}, u.Apropos1},
        {{norme(QKeySequence::Open)}, u.Ouvrir1}, {{norme(QKeySequence::Save)}, u.Sauve1},
        {{norme(QKeySequence::HelpContents)}, u.Informations1}, {{norme(QKeySequence::Quit)}, u.Quitter1}}; // last: it closes
    for (const auto& [touches, action] : cas) {
        if (touches.front().toCombined() == 0)
            continue; // no such key on this system (on Windows, none quits)
        u.BitBtn24->setFocus(Qt::TabFocusReason);
        QSignalSpy choisie(action, &QAction::triggered);
        for (QKeyCombination t : touches) // to the open menu, else to the focus
            QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::focusWidget(), t.key(), t.keyboardModifiers());
        EXPECT_TRUE(choisie.count() == 1 && QApplication::activePopupWidget() == nullptr) << action->objectName().toStdString();
    }
    EXPECT_EQ(faux.lanceur.documents.size(), 2); // the teachers' document, twice
}

// "Flèche bas : suivante ; flèche haut : retour", wherever the viewer's focus is.
TEST_F(FenetreAcces, TheArrowKeysStepThroughTheTestPhases)
{
    Programme p{services()};
    demarrer(p.Form1);
    QTest::keyClick(p.Form1.ui()->BitBtn24, Qt::Key_Space);
    TForm_richedit& v = p.Form_richedit();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    const Ui::TForm_richedit& u = *v.ui();
    const std::tuple<QWidget*, QKeyCombination, int> cas[] = {
        {u.RichEdit1, Qt::Key_Down, 0}, {u.RichEdit1, Qt::Key_Down, 1}, {u.btn_bas, Qt::KeypadModifier | Qt::Key_Down, 2},
        {u.BitBtn1, Qt::Key_Up, 1}, {u.RichEdit1, Qt::Key_Up, 0}, {u.RichEdit1, Qt::SHIFT | Qt::Key_Down, 0}};
    for (const auto& [w, touche, ligne] : cas) {
        w->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w, touche.key(), touche.keyboardModifiers());
        EXPECT_EQ(v.ligne_doc(), ligne) << nom(w).toStdString();
        EXPECT_FALSE(QTest::qWaitFor([&v] { return !v.isActiveWindow(); }, 100)) << "the next arrow steps on";
    }
}
