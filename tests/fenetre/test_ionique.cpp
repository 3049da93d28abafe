// The "Equilibres ioniques" page driven as a pupil drives it: tab, bars,
// pictures, recorder buttons, Options and Fichier menus.
#include "outils.h"

#include "app/commande_taille.h"
#include "app/commandes_fichiers.h"
#include "app/taille_affichage.h"
#include "common/polices.h"
#include "ionic/page_ionique.h"
#include "ui_page_ionique.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <array>
#include <cmath>
#include <deque>
#include <optional>
#include <tuple>
#include <gtest/gtest.h>

#include "impression.h"

using namespace quillon;
using namespace quillon::essais;

namespace {

using Pas = PasNst;

class FenetreIonique : public FenetreDemarree {
protected:
    void SetUp() override
    {
        FenetreDemarree::SetUp();
        demarrer(f);
        ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, 2));
    }

    Ui::PageIonique* p() { return f.ionique().ui(); }
    const EquilibresIoniques& m() { return f.ionique().modele(); }
    QScrollBar* barre(Barre b) { return f.ionique().barre(b); }
    void touche(Barre b, Qt::Key k, int fois = 1)
    {
        barre(b)->setFocus();
        for (int i = 0; i < fois; ++i)
            QTest::keyClick(barre(b), k);
    }
    // A click on an arrow of a bar (SC_ScrollBarAddLine: the lower one).
    void fleche(Barre b, QStyle::SubControl fleche) { ASSERT_TRUE(cliquer_fleche(barre(b), fleche)); }
    void cliquer(QWidget* w, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(w, b); }
    // The relaxation timers tick only when a test calls calcul_em.
    void figer()
    {
        f.ionique().minuteries().Timer_k->stop();
        f.ionique().minuteries().Timer_na->stop();
    }
    // Pixels of the chart of that colour in the rectangle.
    int compte(const QRect& r, const QColor& c) { return compter(p()->Ima_pa->image(), c, r); }
    bool blanc(const QRect& r) { return compte(r, Qt::white) == r.width() * r.height(); }
    // The bars, labels and outside K+ picture show step n of the programmed sequence.
    void montre_pas(int n)
    {
        SCOPED_TRACE(n);
        const EquilibresIoniques& e = m();
        EXPECT_EQ(barre(Barre::gk)->value(), 100 - e.enregistreur.prog_gk[n]);
        EXPECT_EQ(barre(Barre::gna)->value(), 100 - e.enregistreur.prog_gna[n]);
        EXPECT_EQ(barre(Barre::ki)->value(), 300 - e.enregistreur.prog_k_int[n]);
        EXPECT_EQ(barre(Barre::ke)->value(), 300 - e.enregistreur.prog_k_ext[n]);
        EXPECT_EQ(barre(Barre::nai)->value(), 300 - e.enregistreur.prog_na_int[n]);
        EXPECT_EQ(barre(Barre::nae)->value(), 300 - e.enregistreur.prog_na_ext[n]);
        EXPECT_EQ(p()->lab_gk->text(), QString("GK=%1").arg(e.enregistreur.prog_gk[n]));
        EXPECT_EQ(p()->lab_gna->text(), QString("GNa=%1").arg(e.enregistreur.prog_gna[n]));
        EXPECT_EQ(p()->lab_ke->text(), QString("[K]e=%1").arg(e.enregistreur.prog_k_ext[n], 2));
        const int h = qRound(std::sqrt(18.0 / 21 * 13 * e.enregistreur.prog_k_ext[n]));
        EXPECT_EQ(p()->ima_ke->size(), QSize(qRound(h * 21.0 / 18), h));
    }
    // Ticks of the trial run up to its end; the potential of each step.
    std::vector<double> jouer_essai()
    {
        f.ionique().minuteries().Timer_reaff->setInterval(3'600'000); // our calls are the only ticks
        std::vector<double> em;
        for (int i = 0; i < 500 && f.ionique().minuteries().Timer_reaff->isActive(); ++i) {
            const int avant = m().enregistreur.pas;
            f.ionique().tic_essai();
            if (m().enregistreur.pas != avant && f.ionique().minuteries().Timer_reaff->isActive())
                em.push_back(m().etat.em);
        }
        return em;
    }
    QString ecrire(const QString& nom, const QByteArray& octets)
    {
        EXPECT_TRUE(essais::ecrire(temp.filePath(nom), octets)) << nom.toStdString();
        return temp.filePath(nom);
    }
    void ouvrir(const QString& nom)
    {
        dialogues.reponses = {nom};
        f.ui()->Ouvrir1->trigger();
    }

    QTemporaryDir temp;
    DialoguesFactices& dialogues = faux.dialogues;
    TForm1 f{services()};
};

} // namespace

TEST_F(FenetreIonique, DesignOfThePageAndTheEquilibriumOption)
{
    EXPECT_TRUE(f.ui()->Notebook1->widget(2)->isAncestorOf(p()->GroupBox10));
    EXPECT_EQ(p()->GroupBox10->geometry(), QRect(131, 0, 673, 496));
    const struct {
        Barre b;
        QPoint pos;
        int max, pas;
    } barres[] = {{Barre::nai, {98, 87}, 300, 2}, {Barre::ki, {125, 87}, 300, 2}, {Barre::ke, {456, 85}, 300, 2},
                  {Barre::nae, {480, 85}, 300, 2}, {Barre::gk, {281, 85}, 100, 1}, {Barre::gna, {291, 85}, 100, 1}};
    for (const auto& b : barres) {
        QScrollBar* s = barre(b.b);
        EXPECT_EQ(std::tuple(s->geometry(), s->orientation(), s->minimum(), s->maximum(), s->singleStep(), s->pageStep()),
                  std::tuple(QRect(b.pos, QSize(8, 164)), Qt::Vertical, 0, b.max, b.pas, 1))
            << s->objectName().toStdString();
    }
    EXPECT_EQ(p()->Ima_pa->geometry(), QRect(92, 270, 420, 220));
    EXPECT_EQ(p()->Ima_pa->image().size(), QSize(420, 220));
    EXPECT_EQ(p()->ima_leg->geometry(), QRect(60, 270, 30, 220));
    // The scale: a 2-pixel tick every 10 mV, a 7-pixel one and a navy label every 20.
    const QImage echelle = p()->ima_leg->image();
    ASSERT_EQ(echelle.size(), QSize(30, 220));
    EXPECT_EQ(echelle.pixelColor(28, 210), QColor(Qt::black));
    EXPECT_EQ(echelle.pixelColor(29, 210), QColor(Qt::black));
    EXPECT_EQ(echelle.pixelColor(27, 210), QColor(Qt::white)) << "short tick at -90";
    // The label, drawn after its tick, covers the tick's start where the font is wide.
    QFont police(QStringLiteral("Times New Roman"));
    police.setPixelSize(pixels_de_points(8));
    const int apres_etiquette = std::max(23, 2 + QFontMetrics(police).horizontalAdvance(QStringLiteral("-100")));
    ASSERT_LT(apres_etiquette, 28);
    EXPECT_EQ(echelle.pixelColor(apres_etiquette, 200), QColor(Qt::black)) << "long tick at -100";
    EXPECT_EQ(echelle.pixelColor(24, 201), QColor(Qt::black));
    EXPECT_EQ(echelle.pixelColor(2, 195), QColor(0, 0, 128)) << "label of -100 from y 195";
    EXPECT_EQ(echelle.pixelColor(2, 95), QColor(0, 0, 128)) << "label of 0 from y 95";
    EXPECT_EQ(echelle.pixelColor(2, 5), QColor(Qt::white)) << "nothing above 80";
    EXPECT_EQ(p()->BitBtn14->geometry(), QRect(516, 272, 106, 20));
    const struct {
        QPushButton* b;
        const char* legende;
        bool visible;
    } boutons[] = {{p()->BitBtn14, "Lancer COURBE", true}, {p()->BitBtn15, "EFFACER", true},
                   {p()->BitBtn16, "Program.COURBE", true}, {p()->recule1, "<--", false},
                   {p()->BitBtn17, "-->", false},          {p()->BitBtn18, "Essai COURBE", false},
                   {p()->avance1, "+1", false}};
    for (const auto& b : boutons) {
        EXPECT_EQ(b.b->text(), QString::fromUtf8(b.legende));
        EXPECT_EQ(b.b->isVisible(), b.visible) << b.legende;
    }
    EXPECT_EQ(p()->Label11->text(), "Em (Ei-Ee)");
    EXPECT_EQ(p()->Label30->text(), "Intérieur ");
    EXPECT_EQ(p()->Label31->text(), "Extérieur");
    EXPECT_EQ(p()->Label12->text(), "Travail  sur la perméabilité membrannaire");

    // Options > "Afficher les pot. d'équilibre" shows, then hides, both potentials.
    QAction* option = f.ui()->Afficherlespotdquilibre1;
    for (bool montre : {false, true, false}) {
        EXPECT_EQ(option->isChecked(), montre);
        EXPECT_EQ(p()->Label9->isVisible(), montre);
        EXPECT_EQ(p()->Label10->isVisible(), montre);
        option->trigger();
    }
}

TEST_F(FenetreIonique, StartUpValuesWithAPointInAFrenchLocale)
{
    ASSERT_EQ(QLocale().decimalPoint(), ","); // what the labels must not use
    const QStringList valeurs = {p()->lab_ki->text(), p()->lab_ke->text(), p()->lab_nai->text(),
                                 p()->lab_nae->text(), p()->lab_gk->text(), p()->lab_gna->text()};
    EXPECT_EQ(valeurs, QStringList({"[K]i=150", "[K]e= 6", "[Na]i= 8", "[Na]e=144", "GK=0", "GNa=0"}));
    f.ionique().calcul_em();
    EXPECT_EQ(p()->Lab_em->text(), "Em=0.00");
    // -610/23 ln(150/6) and -610/23 ln(8/144).
    EXPECT_EQ(p()->Label9->text(), "EeqK=-85.37");
    EXPECT_EQ(p()->Label10->text(), "EnaK=76.66");
    const Barre ordre[] = {Barre::ki, Barre::ke, Barre::nai, Barre::nae, Barre::gk, Barre::gna};
    const int positions[] = {150, 294, 292, 156, 100, 100};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(barre(ordre[i])->value(), positions[i]) << i;
    // Height round(sqrt(18/21 * 13 * c)), width round(height * 21/18).
    EXPECT_EQ(p()->ima_ki->geometry(), QRect(149, 151, 48, 41));
    EXPECT_EQ(p()->ima_ke->size(), QSize(9, 8));
}

TEST_F(FenetreIonique, BarsMovedByKeysAndArrowsKeepEvenConcentrations)
{
    const auto ki = [&](int position, const char* texte) {
        EXPECT_EQ(barre(Barre::ki)->value(), position) << texte;
        EXPECT_EQ(p()->lab_ki->text(), texte);
    };
    touche(Barre::ki, Qt::Key_Down);
    ki(152, "[K]i=148");
    touche(Barre::ki, Qt::Key_PageDown); // 153: 147, put back on 146
    ki(154, "[K]i=146");
    EXPECT_EQ(p()->ima_ki->size(), QSize(47, 40));
    touche(Barre::ki, Qt::Key_PageUp); // 153: 147 again
    ki(154, "[K]i=146");
    touche(Barre::ki, Qt::Key_Up, 2);
    ki(150, "[K]i=150");
    touche(Barre::ki, Qt::Key_Home);
    ki(0, "[K]i=300");
    EXPECT_EQ(p()->ima_ki->geometry(), QRect(149, 151, 68, 58));
    EXPECT_EQ(p()->Label9->text(), "EeqK=-103.75");

    fleche(Barre::nae, QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(barre(Barre::nae)->value(), 158);
    EXPECT_EQ(p()->lab_nae->text(), "[Na]e=142");
    fleche(Barre::nae, QStyle::SC_ScrollBarSubLine);
    fleche(Barre::nae, QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(barre(Barre::nae)->value(), 154);
    EXPECT_EQ(p()->lab_nae->text(), "[Na]e=146");

    touche(Barre::gk, Qt::Key_Down, 3); // already at the bottom
    EXPECT_EQ(p()->lab_gk->text(), "GK=0");
    touche(Barre::gk, Qt::Key_Up, 3);
    EXPECT_EQ(barre(Barre::gk)->value(), 97);
    EXPECT_EQ(p()->lab_gk->text(), "GK=3");
    touche(Barre::gna, Qt::Key_Home);
    EXPECT_EQ(p()->lab_gna->text(), "GNa=100");
}

TEST_F(FenetreIonique, ClicksOnTheOutsideKPictureAddOrTakeTen)
{
    const auto ke = [&](const char* texte, int position, QSize taille = QSize()) {
        EXPECT_EQ(p()->lab_ke->text(), texte);
        EXPECT_EQ(barre(Barre::ke)->value(), position) << texte;
        if (taille.isValid()) {
            EXPECT_EQ(p()->ima_ke->size(), taille) << texte;
        }
    };
    cliquer(p()->ima_ke);
    ke("[K]e=16", 284, QSize(15, 13));
    EXPECT_EQ(p()->Label9->text(), "EeqK=-59.36");
    cliquer(p()->ima_ke, Qt::RightButton);
    ke("[K]e= 6", 294, QSize(9, 8));
    cliquer(p()->ima_ke, Qt::RightButton); // -4 is not above 0
    ke("[K]e= 6", 294, QSize(9, 8));
    touche(Barre::ke, Qt::Key_Up, 2);
    cliquer(p()->ima_ke, Qt::RightButton); // nor is 0
    ke("[K]e=10", 290, QSize(13, 11));
    touche(Barre::ke, Qt::Key_Up);
    cliquer(p()->ima_ke, Qt::RightButton);
    ke("[K]e= 2", 298, QSize(6, 5));

    touche(Barre::ke, Qt::Key_Home);
    touche(Barre::ke, Qt::Key_Down, 4);
    ke("[K]e=292", 8);
    cliquer(p()->ima_ke); // 302 is past 300
    ke("[K]e=292", 8);
    touche(Barre::ke, Qt::Key_Down);
    cliquer(p()->ima_ke);
    ke("[K]e=300", 0, QSize(68, 58));

    // Every press of a quick double click counts.
    double_clic(p()->ima_ke, Qt::RightButton);
    ke("[K]e=280", 20);
    double_clic(p()->ima_ke);
    ke("[K]e=300", 0);
}

TEST_F(FenetreIonique, RelaxationTimersBringEmTowardTheWeightedPotential)
{
    for (QTimer* t : {f.ionique().minuteries().Timer_k, f.ionique().minuteries().Timer_na})
        EXPECT_EQ(std::pair(t->isActive(), t->interval()), std::pair(true, 100)) << t->objectName().toStdString();
    figer();
    f.ionique().calcul_em();
    ASSERT_EQ(p()->Lab_em->text(), "Em=0.00");
    touche(Barre::gk, Qt::Key_Home);
    ASSERT_EQ(p()->lab_gk->text(), "GK=100");
    EXPECT_LE(p()->lab_gk->geometry().right(), p()->lab_gna->x() - 1) << "no digit hidden under GNa";
    EXPECT_EQ(p()->Lab_em->text(), "Em=0.00"); // follows at the next tick only
    // Each tick halves the distance to EeqK = -85.3702.
    for (const char* attendu : {"Em=-42.69", "Em=-64.03", "Em=-74.70", "Em=-80.03"}) {
        f.ionique().calcul_em();
        EXPECT_EQ(p()->Lab_em->text(), attendu);
    }
    // The timers themselves carry it the rest of the way.
    f.ionique().minuteries().Timer_k->start();
    f.ionique().minuteries().Timer_na->start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return p()->Lab_em->text() == "Em=-85.37"; }, 10000));
    figer();
    // GK = GNa = 100: the whole way to the mean of EeqK and ENa in one tick.
    touche(Barre::gna, Qt::Key_Home);
    f.ionique().calcul_em();
    EXPECT_EQ(p()->Lab_em->text(), "Em=-4.36");
}

TEST_F(FenetreIonique, RecordingPlotsPotentialAndPermeabilitiesStepByStep)
{
    const QColor marine(0, 0, 128), rouge(255, 0, 0), bleu(0, 0, 255);
    figer();
    f.ionique().calcul_em();
    ASSERT_EQ(p()->Lab_em->text(), "Em=0.00");
    touche(Barre::gk, Qt::Key_Home); // GK 100, GNa 0

    cliquer(p()->BitBtn14);
    EXPECT_EQ(p()->BitBtn14->text(), "STOP");
    EXPECT_FALSE(p()->BitBtn12->isEnabled());
    EXPECT_TRUE(f.ionique().minuteries().Timer_courbe->isActive());
    EXPECT_EQ(f.ionique().minuteries().Timer_courbe->interval(), 500);
    f.ionique().minuteries().Timer_courbe->setInterval(3'600'000); // our calls are the only ticks

    // Step 1 at x = 5: Em -42.69 in (5, 143)-(11, 149), GK at y 100, GNa at y 200.
    f.ionique().tic_enregistrement();
    EXPECT_EQ(p()->Lab_em->text(), "Em=-42.69");
    EXPECT_GT(compte(QRect(5, 143, 6, 6), marine), 0);
    EXPECT_GT(compte(QRect(5, 143, 6, 6), Qt::black), 0);
    EXPECT_TRUE(blanc(QRect(0, 130, 5, 30)) && blanc(QRect(11, 130, 10, 30))); // left, right
    EXPECT_TRUE(blanc(QRect(5, 130, 6, 13)) && blanc(QRect(5, 149, 6, 10)));   // above, below
    for (int y : {100, 200}) {
        EXPECT_FALSE(blanc(QRect(5, y, 3, 3))) << y;
        EXPECT_TRUE(blanc(QRect(0, y - 5, 5, 10)) && blanc(QRect(8, y - 5, 10, 10))) << y;
    }
    EXPECT_EQ(compte(QRect(5, 100, 3, 3), rouge), 1);
    EXPECT_EQ(compte(QRect(5, 200, 3, 3), bleu), 1);

    // Step 2 at x = 10: Em -64.03 at y = 164; lines join the dots.
    f.ionique().tic_enregistrement();
    EXPECT_EQ(p()->Lab_em->text(), "Em=-64.03");
    EXPECT_GT(compte(QRect(10, 164, 6, 6), marine), 0);
    EXPECT_GT(compte(QRect(8, 150, 4, 12), marine), 0); // the line between
    EXPECT_EQ(compte(QRect(8, 100, 2, 1), rouge), 2);
    EXPECT_EQ(compte(QRect(8, 200, 2, 1), bleu), 2);
    EXPECT_GT(compte(QRect(10, 100, 3, 3), Qt::black), 0);
    EXPECT_EQ(m().enregistreur.pas, 2);
    for (int n : {1, 2})
        EXPECT_EQ(std::tuple(m().enregistreur.prog_gk[n], m().enregistreur.prog_gna[n], m().enregistreur.prog_k_ext[n]), std::tuple(100, 0, 6)) << n;

    cliquer(p()->BitBtn14);
    EXPECT_EQ(p()->BitBtn14->text(), "Lancer COURBE");
    EXPECT_TRUE(p()->BitBtn12->isEnabled());
    EXPECT_FALSE(f.ionique().minuteries().Timer_courbe->isActive());
    cliquer(p()->BitBtn15); // EFFACER
    EXPECT_TRUE(blanc(QRect(0, 0, 420, 220)));
}

TEST_F(FenetreIonique, ProgrammingThenTrialRunReplaysTheSteps)
{
    // GK = GNa = 100; "-->"; "-->" and GK 0; "-->", GK 100 and [K]e 50.
    figer();
    touche(Barre::gk, Qt::Key_Home);
    touche(Barre::gna, Qt::Key_Home);
    cliquer(p()->BitBtn16);
    cliquer(p()->BitBtn17);
    cliquer(p()->BitBtn17);
    touche(Barre::gk, Qt::Key_End);
    cliquer(p()->BitBtn17);
    touche(Barre::gk, Qt::Key_Home);
    for (int i = 0; i < 4; ++i)
        cliquer(p()->ima_ke); // 6 -> 46
    touche(Barre::ke, Qt::Key_Up, 2);
    ASSERT_EQ(p()->lab_ke->text(), "[K]e=50");
    EXPECT_EQ(p()->BitBtn16->text(), "Fin program.");
    for (QPushButton* b : {p()->recule1, p()->BitBtn17, p()->BitBtn18})
        EXPECT_TRUE(b->isVisible()) << b->objectName().toStdString();
    EXPECT_FALSE(p()->BitBtn14->isEnabled());
    ASSERT_EQ(m().enregistreur.pas_max, 3);
    // Different steps, so that following them shows.
    ASSERT_NE(m().enregistreur.prog_gk[1], m().enregistreur.prog_gk[2]);
    ASSERT_NE(m().enregistreur.prog_k_ext[1], m().enregistreur.prog_k_ext[3]);

    cliquer(p()->BitBtn16);
    EXPECT_EQ(p()->BitBtn16->text(), "Program.COURBE");
    for (QPushButton* b : {p()->recule1, p()->BitBtn17, p()->BitBtn18})
        EXPECT_FALSE(b->isVisible()) << b->objectName().toStdString();
    EXPECT_TRUE(f.ionique().minuteries().Timer_reaff->isActive());
    EXPECT_EQ(f.ionique().minuteries().Timer_k->interval(), 5);
    EXPECT_EQ(f.ionique().minuteries().Timer_na->interval(), 5);
    for (QPushButton* b : {p()->BitBtn14, p()->BitBtn15, p()->BitBtn16, p()->recule1, p()->BitBtn17})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    cliquer(p()->BitBtn15); // waits for the end of the run
    EXPECT_EQ(m().enregistreur.pas_max, 3);

    f.ionique().minuteries().Timer_reaff->setInterval(3'600'000);
    for (int i = 0; i < 500 && m().enregistreur.pas == 0; ++i)
        f.ionique().tic_essai();
    ASSERT_EQ(m().enregistreur.pas, 1);
    montre_pas(1);
    EXPECT_EQ(p()->Lab_em->text(), "Em=-4.36"); // GK = GNa = 100: the mean at once
    f.ionique().tic_essai();
    montre_pas(2);
    f.ionique().tic_essai();
    montre_pas(3);
    EXPECT_EQ(p()->Lab_em->text(), "Em=23.76"); // (-610/23 ln(150/50) + ENa) / 2
    EXPECT_TRUE(f.ionique().minuteries().Timer_reaff->isActive());

    f.ionique().tic_essai();
    EXPECT_FALSE(f.ionique().minuteries().Timer_reaff->isActive());
    EXPECT_EQ(f.ionique().minuteries().Timer_k->interval(), 100);
    EXPECT_EQ(f.ionique().minuteries().Timer_na->interval(), 100);
    for (QPushButton* b : {p()->BitBtn14, p()->BitBtn15, p()->BitBtn16})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(FenetreIonique, SaveFromAnyPageThenReopenTheSameSequence)
{
    figer();
    ouvrir(ecrire("source.nst", texte_nst({{100, 100, 150, 50, 8, 144}, {0, 100, 120, 6, 30, 144}})));
    EXPECT_EQ(dialogues.demandes.back().nom, "OpenDialog2");
    EXPECT_TRUE(f.ionique().minuteries().Timer_reaff->isActive());
    const std::vector<double> em = jouer_essai();
    ASSERT_EQ(em.size(), 2u);
    // GK = GNa = 100 at step 1: the mean of EeqK (-610/23 ln 3) and ENa at once.
    EXPECT_NEAR(em[0], (-610.0 / 23 * std::log(3.0) + 76.6577) / 2, 1e-3);

    f.ui()->Notebook1->setCurrentIndex(0);
    f.ui()->Sauve1->trigger();
    EXPECT_EQ(dialogues.demandes.size(), 2u); // from the home page too (cancelled)
    f.ui()->Notebook1->setCurrentIndex(2);
    const QString nom = temp.filePath("sortie.nst");
    dialogues.reponses = {nom};
    f.ui()->Sauve1->trigger();
    ASSERT_EQ(dialogues.demandes.size(), 3u);
    EXPECT_EQ(dialogues.demandes[2].nom, "SaveDialog2");
    EXPECT_EQ(dialogues.demandes[2].extension_defaut, "nst");

    QFile fichier(nom);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    const QList<QByteArray> lignes = fichier.readAll().split('\n');
    ASSERT_EQ(lignes.size(), 1 + 12 + 2 + 1);
    EXPECT_TRUE(lignes.last().isEmpty());
    const char* entiers[] = {"2", "100", "100", "150", "50", "8", "144", "0", "100", "120", "6", "30", "144"};
    for (int i = 0; i < 15; ++i) {
        ASSERT_TRUE(lignes[i].endsWith('\r')) << i;
        const QByteArray l = lignes[i].chopped(1);
        if (i < 13) {
            EXPECT_EQ(l, entiers[i]) << i;
        } else {
            EXPECT_EQ(l.size(), 23) << l.constData();
            EXPECT_EQ(l.indexOf('E'), 17) << l.constData();
            EXPECT_NEAR(l.trimmed().toDouble(), em[i - 13], 1e-9) << l.constData();
        }
    }

    const QString impossible = temp.filePath("absent/x.nst");
    dialogues.reponses = {impossible};
    f.ui()->Sauve1->trigger();
    ASSERT_EQ(dialogues.messages.size(), 1);
    EXPECT_TRUE(dialogues.messages[0].startsWith("Impossible d'enregistrer le fichier " + QDir::toNativeSeparators(impossible)));
    EXPECT_FALSE(QFile::exists(impossible));

    // EFFACER forgets the sequence; "Ouvrir" gives it back and replays it alike.
    const SequenceNernst enregistre = m().enregistreur.sequence();
    cliquer(p()->BitBtn15);
    ASSERT_TRUE(m().enregistreur.sequence().etapes.empty());
    ouvrir(nom);
    const SequenceNernst relu = m().enregistreur.sequence();
    ASSERT_EQ(relu.etapes.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const EtapeNernst &a = enregistre.etapes[i], &b = relu.etapes[i];
        EXPECT_EQ(std::tie(a.gk, a.gna, a.k_int, a.k_ext, a.na_int, a.na_ext),
                  std::tie(b.gk, b.gna, b.k_int, b.k_ext, b.na_int, b.na_ext)) << i;
        EXPECT_NEAR(b.em, em[i], 1e-9 * (1 + std::abs(em[i]))) << i;
    }
    const std::vector<double> rejoue = jouer_essai();
    ASSERT_EQ(rejoue.size(), 2u);
    for (int i = 0; i < 2; ++i)
        EXPECT_DOUBLE_EQ(rejoue[i], em[i]) << i;
}

TEST_F(FenetreIonique, OpenAsksTheDialogOfThePageShown)
{
    figer();
    const QString ailleurs = temp.filePath("ailleurs");
    QDir().mkpath(ailleurs);
    const auto canonique = [](const QString& d) { return QDir(d).canonicalPath(); };
    const QString programme = canonique(dossier_construit());
    const QString b = ecrire("B.NST", texte_nst({{20, 0, 150, 6, 8, 144}}));
    const QString c = ecrire("c.fch.nst", texte_nst({{30, 0, 150, 6, 8, 144}}));
    const QString d = ecrire("d.Nst", texte_nst({{40, 0, 150, 6, 8, 144}}));
    QByteArray fch = "Poids \xE9gal\r\n";
    for (int k = 1; k < 612; ++k)
        fch += "L" + QByteArray::number(k) + "\r\n";
    const QString e = ecrire("e.fch", fch);
    const QString g = ecrire("G.FCH", "M0\r\nM1\r\n");
    const auto premier_gk = [&] { return m().enregistreur.sequence().etapes.empty() ? -1 : m().enregistreur.sequence().etapes[0].gk; };
    const auto ouvrir_sur = [&](int page, const QString& reponse) {
        f.ui()->Notebook1->setCurrentIndex(page);
        QDir::setCurrent(ailleurs);
        ouvrir(reponse);
        return dialogues.demandes.back().nom;
    };
    const auto page = [&] { return f.ui()->Notebook1->currentIndex(); };
    QTableWidget* grille = f.grille_fechner();

    EXPECT_EQ(ouvrir_sur(4, e), "OpenDialog1");
    ASSERT_EQ(grille->rowCount(), 51);
    ASSERT_EQ(grille->columnCount(), 12);
    EXPECT_EQ(grille->item(0, 0)->text(), "Poids égal");
    for (int k = 1; k < 612; ++k)
        EXPECT_EQ(grille->item(k / 12, k % 12)->text(), "L" + QString::number(k));
    EXPECT_EQ(ouvrir_sur(4, QString()), "OpenDialog1");
    EXPECT_EQ(canonique(QDir::currentPath()), programme);

    EXPECT_EQ(ouvrir_sur(0, b), "OpenDialog3");
    EXPECT_EQ(premier_gk(), 20);
    EXPECT_EQ(page(), 2);
    EXPECT_TRUE(f.ionique().minuteries().Timer_reaff->isActive());
    jouer_essai();
    EXPECT_EQ(ouvrir_sur(3, g), "OpenDialog3");
    EXPECT_EQ(grille->item(0, 1)->text(), "M1");
    EXPECT_EQ(grille->item(0, 2)->text(), "");
    EXPECT_EQ(page(), 4);
    EXPECT_EQ(ouvrir_sur(5, c), "OpenDialog3"); // both readings, ending on page 4
    EXPECT_EQ(premier_gk(), 30);
    EXPECT_EQ(grille->item(0, 0)->text(), "1");
    EXPECT_EQ(grille->item(0, 1)->text(), "30");
    EXPECT_EQ(page(), 4);
    jouer_essai();
    EXPECT_EQ(ouvrir_sur(1, d), "OpenDialog3"); // ".Nst": neither, which is said
    EXPECT_EQ(dialogues.messages, QStringList("Le fichier " + QDir::toNativeSeparators(d)
                                              + " n'est pas un fichier de travail de Quillon."));
    dialogues.messages.clear();
    EXPECT_EQ(premier_gk(), 30);
    EXPECT_EQ(grille->item(0, 0)->text(), "1");
    EXPECT_EQ(page(), 1);
    EXPECT_FALSE(f.ionique().minuteries().Timer_reaff->isActive());

    for (int i : {1, 3, 5}) {
        EXPECT_EQ(ouvrir_sur(i, QString()), "OpenDialog3");
        EXPECT_EQ(canonique(QDir::currentPath()), programme) << i;
    }
    EXPECT_EQ(ouvrir_sur(0, QString()), "OpenDialog3");
    EXPECT_EQ(canonique(QDir::currentPath()), canonique(ailleurs));
    EXPECT_TRUE(dialogues.messages.isEmpty());
}

TEST_F(FenetreIonique, FaultyNstFilesChangeNothing)
{
    figer();
    ouvrir(ecrire("bon.nst", texte_nst({{60, 0, 150, 6, 8, 144}})));
    jouer_essai();
    const SequenceNernst avant = m().enregistreur.sequence();
    ASSERT_EQ(avant.etapes.size(), 1u);

    const Pas pas{70, 0, 150, 6, 8, 144};
    const QString incomplet = ecrire("incomplet.nst", "2\r\n70\r\n0\r\n150\r\n6\r\n8\r\n144\r\n80\r\n");
    // Each said, from the page shown (0 or 2), which does not change either.
    int page = 0;
    for (const QString& nom : {incomplet, ecrire("trop.nst", texte_nst(std::vector<Pas>(84, pas))),
                               ecrire("texte.nst", "un\r\n" + texte_nst({pas}).mid(3)), ecrire("vide.nst", ""),
                               ecrire("lettres.nst", "abc\r\n"), ecrire("b.nst", texte_nst({pas}).replace("150", "\x01")),
                               ecrire("60_Mo.nst", texte_nst({pas}) + QByteArray(60 << 20, '\n')),
                               ecrire("b.fch", QByteArray("M0\r\n\0", 5)),
                               ecrire("gk.nst", texte_nst({pas}).replace("\r\n70\r\n", "\r\n99999999999\r\n")),
                               ecrire("na.nst", texte_nst({{70, 0, 150, 6, 8, 301}})),
                               ecrire("em.nst", texte_nst({pas}, {"Nan"}))}) {
        f.ui()->Notebook1->setCurrentIndex(page = 2 - page);
        dialogues.messages.clear();
        ouvrir(nom);
        EXPECT_TRUE(m().enregistreur.sequence() == avant && !f.ionique().minuteries().Timer_reaff->isActive() && f.grille_fechner()->item(0, 0) == nullptr);
        EXPECT_EQ(f.ui()->Notebook1->currentIndex(), page);
        EXPECT_EQ(dialogues.messages, QStringList("Le fichier " + QDir::toNativeSeparators(nom)
                                                  + (nom == incomplet ? " est incomplet : il n'a pas été chargé."
                                                                      : " n'est pas un fichier de travail de Quillon.")));
    }
    dialogues.messages.clear();

    ouvrir(ecrire("plein.nst", texte_nst(std::vector<Pas>(83, pas)))); // the most a file holds
    ASSERT_EQ(m().enregistreur.sequence().etapes.size(), 83u);
    EXPECT_EQ(m().enregistreur.sequence().etapes[82].gk, 70);
    EXPECT_TRUE(dialogues.messages.isEmpty());
}

TEST(DialoguesDeFichiers, TheNameFieldShowsThePatternThatEnterTakesAsAFilter)
{
    QTemporaryDir d;
    const QString avant = QDir::currentPath();
    QDir::setCurrent(d.path());
    for (const auto& [dialogue, motif] :
         {std::pair{dialogue_enregistrer_nernst(), "*.nst"}, std::pair{dialogue_ouvrir_fechner(), "*.fch"},
          std::pair{dialogue_ouvrir_nernst(), "*.nst"}, std::pair{dialogue_ouvrir_nernst_ou_fechner(), "*.nst"}}) {
        SCOPED_TRACE(dialogue.nom.toStdString());
        QString nom;
        QStringList filtres;
        bool ouvert = false;
        QTimer::singleShot(0, [&] {
            auto* f = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* e = f != nullptr ? f->findChild<QLineEdit*>("fileNameEdit") : nullptr;
            if (e == nullptr)
                return;
            nom = e->text();
            QTest::keyClick(e, Qt::Key_Return);
            ouvert = f->isVisible() && QApplication::activeModalWidget() == f;
            filtres = f->nameFilters();
            f->reject();
        });
        EXPECT_FALSE(DialoguesFenetre(nullptr).choisir(dialogue));
        EXPECT_EQ(nom, motif);
        EXPECT_TRUE(ouvert) << "Enter on the pattern chooses no file";
        EXPECT_EQ(filtres, QStringList{motif});
    }
    EXPECT_EQ(QDir(d.path()).entryList(QDir::Files), QStringList{});
    QDir::setCurrent(avant);
}

// Options > "Taille d'affichage" on the tests' 1280 x 1024 screen, where the
// window fits at 125 % but not at 150 % (1434 pixels wide) or 200 %.
TEST_F(FenetreIonique, DisplaySizeFromTheMenuAndKeysAndARestartThatLosesNoSequence)
{
    figer();
    retenir_taille_affichage(100);
    Ui::TForm1& u = *f.ui();
    f.taille().actualiser();
    EXPECT_EQ(u.Tailledaffichage1->title(), "&Taille d'affichage");
    const std::tuple<QAction*, const char*, bool> tailles[] = {
        {u.Taille100, "&100 %", true}, {u.Taille125, "1&25 %", true}, {u.Taille150, "1&50 %", false},
        {u.Taille200, "2&00 %", false}, {u.Agrandir1, "&Agrandir", true}, {u.Reduire1, "&Réduire", false}};
    for (const auto& [a, texte, active] : tailles) {
        EXPECT_EQ(a->text(), QString::fromUtf8(texte));
        EXPECT_EQ(a->isEnabled(), active) << texte;
    }
    EXPECT_TRUE(u.Taille100->isChecked());

    // "Agrandir" keeps 125 % and offers a restart ("Non"); no size beyond fits.
    u.Agrandir1->trigger();
    EXPECT_EQ(taille_affichage_retenue(), 125);
    EXPECT_TRUE(u.Taille125->isChecked() && !u.Taille100->isChecked());
    ASSERT_EQ(dialogues.questions.size(), 1);
    EXPECT_TRUE(dialogues.questions[0].contains("125 % sera appliquée au prochain démarrage"));
    EXPECT_FALSE(u.Agrandir1->isEnabled());
    // Back to the size in effect: nothing to restart.
    u.Reduire1->trigger();
    EXPECT_EQ(taille_affichage_retenue(), 100);
    u.Taille150->trigger(); // disabled, as it does not fit
    EXPECT_EQ(taille_affichage_retenue(), 100);
    EXPECT_EQ(dialogues.questions.size(), 1);

    // An opened sequence is in its file, even once replayed.
    ouvrir(ecrire("source.nst", texte_nst({{100, 100, 150, 50, 8, 144}})));
    jouer_essai();
    EXPECT_FALSE(f.fichiers().sequence_a_enregistrer());
    // A step programmed after it is not.
    cliquer(p()->BitBtn16);
    cliquer(p()->BitBtn17);
    touche(Barre::gk, Qt::Key_End);
    cliquer(p()->BitBtn16);
    jouer_essai();
    ASSERT_TRUE(f.fichiers().sequence_a_enregistrer());

    // Restart: "Oui"; then keep the sequence: "Annuler", or "Oui" and the
    // save dialog cancelled, restart nothing; "Oui" and a name save it first,
    // then the report's question as at a close.
    const QString nom = temp.filePath("avant_redemarrage.nst");
    const std::tuple<std::deque<Reponse>, QString, bool> essais[] = {
        {{Reponse::Oui, Reponse::Annuler}, QString(), false},
        {{Reponse::Oui, Reponse::Oui}, QString(), false},
        {{Reponse::Oui, Reponse::Oui, Reponse::Oui}, nom, true}};
    for (const auto& [reponses, fichier, relance] : essais) {
        u.Taille100->trigger();
        dialogues.questions.clear();
        dialogues.reponses_questions = reponses;
        dialogues.reponses = {fichier};
        u.Taille125->trigger();
        ASSERT_EQ(dialogues.questions.size(), relance ? 3 : 2);
        EXPECT_TRUE(dialogues.questions[1].contains("n'a pas été enregistrée"));
        EXPECT_EQ(faux.lanceur.lancements.size(), relance ? 1u : 0u);
        EXPECT_EQ(f.isVisible(), !relance);
    }
    EXPECT_EQ(taille_affichage_retenue(), 125);
    EXPECT_FALSE(f.fichiers().sequence_a_enregistrer());
    // The file holds the sequence (its potentials to the file's precision).
    std::vector<EtapeNernst> lu = lire_nernst(nom).sequence.etapes, vu = m().enregistreur.sequence().etapes;
    ASSERT_EQ(lu.size(), vu.size());
    for (std::size_t i = 0; i < lu.size(); ++i) {
        EXPECT_NEAR(lu[i].em, vu[i].em, 1e-9);
        lu[i].em = vu[i].em;
    }
    EXPECT_EQ(lu, vu);
    ASSERT_EQ(faux.lanceur.lancements.size(), 1u);
    EXPECT_EQ(faux.lanceur.lancements[0].programme, QCoreApplication::applicationFilePath());
    retenir_taille_affichage(100);
}
