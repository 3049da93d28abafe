// The measuring cursors and the animation's pace in a real window.
#include "fenetre/acces.h"

#include "app/preferences.h"
#include "outputs/menu_images.h"
#include "common/aleatoire.h"
#include "common/calque_curseurs.h"

#include <QAccessible>
#include <QTimer>

using namespace quillon;
using namespace quillon::essais;

// The labels of cursor 1, cursor 2 and the difference, as shown; what the screen reader hears.
static QStringList lus(const CalqueCurseurs* c)
{
    QStringList l;
    for (int i = 0; i < 3; ++i)
        l << (c->etiquette(i)->isVisible() ? c->etiquette(i)->text() : QString());
    return l << QAccessible::queryAccessibleInterface(c->parentWidget())->text(QAccessible::Description);
}

TEST_F(FenetreAcces, CursorsReadTheScreenAndTheChartWithMouseAndKeys)
{
    QAction* option = f.ui()->Curseursdemesure1;
    if (option->isChecked()) // left on by a run cut short
        option->trigger();
    onglet(1);
    st()->Scroll_i_stim->setValue(30);
    const CalqueCurseurs* c = f.stimulation().curseurs();
    QTest::mouseClick(st()->Ima_st, Qt::LeftButton, {}, QPoint(158, 60));
    EXPECT_EQ(c->curseurs().nombre(), 0) << "off, a click does nothing";
    option->trigger();
    EXPECT_TRUE(curseurs_mesure_retenus());
    // Sample j of the model: j sixths of a millisecond, the screen's factor times the electrodes' difference.
    const ReponseStimulation& rep = f.stimulation().reponse();
    const auto lu = [&](int j) {
        const auto& e = rep.enreg[static_cast<std::size_t>(j)];
        return QStringLiteral("t = %1 ms ; %2 u.a.").arg(texte_mesure(j / 6.0, 2), texte_mesure(rep.ampl * (e.voie1 - e.voie2)));
    };
    QTest::mouseClick(st()->Ima_st, Qt::LeftButton, {}, QPoint(159, 60)); // sample 31 (158)
    QTest::mouseClick(st()->Ima_st, Qt::LeftButton, {}, QPoint(142, 60)); // sample 28 (143), the peak
    EXPECT_EQ(lus(c), (QStringList{lu(31), lu(28), "Δt = -0.50 ms",
                                   "Curseur 1 : " + lu(31) + " Curseur 2 : " + lu(28) + " Δt = -0.50 ms."}));
    // The copy, the file and the report draw the picture with its cursors.
    QImage rendu(st()->Ima_st->size(), QImage::Format_RGB32);
    st()->Ima_st->parentWidget()->render(&rendu, {}, QRegion(st()->Ima_st->geometry()), QWidget::DrawChildren);
    for (const QImage& i : {MenuSorties::vue({st()->Ima_st}).scaled(st()->Ima_st->size()), rendu})
        for (auto [x, couleur] : {std::pair{158, QColor(192, 0, 192)}, {143, QColor(192, 0, 192)}, {150, QColor(Qt::white)}})
            EXPECT_EQ(i.pixelColor(x, 200), couleur) << x;
    // Keys on the focused screen move the second cursor, Space starts again, Escape removes.
    st()->Ima_st->setFocus(Qt::TabFocusReason);
    for (const auto& [touche, positions] : std::vector<std::pair<QKeyCombination, std::vector<int>>>{
             {Qt::Key_Right, {31, 29}}, {Qt::SHIFT | Qt::Key_Right, {31, 39}}, {Qt::Key_Left, {31, 38}},
             {Qt::Key_Space, {38}}, {Qt::Key_Space, {38, 38}}, {Qt::SHIFT | Qt::Key_Left, {38, 28}},
             {Qt::Key_Escape, {}}, {Qt::Key_Left, {1}}, {Qt::SHIFT | Qt::Key_Right, {11}}}) {
        QTest::keyClick(st()->Ima_st, touche.key(), touche.keyboardModifiers());
        std::vector<int> vues;
        for (int i = 0; i < c->curseurs().nombre(); ++i)
            vues.push_back(c->curseurs().position(i));
        EXPECT_EQ(vues, positions) << QKeySequence(touche).toString().toStdString();
    }
    EXPECT_EQ(lus(c).mid(0, 2), (QStringList{lu(11), ""}));
    // The keys stop on the last sample drawn on the 400-pixel screen.
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(st()->Ima_st, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(c->curseurs().position(0), 79);

    // The chart: the steps and the potentials it plotted.
    onglet(2);
    io()->Scroll_gk->setValue(0); // GK 100: Em falls step after step
    QTest::mouseClick(io()->BitBtn14, Qt::LeftButton);
    for (int i = 0; i < 3; ++i)
        f.ionique().tic_enregistrement();
    QTest::mouseClick(io()->BitBtn14, Qt::LeftButton);
    const CalqueCurseurs* g = f.ionique().curseurs();
    const EquilibresIoniques& m = f.ionique().modele();
    QTest::mouseClick(io()->Ima_pa, Qt::LeftButton, {}, QPoint(13, 150));
    QTest::mouseClick(io()->Ima_pa, Qt::LeftButton, {}, QPoint(300, 150)); // past the last step: on it
    // Em goes halfway to EeqK = -26.5217 ln(150 / 6) = -85.370 mV at each
    // step from 0: -42.685, -64.028, -74.699; the difference of the two
    // readings shown, -74.7 - -64.0.
    const QString d = "ΔEm = -10.7 mV";
    EXPECT_EQ(lus(g).mid(0, 3), (QStringList{"Pas 2 ; Em = -64.0 mV", "Pas 3 ; Em = -74.7 mV", d}));
    EXPECT_TRUE(lus(g)[3].endsWith(d + ".")) << "heard too";
    EXPECT_LT(m.enregistreur.em_trace(3), m.enregistreur.em_trace(2) - 1);
    option->trigger();
    EXPECT_FALSE(curseurs_mesure_retenus());
    EXPECT_FALSE(g->isVisible() || c->isVisible());
    EXPECT_EQ(lus(c)[3], "");
}

TEST_F(FenetreAcces, EveryPaceTicksTheSameSequence)
{
    onglet(2);
    // The particles after the ticks made since the animation's start.
    const auto etat = [&] {
        const AnimationFlux& a = f.ionique().modele().anim;
        QString s = QStringLiteral("%1 %2 %3 %4").arg(a.n_entrees).arg(a.n_sorties).arg(a.flux_moyen).arg(io()->Lab_em->text());
        for (int i = 1; i <= a.nb_part; ++i)
            s += QStringLiteral(" %1,%2").arg(a.particules[std::size_t(i)].x).arg(a.particules[std::size_t(i)].y);
        return s.toStdString();
    };
    qint64 depart = 0;
    QObject::connect(f.ionique().minuteries().Timer_anim, &QTimer::timeout, [&] {
        if (f.ionique().ticks_animation() - depart >= 12)
            f.ionique().GOClick();
    });
    for (auto [action, v, intervalle] : {std::tuple{f.ui()->Vitesserapide1, Vitesse::rapide, 1},
                                         {f.ui()->Vitesselente1, Vitesse::lente, 67},
                                         {f.ui()->Vitessemoyenne1, Vitesse::moyenne, 16}}) {
        action->trigger();
        EXPECT_TRUE(action->isChecked() && vitesse_retenue() == v && f.ionique().intervalle_tick() == intervalle);
        // The real timer at this pace, its wake-ups making up several ticks at "rapide"...
        hasard.semer(7);
        QTest::mouseClick(io()->BitBtn12, Qt::LeftButton);
        depart = f.ionique().ticks_animation();
        QTest::mouseClick(io()->GO, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !f.ionique().minuteries().Timer_anim->isActive(); }, 5000));
        const qint64 n = f.ionique().ticks_animation() - depart;
        const std::string par_le_minuteur = etat();
        QTest::mouseClick(io()->BitBtn13, Qt::LeftButton);
        // ...moves the particles as as many single ticks do.
        hasard.semer(7);
        QTest::mouseClick(io()->BitBtn12, Qt::LeftButton);
        for (qint64 i = 0; i < n; ++i)
            f.ionique().Timer_animTimer();
        f.ionique().montrer_animation();
        EXPECT_EQ(par_le_minuteur, etat()) << nom_vitesse(v).toStdString() << ", " << n << " ticks";
        QTest::mouseClick(io()->BitBtn13, Qt::LeftButton);
    }
    f.ui()->Vitesserapide1->trigger();
}
