// The display size as a real second run of the program shows it, its window
// found on the X display (xwininfo, xprop) by the mark of this test, its
// settings in XDG_CONFIG_HOME: Linux's (scripts/windows/sautes.txt).
#include "outils.h"

#include "app/commande_taille.h"
#include "app/taille_ecran.h"
#include "shell/lanceur.h"

#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#ifndef Q_OS_WIN
#include <signal.h>
#endif

using namespace quillon;
using namespace quillon::essais;

namespace {

#ifndef Q_OS_WIN
QString sortie(const QString& programme, const QStringList& arguments)
{
    QProcess p;
    p.start(programme, arguments);
    p.waitForFinished(5000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The outer geometry of the main window of a run this test started, which
// is then ended, and that run's process; an empty one after 20 s without it.
QRect fenetre_lancee(qint64* processus = nullptr)
{
    static const QRegularExpression ligne(R"((0x\w+) "Quillon": \("quillon" "Quillon"\)\s+(\d+)x(\d+)\+(-?\d+)\+(-?\d+))");
    const QByteArray marque = "QUILLON_ESSAI=" + qgetenv("QUILLON_ESSAI");
    for (int essai = 0; essai < 100; ++essai, QTest::qWait(200)) {
        for (auto it = ligne.globalMatch(sortie("xwininfo", {"-root", "-children"})); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString pid = sortie("xprop", {"-id", m.captured(1), "_NET_WM_PID"}).section(" = ", 1).trimmed();
            QFile env("/proc/" + pid + "/environ");
            if (!pid.isEmpty() && env.open(QIODevice::ReadOnly) && env.readAll().split('\0').contains(marque)) {
                if (processus != nullptr)
                    *processus = pid.toLongLong();
                ::kill(pid.toInt(), SIGTERM);
                return {m.captured(4).toInt(), m.captured(5).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
            }
        }
    }
    return {};
}
#endif

// Settings of the runs started in a folder of the test's own, this test's
// mark in their environment; all given back afterwards.
class TailleRedemarree : public FenetreDemarree {
protected:
    void SetUp() override
    {
        FenetreDemarree::SetUp();
        for (const char* v : {"QT_SCALE_FACTOR", "XDG_CONFIG_HOME", "QUILLON_ESSAI"})
            avant.emplace_back(v, qgetenv(v));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        qputenv("QUILLON_ESSAI", QByteArray::number(QCoreApplication::applicationPid()));
        ASSERT_TRUE(QDir().mkpath(config.filePath("Quillon"))
                    && ecrire(config.filePath("Quillon/reglages.ini"), "[affichage]\ntaille=100\n"));
    }
    void TearDown() override
    {
        qunsetenv("QT_SCALE_FACTOR");
        retenir_taille_affichage(100);
        appliquer_taille_affichage();
        for (const auto& [v, valeur] : avant)
            valeur.isNull() ? qunsetenv(v) : qputenv(v, valeur);
        FenetreDemarree::TearDown();
    }
    QTemporaryDir config;
    std::vector<std::pair<const char*, QByteArray>> avant;
    const QSize client{TForm1::largeur - 16, TForm1::hauteur - 38}; // no window manager
};

} // namespace

#ifndef Q_OS_WIN
// Started without QT_SCALE_FACTOR at 125 %, "100 %" restarts at 100 %.
TEST_F(TailleRedemarree, ARestartAppliesTheChosenSizeToTheUsersOwnFactor)
{
    qunsetenv("QT_SCALE_FACTOR");
    retenir_taille_affichage(125);
    appliquer_taille_affichage();
    Services s = services();
    s.lanceur = &lanceur_systeme();
    s.programme = QStringLiteral(QUILLON_PROGRAMME);
    TForm1 f{s};
    demarrer(f);
    faux.dialogues.reponses_questions = {Reponse::Oui};
    f.ui()->Taille100->trigger();
    EXPECT_EQ(fenetre_lancee().size(), client);
}

// At QT_SCALE_FACTOR=2 the window would be 1880 x 1194 on the 1280 x 1024
// screen: the program starts again at 125 %, whole on the screen.
TEST_F(TailleRedemarree, AWindowTooLargeForTheScreenStartsAtTheLargestSizeThatFits)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", "2");
    p.setProcessEnvironment(env);
    // No pipe, which the second run would inherit and nobody drain.
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(QStringLiteral(QUILLON_PROGRAMME), {});
    ASSERT_TRUE(p.waitForStarted(5000));
    qint64 montre = 0;
    const QRect f = fenetre_lancee(&montre);
    EXPECT_EQ(montre, p.processId()) << "the process started shows the window, no second one";
    p.waitForFinished(5000);
    EXPECT_EQ(f.size(), client * 1.25);
    EXPECT_TRUE(QGuiApplication::primaryScreen()->geometry().contains(f)) << f.x() << "," << f.y();
}

#endif

// Kept 150 %: 1.5 on no factor of the user's. QT_SCALE_FACTOR=2 on 1280 x
// 1024 shows at 125 %, ticked, chosen without a restart; nothing fits 1024 x
// 600: as the run is. A restart that cannot start is said, the window stays.
TEST_F(TailleRedemarree, TheSizeInEffectIsOnOfferAndAFailedRestartIsSaid)
{
    qunsetenv("QT_SCALE_FACTOR");
    retenir_taille_affichage(150);
    appliquer_taille_affichage();
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1.5");
    qunsetenv("QT_SCALE_FACTOR");
    retenir_taille_affichage(100);
    appliquer_taille_affichage();
    EXPECT_FALSE(ajuster_taille_de_depart({956, 635}, {1024, 600}, 1) || qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
    qputenv("QT_SCALE_FACTOR", "2");
    appliquer_taille_affichage();
    EXPECT_TRUE(ajuster_taille_de_depart({956, 635}, {1280, 1024}, 2));
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR") + " " + QByteArray::number(taille_affichage_en_cours()), "1.25 125");
    struct : FauxLanceur { bool demarrer(const LancementMerlade&) override { return false; } } echoue;
    Services s = services();
    s.lanceur = &echoue;
    TForm1 f{s};
    demarrer(f);
    EXPECT_TRUE(f.ui()->Taille125->isChecked());
    f.ui()->Taille125->trigger();
    EXPECT_TRUE(faux.dialogues.questions.isEmpty());
    faux.dialogues.reponses_questions = {Reponse::Oui};
    f.ui()->Taille100->trigger();
    EXPECT_TRUE(faux.dialogues.messages.value(0).startsWith("Impossible de redémarrer") && f.isVisible());
}

// Run at QT_SCALE_FACTOR=1.25 by the test command: 125 % in effect, ticked
// though 100 % is kept, still fits the 1280 x 1024 screen (150 % does not).
TEST(TailleAffichage, SizesOfferedAreThoseThatFitMeasuredAt100)
{
    const QByteArray facteur = qgetenv("QT_SCALE_FACTOR");
    if (facteur != "1.25")
        GTEST_SKIP() << "run at 125 % only";
    retenir_taille_affichage(125);
    appliquer_taille_affichage();
    retenir_taille_affichage(100);
    TForm1 f{systeme(dossier_construit())};
    ASSERT_TRUE(montrer(f));
    f.taille().actualiser();
    EXPECT_TRUE(f.ui()->Taille125->isEnabled() && f.ui()->Taille125->isChecked() && f.ui()->Reduire1->isEnabled());
    EXPECT_FALSE(f.ui()->Taille150->isEnabled() || f.ui()->Agrandir1->isEnabled());
    qputenv("QT_SCALE_FACTOR", facteur);
}

#ifndef Q_OS_WIN
// Started on a work file named from its folder (a double click), the program reads it and keeps that folder.
TEST_F(TailleRedemarree, TheProgramStartedOnAWorkFileOpensIt)
{
    ASSERT_TRUE(ecrire(config.filePath("seq.nst"), texte_nst({{50, 20, 140, 5, 15, 150}})));
    QProcess p;
    p.setWorkingDirectory(config.path());
    p.start(QStringLiteral(QUILLON_PROGRAMME), {"seq.nst"});
    const QByteArray dossier = "dossier=" + QFile::encodeName(config.path());
    EXPECT_TRUE(QTest::qWaitFor([&] { return lire(config.filePath("Quillon/reglages.ini")).contains(dossier); }, 20000));
    EXPECT_TRUE(fenetre_lancee().isValid() && p.waitForFinished(5000));
}
#endif
