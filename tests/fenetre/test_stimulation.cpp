// The "Stimulation Nerf/Fibre" page driven as a pupil drives it: the tab that
// loads the recorded potential, electrodes dragged with the mouse, the
// stimulator's controls, the recording screen compared pixel by pixel with an
// independent computation of the response, and the correction of the sheet.
#include "outils.h"

#include "common/forme.h"
#include "stimulation/page_stimulation.h"
#include "ui_page_stimulation.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::essais;

namespace {

const QColor marine(0, 0, 128), rouge_pur(255, 0, 0), vert(0, 255, 0), noir_pur(0, 0, 0), blanc_pur(255, 255, 255);

// An "ess0.nst" of 84 steps: the count, six whole numbers per step, then pot(k).
void ecrire_ess0(const QString& chemin, const std::function<double(int)>& pot)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray t = "84\r\n";
    for (int i = 0; i < 6 * 84; ++i)
        t += "0\r\n";
    for (int k = 1; k <= 84; ++k)
        t += QByteArray::number(pot(k), 'g', 17) + "\r\n";
    f.write(t);
}

// The y of samples 1..80 the model gives for these settings on the nerve:
// the page must hand it the electrodes, the intensity and the second
// stimulation as they stand. (The model's rules are worked by hand in the
// rules tests.)
std::array<int, 81> trace(const PotentielEss0& pot, int anode, int cathode, int enr1, int enr2, int intensite,
                          int deux = -1)
{
    ReglagesStimulation r;
    r.anode = anode;
    r.cathode = cathode;
    r.enr1 = enr1;
    r.enr2 = enr2;
    r.position_i_stim = 100 - intensite;
    r.deux_stim = deux >= 0;
    if (r.deux_stim)
        r.pos = deux;
    ReponseStimulation rep;
    rep.calculer(r, pot);
    std::array<int, 81> y{};
    for (int j = 1; j <= 80; ++j)
        y[j] = rep.y(j);
    return y;
}

class FenetreStimulation : public FenetreDemarree {
protected:
    void SetUp() override
    {
        FenetreDemarree::SetUp();
        demarrer(f);
    }
    static void onglet(TForm1& g)
    {
        ASSERT_EQ(g.ui()->Notebook1->tabText(1), "Stimulation Nerf/Fibre");
        ASSERT_TRUE(cliquer_onglet(g.ui()->Notebook1, 1));
    }
    PageStimulation& page() { return f.stimulation(); }
    Ui::PageStimulation* p() { return page().ui(); }
    const QImage& ecran() { return p()->Ima_st->image(); }
    QWidget* el(Electrode e) { return page().electrode(e); }

    // The screen shows the trace y and the response holds it: a navy dot
    // centred at (5j + 3, y + 3), white far above and below the trace.
    void montre(const PageStimulation& pg, const std::array<int, 81>& y)
    {
        const QImage& im = pg.ui()->Ima_st->image();
        ASSERT_EQ(im.size(), QSize(420, 220));
        for (int j = 1; j <= 80; ++j) {
            SCOPED_TRACE(j);
            EXPECT_EQ(pg.reponse().y(j), y[j]);
            const int x = 5 * j + 3;
            EXPECT_EQ(QColor(im.pixel(x, y[j] + 3)), marine);
            // The 2-pixel joins to both neighbours reach this column.
            const auto [bas, haut] = std::minmax({y[j > 1 ? j - 1 : j], y[j], y[j < 80 ? j + 1 : j]});
            for (int r = 0; r < 220; ++r) {
                if (r < bas - 1 || r > haut + 6) {
                    ASSERT_EQ(QColor(im.pixel(x, r)), blanc_pur) << "row " << r;
                }
            }
        }
    }
    static bool tout_blanc(const QImage& im) { return compter(im, blanc_pur) == im.width() * im.height(); }

    // The mouse pressed at (2, 10) on an electrode, then moved by dx from there.
    void presser(QWidget* w)
    {
        prise = w->mapToGlobal(QPoint(2, 10));
        QTest::mousePress(w, Qt::LeftButton, {}, QPoint(2, 10));
    }
    void bouger(QWidget* w, int dx) { QTest::mouseMove(w, w->mapFromGlobal(prise + QPoint(dx, 0))); }
    void lacher(QWidget* w, int dx) { QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFromGlobal(prise + QPoint(dx, 0))); }
    void cliquer(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    // Chooses item i of a list: a click on its arrow, then the keys of the open list.
    void choisir(QComboBox* c, int i)
    {
        const QString faute = choisir_element(c, i);
        ASSERT_TRUE(faute.isEmpty()) << faute.toStdString();
    }
    // A click on an arrow of a bar.
    void fleche(QScrollBar* s, QStyle::SubControl quelle, int fois) { ASSERT_TRUE(cliquer_fleche(s, quelle, fois)); }

    QString dossier_initial;
    QStringList erreurs;
    QPoint prise;
    TForm1 f{services()};
};

} // namespace

TEST_F(FenetreStimulation, TheTabLoadsEss0FromTheProgramFolderEachTime)
{
    QTemporaryDir ailleurs;
    ASSERT_NE(f.ui()->Notebook1->currentIndex(), 1);
    for (int k = 1; k <= 84; ++k)
        ASSERT_EQ(page().pot_ess0()[k], 0) << k;
    QDir::setCurrent(ailleurs.path());
    onglet(f);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(dossier_construit()).canonicalPath());
    EXPECT_NEAR(page().pot_ess0()[70], -70, 1);
    EXPECT_GT(*std::max_element(page().pot_ess0().begin() + 1, page().pot_ess0().begin() + 31), 0) << "the spike";

    // A folder of its own, whose file changes between two clicks on the tab.
    QTemporaryDir dossier;
    copier_bitmaps(dossier);
    ecrire_ess0(dossier.path() + "/ess0.nst", [](int k) { return k - 100.0; });
    TForm1 g{services(dossier.path() + "/")};
    demarrer(g);
    QDir::setCurrent(ailleurs.path());
    onglet(g);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(dossier.path()).canonicalPath());
    for (int k : {1, 8, 70, 84})
        EXPECT_EQ(g.stimulation().pot_ess0()[k], k - 100.0) << k;
    ecrire_ess0(dossier.path() + "/ess0.nst", [](int k) { return 0.5 * k - 30; });
    onglet(g);
    for (int k : {1, 8, 70, 84})
        EXPECT_EQ(g.stimulation().pot_ess0()[k], 0.5 * k - 30) << k;

    // No file: nothing is said, the potential stays zero and the trace flat.
    QTemporaryDir vide;
    copier_bitmaps(vide);
    TForm1 h{services(vide.path() + "/")};
    demarrer(h);
    onglet(h);
    h.stimulation().ui()->Scroll_i_stim->setValue(0);
    for (int k = 1; k <= 84; ++k)
        EXPECT_EQ(h.stimulation().pot_ess0()[k], 0) << k;
    std::array<int, 81> plat;
    plat.fill(110);
    montre(h.stimulation(), plat);
    EXPECT_TRUE(erreurs.isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(FenetreStimulation, TheDesignAtStart)
{
    onglet(f);
    EXPECT_EQ(p()->GroupBox7->geometry(), QRect(531, 8, 365, 484));
    EXPECT_EQ(p()->GroupBox7->title(), "Période réfractaire, fréquence maximale des potentiels");
    EXPECT_EQ(p()->GroupBox11->title(), "Simulation de stimulations d'un nerf ou d'une fibre");
    EXPECT_LT(p()->GroupBox11->geometry().right(), 531);
    const QStringList lignes = p()->Memo5->toPlainText().split('\n');
    EXPECT_EQ(lignes.size(), 7);
    EXPECT_EQ(p()->Memo5->document()->blockCount(), 7);
    for (const QString& l : lignes)
        EXPECT_FALSE(l.trimmed().isEmpty());
    for (QComboBox* c : {p()->pref_rel, p()->pref_abs}) {
        ASSERT_EQ(c->count(), 41);
        for (int i = 0; i <= 40; ++i)
            EXPECT_EQ(c->itemText(i), i % 10 ? QString("%1.%2").arg(i / 10).arg(i % 10) : QString::number(i / 10));
        EXPECT_EQ(c->currentIndex(), -1);
        EXPECT_EQ(c->currentText(), "");
    }
    ASSERT_EQ(p()->combo_electrode->count(), 2);
    EXPECT_EQ(p()->combo_electrode->itemText(0), "l'anode");
    EXPECT_EQ(p()->combo_electrode->itemText(1), "la cathode");
    EXPECT_EQ(el(Electrode::anode)->x(), 64);
    EXPECT_EQ(el(Electrode::cathode)->x(), 80);
    EXPECT_EQ(el(Electrode::enr1)->x(), 208);
    EXPECT_EQ(el(Electrode::enr2)->x(), 224);
    EXPECT_EQ(p()->Lab_stim->text(), "0.0 V");
    EXPECT_FALSE(p()->CheckBox1->isChecked());
    EXPECT_EQ(p()->Scroll_temps->value(), 50);
    EXPECT_TRUE(p()->Radio_nerf_nerf->isChecked());
    EXPECT_FALSE(p()->Radio_nerf_fibre->isChecked());
    EXPECT_TRUE(p()->prem_artef->isHidden());
    EXPECT_TRUE(p()->deux_artef->isHidden());
    EXPECT_EQ(p()->BitBtn21->text(), "Charger");
    EXPECT_TRUE(p()->BitBtn21->isHidden());
    EXPECT_TRUE(p()->GroupBox12->isHidden());
    EXPECT_EQ(ecran().size(), QSize(420, 220));
    EXPECT_TRUE(tout_blanc(ecran()));
}

TEST_F(FenetreStimulation, ElectrodesFollowTheMouseWithinTheirLimits)
{
    onglet(f);
    p()->Scroll_i_stim->setValue(80);
    QImage avant = ecran().copy();
    QWidget* c = el(Electrode::cathode);

    presser(c);
    bouger(c, 30);
    EXPECT_EQ(c->x(), 110);
    EXPECT_EQ(p()->Shape_cathode2->x(), 110);
    EXPECT_EQ(p()->Shape_cathode2->x() + p()->Shape_cathode2->width(), 398);
    EXPECT_EQ(p()->cathode->x(), 108);
    bouger(c, 150); // right edge 235: refused, not clamped
    EXPECT_EQ(c->x(), 110);
    bouger(c, 122); // right edge 207
    EXPECT_EQ(c->x(), 202);
    bouger(c, 123); // right edge 208, on electrode 1
    EXPECT_EQ(c->x(), 202);
    EXPECT_EQ(p()->Shape_cathode2->x(), 202);
    EXPECT_EQ(p()->Shape_cathode2->x() + p()->Shape_cathode2->width(), 398);
    EXPECT_EQ(p()->cathode->x(), 200);
    EXPECT_EQ(ecran(), avant);
    lacher(c, 123);
    EXPECT_TRUE(p()->prem_artef->isVisible());
    EXPECT_EQ(p()->prem_artef->x(), 10);
    montre(page(), trace(page().pot_ess0(), 64, 202, 208, 224, 20));
    EXPECT_EQ(page().reponse().decal1, 1); // (208 - 202) div 6
    EXPECT_NE(ecran(), avant);

    presser(c);
    bouger(c, -102);
    lacher(c, -102);
    EXPECT_EQ(c->x(), 100);
    avant = ecran().copy();
    QWidget* e1 = el(Electrode::enr1);
    presser(e1);
    bouger(e1, -60);
    EXPECT_EQ(e1->x(), 148);
    EXPECT_EQ(p()->Shape_enr12->x(), 148);
    EXPECT_EQ(p()->Shape_enr12->x() + p()->Shape_enr12->width(), 371);
    bouger(e1, -102); // Left 106 > 105, the cathode's right edge
    EXPECT_EQ(e1->x(), 106);
    bouger(e1, -103);
    EXPECT_EQ(e1->x(), 106);
    bouger(e1, -150);
    EXPECT_EQ(e1->x(), 106);
    EXPECT_EQ(p()->Shape_enr12->x() + p()->Shape_enr12->width(), 371);
    EXPECT_EQ(ecran(), avant);
    lacher(e1, -150);
    montre(page(), trace(page().pot_ess0(), 64, 100, 106, 224, 20));
    EXPECT_EQ(page().reponse().decal1, 1);   // (106 - 100) div 6
    EXPECT_EQ(page().reponse().decal12, 20); // round((224 - 106) / 6)

    // The mouse over an electrode, no button held.
    avant = ecran().copy();
    QTest::mouseMove(e1, QPoint(40, 10));
    QMouseEvent survol(QEvent::MouseMove, QPointF(40, 10), e1->mapToGlobal(QPointF(40, 10)), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(e1, &survol);
    EXPECT_EQ(e1->x(), 106);
    EXPECT_EQ(ecran(), avant);
    EXPECT_EQ(el(Electrode::anode)->x(), 64);
    EXPECT_EQ(el(Electrode::enr2)->x(), 224);
}

TEST_F(FenetreStimulation, TheIntensityLabelAndTheTrace)
{
    ASSERT_EQ(QLocale().decimalPoint(), ",");
    onglet(f);
    QScrollBar* s = p()->Scroll_i_stim;
    fleche(s, QStyle::SC_ScrollBarSubLine, 20); // the upper arrow
    ASSERT_EQ(s->value(), 80);
    EXPECT_EQ(p()->Lab_stim->text(), "0.20 V");
    const std::array<int, 81> y20 = trace(page().pot_ess0(), 64, 80, 208, 224, 20);
    EXPECT_TRUE(std::any_of(y20.begin() + 1, y20.end(), [](int y) { return y != 110; }));
    montre(page(), y20);

    fleche(s, QStyle::SC_ScrollBarAddLine, 1);
    ASSERT_EQ(s->value(), 81);
    EXPECT_EQ(p()->Lab_stim->text(), "0.19 V");
    std::array<int, 81> plat;
    plat.fill(110);
    montre(page(), plat);

    s->setValue(0);
    EXPECT_EQ(p()->Lab_stim->text(), "1.00 V");
    montre(page(), trace(page().pot_ess0(), 64, 80, 208, 224, 100));
    s->setValue(95);
    EXPECT_EQ(p()->Lab_stim->text(), "0.05 V");
    montre(page(), plat);
}

TEST_F(FenetreStimulation, SecondStimulationFibreAndNerveEnds)
{
    onglet(f);
    p()->Scroll_i_stim->setValue(0);
    cliquer(p()->CheckBox1);
    ASSERT_TRUE(p()->CheckBox1->isChecked());
    EXPECT_TRUE(page().deux_stim());
    EXPECT_TRUE(p()->deux_artef->isVisible());
    EXPECT_EQ(p()->deux_artef->x(), 50 * 5 + 10);
    montre(page(), trace(page().pot_ess0(), 64, 80, 208, 224, 100, 50));

    cliquer(p()->CheckBox1);
    EXPECT_FALSE(page().deux_stim());
    EXPECT_TRUE(p()->deux_artef->isHidden());
    montre(page(), trace(page().pot_ess0(), 64, 80, 208, 224, 100));

    QScrollBar* t = p()->Scroll_temps;
    fleche(t, QStyle::SC_ScrollBarSubLine, 10); // the left arrow
    ASSERT_EQ(t->value(), 40);
    EXPECT_TRUE(p()->CheckBox1->isChecked());
    EXPECT_TRUE(page().deux_stim());
    EXPECT_TRUE(p()->deux_artef->isVisible());
    EXPECT_EQ(p()->deux_artef->x(), 40 * 5 + 10);
    montre(page(), trace(page().pot_ess0(), 64, 80, 208, 224, 100, 40));

    cliquer(p()->Radio_nerf_fibre);
    ASSERT_TRUE(p()->Radio_nerf_fibre->isChecked());
    EXPECT_FALSE(p()->CheckBox1->isChecked());
    EXPECT_FALSE(page().deux_stim());
    EXPECT_TRUE(tout_blanc(ecran()));
    EXPECT_TRUE(p()->prem_artef->isHidden());
    EXPECT_TRUE(p()->deux_artef->isHidden());

    ASSERT_EQ(p()->Lab_a->x(), 14);
    ASSERT_EQ(p()->Lab_b->x(), 303);
    cliquer(p()->Shape_nerf);
    EXPECT_EQ(p()->Lab_a->x(), 303);
    EXPECT_EQ(p()->Lab_b->x(), 14);
    cliquer(p()->Shape_nerf);
    EXPECT_EQ(p()->Lab_a->x(), 14);
    EXPECT_EQ(p()->Lab_b->x(), 303);
}

TEST_F(FenetreStimulation, TheCorrectionColoursTheSevenCircles)
{
    onglet(f);
    const std::array<Forme*, 7> cercles = {p()->refr_rel, p()->refr_abs, p()->freq_long, p()->freq_court,
                                           p()->vit_inf,  p()->elec_stim, p()->res_seuil};
    EXPECT_EQ(p()->BitBtn19->text(), "Correction");
    cliquer(p()->BitBtn19);
    for (Forme* c : cercles)
        EXPECT_EQ(c->pinceau(), rouge_pur) << c->objectName().toStdString();

    choisir(p()->pref_rel, p()->pref_rel->findText("2"));
    EXPECT_EQ(p()->pref_rel->currentIndex(), 20);
    choisir(p()->pref_abs, p()->pref_abs->findText("1.5"));
    choisir(p()->combo_electrode, p()->combo_electrode->findText("la cathode"));
    QTest::keyClicks(p()->fib_lpr, "500");
    QTest::keyClicks(p()->fib_cpr, "666");
    QTest::keyClicks(p()->vit_influx, "40");
    QTest::keyClicks(p()->Edit_seuil, "0.20");
    cliquer(p()->BitBtn19);
    for (Forme* c : cercles)
        EXPECT_EQ(c->pinceau(), vert) << c->objectName().toStdString();
    // The word a pupil types in the electrode box, without its article.
    p()->combo_electrode->lineEdit()->clear();
    QTest::keyClicks(p()->combo_electrode->lineEdit(), " CATHODE ");
    cliquer(p()->BitBtn19);
    EXPECT_EQ(p()->elec_stim->pinceau(), vert);

    // Numbers as a French pupil writes them; letters alone stay wrong.
    for (const auto& [texte, juste] : {std::pair{"0,20", true}, {" 0,2 V", true}, {"V", false}}) {
        p()->Edit_seuil->selectAll();
        QTest::keyClicks(p()->Edit_seuil, texte);
        cliquer(p()->BitBtn19);
        EXPECT_EQ(p()->res_seuil->pinceau(), juste ? vert : rouge_pur) << texte;
    }
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(cercles[i]->pinceau(), vert) << cercles[i]->objectName().toStdString();

    // The lists judge what they show: a time typed as an item is written, or
    // as a pupil writes it, counts as that item, any other text as none.
    p()->pref_rel->lineEdit()->selectAll();
    QTest::keyClicks(p()->pref_rel->lineEdit(), "9");
    p()->pref_abs->lineEdit()->selectAll();
    QTest::keyClicks(p()->pref_abs->lineEdit(), "1.6");
    cliquer(p()->BitBtn19);
    EXPECT_EQ(p()->refr_rel->pinceau(), rouge_pur) << "shows 9 although 2 was chosen before";
    EXPECT_EQ(p()->refr_abs->pinceau(), vert) << "1.6 typed, never picked";
    p()->pref_rel->lineEdit()->selectAll();
    QTest::keyClicks(p()->pref_rel->lineEdit(), "3,30");
    cliquer(p()->BitBtn19);
    EXPECT_EQ(p()->refr_rel->pinceau(), vert) << "3,30 names the item 3.3";

    // The values measured on the simulation are right as well.
    choisir(p()->pref_rel, p()->pref_rel->findText("3.3"));
    choisir(p()->pref_abs, p()->pref_abs->findText("1.7"));
    for (QLineEdit* e : {p()->fib_lpr, p()->fib_cpr}) {
        e->selectAll();
        QTest::keyClicks(e, e == p()->fib_lpr ? "300" : "600");
    }
    cliquer(p()->BitBtn19);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(cercles[i]->pinceau(), vert) << cercles[i]->objectName().toStdString();
}

TEST_F(FenetreStimulation, TheZeroTickOfTheTimeRulerStandsUnderTheFirstMark)
{
    onglet(f);
    p()->Scroll_i_stim->setValue(90);
    ASSERT_TRUE(p()->prem_artef->isVisible());
    const QImage grad = p()->Ima_grad->image();
    ASSERT_EQ(p()->Ima_grad->pos(), QPoint(5, 447));
    ASSERT_EQ(p()->prem_artef->x(), 10);
    const auto noir_dans = [](const QImage& im, int x0, int x1, int y0, int y1, int seuil) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (qGray(im.pixel(x, y)) <= seuil)
                    return true;
        return false;
    };
    EXPECT_TRUE(noir_dans(grad, 5, 6, 3, 5, 0));
    EXPECT_TRUE(noir_dans(grad, 3, 9, 7, 17, 100)); // the label "0"
    EXPECT_FALSE(noir_dans(grad, 0, 3, 3, 5, 100)); // nothing left of the tick
    // At the right end, "12" whole and no lone "1" of a cut "13" (from x 393).
    EXPECT_TRUE(noir_dans(grad, 363, 373, 7, 17, 100));
    EXPECT_FALSE(noir_dans(grad, 393, grad.width() - 1, 7, 17, 100));

    // On screen: the tick within the mark's columns, below it.
    const QImage vue = p()->GroupBox11->grab().toImage();
    const int x0 = p()->prem_artef->x(), x1 = x0 + p()->prem_artef->width() - 1;
    EXPECT_TRUE(noir_dans(vue, x0, std::min(x1, 11), 447 + 3, 447 + 5, 0));
    EXPECT_LT(p()->prem_artef->geometry().bottom(), 447);
}
