// The documents that come with the program, driven from the main window as a
// teacher drives them: the test phases' script stepped line by line and saved
// back, the experiments' pictures, the teachers' document, the acquisition
// program of older systems, and the colours of the pages' group boxes.
#include "outils.h"

#include "app/sonde.h"
#include "colours/mise_en_couleur.h"
#include "ionic/page_ionique.h"
#include "shell/jpeg.h"
#include "shell/lanceur.h"
#include "shell/rtf.h"
#include "stimulation/page_stimulation.h"
#include "ui_page_ionique.h"
#include "ui_page_stimulation.h"
#include "ui_tform_image.h"
#include "ui_tform_richedit.h"
#include "ui_tmise_couleur.h"
#include "colours/tmise_couleur.h"
#include <QMessageBox>

#include <QScreen>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include "labelling/page_accueil.h"
#include <QScrollBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace quillon;
using namespace quillon::essais;

namespace {

const QString jaune_nom = "#ffff00", gris_nom = "#c0c0c0", blanc_nom = "#ffffff", aucun;

// Six short lines (none wraps): numbered items "1)" and "12)", a line with a
// parenthesis beyond its third character, repeated two lines later.
const QByteArray script = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs20 Titre\\par 1) Premier essai\\par "
                          "Note (a)\\par 12) Douzi\\'e8me\\par Note (a)\\par Fin\\par}";
const QStringList lignes_script = {"Titre", "1) Premier essai", "Note (a)", "12) Douzième", "Note (a)", "Fin"};

// The background of a line's characters, read through a cursor after each
// one: "" when none, "mixte" when they differ.
QString fond(const QTextDocument& d, int ligne)
{
    const QTextBlock b = d.findBlockByNumber(ligne);
    QString commun = "?";
    for (int p = b.position(); p < b.position() + b.length() - 1; ++p) {
        QTextCursor c(const_cast<QTextDocument*>(&d));
        c.setPosition(p + 1);
        const QBrush fd = c.charFormat().background();
        const QString ici = fd.style() == Qt::NoBrush ? QString() : fd.color().name();
        if (commun == "?")
            commun = ici;
        else if (commun != ici)
            return "mixte";
    }
    return commun;
}

QByteArray fichier_couleurs(std::array<qint64, 5> v)
{
    QByteArray t;
    for (qint64 x : v)
        t += QByteArray::number(x) + "\r\n";
    return t;
}
constexpr qint64 face = -2147483633;

class FenetreDocuments : public FenetreDemarree {
protected:
    // A program folder with the bitmaps and the recorded potential.
    QString preparer(const QTemporaryDir& d)
    {
        copier_bitmaps(d);
        QFile::copy(dossier_construit() + "ess0.nst", d.path() + "/ess0.nst");
        return d.path() + "/";
    }
    // A program on that folder, started and shown; the acquisition program's
    // folder and the colours file those given.
    Programme& demarrer(const QString& dossier, const QString& mrl = QString(), const QString& couleurs = QString())
    {
        Services s = services(dossier);
        if (!mrl.isEmpty())
            s.dossier_mrl = mrl;
        if (!couleurs.isEmpty())
            s.fichier_couleurs = couleurs;
        programmes.push_back(std::make_unique<Programme>(s));
        TForm1& f = programmes.back()->Form1;
        f.Timer_debutTimer();
        EXPECT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
        EXPECT_TRUE(montrer(f));
        return *programmes.back();
    }
    static void onglet(TForm1& f, int i) { ASSERT_TRUE(cliquer_onglet(f.ui()->Notebook1, i)); }
    static void cliquer(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    // Options > Mise en couleur answered with three slider positions (none:
    // untouched), OK or Cancel; returns the positions found at opening.
    std::array<int, 3> melanger(Programme& p, std::optional<std::array<int, 3>> positions, bool ok)
    {
        std::array<int, 3> ouverture{-1, -1, -1};
        bool vu = false;
        QTimer t;
        t.setSingleShot(true);
        QObject::connect(&t, &QTimer::timeout, [&] {
            auto* u = p.mise_couleur().ui();
            vu = p.mise_couleur().isVisible() && QApplication::activeModalWidget() == &p.mise_couleur();
            if (!p.mise_couleur().isVisible())
                return;
            QScrollBar* s[3] = {u->scroll_rouge, u->Scroll_vert, u->Scroll_bleu};
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(s[i]->maximum(), 254);
                ouverture[i] = s[i]->value();
                if (positions)
                    s[i]->setValue((*positions)[i]);
            }
            cliquer(ok ? u->OKBtn : u->CancelBtn);
        });
        t.start(0);
        p.Form1.ui()->Miseencouleur1->trigger();
        EXPECT_TRUE(vu);
        EXPECT_FALSE(p.mise_couleur().isVisible());
        return ouverture;
    }
    static QColor couleur(QWidget* w) { return w->palette().color(QPalette::Window); }

    const QTemporaryDir& annexe = faux.annexe;
    const QString clr = annexe.filePath("couleurs.clr");
    std::vector<std::unique_ptr<Programme>> programmes;
};

} // namespace

TEST_F(FenetreDocuments, PhasesDeTestStepsThroughTheScriptWithTheRealButtons)
{
    QTemporaryDir d;
    ASSERT_TRUE(ecrire(d.path() + "/phases_demo.rtf", script));
    Programme& p = demarrer(preparer(d));
    TForm_richedit& v = p.Form_richedit();
    QTextDocument& doc = *v.ui()->RichEdit1->document();
    cliquer(p.Form1.ui()->BitBtn24);
    ASSERT_TRUE(v.isVisible());
    EXPECT_EQ(v.windowTitle(), "Description du logiciel");
    EXPECT_FALSE(v.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(doc.toPlainText(), lignes_script.join('\n'));
    ASSERT_EQ(v.lignes(), lignes_script);
    EXPECT_EQ(v.frameGeometry().topLeft(), QPoint(0, 0));
    // Beside the viewer, or as far right as keeps it whole on a narrow screen.
    const QPoint a_cote(std::min(v.frameGeometry().width(),
                                 p.Form1.screen()->availableGeometry().right() + 1 - p.Form1.frameGeometry().width()),
                        0);
    (void)QTest::qWaitFor([&] { return p.Form1.frameGeometry().topLeft() == a_cote; });
    EXPECT_EQ(p.Form1.frameGeometry().topLeft(), a_cote);

    const auto fonds = [&] {
        QStringList r;
        for (int i = 0; i < doc.blockCount(); ++i)
            r << fond(doc, i);
        return r;
    };
    QToolButton* bas = v.ui()->btn_bas;
    QToolButton* haut = v.ui()->BitBtn1;
    cliquer(haut); // before any step: nothing
    EXPECT_EQ(v.ligne_doc(), -1);
    EXPECT_EQ(fonds(), QStringList(6, aucun));
    cliquer(bas);
    EXPECT_EQ(fonds(), QStringList({jaune_nom, aucun, aucun, aucun, aucun, aucun}));
    cliquer(haut); // stays on the first line
    EXPECT_EQ(v.ligne_doc(), 0);
    EXPECT_EQ(fonds(), QStringList({jaune_nom, aucun, aucun, aucun, aucun, aucun}));
    cliquer(bas);
    EXPECT_EQ(fonds(), QStringList({blanc_nom, jaune_nom, aucun, aucun, aucun, aucun}));
    cliquer(bas); // "1)" passed: silver
    EXPECT_EQ(fonds(), QStringList({blanc_nom, gris_nom, jaune_nom, aucun, aucun, aucun}));
    cliquer(bas); // ")" beyond the third character: white
    EXPECT_EQ(fonds(), QStringList({blanc_nom, gris_nom, blanc_nom, jaune_nom, aucun, aucun}));
    cliquer(haut); // back up: "12)" passed, silver
    EXPECT_EQ(v.ligne_doc(), 2);
    EXPECT_EQ(fonds(), QStringList({blanc_nom, gris_nom, jaune_nom, gris_nom, aucun, aucun}));

    // Reopening reloads a clean script; the next step follows the old line.
    cliquer(p.Form1.ui()->BitBtn24);
    EXPECT_EQ(doc.toPlainText(), lignes_script.join('\n'));
    EXPECT_EQ(fonds(), QStringList(6, aucun));
    EXPECT_EQ(v.ligne_doc(), 2);
    cliquer(bas);
    EXPECT_EQ(v.ligne_doc(), 3);
    EXPECT_EQ(fond(doc, 3), jaune_nom);
    for (int i : {0, 1, 2})
        EXPECT_NE(fond(doc, i), jaune_nom) << i;
    cliquer(bas); // the repeated line: its first occurrence is highlighted
    EXPECT_EQ(v.ligne_doc(), 4);
    EXPECT_EQ(fond(doc, 2), jaune_nom);
    EXPECT_EQ(fond(doc, 3), gris_nom);
    EXPECT_EQ(fond(doc, 4), aucun);
    cliquer(bas);
    EXPECT_EQ(fond(doc, 2), blanc_nom);
    EXPECT_EQ(fond(doc, 4), aucun);
    EXPECT_EQ(fond(doc, 5), jaune_nom);
    cliquer(bas); // down on the last line keeps it
    EXPECT_EQ(v.ligne_doc(), 5);
    EXPECT_EQ(fond(doc, 5), jaune_nom);
    EXPECT_EQ(fond(doc, 2), blanc_nom);
    EXPECT_TRUE(erreurs.isEmpty());
}

TEST_F(FenetreDocuments, LinesWithNonBreakingSpacesAreSteppedToo)
{
    // Word processors put non-breaking spaces before French punctuation.
    QTemporaryDir d;
    const QString dossier = preparer(d);
    QFile f(d.path() + "/phases_demo.rtf");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1\\ansi Titre\\par 1)\\~Ouvrez \\'ab\\~Accueil\\~\\'bb\\par Fin\\~!}");
    f.close();
    Programme& p = demarrer(dossier);
    TForm_richedit& v = p.Form_richedit();
    cliquer(p.Form1.ui()->BitBtn24);
    QTextDocument& doc = *v.ui()->RichEdit1->document();
    ASSERT_EQ(doc.blockCount(), 3);
    cliquer(v.ui()->btn_bas);
    cliquer(v.ui()->btn_bas);
    EXPECT_EQ(fond(doc, 1), "#ffff00");
    cliquer(v.ui()->btn_bas);
    EXPECT_EQ(fond(doc, 1), "#c0c0c0");
    EXPECT_EQ(fond(doc, 2), "#ffff00");
}

TEST_F(FenetreDocuments, TheShippedScriptLoadsAsReadableText)
{
    Programme& p = demarrer(dossier_construit());
    cliquer(p.Form1.ui()->BitBtn24);
    ASSERT_TRUE(p.Form_richedit().isVisible());
    const QTextDocument& doc = *p.Form_richedit().ui()->RichEdit1->document();
    EXPECT_GT(p.Form_richedit().lignes().size(), 50);
    EXPECT_EQ(doc.firstBlock().text(), QString::fromUtf8("Quillon \u2013 Phases de test"));
    EXPECT_EQ(doc.findBlockByNumber(1).text(), QString::fromUtf8("Flèche bas\u00a0: suivante\u00a0; flèche haut\u00a0: retour."));
    for (const char* brut : {"\\rtf", "\\par", "{\\", "\\'"})
        EXPECT_FALSE(doc.toPlainText().contains(QLatin1String(brut))) << brut;
}

TEST_F(FenetreDocuments, EnregistrerWritesTheHighlightsBackOrReportsTheFile)
{
    QTemporaryDir d;
    const QString chemin = d.path() + "/phases_demo.rtf";
    ASSERT_TRUE(ecrire(chemin, script));
    Programme& p = demarrer(preparer(d));
    cliquer(p.Form1.ui()->BitBtn24);
    for (int i = 0; i < 3; ++i)
        cliquer(p.Form_richedit().ui()->btn_bas);
    auto* enregistrer = p.Form_richedit().findChild<QAction*>("Enregistrer1");
    ASSERT_NE(enregistrer, nullptr);
    EXPECT_TRUE(p.Form_richedit().ui()->RichEdit1->actions().contains(enregistrer));
    enregistrer->trigger();
    EXPECT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();

    const QByteArray ecrit = lire(chemin);
    EXPECT_NE(ecrit, script);
    QTextDocument relu;
    ASSERT_TRUE(lire_rtf(ecrit, relu));
    EXPECT_EQ(relu.toPlainText(), lignes_script.join('\n'));
    EXPECT_EQ(fond(relu, 0), blanc_nom);
    EXPECT_EQ(fond(relu, 1), gris_nom);
    EXPECT_EQ(fond(relu, 2), jaune_nom);
    EXPECT_EQ(fond(relu, 3), aucun);

    // The name taken by a folder: the file cannot be created.
    ASSERT_TRUE(QFile::remove(chemin));
    ASSERT_TRUE(QDir(d.path()).mkdir("phases_demo.rtf"));
    enregistrer->trigger();
    ASSERT_EQ(erreurs.size(), 1);
    EXPECT_TRUE(erreurs[0].startsWith("Impossible d'enregistrer le fichier " + QDir::toNativeSeparators(chemin) + " : "))
        << erreurs[0].toStdString();
}

TEST_F(FenetreDocuments, ExperimentButtonsShowTheirPicturesUnderATitle)
{
    // The start-up probe finds a current system: the pictures show.
    Programme& p = demarrer(dossier_construit());
    onglet(p.Form1, 1);
    TForm_image& v = p.Form_image();
    struct Cas {
        QAbstractButton* bouton;
        QString titre;
        QString image;
    };
    const Cas cas[] = {{p.Form1.stimulation().ui()->BitBtn8, "Mesure de la période réfractaire", "refract.jpg"},
                       {p.Form1.stimulation().ui()->BitBtn9, "Mesure du recrutement des fibres", "recrut.jpg"}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.image.toStdString());
        const ImageJpeg attendue = lire_jpeg(lire(dossier_construit() + c.image));
        ASSERT_FALSE(attendue.image.isNull());
        const int w = attendue.image.width(), h = attendue.image.height();
        cliquer(c.bouton);
        ASSERT_TRUE(v.isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
        EXPECT_EQ(v.ui()->Label1->text(), c.titre);
        EXPECT_EQ(v.ui()->Image1->image(), attendue.image);
        EXPECT_EQ(v.ui()->Image1->size(), QSize(w, h));
        if (v.windowHandle()->frameMargins().isNull())
            EXPECT_EQ(v.size(), QSize(w + 15 - 16, h + 40 - 38));
        else
            EXPECT_EQ(v.frameGeometry().size(), QSize(w + 15, h + 40));
        const QRect t = v.ui()->Label1->geometry();
        EXPECT_EQ(t.x(), (v.width() - t.width()) / 2);
        EXPECT_EQ(t.y(), v.height() - 25);
        EXPECT_GE(t.width(), v.ui()->Label1->fontMetrics().horizontalAdvance(c.titre));
        // The title stands on the window's background, over the picture.
        const QImage vue = v.grab().toImage();
        for (const QPoint& coin : {t.topLeft(), t.topRight()})
            EXPECT_EQ(vue.pixelColor(coin), v.palette().color(QPalette::Window));
    }
    EXPECT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
}

TEST_F(FenetreDocuments, DocumentButtonsCarryTheirPicturesWhereTheDesignPutsThem)
{
    Programme& p = demarrer(dossier_construit());
    onglet(p.Form1, 1);
    // Stimulation page: the 59 x 30 picture 18 pixels from the left edge,
    // the caption 10 pixels after it.
    const std::pair<QPushButton*, const char*> boutons[] = {
        {p.Form1.stimulation().ui()->BitBtn8, ":/art/refractaire.png"},
        {p.Form1.stimulation().ui()->BitBtn9, ":/art/recrutement.png"}};
    int y = 136;
    for (const auto& [b, chemin] : boutons) {
        SCOPED_TRACE(b->objectName().toStdString());
        EXPECT_EQ(b->geometry(), QRect(8, y, 335, 47));
        y = 185;
        const QImage vue = b->grab().toImage();
        const QImage glyphe = QImage(chemin).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(glyphe.size(), QSize(59, 30));
        int opaques = 0;
        for (int j = 0; j < 30; ++j)
            for (int i = 0; i < 59; ++i)
                if (qAlpha(glyphe.pixel(i, j)) == 255) {
                    ++opaques;
                    ASSERT_EQ(vue.pixelColor(18 + i, 8 + j), glyphe.pixelColor(i, j)) << i << ", " << j;
                }
        EXPECT_GT(opaques, 500);
        int encre = vue.width();
        for (int x = 18 + 59; x < vue.width() && encre == vue.width(); ++x)
            for (int j = 0; j < vue.height(); ++j)
                if (QColor(vue.pixel(x, j)).lightness() < 80)
                    encre = x;
        EXPECT_GE(encre, 18 + 59 + 10);
        EXPECT_LE(encre, 18 + 59 + 10 + 2);
    }
    // Home page: "Informations sur le logiciel" shows its 16 x 16 sheet (its navy lines).
    onglet(p.Form1, 0);
    const QImage infos = p.Form1.ui()->BitBtn2->grab().toImage();
    int marine = 0;
    for (int j = 0; j < infos.height(); ++j)
        for (int i = 0; i < infos.width(); ++i)
            marine += QColor(infos.pixel(i, j)) == QColor(0, 0, 128);
    EXPECT_GE(marine, 30);
}

TEST_F(FenetreDocuments, AMissingOrCorruptPictureIsReportedAndNotShown)
{
    QTemporaryDir d;
    Programme& p = demarrer(preparer(d));
    p.Form1.version_windows = version_vista;
    onglet(p.Form1, 1);
    QAbstractButton* bouton = p.Form1.stimulation().ui()->BitBtn8;
    cliquer(bouton);
    EXPECT_EQ(erreurs,
              QStringList{"Impossible d'ouvrir le fichier " + QDir::toNativeSeparators(d.path() + "/refract.jpg")});
    EXPECT_FALSE(p.Form_image().isVisible());

    QByteArray bruit;
    quint32 x = 12345;
    for (int i = 0; i < 4000; ++i) {
        x = x * 1103515245u + 12345u;
        bruit += char(x >> 24);
    }
    bruit[0] = 'Q'; // not a JPEG start marker
    ASSERT_TRUE(ecrire(d.path() + "/refract.jpg", bruit));
    erreurs.clear();
    cliquer(bouton);
    ASSERT_EQ(erreurs.size(), 1);
    EXPECT_FALSE(erreurs[0].isEmpty());
    EXPECT_FALSE(p.Form_image().isVisible());
}

TEST_F(FenetreDocuments, InformationsOpensTheTeachersDocumentWhenPresent)
{
    QTemporaryDir d;
    const QString doc = d.path() + "/QUIL_PED.doc";
    ASSERT_TRUE(QFile::copy(dossier_construit() + "QUIL_PED.doc", doc));
    Programme& p = demarrer(preparer(d));
    cliquer(p.Form1.ui()->BitBtn2);
    ASSERT_EQ(faux.lanceur.documents.size(), 1);
    EXPECT_EQ(QFileInfo(faux.lanceur.documents[0]).canonicalFilePath(), QFileInfo(doc).canonicalFilePath());
    ASSERT_TRUE(QFile::remove(doc));
    cliquer(p.Form1.ui()->BitBtn2);
    EXPECT_EQ(faux.lanceur.documents.size(), 1);
    EXPECT_TRUE(faux.lanceur.lancements.empty());
}

TEST_F(FenetreDocuments, OlderSystemsStartTheAcquisitionProgramAndCleanItsFolder)
{
    // Without the launch file nothing starts and the folder is left alone.
    {
        const QString mrl = annexe.path() + "/sans_pif";
        ASSERT_TRUE(QDir().mkpath(mrl));
        ASSERT_TRUE(ecrire(mrl + "/merlade.bat", "rem\r\n"));
        Programme& p = demarrer(dossier_construit(), mrl);
        p.Form1.version_windows = 11;
        onglet(p.Form1, 1);
        cliquer(p.Form1.stimulation().ui()->BitBtn8);
        EXPECT_TRUE(faux.lanceur.lancements.empty());
        EXPECT_FALSE(p.Form_image().isVisible());
        p.Form1.close();
        EXPECT_TRUE(QFile::exists(mrl + "/merlade.bat"));
    }
    // A template in the program folder: the start-up prepares the folder.
    QTemporaryDir d;
    const QString prog = preparer(d);
    ASSERT_TRUE(QDir(d.path()).mkdir("merlade"));
    ASSERT_TRUE(ecrire(d.path() + "/merlade/merlade.sav", "@ECHO OFF\r\nSET CHEM_MRL=C:\\ANCIEN\\\r\nmerlade.exe %1\r\n"));
    QByteArray ppp;
    for (int i = 0; i < 25003; ++i)
        ppp += char('A' + i % 23);
    ASSERT_TRUE(ecrire(d.path() + "/merlade/merlade.ppp", ppp));
    const QString mrl = annexe.path() + "/mrl";
    Programme& p = demarrer(prog, mrl);
    EXPECT_EQ(lire(mrl + "/merlade.pif"), ppp);
    const QList<QByteArray> bat = lire(mrl + "/merlade.bat").split('\n');
    ASSERT_GE(bat.size(), 4);
    EXPECT_EQ(bat[0], "@ECHO OFF\r");
    EXPECT_TRUE(bat[1].startsWith("SET CHEM_MRL=")) << bat[1].toStdString();
    EXPECT_TRUE(bat[1].contains(d.path().toLatin1())) << bat[1].toStdString();
    EXPECT_FALSE(bat[1].contains("ANCIEN"));
    EXPECT_EQ(bat[2], "merlade.exe %1\r");

    p.Form1.version_windows = 11;
    QDir::setCurrent(annexe.path());
    onglet(p.Form1, 1);
    const QString courant = QDir::currentPath();
    EXPECT_EQ(QDir(courant).canonicalPath(), QDir(d.path()).canonicalPath());
    cliquer(p.Form1.stimulation().ui()->BitBtn8);
    cliquer(p.Form1.stimulation().ui()->BitBtn9);
    ASSERT_EQ(faux.lanceur.lancements.size(), 2u);
    const char* experiences[] = {"&refr~A.exw", "&recr~A.exw"};
    for (int i = 0; i < 2; ++i) {
        const LancementMerlade& l = faux.lanceur.lancements[i];
        EXPECT_EQ(l.programme, mrl + "/merlade.pif");
        EXPECT_EQ(l.arguments, QStringList{QDir::toNativeSeparators(courant) + "\\merlade\\electro\\"
                                           + QLatin1String(experiences[i])});
        EXPECT_EQ(l.dossier, mrl);
    }
    EXPECT_EQ(QDir::currentPath(), courant);
    EXPECT_FALSE(p.Form_image().isVisible());
    EXPECT_TRUE(faux.lanceur.documents.isEmpty());
    EXPECT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();

    p.Form1.close();
    EXPECT_FALSE(QFileInfo::exists(mrl));
}

TEST_F(FenetreDocuments, MiseEnCouleurPaintsTheCurrentPageAndKeepsTheFile)
{
    Programme& p = demarrer(dossier_construit());
    QWidget* b10 = p.Form1.ionique().ui()->GroupBox10;
    QWidget* b7 = p.Form1.stimulation().ui()->GroupBox7;
    QWidget* b11 = p.Form1.stimulation().ui()->GroupBox11;
    const QColor avant10 = couleur(b10), avant7 = couleur(b7), avant4 = couleur(p.Form1.ui()->GroupBox4);

    onglet(p.Form1, 2);
    melanger(p, std::array{55, 155, 5}, false);
    EXPECT_EQ(couleur(b10), avant10);
    EXPECT_FALSE(QFile::exists(clr));

    melanger(p, std::array{55, 155, 5}, true); // components 200, 100, 250
    EXPECT_EQ(couleur(b10), QColor(200, 100, 250));
    EXPECT_TRUE(b10->autoFillBackground());
    EXPECT_EQ(couleur(b7), avant7);
    const QByteArray ionique = fichier_couleurs({face, face, face, face, 200 + 256 * 100 + 65536 * 250});
    EXPECT_EQ(lire(clr), ionique);

    EXPECT_EQ(melanger(p, std::array{0, 0, 0}, false), (std::array{55, 155, 5}));
    EXPECT_EQ(couleur(b10), QColor(200, 100, 250));
    EXPECT_EQ(lire(clr), ionique);

    onglet(p.Form1, 1);
    melanger(p, std::array{254, 0, 127}, true); // components 1, 255, 128
    EXPECT_EQ(couleur(b7), QColor(1, 255, 128));
    EXPECT_EQ(couleur(b11), QColor(1, 255, 128));
    EXPECT_EQ(couleur(b10), QColor(200, 100, 250));
    const QByteArray deux = fichier_couleurs({face, face, 1 + 256 * 255 + 65536 * 128, face, 16409800});
    EXPECT_EQ(lire(clr), deux);

    onglet(p.Form1, 0);
    ASSERT_TRUE(QFile::remove(clr));
    melanger(p, std::array{10, 20, 30}, true);
    EXPECT_EQ(lire(clr), deux);
    EXPECT_EQ(couleur(b7), QColor(1, 255, 128));
    EXPECT_EQ(couleur(b10), QColor(200, 100, 250));
    EXPECT_EQ(couleur(p.Form1.ui()->GroupBox4), avant4);
}

// "Aide" of the colour dialog says how colours are mixed and kept.
TEST_F(FenetreDocuments, TheColourDialogsHelpSaysHowToMixAndKeep)
{
    Tmise_couleur d;
    ASSERT_TRUE(montrer(d));
    QTest::mouseClick(d.ui()->HelpBtn, Qt::LeftButton);
    auto* aide = d.findChild<QMessageBox*>("AideCouleurs");
    ASSERT_TRUE(aide != nullptr && aide->isVisible());
    for (const char* mot : {"rouge, du vert et du bleu", "gardée", "« Annuler »"})
        EXPECT_TRUE(aide->text().contains(QString::fromUtf8(mot))) << mot;
}

TEST_F(FenetreDocuments, ColoursSurviveARestartAndAMalformedFileGivesBlack)
{
    ASSERT_TRUE(ecrire(clr, fichier_couleurs({face, face, face, face, 16744448}))); // red 0, green 128, blue 255
    {
        Programme& p = demarrer(dossier_construit());
        EXPECT_EQ(couleur(p.Form1.ionique().ui()->GroupBox10), QColor(0, 128, 255));
        onglet(p.Form1, 2);
        EXPECT_EQ(melanger(p, std::array{55, 155, 5}, true), (std::array{0, 127, 0}));
        EXPECT_EQ(lire(clr), fichier_couleurs({face, face, face, face, 16409800}));
        programmes.clear();
    }
    {
        Programme& p = demarrer(dossier_construit());
        EXPECT_EQ(couleur(p.Form1.ionique().ui()->GroupBox10), QColor(200, 100, 250));
        programmes.clear();
    }
    ASSERT_TRUE(ecrire(clr, "12abc\r\n\r\n12abc"));
    Programme& p = demarrer(dossier_construit());
    const QColor douze(12, 0, 0), noir(0, 0, 0);
    EXPECT_EQ(couleur(p.Form1.ui()->GroupBox4), douze);
    EXPECT_EQ(couleur(p.Form1.ui()->GroupBox3), noir);
    EXPECT_EQ(couleur(p.Form1.stimulation().ui()->GroupBox7), douze);
    EXPECT_EQ(couleur(p.Form1.stimulation().ui()->GroupBox11), douze);
    EXPECT_EQ(couleur(p.Form1.ui()->GroupBox8), noir);
    EXPECT_EQ(couleur(p.Form1.ionique().ui()->GroupBox10), noir);
}

TEST_F(FenetreDocuments, UnusableColoursFileAndScriptAreReportedWithTheirPath)
{
    // Folders where the files should be: none opens, none can be created.
    ASSERT_TRUE(QDir().mkdir(clr));
    QTemporaryDir d;
    const QString script = d.path() + "/phases_demo.rtf";
    ASSERT_TRUE(QDir().mkdir(script));
    programmes.push_back(std::make_unique<Programme>(services(preparer(d))));
    Programme& p = *programmes.back();
    p.Form1.Timer_debutTimer();
    EXPECT_EQ(erreurs, QStringList{"Impossible d'ouvrir le fichier " + natif(clr)});
    EXPECT_EQ(p.Form1.accueil().nb_legendes(), 10) << "the start-up went on";
    ASSERT_TRUE(montrer(p.Form1));

    erreurs.clear();
    melanger(p, std::array{1, 2, 3}, true);
    ASSERT_EQ(erreurs.size(), 1);
    EXPECT_TRUE(erreurs[0].startsWith("Impossible d'enregistrer le fichier " + natif(clr) + " : "));
    erreurs.clear();
    cliquer(p.Form1.ui()->BitBtn24);
    EXPECT_EQ(erreurs, QStringList{"Impossible d'ouvrir le fichier " + natif(script)});
    EXPECT_FALSE(p.Form_richedit().isVisible());
}

TEST_F(FenetreDocuments, AWrappedParagraphIsSteppedOneLaidOutLineAtATime)
{
    // A paragraph too long for the box: laid out on several lines, each
    // step highlights the next of them, words never repeated.
    QStringList mots;
    for (int i = 1; i <= 40; ++i)
        mots << QStringLiteral("mot%1").arg(i);
    QTemporaryDir d;
    ASSERT_TRUE(ecrire(d.path() + "/phases_demo.rtf", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs20 Titre\\par "
                                                          + mots.join(' ').toLatin1() + "\\par Fin\\par}"));
    Programme& p = demarrer(preparer(d));
    cliquer(p.Form1.ui()->BitBtn24);
    TForm_richedit& v = p.Form_richedit();
    const QStringList lignes = v.lignes();
    ASSERT_GE(lignes.size(), 5) << "the paragraph wraps";
    EXPECT_EQ(lignes.first(), "Titre");
    EXPECT_EQ(lignes.last(), "Fin");
    QTextDocument& doc = *v.ui()->RichEdit1->document();
    // The characters on a yellow background, in the document's order.
    const auto en_jaune = [&] {
        QString t;
        for (int c = 0; c + 1 < doc.characterCount(); ++c) {
            QTextCursor curseur(&doc);
            curseur.setPosition(c + 1);
            if (curseur.charFormat().background().color().name() == jaune_nom)
                t += doc.characterAt(c);
        }
        return t.trimmed();
    };
    for (int i = 0; i < lignes.size(); ++i) {
        cliquer(v.ui()->btn_bas);
        EXPECT_EQ(v.ligne_doc(), i);
        EXPECT_EQ(en_jaune(), lignes[i].trimmed()) << "step " << i;
    }
}

TEST_F(FenetreDocuments, TheFirstColoursAreSavedIntoAConfigurationFolderMadeForThem)
{
    // A first run: no configuration folder yet, two levels missing.
    const QString neuf = annexe.filePath("config/quillon/couleurs.clr");
    Programme& p = demarrer(dossier_construit(), {}, neuf);
    ASSERT_FALSE(QDir(annexe.filePath("config")).exists());
    onglet(p.Form1, 2);
    melanger(p, std::array{55, 155, 5}, true); // components 200, 100, 250
    EXPECT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
    EXPECT_EQ(lire(neuf), fichier_couleurs({face, face, face, face, 200 + 256 * 100 + 65536 * 250}));
}
