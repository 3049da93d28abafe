// The program in English: no French left in any window or page, no caption
// wider than its control in either language, the choice in Options >
// "Langue" kept for the next start, and the report and tables in English.
#include "fenetre/acces.h"

#include "app/preferences.h"
#include "app/sonde.h"
#include "common/dossiers_utilisateur.h"
#include "common/langue.h"
#include "common/tableur.h"
#include "outputs/mise_en_page_rapport.h"
#include "stimulation/valeurs_stimulation.h"
#include "shell/jpeg.h"
#include "shell/tform_image.h"
#include "ui_tform_image.h"
#include "ui_tform_richedit.h"

#include <QAction>
#include <QDate>
#include <QLocale>

#include "impression.h"

using namespace quillon;
using namespace quillon::essais;

namespace {

// The main window started with the four other windows shown and every text
// the pupil can make appear: the legends corrected, the sheet corrected, the
// equilibrium-potential mode with its animation and the recorder running,
// the measuring cursors on both charts.
class TouteLaFenetre : public FenetreDemarree {
protected:
    void ouvrir(Programme& p)
    {
        demarrer(p.Form1);
        TForm1& f = p.Form1;
        QTest::mouseClick(f.ui()->BitBtn3, Qt::LeftButton);
        f.ui()->Notebook1->setCurrentIndex(1);
        QTest::mouseClick(f.stimulation().ui()->BitBtn19, Qt::LeftButton);
        f.stimulation().activer_curseurs(true);
        f.ionique().activer_curseurs(true);
        f.ui()->Notebook1->setCurrentIndex(2);
        QTest::mouseClick(f.ionique().ui()->BitBtn14, Qt::LeftButton);
        QTest::mouseClick(f.ionique().ui()->BitBtn14, Qt::LeftButton);
        QTest::mouseClick(f.ionique().ui()->BitBtn16, Qt::LeftButton);
        QTest::mouseClick(f.ionique().ui()->BitBtn12, Qt::LeftButton);
        QTest::mouseClick(f.ionique().ui()->GO, Qt::LeftButton);
        f.ionique().Timer_animTimer();
        f.ionique().montrer_animation();
        p.AboutBox().show();
        p.mise_couleur().show();
        p.Form_richedit().ouvrir_phases(dossier_construit(), nullptr);
        f.version_windows = version_vista;
        f.BitBtn8Click();
    }
    void fermer(Programme& p)
    {
        QTest::mouseClick(p.Form1.ionique().ui()->GO, Qt::LeftButton);
        for (QWidget* d : std::initializer_list<QWidget*>{&p.AboutBox(), &p.mise_couleur(), &p.Form_richedit(), &p.Form_image()})
            d->hide();
    }
    // The windows to look at, the main one on each of its pages.
    template <class Voir>
    void chaque_vue(Programme& p, Voir voir)
    {
        for (int i = 0; i < 3; ++i) {
            p.Form1.ui()->Notebook1->setCurrentIndex(i);
            voir(&p.Form1, QStringLiteral("page %1").arg(i));
        }
        for (QWidget* d : std::initializer_list<QWidget*>{&p.AboutBox(), &p.mise_couleur(), &p.Form_richedit(), &p.Form_image()})
            voir(d, d->objectName());
    }
};

} // namespace

TEST_F(TouteLaFenetre, InEnglishNoWindowOrPageShowsAFrenchWord)
{
    const EnLangue anglais(QStringLiteral("en"));
    Programme p{services()};
    ouvrir(p);
    ASSERT_EQ(p.Form1.ui()->Notebook1->tabText(1), "Nerve/Fibre Stimulation");
    int vus = 0;
    chaque_vue(p, [&](QWidget* w, const QString& ou) {
        for (const QString& t : textes_montres(w)) {
            ++vus;
            // Each language's entry is named in that language.
            if (!t.startsWith(QLatin1String("Langue_"))) {
                EXPECT_FALSE(francais(t.mid(t.indexOf(QLatin1String(": ")) + 2))) << ou.toStdString() << " — " << t.toStdString();
            }
        }
    });
    EXPECT_GT(vus, 600);
    // The texts the pages compose themselves.
    EXPECT_EQ(p.Form1.ionique().ui()->GO->text(), "STOP");
    EXPECT_EQ(p.Form1.ionique().ui()->BitBtn16->text(), "End programming");
    EXPECT_EQ(p.Form1.stimulation().ui()->BitBtn19->text(), "Check");
    EXPECT_EQ(p.Form1.ionique().ui()->Label10->text().left(4), "ENa=");
    // "GK=100 GNa=10": a blank between the two, GNa where the design puts it.
    p.Form1.ionique().barre(Barre::gk)->setValue(0);
    const QLabel* gk = p.Form1.ionique().ui()->lab_gk;
    EXPECT_GE(p.Form1.ionique().ui()->lab_gna->x() - gk->geometry().right() - 1, gk->fontMetrics().horizontalAdvance(' ')) << gk->text().toStdString();
    // The documents in English: the test-phase script shown, the teachers' guide opened.
    // (The work files it names are the teacher's.)
    const QString script = p.Form_richedit().ui()->RichEdit1->toPlainText().remove(QRegularExpression("\\S+\\.nst"));
    EXPECT_TRUE(script.startsWith("Quillon") && !francais(script)) << script.left(300).toStdString();
    // The refractory period's figure with its English captions.
    EXPECT_EQ(p.Form_image().ui()->Image1->image(), lire_jpeg(lire(dossier_construit() + "en/refract.jpg")).image);
    EXPECT_NE(p.Form_image().ui()->Image1->image(), lire_jpeg(lire(dossier_construit() + "refract.jpg")).image);
    QTest::mouseClick(p.Form1.ui()->BitBtn2, Qt::LeftButton);
    EXPECT_EQ(faux.lanceur.documents, QStringList{dossier_construit() + "en/QUIL_PED.doc"});
    fermer(p);
}

TEST_F(TouteLaFenetre, InBothLanguagesNoCaptionIsWiderThanItsControl)
{
    for (const char* code : {"fr", "en"}) {
        const EnLangue langue(QString::fromLatin1(code));
        Programme p{services()};
        ouvrir(p);
        // French keeps the design's places; a longer "Nerf" pushes "Fibre" aside.
        const QRect fibre = p.Form1.stimulation().ui()->Radio_nerf_fibre->geometry();
        EXPECT_TRUE(QLatin1String(code) == QLatin1String("fr") ? fibre == QRect(44, 8, 42, 16) : fibre.right() == 85)
            << code << " " << fibre.x() << " " << fibre.width();
        chaque_vue(p, [&](QWidget* w, const QString& ou) {
            QStringList trop = textes_trop_larges(w);
            // The stimulator's French caption has always run under the intensity bar beside it.
            if (QLatin1String(code) == QLatin1String("fr"))
                trop.removeIf([](const QString& t) { return t.startsWith(QLatin1String("Label14 STIMULAT:")); });
            EXPECT_EQ(trop, QStringList()) << code << " " << ou.toStdString();
        });
        fermer(p);
    }
}

TEST_F(FenetreDemarree, OptionsLangueNamesEachLanguageInItselfAndKeepsTheChoiceForTheNextStart)
{
    TForm1 f{services()};
    demarrer(f);
    QStringList noms;
    for (QAction* a : f.ui()->Langue1->actions())
        noms << a->text() + (a->isChecked() ? "*" : "");
    EXPECT_EQ(noms, QStringList({"&Français*", "&English"}));
    // English chosen, the restart declined: kept for the next start, nothing restarted.
    f.ui()->Langue1->actions().at(1)->trigger();
    ASSERT_EQ(faux.dialogues.questions.size(), 1);
    EXPECT_TRUE(faux.dialogues.questions[0].startsWith("La langue choisie sera appliquée au prochain démarrage"));
    EXPECT_TRUE(faux.dialogues.questions[0].contains("\n\nThe chosen language will be used the next time Quillon starts."));
    EXPECT_EQ(reglages_utilisateur().value("affichage/langue").toString(), "en");
    EXPECT_EQ(langue_retenue(dossier_construit()), "en");
    EXPECT_TRUE(faux.lanceur.lancements.empty());
    EXPECT_EQ(langue_en_cours(), "fr");
    // Back to the language shown: no question.
    f.ui()->Langue1->actions().at(0)->trigger();
    EXPECT_EQ(faux.dialogues.questions.size(), 1);
    EXPECT_EQ(langue_retenue(dossier_construit()), "fr");
}

TEST_F(FenetreDemarree, InEnglishTheReportAndTheTablesAreWrittenForAnEnglishReader)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils missing";
    const EnLangue anglais(QStringLiteral("en"));
    TForm1 f{services()};
    demarrer(f);
    glisser_vers(f.accueil().legende(2), f.accueil().cibles().at(5)->geometry().center());
    QTest::mouseClick(f.ui()->BitBtn3, Qt::LeftButton);
    f.ui()->Notebook1->setCurrentIndex(1);
    f.stimulation().ui()->Scroll_i_stim->setValue(80);
    QTemporaryDir temp;
    faux.dialogues.eleves = Identite{"Tom Smith", "Year 11"};
    faux.dialogues.reponses = {temp.filePath("report.pdf")};
    f.ui()->Compterendu1->trigger();
    const QString texte = poppler("pdftotext", {temp.filePath("report.pdf"), "-"});
    // The date as the system's English writes it (a British one elsewhere).
    const QLocale date = QLocale::system().language() == QLocale::English ? QLocale::system() : QLocale(QLocale::English, QLocale::UnitedKingdom);
    for (const QString& attendu : {QStringLiteral("Labelling the neurone"), QStringLiteral("Labels: 0% correct"),
                                   QStringLiteral("Stimulus intensity: 0.20 V"), QStringLiteral("Tom Smith — class: Year 11"),
                                   date.toString(QDate::currentDate(), QLocale::LongFormat)})
        EXPECT_TRUE(texte.contains(attendu)) << attendu.toStdString() << "\n" << texte.toStdString();
    EXPECT_FALSE(francais(texte)) << texte.toStdString();
    // The stimulation's values: English headers, "," between fields, a decimal point.
    const QByteArray octets = valeurs_stimulation(f.stimulation().reglages(), f.stimulation().reponse());
    EXPECT_TRUE(octets.startsWith("\xEF\xBB\xBFIntensity (V),0.20\r\n")) << octets.left(40).toStdString();
    const QStringList csv = QString::fromUtf8(octets).split("\r\n");
    ASSERT_GT(csv.size(), 20);
    EXPECT_EQ(csv[2], "Nerve or fibre,Nerve");
    EXPECT_TRUE(csv.contains("Time (ms),Electrode 1 (a.u.),Electrode 2 (a.u.),Difference on screen (a.u.)"));
    // The names proposed for the files taken out (the French ones: Tableur.NumbersFieldsBytesAndNames).
    const QDateTime quand(QDate(2026, 12, 7), QTime(18, 51));
    QStringList noms;
    for (const ImageExportee& i : f.travail().images_exportees())
        noms << nom_propose(i.nom, quand, "csv");
    EXPECT_EQ(noms << nom_compte_rendu(*faux.dialogues.eleves, quand.date()),
              QStringList({"stimulation_2026-12-07_1851.csv", "chart_2026-12-07_1851.csv", "compartments_2026-12-07_1851.csv",
                           "neurone_2026-12-07_1851.csv", "report_Tom_Smith_2026-12-07.pdf"}));
}
