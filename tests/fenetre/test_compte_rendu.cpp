// The pupil's report: a scripted practical saved as PDF, read back with
// poppler's pdftotext, pdfinfo and pdftoppm.
#include "outils.h"

#include "outputs/mise_en_page_rapport.h"
#include "common/papier.h"
#include "common/calque_curseurs.h"
#include "common/tableur.h"
#include "ionic/page_ionique.h"
#include "labelling/page_accueil.h"
#include "stimulation/page_stimulation.h"
#include "ui_page_ionique.h"
#include "ui_page_stimulation.h"

#include <QCheckBox>
#include <QLabel>
#include <QTimer>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "impression.h"

using namespace quillon;
using namespace quillon::essais;

namespace {

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
    // The picture of `zone` of `parent` that page n of the PDF holds (as poppler takes it out) shows, at each
    // point, the window's pixel there (or `attendu` when given), within the PDF's compression.
    void comme_l_ecran(const QString& nom, int n, QWidget* parent, QRect zone,
                       const std::vector<std::pair<QPoint, QColor>>& points)
    {
        const QString racine = temp.filePath(QStringLiteral("%1-%2").arg(nom).arg(n)), page = QString::number(n);
        poppler("pdfimages", {"-png", "-f", page, "-l", page, temp.filePath(nom), racine});
        QImage i;
        for (const QString& png : QDir(temp.path()).entryList({QFileInfo(racine).fileName() + "-*.png"}))
            if (QImage(temp.filePath(png)).size() == zone.size() * pixels_papier)
                i = QImage(temp.filePath(png)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(i.isNull()) << "no picture of " << zone.width() << "x" << zone.height();
        const QPoint o = parent->mapTo(&f, zone.topLeft());
        f.repaint();
        const QImage ecran = f.screen()->grabWindow(f.winId(), o.x(), o.y(), zone.width(), zone.height()).toImage();
        for (const auto& [p, attendu] : points) {
            const QColor vu = attendu.isValid() ? attendu : ecran.pixelColor((p - zone.topLeft()) * ecran.devicePixelRatio());
            const QColor papier = i.pixelColor((p - zone.topLeft()) * pixels_papier + QPoint(2, 2));
            EXPECT_LT(std::abs(papier.red() - vu.red()) + std::abs(papier.green() - vu.green())
                          + std::abs(papier.blue() - vu.blue()), 40) << p.x() << "," << p.y();
        }
    }
    // Page, width and height of each picture of the PDF, and its dots per inch.
    std::vector<QStringList> liste_images(const QString& nom)
    {
        std::vector<QStringList> l;
        for (const QString& ligne : poppler("pdfimages", {"-list", temp.filePath(nom)}).split('\n').mid(2))
            if (const QStringList c = ligne.simplified().split(' '); c.size() > 13)
                l.push_back({c[0], c[3], c[4], c[12]});
        return l;
    }

    QTemporaryDir temp;
    TForm1 f{services()};
};

} // namespace

TEST_F(CompteRendu, AScriptedPracticalGivesOnePagePerPartWithItsPicturesAndAnswers)
{
    // Labelling: legends 2 and 3 on their places, 4 and 5 on each other's, corrected.
    PageAccueil& a = f.accueil();
    for (const auto& [legende, place] : {std::pair{2, 1}, {3, 2}, {4, 4}, {5, 3}})
        glisser_vers(a.legende(legende), a.cibles().at(place)->geometry().center());
    QTest::mouseClick(f.ui()->BitBtn3, Qt::LeftButton);
    const QString score = f.ui()->lab_result->text();
    ASSERT_EQ(score, "20 %");
    // Stimulation: two stimulations on a fibre, two answers, corrected.
    ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, 1));
    Ui::PageStimulation& s = *f.stimulation().ui();
    s.Scroll_i_stim->setValue(30);
    QTest::mouseClick(s.Radio_nerf_fibre, Qt::LeftButton);
    QTest::mouseClick(s.CheckBox1, Qt::LeftButton);
    ASSERT_TRUE(s.CheckBox1->isChecked());
    s.fib_lpr->setText("500");
    s.vit_influx->setText("12");
    QTest::mouseClick(s.BitBtn19, Qt::LeftButton);
    // Ionic equilibria: three steps recorded as GK rises.
    ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, 2));
    Ui::PageIonique& io = *f.ionique().ui();
    QTest::mouseClick(io.BitBtn14, Qt::LeftButton);
    for (int gk : {30, 60, 100}) {
        io.Scroll_gk->setValue(100 - gk);
        f.ionique().tic_enregistrement();
    }
    QTest::mouseClick(io.BitBtn14, Qt::LeftButton);

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
        {0, "Correction : 20 %"},
        {1, "Stimulation : Fibre"},
        {1, "Seconde stimulation : oui"},
        {1, "Cathode - électrode d'enregistrement 1 : "},
        {1, "à longue période réfractaire : 500 Hz — Résultat : juste"},
        {1, "sur la simulation 12 m/s — Résultat : faux"},
        {1, "Quel est le seuil de stimulation des fibres les plus sensibles ? (sans réponse) — Résultat : faux"},
        {2, "Équilibres ioniques"},
        {2, "[Na]e"},
        {2, "Em (mV)"},
        {1, "Intensité de stimulation : 0,70 V"},
        {2, "mV"},
    };
    for (const auto& c : attendus)
        EXPECT_TRUE(pages[c.page].simplified().contains(QString::fromUtf8(c.texte)))
            << c.texte << "\n" << pages[c.page].toStdString();
    // One notation: decimal commas only.
    for (const QString& page : pages)
        EXPECT_FALSE(QString(page).remove("Quillon 1.0").contains(QRegularExpression("\\d\\.\\d"))) << page.toStdString();
    // The table: each recorded step, its six settings, its two equilibrium potentials and the Em plotted.
    QStringList em;
    for (auto m = QRegularExpression("^\\s*[123](\\s+\\d+){6}(\\s+-?\\d+,\\d\\d){2}\\s+(\\S+)\\s*$",
                                     QRegularExpression::MultilineOption).globalMatch(pages[2]);
         m.hasNext();)
        em << m.next().captured(3);
    ASSERT_EQ(em.size(), 3) << pages[2].toStdString();
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(em[i - 1], TableurCsv::nombre(f.ionique().modele().enregistreur.em_trace(i), 2)) << i;
    EXPECT_NE(em[2], "0,00");
    // Every picture at 200 dots per inch or more on paper.
    for (const QStringList& l : liste_images("rendu.pdf"))
        EXPECT_GE(l[3].toInt(), 200) << l.join(' ').toStdString();
    // The drawing: each legend laid in its verdict colour, the drawing itself where the Correction panel stands.
    ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, 0));
    const QImage& neurone = f.ui()->Image2->image();
    QRect zone = f.ui()->Image2->geometry();
    const QPoint panneau = f.ui()->Panel1->geometry().center();
    std::vector<std::pair<QPoint, QColor>> points{
        {panneau, neurone.pixelColor((panneau - zone.topLeft()) * neurone.devicePixelRatio())}};
    for (QWidget* c : a.cibles())
        zone |= c->geometry();
    for (Etiquette* l : {a.legende(2), a.legende(3), a.legende(4), a.legende(5)}) {
        zone |= l->geometry();
        points.push_back({l->geometry().bottomLeft() + QPoint(1, -1), l->couleur()});
        points.push_back({l->geometry().bottomRight() - QPoint(1, 1), {}});
    }
    comme_l_ecran("rendu.pdf", 1, f.ui()->Image2->parentWidget(), zone, points);
    // The chart: its Em scale and the dots it plotted.
    ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, 2));
    points.clear();
    for (int i = 1; i <= 3; ++i)
        points.push_back({io.Ima_pa->pos() + QPoint(5 * i + 3, std::lround(100 - f.ionique().modele().enregistreur.em_trace(i)) + 3),
                          QColor(0, 0, 128)});
    const QImage& leg = io.ima_leg->image(); // where the scale is flat, as the screen shows it at any ratio
    for (int y = 1, d = 0; y + 1 < leg.height(); y += 2)
        for (int x = 1; x + 1 < leg.width(); x += 2, d = 0) {
            while (d < 9 && leg.pixel(x + d % 3 - 1, y + d / 3 - 1) == leg.pixel(x, y))
                ++d;
            if (d == 9)
                points.push_back({io.ima_leg->pos() + QPoint(x, y), {}});
        }
    comme_l_ecran("rendu.pdf", 3, io.Ima_pa->parentWidget(),
                  (io.Label11->geometry() | io.ima_leg->geometry() | io.Ima_pa->geometry()).adjusted(-4, -4, 4, 4), points);
    EXPECT_EQ(faux.dialogues.demandes.back().nom_fichier,
              nom_compte_rendu(*faux.dialogues.eleves, QDate::currentDate()));
    EXPECT_TRUE(faux.dialogues.messages.isEmpty());
}

TEST_F(CompteRendu, AnEmptyPracticalSaysSoOnOnePageAndAFailedSaveLeavesNothing)
{
    const QStringList pages = rapport("vide.pdf");
    ASSERT_EQ(pages.size(), 1) << pages.join("\n----\n").toStdString();
    EXPECT_TRUE(pages[0].contains("Aucune partie du travail pratique")) << pages[0].toStdString();
    EXPECT_TRUE(liste_images("vide.pdf").empty());

    // The names are remembered for the run; a folder that does not exist.
    const QString impossible = temp.filePath("absent/rendu.pdf");
    faux.dialogues.reponses = {impossible};
    f.ui()->Compterendu1->trigger();
    EXPECT_EQ(faux.dialogues.identites_proposees.back().noms, "Léa Martin, Hugo Petit");
    ASSERT_EQ(faux.dialogues.messages.size(), 1);
    EXPECT_TRUE(faux.dialogues.messages[0].startsWith("Impossible d'enregistrer le fichier "
                                                      + QDir::toNativeSeparators(impossible) + " : "));
    EXPECT_FALSE(QFileInfo::exists(impossible));
    EXPECT_EQ(nom_compte_rendu({"  Léa / Hugo ", ""}, QDate(2026, 12, 7)), "compte_rendu_Léa_Hugo_2026-12-07.pdf");
}

// The window asks the printer check it was given: a printer there, the print
// dialog opens and no PDF is offered.
TEST_F(CompteRendu, WithAPrinterInstalledThePrintDialogOpens)
{
    faux.imprimante = true;
    QString titre;
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            titre = d->windowTitle();
            d->reject();
        }
    });
    f.ui()->Imprimercompterendu1->trigger();
    EXPECT_EQ(titre, "Imprimer le compte rendu");
    EXPECT_TRUE(faux.dialogues.questions.isEmpty());
}

TEST_F(CompteRendu, PrintingHonoursThePageRangeDrawsAsThePdfAndWithNoPrinterOffersThePdf)
{
    faux.dialogues.eleves = Identite{"Léa Martin-Dubois, Hugo Petitjean-Lefort, Chloé Bernardin-Moreau, "
                                     "Maxime Lefebvre-Durand", "1re S2"};
    glisser_vers(f.accueil().legende(2), f.accueil().cibles().at(1)->geometry().center());
    ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, 1));
    ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, 2));
    faux.imprimante = false;
    for (Reponse r : {Reponse::Non, Reponse::Oui}) {
        faux.dialogues.reponses_questions = {r};
        faux.dialogues.reponses = {temp.filePath("offert.pdf")};
        f.ui()->Imprimercompterendu1->trigger();
        EXPECT_EQ(std::exchange(faux.dialogues.questions, {}),
                  QStringList{"Aucune imprimante n'est installée.\n\nEnregistrer le compte rendu en PDF à la place ?"});
        EXPECT_EQ(QFileInfo::exists(temp.filePath("offert.pdf")), r == Reponse::Oui);
    }
    // Not corrected, no score; long names wrap beside the date: no two words of the page overlap.
    const QString texte = poppler("pdftotext", {"-f", "1", "-l", "1", temp.filePath("offert.pdf"), "-"});
    EXPECT_TRUE(texte.contains("Correction : pas encore demandée") && texte.contains("Lefebvre-Durand"));
    std::vector<QRectF> mots;
    for (auto m = QRegularExpression(R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re")
                      .globalMatch(poppler("pdftotext", {"-bbox", "-l", "1", temp.filePath("offert.pdf"), "-"}));
         m.hasNext();) {
        const QStringList c = m.next().capturedTexts();
        mots.push_back(QRectF(c[1].toDouble(), c[2].toDouble(), c[3].toDouble() - c[1].toDouble(),
                              c[4].toDouble() - c[2].toDouble()).adjusted(.5, .5, -.5, -.5));
    }
    ASSERT_GT(mots.size(), 20u);
    for (std::size_t i = 0; i < mots.size(); ++i)
        for (std::size_t j = i + 1; j < mots.size(); ++j)
            EXPECT_FALSE(mots[i].intersects(mots[j])) << i << " " << j;
    const std::vector<SectionRapport> sections = sections_utilisees(f.travail());
    const auto imprimer = [&](const QString& nom, int de, int a) {
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFileName(temp.filePath(nom));
        imprimante.setFromTo(de, a);
        imprimante.setPrintRange(de == 0 ? QPrinter::AllPages : QPrinter::PageRange);
        return imprimer_compte_rendu(imprimante, sections, *faux.dialogues.eleves, QDateTime::currentDateTime());
    };
    EXPECT_EQ(imprimer("page2.pdf", 2, 2), 1);
    const QString page2 = poppler("pdftotext", {temp.filePath("page2.pdf"), "-"});
    EXPECT_TRUE(page2.contains("page 2 / 3") && !page2.contains("page 1 / 3")) << page2.toStdString();
    // The printout holds the PDF's pictures on the same pages, as many pixels each.
    EXPECT_EQ(imprimer("tout.pdf", 0, 0), 3);
    std::vector<QStringList> imprime = liste_images("tout.pdf"), enregistre = liste_images("offert.pdf");
    for (auto* l : {&imprime, &enregistre})
        for (QStringList& i : *l)
            i.removeLast();
    EXPECT_EQ(imprime, enregistre);
    EXPECT_EQ(imprime.size(), 5u) << "the drawing, the nerve, the screen, the vessel, the chart";
}

TEST_F(CompteRendu, WhatChangedSinceTheCorrectionHasNoVerdictEveryPageSeenCountsAndThePaperReadsAsFrench)
{
    // From "Accueil", a work file of twelve steps opened: the ionic page shows and replays it.
    std::vector<PasNst> pas;
    for (int i = 0; i < 12; ++i)
        pas.push_back({9 * i, 5, 150, 6, 8, 144});
    ASSERT_TRUE(ecrire(temp.filePath("dix.nst"), texte_nst(pas)));
    faux.dialogues.reponses = {temp.filePath("dix.nst")};
    f.ui()->Ouvrir1->trigger();
    for (int i = 0; i < 500 && f.ionique().minuteries().Timer_reaff->isActive(); ++i)
        f.ionique().tic_essai();
    // "Segment initial" on its place, corrected, then moved onto the myelin's.
    PageAccueil& a = f.accueil();
    int segment = 0, myeline = 0;
    for (int k = 1; k <= a.exercice().nb_legendes(); ++k) {
        const QString t = a.exercice().legende(k).texte.simplified();
        segment = t == "Segment initial" ? k : segment;
        myeline = t == "Gaine de myéline" ? k : myeline;
    }
    ASSERT_TRUE(segment != 0 && myeline != 0);
    glisser_vers(a.legende(segment), a.cibles().at(segment - 1)->geometry().center());
    a.btn_correctionClick();
    ASSERT_EQ(f.ui()->lab_result->text(), "10 %");
    glisser_vers(a.legende(segment), a.cibles().at(myeline - 1)->geometry().center());
    // A nerve at 0.30 V, electrode 2 past the nerve's end; 40 m/s corrected then replaced by 12.
    ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, 1));
    Ui::PageStimulation& s = *f.stimulation().ui();
    s.Scroll_i_stim->setValue(70);
    glisser(s.Shape_enr2, QPoint(2, 10), QPoint(96, 0)); // to Left 320, the last place short of the box
    s.fib_lpr->setText("300 Hz");
    s.Edit_seuil->setText("0,2 volts");
    s.vit_influx->setText("40,5 m/s");
    QTest::mouseClick(s.BitBtn19, Qt::LeftButton);
    s.vit_influx->setText("12");
    // The cursor's reading drawn with a decimal comma on paper, left as it was on screen.
    f.ui()->Curseursdemesure1->trigger();
    QTest::mouseClick(s.Ima_st, Qt::LeftButton, {}, QPoint(5 * 31 + 3, 100));
    QLabel* lecture = f.stimulation().curseurs()->etiquette(0);
    const QString affichee = lecture->text();
    ASSERT_TRUE(affichee.contains('.')) << affichee.toStdString();
    lecture->setText(virgule_decimale(affichee));
    const QImage attendue = dessiner_pour_papier({s.Ima_st->parentWidget(), s.Ima_st->geometry(), {{s.Ima_st, s.Ima_st->pos(), {}}}});
    lecture->setText(affichee);
    EXPECT_EQ(dessiner_pour_papier({s.Ima_st->parentWidget(), s.Ima_st->geometry(), {{s.Ima_st, s.Ima_st->pos(), {}}}}), attendue);
    EXPECT_EQ(lecture->text(), affichee);
    f.ui()->Curseursdemesure1->trigger();

    const QStringList pages = rapport("modifie.pdf");
    ASSERT_GE(pages.size(), 3) << pages.join("\n----\n").toStdString();
    const QString tout = pages.join('\n').simplified();
    for (const char* texte : {"Correction : pas de score", "« Segment initial » : modifiée après la correction",
                              "Intensité de stimulation : 0,30 V", "12 m/s — modifiée après la correction",
                              "à longue période réfractaire : 300 Hz — Résultat : juste",
                              "commence à : (sans réponse)", "sensibles ? 0,2 volts — Résultat : juste",
                              "Électrode d'enregistrement 1 - électrode 2 : électrode 2 hors du nerf", "Équilibres ioniques",
                              "ENa (mV)"})
        EXPECT_TRUE(tout.contains(QString::fromUtf8(texte))) << texte << "\n" << tout.toStdString();
    for (const char* texte : {"10 %", "Hz Hz", "m/s m/s", "12 m/s — Résultat", "V V", "volts V", "EeqNa", "EnaK"})
        EXPECT_FALSE(tout.contains(QString::fromUtf8(texte))) << texte;
    EXPECT_FALSE(QString(tout).remove("Quillon 1.0").contains(QRegularExpression("\\d\\.\\d")));
    // The twelve steps on one page (the room left on the ionic page holds ten).
    const QRegularExpression rang("^\\s*\\d+(\\s+\\d+){6}(\\s+-?\\d+,\\d\\d){2}\\s+\\S+\\s*$", QRegularExpression::MultilineOption);
    EXPECT_EQ(pages.back().count(rang), 12) << pages.back().toStdString();
    // The screen's trace as the model scales a partly recruited nerve: 0.30 times the electrodes' difference.
    const ReponseStimulation& rep = f.stimulation().reponse();
    std::vector<std::pair<QPoint, QColor>> points;
    for (int j = 1; j <= 80; ++j)
        if (const double d = rep.enreg[j].voie1 - rep.enreg[j].voie2; std::abs(d) > 15)
            points.push_back({s.Ima_st->pos() + QPoint(5 * j + 3, std::lround(110 - 0.30 * d) + 3), QColor(0, 0, 128)});
    ASSERT_GE(points.size(), 3u);
    const QRect zone = (s.Ima_st->geometry() | s.prem_artef->geometry() | QRect(s.Ima_grad->pos(), QSize(420, 19))
                        | QRect(s.Ima_grad->pos() + QPoint(423, 5), s.Label21->size())).adjusted(-4, -4, 4, 4);
    comme_l_ecran("modifie.pdf", 2, s.Ima_st->parentWidget(), zone, points);
}
