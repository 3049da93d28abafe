// The equilibrium-potential mode of the "Equilibres ioniques" page, driven
// with real clicks: K+ ions cross the membrane until the electrical force
// (one net crossing per 10 mV) balances diffusion.
#include "outils.h"

#include "common/aleatoire.h"
#include "common/image_controle.h"
#include "ionic/page_ionique.h"
#include "outputs/sections_rapport.h"
#include "ui_page_ionique.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <vector>
#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::essais;

namespace {

const QColor rouge(255, 0, 0), citron(0, 255, 0), noir(0, 0, 0), blanc(255, 255, 255);
const double facteur = -610.0 / 23; // mV, per natural log of [K]i / [K]e

// Whole-number rounding as everywhere in the program: ties to the even one.
int arrondi_pair(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

class FenetreAnimation : public FenetreDemarree {
protected:
    void SetUp() override
    {
        FenetreDemarree::SetUp();
        demarrer(f);
        ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, 2));
        hasard.semer(20240611); // after the start-up's seeding from the clock
    }

    Ui::PageIonique* p() { return f.ionique().ui(); }
    const EquilibresIoniques& m() { return f.ionique().modele(); }
    const AnimationFlux& a() { return m().anim; }
    void cliquer(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    ImageControle* visible() { return p()->ima_pe1->isHidden() ? p()->ima_pe2 : p()->ima_pe1; }
    void entrer()
    {
        cliquer(p()->BitBtn12);
        ASSERT_TRUE(m().mode_anim);
    }

    // The real event loop, at least a second and until the animation has
    // made `n` more ticks (20 s at most).
    void tourner(int n)
    {
        const auto tops_reels = [this] { return f.ionique().ticks_animation(); };
        const qint64 but = tops_reels() + n;
        QElapsedTimer chrono;
        chrono.start();
        QEventLoop boucle;
        QTimer garde;
        QObject::connect(&garde, &QTimer::timeout, [&] {
            if ((chrono.elapsed() >= 1000 && tops_reels() >= but) || chrono.elapsed() > 20000)
                boucle.quit();
        });
        garde.start(50);
        boucle.exec();
        ASSERT_GE(tops_reels(), but) << "the animation hardly ticked";
    }

    // The picture shows the model's particles: where no later particle covers
    // its 5 x 5 box, a disc of its colour (K+, odd, red; counter-ion, even,
    // lime) with a black outline; no box's centre left white; no red or lime
    // pixel outside every box.
    void montre_particules(const QImage& image)
    {
        const int n = a().nb_part;
        std::vector<char> couvert(static_cast<std::size_t>(image.width() * image.height()), 0);
        int entieres = 0;
        for (int i = 1; i <= n; ++i) {
            const AnimationFlux::Particule& q = a().particules[static_cast<std::size_t>(i)];
            bool recouverte = false;
            for (int j = i + 1; j <= n && !recouverte; ++j) {
                const AnimationFlux::Particule& r = a().particules[static_cast<std::size_t>(j)];
                recouverte = std::abs(r.x - q.x) < 5 && std::abs(r.y - q.y) < 5;
            }
            EXPECT_NE(image.pixelColor(q.x + 2, q.y + 2), blanc) << i;
            if (!recouverte) {
                ++entieres;
                EXPECT_EQ(image.pixelColor(q.x + 2, q.y + 2), i % 2 ? rouge : citron) << i;
                for (const QPoint& bord : {QPoint(2, 0), QPoint(0, 2), QPoint(4, 2)})
                    EXPECT_EQ(image.pixelColor(q.x + bord.x(), q.y + bord.y()), noir) << i;
            }
            for (int y = std::max(q.y, 0); y < std::min(q.y + 5, image.height()); ++y)
                for (int x = std::max(q.x, 0); x < std::min(q.x + 5, image.width()); ++x)
                    couvert[static_cast<std::size_t>(y * image.width() + x)] = 1;
        }
        EXPECT_GT(entieres, n / 3);
        int egares = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                egares += (c == rouge || c == citron) && couvert[static_cast<std::size_t>(y * image.width() + x)] == 0;
            }
        EXPECT_EQ(egares, 0);
    }
    // Pixels of that colour left (x < 150) or right of the membrane.
    static int compte(const QImage& image, const QColor& c, bool gauche)
    {
        return compter(image, c, gauche ? QRect(0, 0, 150, image.height()) : QRect(150, 0, image.width() - 150, image.height()));
    }

    // `n` ticks called directly, each checked against the rules; returns the
    // largest net count of crossings in the direction of diffusion.
    int tiquer(int n)
    {
        const double ek = m().etat.e_k;
        const int k_int = qRound(m().etat.k_int);
        const int quota = static_cast<int>(std::ceil(std::abs(ek / 10)));
        ImageControle* diffusion = ek < 0 ? p()->Ima_fl_i_e : p()->ima_fl_e_i;
        ImageControle* electrique = ek < 0 ? p()->ima_fl_e_i : p()->Ima_fl_i_e;
        const QRect g_diffusion = diffusion->geometry(), g_electrique = electrique->geometry();
        int max_net = 0;
        const bool deja = HasFailure(); // stop at the first tick that fails
        for (int t = 0; t < n && (deja || !HasFailure()); ++t) {
            SCOPED_TRACE(t);
            ImageControle* cachee = visible() == p()->ima_pe1 ? p()->ima_pe2 : p()->ima_pe1;
            f.ionique().Timer_animTimer();
            f.ionique().montrer_animation(); // shown now, not at the next refresh
            // The picture drawn comes on screen, the other is wiped.
            EXPECT_TRUE(!cachee->isHidden() && visible() == cachee);
            EXPECT_TRUE((cachee == p()->ima_pe1 ? p()->ima_pe2 : p()->ima_pe1)->image() == p()->Ima_sav->image());
            // Counter-ions never cross; the counters follow the K+ that did.
            int net_sortant = 0;
            for (int i = 1; i <= a().nb_part; ++i) {
                const bool parti_dedans = i <= k_int, dedans = a().particules[static_cast<std::size_t>(i)].x < 150;
                if (i % 2 == 0)
                    EXPECT_EQ(dedans, parti_dedans) << i;
                else
                    net_sortant += (parti_dedans && !dedans) - (!parti_dedans && dedans);
            }
            EXPECT_EQ(a().n_sorties - a().n_entrees, net_sortant);
            const int net = ek < 0 ? net_sortant : -net_sortant;
            max_net = std::max(max_net, net);
            EXPECT_EQ(p()->Lab_em->text(), a().texte_em);
            if (ek == 0)
                continue;
            EXPECT_LE(net, quota);
            // The page shows the model's mean (its rule is worked by hand in
            // the rules tests): the label, and the electrical arrow ten times
            // as wide, centred on the membrane.
            const Fleche& fl = ek < 0 ? a().fleche_entree : a().fleche_sortie;
            const QString valeur = QString::number(std::abs(10 * a().flux_moyen), 'f', 2);
            EXPECT_EQ(a().texte_em, (ek < 0 && valeur != "0.00" ? "Em=-" : "Em=") + valeur);
            EXPECT_EQ(electrique->geometry(), QRect(fl.left, g_electrique.y(), fl.width, g_electrique.height()));
            EXPECT_EQ(diffusion->geometry(), g_diffusion);
        }
        montre_particules(visible()->image());
        return max_net;
    }

    QStringList erreurs;
    TForm1 f{services()};
};

} // namespace

TEST_F(FenetreAnimation, BlockedWhileRecordingThenEnteringShowsTheDiffusionOfK)
{
    // Recording: the switch does nothing.
    cliquer(p()->BitBtn14);
    ASSERT_EQ(p()->BitBtn14->text(), "STOP");
    EXPECT_FALSE(p()->BitBtn12->isEnabled());
    const QString titre = p()->Label12->text();
    cliquer(p()->BitBtn12);
    EXPECT_FALSE(m().mode_anim);
    EXPECT_EQ(p()->Label12->text(), titre);
    EXPECT_TRUE(p()->BitBtn12->isVisible());
    EXPECT_FALSE(p()->BitBtn13->isVisible() || p()->GO->isVisible() || p()->Ima_fl_i_e->isVisible());
    EXPECT_TRUE(p()->ima_ki->isVisible() && p()->Scroll_gk->isVisible() && f.ionique().minuteries().Timer_k->isActive());
    cliquer(p()->BitBtn14);
    ASSERT_TRUE(p()->BitBtn12->isEnabled());

    entrer();
    EXPECT_EQ(p()->Label12->text(), "Travail sur le potentiel d'équilibre");
    EXPECT_FALSE(p()->BitBtn12->isVisible());
    EXPECT_TRUE(p()->BitBtn13->isVisible());
    EXPECT_EQ(p()->BitBtn13->text(), "Travail sur la perméabilité membrannaire");
    EXPECT_TRUE(p()->GO->isVisible());
    EXPECT_EQ(p()->GO->text(), "LANCER");
    for (QWidget* w : std::initializer_list<QWidget*>{
             p()->lab_gna, p()->lab_gk, p()->ima_nai, p()->ima_nae, p()->Scroll_nai, p()->Scroll_nae, p()->lab_nae,
             p()->lab_nai, p()->Scroll_gna, p()->Scroll_gk, p()->Shape11, p()->ima_ki, p()->ima_ke, p()->ani,
             p()->ane, p()->ima_pe2})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    for (QWidget* w : std::initializer_list<QWidget*>{
             p()->Scroll_ki, p()->Scroll_ke, p()->lab_ki, p()->lab_ke, p()->Lab_em, p()->ima_pe1, p()->Ima_pa,
             p()->ima_leg, p()->Ima_fl_i_e, p()->ima_fl_e_i, p()->force1, p()->force2})
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
    for (int i = 0; i < nb_boutons_courbe; ++i)
        EXPECT_FALSE(f.ionique().bouton(static_cast<BoutonCourbe>(i))->isEnabled()) << i;
    EXPECT_FALSE(f.ionique().minuteries().Timer_k->isActive() || f.ionique().minuteries().Timer_na->isActive() || f.ionique().minuteries().Timer_anim->isActive());

    // [K]i 150, [K]e 6: EeqK = -610/23 ln 25 = -85.37; diffusion pushes K+ out.
    EXPECT_NEAR(m().etat.e_k, facteur * std::log(25.0), 1e-9);
    EXPECT_EQ(p()->force1->text(), "Forces de diffusion");
    EXPECT_EQ(p()->force2->text(), "Forces électriques");
    EXPECT_EQ(p()->Ima_fl_i_e->x(), 295 - 85 / 2);
    EXPECT_EQ(p()->Ima_fl_i_e->width(), 85);
    EXPECT_EQ(p()->ima_fl_e_i->width(), 0);

    // 156 particles: 150 inside (left of x 150), 6 outside.
    ASSERT_EQ(a().nb_part, 156);
    for (int i = 1; i <= 156; ++i) {
        const int x = a().particules[static_cast<std::size_t>(i)].x;
        EXPECT_TRUE(i <= 150 ? x + 4 < 150 : x > 150) << i << " at " << x;
    }
    const QImage image = p()->ima_pe1->image();
    montre_particules(image);
    EXPECT_GT(compte(image, rouge, true), 0);
    EXPECT_GT(compte(image, citron, true), 0);
    EXPECT_GT(compte(image, rouge, false), 0);
    EXPECT_GT(compte(image, citron, false), 0);
}

TEST_F(FenetreAnimation, RunningBuildsTheElectricalForceThenLeavingRestoresThePage)
{
    entrer();
    cliquer(p()->GO);
    EXPECT_EQ(p()->GO->text(), "STOP");
    EXPECT_TRUE(f.ionique().minuteries().Timer_anim->isActive());
    // "rapide": a tick a millisecond, the timer waking once a refresh.
    EXPECT_EQ(f.ionique().intervalle_tick(), 1);
    EXPECT_GE(f.ionique().minuteries().Timer_anim->interval(), 1000 / (f.screen()->refreshRate() > 0 ? f.screen()->refreshRate() : 60) - 1);

    // quota = round(85.37 / 10) = 9: with 75 K+ inside against 3 outside the
    // net outward count reaches 9 within the first hundred ticks and stays
    // near it, so after 300 ticks the 50-tick mean is far above 2 (label 20)
    // and never above 9 (label 90).
    tourner(300);
    f.ionique().montrer_animation(); // the ticks since the last refresh
    EXPECT_TRUE(p()->ima_pe1->isHidden() != p()->ima_pe2->isHidden());
    const QImage image = visible()->image();
    for (bool gauche : {true, false}) {
        EXPECT_GT(compte(image, rouge, gauche), 0) << gauche;
        EXPECT_GT(compte(image, citron, gauche), 0) << gauche;
    }
    montre_particules(image);
    const QString em = p()->Lab_em->text();
    ASSERT_TRUE(em.startsWith("Em=-")) << em.toStdString();
    const double valeur = em.mid(4).toDouble();
    EXPECT_GT(valeur, 20);
    EXPECT_LE(valeur, 90);
    EXPECT_EQ(em, "Em=-" + QString::number(10 * a().flux_moyen, 'f', 2));
    const int w = p()->ima_fl_e_i->width();
    EXPECT_EQ(w, arrondi_pair(10 * a().flux_moyen));
    EXPECT_GT(w, 20);
    EXPECT_EQ(p()->ima_fl_e_i->x(), 295 - arrondi_pair(w / 2.0));
    EXPECT_EQ(p()->Ima_fl_i_e->geometry(), QRect(253, p()->Ima_fl_i_e->y(), 85, p()->Ima_fl_i_e->height()));

    // A pupil moves [K]e up to 8 while it runs: counters and mean to zero, refilled.
    int partis = 0;
    for (int i = 1; i <= 150; i += 2)
        partis += a().particules[static_cast<std::size_t>(i)].x > 150;
    ASSERT_GT(partis, 0) << "K+ crossed before the move";
    p()->Scroll_ke->setFocus();
    QTest::keyClick(p()->Scroll_ke, Qt::Key_Up);
    ASSERT_EQ(p()->lab_ke->text(), "[K]e= 8");
    EXPECT_EQ(a().n_entrees, 0);
    EXPECT_EQ(a().n_sorties, 0);
    EXPECT_EQ(a().flux_moyen, 0);
    EXPECT_EQ(a().nb_tops, 0);
    ASSERT_EQ(a().nb_part, 158);
    for (int i = 1; i <= 158; ++i) {
        const int x = a().particules[static_cast<std::size_t>(i)].x;
        EXPECT_TRUE(i <= 150 ? x + 4 < 150 : x > 150) << i << " at " << x;
    }
    montre_particules(visible()->image());
    const int diffusion = arrondi_pair(-facteur * std::log(150.0 / 8)); // 77.74
    EXPECT_EQ(p()->Ima_fl_i_e->geometry().left(), 295 - diffusion / 2);
    EXPECT_EQ(p()->Ima_fl_i_e->width(), diffusion);
    EXPECT_EQ(p()->ima_fl_e_i->width(), 0);
    EXPECT_EQ(p()->GO->text(), "STOP");
    EXPECT_TRUE(f.ionique().minuteries().Timer_anim->isActive());
    tourner(50);
    EXPECT_GT(a().nb_tops, 0) << "it keeps running";

    // Leaving while it runs.
    cliquer(p()->BitBtn13);
    EXPECT_EQ(p()->GO->text(), "LANCER");
    EXPECT_FALSE(f.ionique().minuteries().Timer_anim->isActive());
    EXPECT_FALSE(m().mode_anim);
    EXPECT_EQ(p()->Label12->text(), "Travail sur la perméabilité membrannaire");
    EXPECT_FALSE(p()->BitBtn13->isVisible() || p()->GO->isVisible());
    EXPECT_TRUE(p()->BitBtn12->isVisible() && p()->BitBtn12->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{
             p()->lab_gna, p()->lab_gk, p()->ima_ki, p()->ima_ke, p()->ima_nai, p()->ima_nae, p()->ani, p()->ane,
             p()->Scroll_ki, p()->Scroll_ke, p()->Scroll_nai, p()->Scroll_nae, p()->Scroll_gk, p()->Scroll_gna,
             p()->Shape11, p()->lab_nae, p()->lab_nai})
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
    for (QWidget* w : std::initializer_list<QWidget*>{p()->Ima_fl_i_e, p()->ima_fl_e_i, p()->force1, p()->force2})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    for (int i = 0; i < nb_boutons_courbe; ++i)
        EXPECT_TRUE(f.ionique().bouton(static_cast<BoutonCourbe>(i))->isEnabled()) << i;
    for (QTimer* t : {f.ionique().minuteries().Timer_k, f.ionique().minuteries().Timer_na})
        EXPECT_EQ(std::pair(t->isActive(), t->interval()), std::pair(true, 100)) << t->objectName().toStdString();
    ASSERT_EQ(p()->lab_gk->text(), "GK=0");
    p()->Scroll_gk->setFocus();
    QTest::keyClick(p()->Scroll_gk, Qt::Key_Up);
    EXPECT_EQ(p()->lab_gk->text(), "GK=1");
}

TEST_F(FenetreAnimation, TicksKeepTheNetOutwardCountWithinTheQuotaAndAverageIt)
{
    entrer();
    ASSERT_FALSE(f.ionique().minuteries().Timer_anim->isActive());
    ASSERT_EQ(std::tuple(a().n_entrees, a().n_sorties, a().flux_moyen, a().nb_tops), std::tuple(0, 0, 0.0, 0));
    // quota = round(8.537) = 9 (not 8): the net count climbs to 9 and no further.
    EXPECT_EQ(tiquer(600), 9);
    EXPECT_TRUE(p()->Lab_em->text().startsWith("Em=-"));
    EXPECT_GT(p()->ima_fl_e_i->width(), 0);
}

TEST_F(FenetreAnimation, EqualThenReversedGradientsOfK)
{
    entrer();
    // [K]i 100 then [K]e 100: EeqK = 0, no diffusion arrow; the net count
    // stays 0, the label says so and there is no electrical arrow.
    p()->Scroll_ki->setValue(200);
    ASSERT_EQ(p()->lab_ki->text(), "[K]i=100");
    tiquer(200);
    ASSERT_GT(p()->ima_fl_e_i->width(), 0);
    p()->Scroll_ke->setValue(200);
    ASSERT_EQ(p()->lab_ke->text(), "[K]e=100");
    ASSERT_EQ(m().etat.e_k, 0);
    EXPECT_EQ(a().nb_part, 200);
    EXPECT_EQ(p()->Ima_fl_i_e->width() + p()->ima_fl_e_i->width(), 0);
    tiquer(300);
    EXPECT_EQ(p()->Ima_fl_i_e->width() + p()->ima_fl_e_i->width(), 0);
    EXPECT_EQ(p()->Lab_em->text(), "Em=0.00");

    // [K]i 20, [K]e 200: EeqK = -610/23 ln 0.1 = +61.07; diffusion pushes K+ in.
    p()->Scroll_ki->setValue(280);
    p()->Scroll_ke->setValue(100);
    ASSERT_EQ(p()->lab_ki->text(), "[K]i=20");
    ASSERT_EQ(p()->lab_ke->text(), "[K]e=200");
    ASSERT_NEAR(m().etat.e_k, facteur * std::log(0.1), 1e-9);
    EXPECT_EQ(a().nb_part, 220);
    EXPECT_EQ(p()->ima_fl_e_i->width(), 61);
    EXPECT_EQ(p()->ima_fl_e_i->x(), 295 - 61 / 2);
    EXPECT_EQ(p()->Ima_fl_i_e->width(), 0);
    EXPECT_EQ(p()->force1->text(), "Forces électriques");
    EXPECT_EQ(p()->force2->text(), "Forces de diffusion");
    // 100 K+ outside against 10 inside: the net inward count reaches 6.107,
    // held at 6 or 7.
    const int net_maxi = tiquer(600);
    EXPECT_TRUE(net_maxi == 6 || net_maxi == 7) << net_maxi;
    EXPECT_GT(p()->Ima_fl_i_e->width(), 0);
    const QString em2 = p()->Lab_em->text();
    EXPECT_TRUE(em2.startsWith("Em=") && !em2.contains('-')) << em2.toStdString();
}

TEST_F(FenetreAnimation, OpeningAWorkFileWhileTheAnimationRunsReplaysItThere)
{
    entrer();
    cliquer(p()->GO);
    ASSERT_TRUE(f.ionique().minuteries().Timer_anim->isActive());
    for (int t = 0; t < 20; ++t)
        f.ionique().Timer_animTimer();
    // Three steps whose K+ concentrations differ; the last: 100 inside, 40 outside.
    QTemporaryDir d;
    const QString nom = d.filePath("trois.nst");
    ASSERT_TRUE(ecrire(nom, texte_nst({{100, 0, 150, 6, 8, 144}, {100, 0, 120, 20, 8, 144}, {100, 0, 100, 40, 8, 144}})));
    faux.dialogues.reponses = {nom};
    f.ui()->Ouvrir1->trigger();
    EXPECT_TRUE(erreurs.isEmpty() && faux.dialogues.messages.isEmpty());
    ASSERT_EQ(m().enregistreur.pas_max, 3);
    ASSERT_TRUE(f.ionique().minuteries().Timer_reaff->isActive());
    f.ionique().minuteries().Timer_reaff->setInterval(3'600'000); // our calls are the only ticks
    for (int i = 0; i < 500 && f.ionique().minuteries().Timer_reaff->isActive(); ++i) {
        f.ionique().tic_essai();
        f.ionique().Timer_animTimer();
    }
    EXPECT_FALSE(f.ionique().minuteries().Timer_reaff->isActive());
    // Still the equilibrium-potential mode, its animation refilled for the last step.
    EXPECT_TRUE(m().mode_anim);
    EXPECT_TRUE(f.ionique().minuteries().Timer_anim->isActive());
    EXPECT_EQ(p()->lab_ki->text(), "[K]i=100");
    EXPECT_EQ(p()->lab_ke->text(), "[K]e=40");
    EXPECT_EQ(a().nb_part, 140);
    for (int i = 0; i < nb_boutons_courbe; ++i)
        EXPECT_FALSE(f.ionique().bouton(static_cast<BoutonCourbe>(i))->isEnabled()) << i;
    // Leaving the mode gives the page and its timers back.
    cliquer(p()->BitBtn13);
    EXPECT_FALSE(m().mode_anim);
    EXPECT_FALSE(f.ionique().minuteries().Timer_anim->isActive());
    EXPECT_TRUE(f.ionique().minuteries().Timer_k->isActive());
    EXPECT_EQ(f.ionique().minuteries().Timer_k->interval(), 100);
    EXPECT_TRUE(p()->BitBtn14->isEnabled());
}

// At most a picture a refresh; stopping shows the last tick.
TEST_F(FenetreAnimation, AtMostAPictureARefreshAndStoppingShowsTheLastTick)
{
    entrer();
    cliquer(p()->GO);
    f.ionique().minuteries().Timer_anim->stop(); // our calls are the only ticks
    QElapsedTimer chrono;
    chrono.start();
    int images = 0;
    for (int t = 0; t < 100; ++t) {
        ImageControle* avant = visible();
        f.ionique().Timer_animTimer();
        images += visible() != avant;
    }
    const double hz = f.screen()->refreshRate() > 0 ? f.screen()->refreshRate() : 60;
    EXPECT_LE(images, 1 + chrono.elapsed() * hz / 1000) << images << " pictures in " << chrono.elapsed() << " ms";
    cliquer(p()->GO);
    montre_particules(visible()->image());
    EXPECT_EQ(p()->Lab_em->text(), a().texte_em);
}

// Em in this mode is the animation's own: nothing carried from the other
// mode, kept while stopped, back to 0 with a word when [K] changes while
// stopped; the report prints what the page shows; every [K] keeps the arrows
// between the two concentration labels.
TEST_F(FenetreAnimation, EmIsTheAnimationsOwnAndAChangeWhileStoppedSaysWhatItDid)
{
    const auto em_rapport = [this] {
        for (const SectionRapport& s : sections_utilisees(f.travail()))
            if (s.titre == "Équilibres ioniques")
                return s.lignes.filter(QRegularExpression("^Em\\W")).join('|') + '|' + s.lignes.filter("LANCER").join('|');
        return QString();
    };
    ASSERT_NE(p()->Lab_em->text(), "Em=0.00");
    entrer();
    QWidget* avis = p()->GroupBox10->findChild<QWidget*>("avis_anim");
    ASSERT_TRUE(avis);
    EXPECT_EQ(std::pair(p()->Lab_em->text(), avis->isVisible()), std::pair(QString("Em=0.00"), false)) << "no ion crossed yet";
    cliquer(p()->GO);
    p()->Scroll_ke->setValue(300); // [K]e = 0
    for (int t = 0; t < 600; ++t)
        f.ionique().Timer_animTimer();
    cliquer(p()->GO);
    const QString arrete = p()->Lab_em->text();
    EXPECT_TRUE(arrete.startsWith("Em=-19")) << arrete.toStdString();
    QTest::qWait(50);
    EXPECT_EQ(std::pair(p()->Lab_em->text(), avis->isVisible()), std::pair(arrete, false)) << "kept while stopped";
    EXPECT_EQ(em_rapport(), en_francais("Em : " + arrete.mid(3) + " mV|"));

    p()->Scroll_ke->setValue(294); // [K]e back to 6
    EXPECT_EQ(p()->Label9->text(), "EeqK=-85.37");
    EXPECT_EQ(p()->Lab_em->text(), "Em=0.00");
    EXPECT_TRUE(avis->isVisible() && avis->geometry().left() > p()->Scroll_ke->geometry().right());
    EXPECT_EQ(std::pair(p()->ima_fl_e_i->width(), p()->Ima_fl_i_e->width()), std::pair(0, 85));
    EXPECT_EQ(em_rapport(), en_francais("Em : 0.00 mV|" + m().avis_animation()));
    EXPECT_TRUE(m().avis_animation().contains("LANCER"));
    cliquer(p()->GO);
    EXPECT_FALSE(avis->isVisible());
    cliquer(p()->GO);

    for (int ki : {0, 300})
        for (int ke = 0; ke <= 300; ++ke) {
            p()->Scroll_ki->setValue(300 - ki);
            p()->Scroll_ke->setValue(300 - ke);
            const QRect aire(p()->lab_ki->geometry().right() + 1, 0, p()->lab_ke->x() - p()->lab_ki->geometry().right() - 1, 100);
            for (ImageControle* fleche : {p()->Ima_fl_i_e, p()->ima_fl_e_i})
                EXPECT_TRUE(aire.contains(fleche->geometry()) && !fleche->geometry().intersects(p()->GO->geometry()))
                    << ki << " " << ke;
        }
    cliquer(p()->BitBtn13);
    EXPECT_EQ(p()->Lab_em->text(), "Em=" + QString::number(m().etat.em, 'f', 2)) << "the membrane's again";
    EXPECT_FALSE(avis->isVisible());
}
