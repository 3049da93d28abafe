// The display size as a real second process shows it: a restart applies the
// size chosen once to the user's own QT_SCALE_FACTOR, and a window too large
// for the screen starts again at the largest size that fits. The program's
// windows are found on the X display (xwininfo, xprop) and closed.
#include "outils.h"

#include "app/commande_taille.h"
#include "app/taille_affichage.h"
#include "shell/lanceur.h"

#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <signal.h>

using namespace quillon;
using namespace quillon::essais;

namespace {

struct FenetreX {
    QRect geometrie;
    qint64 pid = 0;
};

QString sortie(const QString& programme, const QStringList& arguments)
{
    QProcess p;
    p.start(programme, arguments);
    p.waitForFinished(5000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The test's mark in the environment of the processes it starts, so that
// tests running side by side on one display each find their own.
QByteArray marque()
{
    return "QUILLON_ESSAI=" + QByteArray::number(QCoreApplication::applicationPid());
}

bool marque(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/environ").arg(pid));
    return f.open(QIODevice::ReadOnly) && f.readAll().split('\0').contains(marque());
}

// The main window of a Quillon process this test started, waited for.
std::optional<FenetreX> fenetre_quillon()
{
    static const QRegularExpression ligne(
        R"((0x[0-9a-f]+) "Quillon": \("quillon" "Quillon"\)\s+(\d+)x(\d+)\+(-?\d+)\+(-?\d+))");
    static const QRegularExpression pid(R"(= (\d+))");
    for (int essai = 0; essai < 100; ++essai) {
        auto it = ligne.globalMatch(sortie("xwininfo", {"-root", "-children"}));
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            const qint64 p = pid.match(sortie("xprop", {"-id", m.captured(1), "_NET_WM_PID"})).captured(1).toLongLong();
            if (p != 0 && p != QCoreApplication::applicationPid() && marque(p))
                return FenetreX{QRect(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(2).toInt(),
                                      m.captured(3).toInt()),
                                p};
        }
        QTest::qWait(200);
    }
    return std::nullopt;
}

void fermer(const std::optional<FenetreX>& f)
{
    if (f)
        ::kill(static_cast<pid_t>(f->pid), SIGTERM);
}

// The user's settings of the program started, in a folder of the test's own;
// the environment and the size in effect given back afterwards.
class TailleRedemarree : public FenetreDemarree {
protected:
    void SetUp() override
    {
        FenetreDemarree::SetUp();
        for (const char* v : {"QT_SCALE_FACTOR", "XDG_CONFIG_HOME", "QUILLON_ESSAI"})
            avant.emplace_back(v, qgetenv(v));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        qputenv("QUILLON_ESSAI", marque().mid(marque().indexOf('=') + 1));
        QDir().mkpath(config.filePath("Quillon"));
    }
    void TearDown() override
    {
        for (const auto& [v, valeur] : avant)
            valeur.isNull() ? qunsetenv(v) : qputenv(v, valeur);
        retenir_taille_affichage(100);
        qunsetenv("QT_SCALE_FACTOR");
        appliquer_taille_affichage();
        for (const auto& [v, valeur] : avant)
            valeur.isNull() ? qunsetenv(v) : qputenv(v, valeur);
        FenetreDemarree::TearDown();
    }
    void taille_du_programme(int taille)
    {
        ASSERT_TRUE(ecrire(config.filePath("Quillon/reglages.ini"),
                           "[affichage]\ntaille=" + QByteArray::number(taille) + "\n"));
    }

    QTemporaryDir config;
    std::vector<std::pair<const char*, QByteArray>> avant;
};

// The client area without a window manager at ratio 1.
const QSize client(TForm1::largeur - 16, TForm1::hauteur - 38);

} // namespace

// Started without QT_SCALE_FACTOR at 125 %, "100 %" starts the program again
// at 100 %: the new run does not take this run's factor for the user's own.
TEST_F(TailleRedemarree, ARestartAppliesTheChosenSizeToTheUsersOwnFactor)
{
    qunsetenv("QT_SCALE_FACTOR");
    retenir_taille_affichage(125);
    appliquer_taille_affichage();
    ASSERT_EQ(taille_affichage_en_cours(), 125);
    taille_du_programme(100);
    TForm1 f(dossier_construit());
    demarrer(f);
    LanceurSysteme systeme;
    f.lanceur = &systeme;
    f.taille().programme = QStringLiteral(QUILLON_PROGRAMME);
    faux.dialogues.reponses_questions = {Reponse::Oui};
    f.ui()->Taille100->trigger();
    EXPECT_FALSE(f.isVisible());
    const std::optional<FenetreX> nouvelle = fenetre_quillon();
    fermer(nouvelle);
    ASSERT_TRUE(nouvelle) << "no second run";
    EXPECT_EQ(nouvelle->geometrie.size(), client);
}

// QT_SCALE_FACTOR=2 on the tests' 1280 x 1024 screen would make a window of
// 1880 x 1194: the program starts again at 125 %, whole on the screen.
TEST_F(TailleRedemarree, AWindowTooLargeForTheScreenStartsAtTheLargestSizeThatFits)
{
    taille_du_programme(100);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", "2");
    p.setProcessEnvironment(env);
    // Its output unread: a pipe, which its second run inherits, is never drained.
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(QStringLiteral(QUILLON_PROGRAMME), {});
    const std::optional<FenetreX> f = fenetre_quillon();
    fermer(f);
    p.waitForFinished(5000);
    ASSERT_TRUE(f) << "no window";
    EXPECT_EQ(f->geometrie.size(), client * 1.25);
    EXPECT_TRUE(QGuiApplication::primaryScreen()->geometry().contains(f->geometrie))
        << f->geometrie.x() << "," << f->geometrie.y();
}

// Run at QT_SCALE_FACTOR=1.25 (the test command's own run): at 125 % on the
// 1280 x 1024 screen, 125 % still fits once the window is measured at 100 %.
TEST(TailleAffichage, SizesOfferedAreThoseThatFitMeasuredAt100)
{
    if (qgetenv("QT_SCALE_FACTOR") != "1.25")
        GTEST_SKIP() << "run at 125 % only";
    const QByteArray facteur = qgetenv("QT_SCALE_FACTOR");
    retenir_taille_affichage(125);
    appliquer_taille_affichage();
    retenir_taille_affichage(100); // chosen, the restart not yet made
    TForm1 f(dossier_construit());
    ASSERT_TRUE(montrer(f));
    f.taille().actualiser();
    EXPECT_TRUE(f.ui()->Taille125->isEnabled());
    EXPECT_TRUE(f.ui()->Agrandir1->isEnabled());
    EXPECT_FALSE(f.ui()->Taille150->isEnabled()); // 1434 pixels wide
    qputenv("QT_SCALE_FACTOR", facteur);
}
