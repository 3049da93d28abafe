// The measuring cursors and the animation's pace in a real window: the
// option from the Options menu, two clicks on a known trace read back from
// the labels, the keys, the pictures that carry the cursors, and the same
// ticks whatever the pace.
#include "fenetre/acces.h"

#include "app/preferences.h"
#include "app/sorties.h"
#include "common/aleatoire.h"
#include "common/calque_curseurs.h"
#include "stimulation/valeurs_stimulation.h"

#include <QAccessible>
#include <QPainter>
#include <QTimer>

using namespace quillon;
using namespace quillon::essais;

namespace {

const QColor magenta(192, 0, 192);

QString lu(const CalqueCurseurs* c, int i)
{
    return c->etiquette(i)->isVisible() ? c->etiquette(i)->text() : QString();
}

QString dit(QWidget* w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
}

} // namespace

TEST_F(FenetreAcces, CursorsReadTheScreenAndTheChartWithMouseAndKeys)
{
    QAction* option = f.ui()->Curseursdemesure1;
    if (option->isChecked()) // left on by a run cut short
        option->trigger();
    onglet(1);
    st()->Scroll_i_stim->setValue(30);
    const CalqueCurseurs* c = f.stimulation().curseurs();
    const QImage avant = MenuSorties::vue({st()->Ima_st});
    QTest::mouseClick(st()->Ima_st, Qt::LeftButton, {}, QPoint(158, 60));
    EXPECT_EQ(MenuSorties::vue({st()->Ima_st}), avant) << "off, a click changes nothing";
    EXPECT_EQ(c->curseurs().nombre(), 0);

    option->trigger();
    EXPECT_TRUE(curseurs_mesure_retenus());
    // The model's sample j: j sixths of a millisecond, the screen's factor times the difference of the electrodes.
    const ReponseStimulation& rep = f.stimulation().reponse();
    const auto attendu = [&](int j) {
        const auto& e = rep.enreg[static_cast<std::size_t>(j)];
        return QStringLiteral("t = %1 ms ; %2 u.a.").arg(texte_mesure(j / 6.0), texte_mesure(rep.ampl * (e.voie1 - e.voie2)));
    };
    QTest::mouseClick(st()->Ima_st, Qt::LeftButton, {}, QPoint(159, 60)); // sample 31 (158)
    QTest::mouseClick(st()->Ima_st, Qt::LeftButton, {}, QPoint(112, 60)); // sample 22 (113)
    EXPECT_EQ(lu(c, 0), attendu(31));
    EXPECT_EQ(lu(c, 1), attendu(22));
    EXPECT_EQ(lu(c, 2), "Δt = -1.5 ms");
    EXPECT_NE(attendu(31).section(';', 1), attendu(22).section(';', 1)) << "two different values on the trace";
    EXPECT_EQ(dit(st()->Ima_st), "Curseur 1 : " + attendu(31) + " Curseur 2 : " + attendu(22) + " Δt = -1.5 ms.");

    // The copy, the file and the report draw the picture with its cursors.
    const QImage vue = MenuSorties::vue({st()->Ima_st});
    QImage rendu(st()->Ima_st->size(), QImage::Format_RGB32);
    st()->Ima_st->parentWidget()->render(&rendu, QPoint(), QRegion(st()->Ima_st->geometry()),
                                         QWidget::DrawChildren);
    for (const QImage& i : {vue.scaled(st()->Ima_st->size()), rendu}) {
        EXPECT_EQ(i.pixelColor(158, 200), magenta);
        EXPECT_EQ(i.pixelColor(113, 200), magenta);
        EXPECT_EQ(i.pixelColor(133, 200), QColor(Qt::white));
    }

    // Keys on the focused screen move the second cursor, Space starts again, Escape removes.
    const std::vector<std::pair<QKeyCombination, std::vector<int>>> touches = {
        {Qt::Key_Right, {31, 23}}, {Qt::SHIFT | Qt::Key_Right, {31, 33}}, {Qt::Key_Left, {31, 32}},
        {Qt::Key_Space, {32}},     {Qt::Key_Space, {32, 32}},             {Qt::SHIFT | Qt::Key_Left, {32, 22}},
        {Qt::Key_Escape, {}},      {Qt::Key_Left, {1}}};
    st()->Ima_st->setFocus(Qt::TabFocusReason);
    for (const auto& [touche, positions] : touches) {
        QTest::keyClick(st()->Ima_st, touche.key(), touche.keyboardModifiers());
        std::vector<int> vues;
        for (int i = 0; i < c->curseurs().nombre(); ++i)
            vues.push_back(c->curseurs().position(i));
        EXPECT_EQ(vues, positions) << QKeySequence(touche).toString().toStdString();
    }
    EXPECT_EQ(lu(c, 0), attendu(1));
    EXPECT_TRUE(lu(c, 1).isEmpty());

    // The chart: steps and the potentials it plotted.
    onglet(2);
    io()->Scroll_gk->setValue(0); // GK 100: Em falls step after step
    QTest::mouseClick(io()->BitBtn14, Qt::LeftButton);
    for (int i = 0; i < 3; ++i)
        f.Timer_courbeTimer();
    QTest::mouseClick(io()->BitBtn14, Qt::LeftButton);
    const CalqueCurseurs* g = f.ionique().curseurs();
    const EquilibresIoniques& m = f.ionique().modele();
    QTest::mouseClick(io()->Ima_pa, Qt::LeftButton, {}, QPoint(13, 150));
    QTest::mouseClick(io()->Ima_pa, Qt::LeftButton, {}, QPoint(300, 150)); // past the last step: on it
    EXPECT_EQ(lu(g, 0), "Pas 2 ; Em = " + texte_mesure(m.em_trace(2)) + " mV");
    EXPECT_EQ(lu(g, 1), "Pas 3 ; Em = " + texte_mesure(m.em_trace(3)) + " mV");
    EXPECT_EQ(lu(g, 2), "ΔEm = " + texte_mesure(m.em_trace(3) - m.em_trace(2)) + " mV");
    EXPECT_TRUE(dit(io()->Ima_pa).endsWith(lu(g, 2) + "."));
    EXPECT_LT(m.em_trace(3), m.em_trace(2) - 1);
    QTest::mouseClick(io()->BitBtn15, Qt::LeftButton); // "EFFACER": no step, no cursor
    EXPECT_EQ(g->curseurs().nombre(), 0);
    EXPECT_TRUE(lu(g, 0).isEmpty());

    option->trigger();
    EXPECT_FALSE(curseurs_mesure_retenus());
    EXPECT_FALSE(g->isVisible());
    onglet(1);
    EXPECT_FALSE(c->isVisible());
    EXPECT_TRUE(dit(st()->Ima_st).isEmpty());
}

TEST_F(FenetreAcces, EveryPaceTicksTheSameSequence)
{
    onglet(2);
    Aleatoire hasard;
    f.ionique().definir_hasard(&hasard);
    int tops = 0;
    QObject::connect(f.Timer_anim, &QTimer::timeout, [&] {
        if (++tops == 12)
            f.ionique().GOClick();
    });
    const struct {
        QAction* action;
        Vitesse v;
        int intervalle;
    } rythmes[] = {{f.ui()->Vitesserapide1, Vitesse::rapide, 1},
                   {f.ui()->Vitesselente1, Vitesse::lente, 67},
                   {f.ui()->Vitessemoyenne1, Vitesse::moyenne, 16}};
    std::vector<QString> sequences;
    for (const auto& r : rythmes) {
        r.action->trigger();
        EXPECT_TRUE(r.action->isChecked());
        EXPECT_EQ(f.Timer_anim->interval(), r.intervalle);
        EXPECT_EQ(vitesse_retenue(), r.v);
        hasard.semer(7);
        QTest::mouseClick(io()->BitBtn12, Qt::LeftButton);
        tops = 0;
        QTest::mouseClick(io()->GO, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !f.Timer_anim->isActive(); }, 5000));
        const AnimationFlux& a = f.ionique().modele().anim;
        QString s = QStringLiteral("%1 %2 %3 %4").arg(a.n_entrees).arg(a.n_sorties).arg(a.flux_moyen).arg(io()->Lab_em->text());
        for (int i = 1; i <= a.nb_part; ++i)
            s += QStringLiteral(" %1,%2").arg(a.particules[static_cast<std::size_t>(i)].x).arg(a.particules[static_cast<std::size_t>(i)].y);
        sequences.push_back(s);
        EXPECT_EQ(tops, 12);
        QTest::mouseClick(io()->BitBtn13, Qt::LeftButton);
    }
    EXPECT_EQ(sequences[1], sequences[0]);
    EXPECT_EQ(sequences[2], sequences[0]);
    f.ui()->Vitesserapide1->trigger();
}
