// The pupil's report: a scripted practical saved as PDF, read back with
// poppler's pdftotext, pdfinfo and pdftoppm.
#include "outils.h"

#include "app/compte_rendu.h"
#include "ionic/page_ionique.h"
#include "labelling/page_accueil.h"
#include "stimulation/page_stimulation.h"
#include "ui_page_ionique.h"
#include "ui_page_stimulation.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "impression.h"

using namespace quillon;
using namespace quillon::essais;

namespace {

// A poppler tool's standard output, or nothing when it is not installed.
QString poppler(const QString& outil, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(outil).isEmpty())
        return {};
    QProcess p;
    p.start(outil, arguments);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class CompteRendu : public FenetreDemarree {
protected:
    void SetUp() override
    {
        FenetreDemarree::SetUp();
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "poppler-utils missing";
        demarrer(f);
        faux.dialogues.eleves = Identite{"Léa Martin, Hugo Petit", "1re B"};
    }
    // The report saved as `nom`; its text, page by page.
    QStringList rapport(const QString& nom)
    {
        faux.dialogues.reponses = {temp.filePath(nom)};
        f.ui()->Compterendu1->trigger();
        QStringList pages = poppler("pdftotext", {"-layout", temp.filePath(nom), "-"}).split('\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }
    // The share of page n's pixels (rendered at 40 dpi) that are not white.
    double encre(const QString& nom, int n)
    {
        const QString racine = temp.filePath(QStringLiteral("page%1").arg(n));
        poppler("pdftoppm", {"-r", "40", "-png", "-f", QString::number(n), "-l", QString::number(n), "-singlefile",
                             temp.filePath(nom), racine});
        const QImage image(racine + ".png");
        if (image.isNull())
            return 0;
        int n_encre = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n_encre += image.pixelColor(x, y) != QColor(Qt::white);
        return double(n_encre) / (image.width() * image.height());
    }

    QTemporaryDir temp;
    TForm1 f{dossier_construit()};
};

} // namespace

TEST_F(CompteRendu, AScriptedPracticalGivesOnePagePerPartWithItsPicturesAndAnswers)
{
    // Labelling: "Axone" on its place, corrected.
    PageAccueil& a = f.accueil();
    glisser_vers(a.legende(2), a.cibles().at(1)->geometry().center());
    QTest::mouseClick(f.ui()->BitBtn3, Qt::LeftButton);
    const QString score = f.ui()->lab_result->text();
    ASSERT_EQ(score, "10 %");
    // Stimulation: two stimulations on a fibre, two answers, corrected.
    ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, 1));
    Ui::PageStimulation& s = *f.stimulation().ui();
    QTest::mouseClick(s.Radio_nerf_fibre, Qt::LeftButton);
    QTest::mouseClick(s.CheckBox1, Qt::LeftButton);
    ASSERT_TRUE(s.CheckBox1->isChecked());
    s.fib_lpr->setText("500");
    s.vit_influx->setText("12");
    QTest::mouseClick(s.BitBtn19, Qt::LeftButton);
    // Ionic equilibria: three programmed steps.
    ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, 2));
    Ui::PageIonique& io = *f.ionique().ui();
    QTest::mouseClick(io.BitBtn16, Qt::LeftButton);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(io.BitBtn17, Qt::LeftButton);
    QTest::mouseClick(io.BitBtn16, Qt::LeftButton);
    ASSERT_EQ(f.ionique().modele().pas_max, 3);

    const QStringList pages = rapport("rendu.pdf");
    ASSERT_EQ(pages.size(), 3) << pages.join("\n----\n").toStdString();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        for (const QString& attendu : {QString("Léa Martin, Hugo Petit"), QString("classe : 1re B"),
                                       QString("Quillon 1.0"), QString("page %1 / 3").arg(i + 1)})
            EXPECT_TRUE(pages[i].contains(attendu)) << attendu.toStdString();
    }
    const struct {
        int page;
        const char* texte;
    } attendus[] = {
        {0, "Légendes du neurone"},
        {0, "Correction : 10 %"},
        {1, "Stimulation : Fibre"},
        {1, "Seconde stimulation : oui"},
        {1, "Cathode - électrode d'enregistrement 1 : "},
        {1, "à longue période réfractaire: 500 Hz — Résultat : juste"},
        {1, "sur la simulation 12 m/s — Résultat : faux"},
        {1, "Quel est le seuil de stimulation des fibres les plus sensibles? (sans réponse) — Résultat : faux"},
        {2, "Équilibres ioniques"},
        {2, "[Na]e"},
        {2, "Em (mV)"},
    };
    for (const auto& c : attendus)
        EXPECT_TRUE(pages[c.page].simplified().contains(QString::fromUtf8(c.texte)))
            << c.texte << "\n" << pages[c.page].toStdString();
    // The table: one row per step (step, six settings, Em with a decimal comma).
    int lignes = 0;
    for (auto m = QRegularExpression("^\\s*[123](\\s+\\d+){6}\\s+-?\\d+,\\d\\d\\s*$", QRegularExpression::MultilineOption)
                      .globalMatch(pages[2]);
         m.hasNext(); m.next())
        ++lignes;
    EXPECT_EQ(lignes, 3) << pages[2].toStdString();
    // The pictures are drawn on each page: far more ink than the text alone.
    for (int n = 1; n <= 3; ++n)
        EXPECT_GT(encre("rendu.pdf", n), 0.08) << n;
    EXPECT_EQ(faux.dialogues.demandes.back().nom_fichier,
              nom_compte_rendu(*faux.dialogues.eleves, QDate::currentDate()));
    EXPECT_TRUE(faux.dialogues.messages.isEmpty());
}

TEST_F(CompteRendu, AnEmptyPracticalSaysSoOnOnePageAndAFailedSaveLeavesNothing)
{
    const QStringList pages = rapport("vide.pdf");
    ASSERT_EQ(pages.size(), 1) << pages.join("\n----\n").toStdString();
    EXPECT_TRUE(pages[0].contains("Aucune partie du travail pratique")) << pages[0].toStdString();
    EXPECT_LT(encre("vide.pdf", 1), 0.05);

    // The names are remembered for the run; a folder that does not exist.
    const QString impossible = temp.filePath("absent/rendu.pdf");
    faux.dialogues.reponses = {impossible};
    f.ui()->Compterendu1->trigger();
    EXPECT_EQ(faux.dialogues.identites_proposees.back().noms, "Léa Martin, Hugo Petit");
    ASSERT_EQ(faux.dialogues.messages.size(), 1);
    EXPECT_EQ(faux.dialogues.messages[0], "Impossible de créer le fichier " + QDir::toNativeSeparators(impossible));
    EXPECT_FALSE(QFileInfo::exists(impossible));
    EXPECT_EQ(nom_compte_rendu({"  Léa / Hugo ", ""}, QDate(2026, 12, 7)), "compte_rendu_Léa_Hugo_2026-12-07.pdf");
}
