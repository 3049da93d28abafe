#include "outils.h"

#include "app/placement_fenetre.h"

#include "app/preferences.h"
#include "app/sonde.h"
#include "common/icones.h"
#include "common/lecture_image.h"
#include "ionic/page_ionique.h"
#include "labelling/page_accueil.h"
#include "ui_page_ionique.h"
#include "stimulation/page_stimulation.h"
#include "ui_page_stimulation.h"
#include "shell/taboutbox.h"
#include "ui_taboutbox.h"

#include <QApplication>
#include <QStyleFactory>
#include <memory>
#include <QDialog>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTabBar>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

#include "impression.h"

using namespace quillon;
using namespace quillon::essais;

TEST(Fenetre, DesignOfTheMainWindow)
{
    TForm1 f{systeme(dossier_construit())};
    EXPECT_EQ(f.windowTitle(), "Quillon");
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(f.minimumSize(), f.maximumSize());

    Classeur* nb = f.ui()->Notebook1;
    EXPECT_EQ(nb->geometry(), QRect(5, 1, 927, 567));
    ASSERT_EQ(nb->count(), 6);
    EXPECT_EQ(nb->tabText(0), "Accueil");
    EXPECT_EQ(nb->tabText(1), "Stimulation Nerf/Fibre");
    EXPECT_EQ(nb->tabText(2), "Equilibres ioniques");
    for (int i = 3; i < 6; ++i)
        EXPECT_TRUE(nb->tabText(i).isEmpty());
    EXPECT_EQ(nb->currentIndex(), 0);
    EXPECT_FALSE(nb->selectionnerParLegende("Loi de Fechner"));
    EXPECT_EQ(nb->currentIndex(), 0);
    EXPECT_TRUE(nb->selectionnerParLegende("Equilibres ioniques"));
    EXPECT_EQ(nb->currentIndex(), 2);

    // Fonts in pixels whatever the DPI: pages Tahoma 11, targets 16, score 15.
    EXPECT_EQ(nb->font().pixelSize(), 11);
    EXPECT_EQ(f.ui()->quillon1->font().pixelSize(), 16);
    EXPECT_EQ(f.ui()->lab_result->font().pixelSize(), 15);
    EXPECT_EQ(f.ui()->Label1->font().pixelSize(), 16);
    EXPECT_EQ(nb->tabBar()->font().pixelSize(), 11);
}

TEST(Fenetre, MenusAndTheirCaptions)
{
    TForm1 f{systeme(dossier_construit())};
    const QList<QAction*> haut = f.ui()->MainMenu1->actions();
    ASSERT_EQ(haut.size(), 3);
    EXPECT_EQ(haut[0]->text(), "&Fichier");
    EXPECT_EQ(haut[1]->text(), "&Options");
    EXPECT_EQ(haut[2]->text(), "&A propos");
    EXPECT_EQ(f.ui()->Ouvrir1->text(), "&Ouvrir");
    EXPECT_EQ(f.ui()->Sauve1->text(), "&Enregistrer");
    EXPECT_EQ(f.ui()->Quitter1->text(), "&Quitter");
    EXPECT_EQ(f.ui()->Afficherlespotdquilibre1->text(), "&Afficher les pot. d'équilibre");
    EXPECT_EQ(f.ui()->Miseencouleur1->text(), "&Mise en couleur");
}

TEST(Fenetre, TimersAtCreation)
{
    TForm1 f{systeme(dossier_construit())};
    struct Attendu {
        QTimer* t;
        int intervalle;
        bool actif;
    };
    // The ionic page's timers. At "rapide", a tick a millisecond, the
    // animation wakes once a refresh: every 16 ms on the tests' screen,
    // refreshed 60 times a second (1000 / 60 = 16.7, in whole milliseconds).
    ASSERT_EQ(f.screen()->refreshRate(), 60) << "not the tests' screen";
    const PageIonique::Minuteries& m = f.ionique().minuteries();
    const Attendu attendus[] = {{f.Timer_debut, 10, true},   {m.Timer_k, 100, true},
                                {m.Timer_na, 100, true},     {m.Timer_courbe, 500, false},
                                {m.Timer_reaff, 100, false}, {m.Timer_anim, 16, false}};
    for (const Attendu& a : attendus) {
        EXPECT_EQ(a.t->interval(), a.intervalle) << a.t->objectName().toStdString();
        EXPECT_EQ(a.t->isActive(), a.actif) << a.t->objectName().toStdString();
    }
    EXPECT_EQ(f.ionique().minuteries().Timer_anim->timerType(), Qt::PreciseTimer);
    f.Timer_debutTimer();
    EXPECT_FALSE(f.Timer_debut->isActive());
}

TEST(Fenetre, CentredOnTheFullScreen)
{
    EXPECT_EQ(position_centree(QSize(1280, 1024), {TForm1::largeur, TForm1::hauteur}), QPoint(162, 194));
    EXPECT_EQ(position_centree(QSize(1025, 768), {TForm1::largeur, TForm1::hauteur}), QPoint(34, 66));
    EXPECT_EQ(position_centree(QSize(800, 600), {TForm1::largeur, TForm1::hauteur}), QPoint(-78, -17)); // truncation toward zero
    // Within the available area; at its top-left when the window does not fit it.
    EXPECT_EQ(position_depart({0, 0, 1025, 768}, {0, 0, 1025, 700}, {TForm1::largeur, TForm1::hauteur}), QPoint(34, 65));
    EXPECT_EQ(position_depart({0, 0, 1024, 600}, {0, 30, 1024, 570}, {TForm1::largeur, TForm1::hauteur}), QPoint(0, 30));
}

TEST(Demarrage, FullSequenceBuildsTheExercise)
{
    QString erreur;
    TForm1 f{systeme(dossier_construit(), [&](const QString& m) { erreur = m; })};
    f.Timer_debutTimer();
    EXPECT_TRUE(erreur.isEmpty()) << erreur.toStdString();
    EXPECT_EQ(f.version_windows, version_vista);
    EXPECT_EQ(f.accueil().nb_legendes(), 10);
    EXPECT_EQ(f.ui()->quillon6->text(), "*****");
    EXPECT_EQ(f.ui()->quillon6->property("tag").toInt(), 1);
    EXPECT_EQ(f.ui()->quillon1->property("tag").toInt(), 10);
    EXPECT_DOUBLE_EQ(f.ionique().modele().etat.rapport_k, 18.0 / 21);
    EXPECT_DOUBLE_EQ(f.ionique().modele().etat.rapport_na, 18.0 / 32);
    EXPECT_DOUBLE_EQ(f.ionique().modele().etat.rapport_an, 17.0 / 20);
    EXPECT_EQ(f.ionique().modele().etat.na_ext, 144);
    EXPECT_EQ(f.ionique().modele().etat.k_int, 150);
    for (ImageControle* i : {f.ionique().ui()->ani, f.ionique().ui()->ane, f.ionique().ui()->ima_ki, f.ionique().ui()->ima_ke, f.ionique().ui()->ima_nai,
                             f.ionique().ui()->ima_nae, f.ionique().ui()->Ima_fl_i_e, f.ionique().ui()->ima_fl_e_i})
        EXPECT_FALSE(i->image().isNull()) << i->objectName().toStdString();
}

TEST(Demarrage, AMissingBitmapStopsBeforeTheLegends)
{
    QTemporaryDir dossier;
    copier_bitmaps(dossier, "na.bmp");
    QStringList messages;
    TForm1 f{systeme(dossier.path() + "/", [&](const QString& m) { messages << m; })};
    f.Timer_debutTimer();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "Impossible d'ouvrir le fichier " + natif(dossier.path() + "/na.bmp"));
    EXPECT_EQ(f.accueil().nb_legendes(), 0);
    EXPECT_EQ(f.ui()->quillon6->text(), "Gaine de myéline");
    EXPECT_EQ(f.ui()->quillon2->text(), "Synapse ");
    EXPECT_FALSE(f.ionique().ui()->ani->image().isNull()); // loaded before the missing one
    EXPECT_FALSE(f.ionique().ui()->ima_ke->image().isNull());
    EXPECT_TRUE(f.ionique().ui()->ima_nai->image().isNull());
    EXPECT_TRUE(f.ionique().ui()->Ima_fl_i_e->image().isNull());

    // The program stays usable: a correction of no legend scores 0 %.
    QTest::mouseClick(f.ui()->BitBtn3, Qt::LeftButton);
    EXPECT_EQ(f.ui()->lab_result->text(), "0 %");
}

TEST(Demarrage, BitmapsAreFoundWhateverTheirCase)
{
    QTemporaryDir dossier;
    copier_bitmaps(dossier, "k.bmp");
    QFile::copy(dossier_construit() + "k.bmp", dossier.path() + "/K.BMP");
    QString erreur;
    TForm1 f{systeme(dossier.path() + "/", [&](const QString& m) { erreur = m; })};
    f.Timer_debutTimer();
    EXPECT_TRUE(erreur.isEmpty()) << erreur.toStdString();
    EXPECT_EQ(f.accueil().nb_legendes(), 10);
}

TEST(Demarrage, TheMessageIsAStandardMessageBox)
{
    QTemporaryDir dossier;
    TForm1 f{systeme(dossier.path() + "/")};
    f.Timer_debut->stop();
    ASSERT_TRUE(montrer(f));
    QString texte;
    QTimer::singleShot(0, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite != nullptr) {
            texte = boite->text();
            boite->accept();
        }
    });
    f.Timer_debutTimer();
    EXPECT_EQ(texte, "Impossible d'ouvrir le fichier " + natif(dossier.path() + "/an.bmp"));
}

namespace {

// The started main window, shown, with the current folder elsewhere than
// the program folder.
class Onglets : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.Timer_debutTimer();
        ASSERT_TRUE(montrer(f));
        QDir::setCurrent(ailleurs.path());
    }
    void TearDown() override { QDir::setCurrent(dossier_construit()); }

    QString courant() const { return QDir::current().canonicalPath(); }
    QString programme() const { return QDir(dossier_construit()).canonicalPath(); }
    QString autre() const { return QDir(ailleurs.path()).canonicalPath(); }

    QTemporaryDir ailleurs;
    TForm1 f{systeme(dossier_construit(), [](const QString&) {})};
};

} // namespace

TEST_F(Onglets, ReleasingTheButtonOnATabRunsTheHandlerEvenOnTheShownTab)
{
    const auto cliquer = [&](int index) { cliquer_onglet(f.ui()->Notebook1, index); };
    const QString dossier = programme();

    cliquer(1);
    EXPECT_EQ(f.ui()->Notebook1->currentIndex(), 1);
    EXPECT_EQ(courant(), dossier);

    QDir::setCurrent(ailleurs.path());
    cliquer(1); // already shown: runs again
    EXPECT_EQ(courant(), dossier);

    QDir::setCurrent(ailleurs.path());
    cliquer(4); // blank tab whose page keeps the current folder
    EXPECT_EQ(f.ui()->Notebook1->currentIndex(), 4);
    EXPECT_EQ(courant(), autre());
    EXPECT_FALSE(f.ui()->GroupBox3->isVisible());

    cliquer(3);
    EXPECT_EQ(courant(), dossier);
    EXPECT_FALSE(f.ui()->GroupBox4->isVisible());

    QDir::setCurrent(ailleurs.path());
    cliquer(5);
    EXPECT_EQ(courant(), dossier);

    QDir::setCurrent(ailleurs.path());
    cliquer(0);
    EXPECT_EQ(courant(), autre());
}

TEST_F(Onglets, APageChosenFromTheKeyboardIsHandledToo)
{
    QTabBar* barre = f.ui()->Notebook1->tabBar();
    barre->setFocus();
    QTest::keyClick(barre, Qt::Key_Right);
    EXPECT_EQ(f.ui()->Notebook1->currentIndex(), 1);
    EXPECT_EQ(courant(), programme());

    QDir::setCurrent(ailleurs.path());
    QTest::keyClick(f.ui()->Notebook1, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(f.ui()->Notebook1->currentIndex(), 2);
    QTest::keyClick(f.ui()->Notebook1, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(f.ui()->Notebook1->currentIndex(), 3);
    EXPECT_EQ(courant(), programme());
}

TEST_F(Onglets, APageSetByTheProgramRunsNoHandler)
{
    f.ui()->Notebook1->setCurrentIndex(1);
    EXPECT_EQ(courant(), autre());
}

TEST(APropos, AboutBoxDesign)
{
    TAboutBox boite;
    EXPECT_EQ(boite.windowTitle(), "A propos");
    EXPECT_EQ(boite.size(), QSize(317, 165));
    EXPECT_EQ(boite.ui()->ProductName->text(), "Logiciel Quillon");
    EXPECT_EQ(boite.ui()->Version->text(), "Version:1- 2012");
    EXPECT_EQ(boite.ui()->ProductName->couleurTexte(), QColor(0, 128, 128));
    EXPECT_TRUE(boite.ui()->ProductName->font().bold());
    EXPECT_EQ(boite.ui()->ProductName->font().pixelSize(), 12);
    EXPECT_EQ(boite.ui()->OKButton->geometry(), QRect(112, 132, 77, 27));
    EXPECT_FALSE(boite.ui()->ProgramIcon->image().isNull());
}

TEST(APropos, MenuShowsItModallyAndOkClosesIt)
{
    Programme p{systeme(dossier_construit(), [](const QString&) {})};
    p.Form1.Timer_debutTimer();
    ASSERT_TRUE(montrer(p.Form1));
    bool vu = false;
    QTimer::singleShot(0, [&] {
        QWidget* modale = QApplication::activeModalWidget();
        vu = modale == &p.AboutBox();
        QTest::mouseClick(p.AboutBox().ui()->OKButton, Qt::LeftButton);
    });
    p.Form1.ui()->Apropos1->trigger();
    EXPECT_TRUE(vu);
    EXPECT_FALSE(p.AboutBox().isVisible());
}

TEST(Fenetres, CreatedInOrderWithTheirCaptions)
{
    Programme p{systeme(dossier_construit())};
    EXPECT_EQ(p.mise_couleur().windowTitle(), "Mise en couleur");
    EXPECT_EQ(p.Form_richedit().windowTitle(), "Description du logiciel");
    EXPECT_EQ(p.Form_image().windowTitle(), "Form_image");
    EXPECT_FALSE(p.mise_couleur().isVisible());
    EXPECT_FALSE(p.Form_image().isVisible());
}

TEST(Quitter, QuitterClosesTheWindowWithoutAQuestion)
{
    TForm1 f{systeme(dossier_construit())};
    f.Timer_debut->stop();
    ASSERT_TRUE(montrer(f));
    bool fin = false;
    QObject::connect(&f, &TForm1::ferme, [&] { fin = true; });
    f.ui()->Quitter1->trigger();
    EXPECT_TRUE(fin);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Pictures are read in the format their name gives; the start-up, first
// paint included, reads no picture by guessing, which would load every image
// plugin of the system before the window shows.
TEST(Demarrage, PicturesReadByTheirNameAndNoImagePluginLoaded)
{
    EXPECT_EQ(lire_image(":/art/image1.ppm").size(), QSize(480, 312));
    EXPECT_EQ(lire_image(":/art/image2.ppm").size(), QSize(404, 531));
    QTemporaryDir dossier;
    // The embedded pictures, taken as they stand, are Qt's reading of them,
    // pixel for pixel; the same file on disk goes through Qt's reader.
    for (const char* nom : {"image1.ppm", "image2.ppm"}) {
        const QString ressource = QStringLiteral(":/art/") + QLatin1String(nom);
        QImageReader qt(ressource, "ppm");
        qt.setAutoDetectImageFormat(false);
        const QImage attendue = qt.read();
        ASSERT_FALSE(attendue.isNull()) << nom;
        EXPECT_EQ(lire_image(ressource).convertToFormat(attendue.format()), attendue) << nom;
        ASSERT_TRUE(QFile::copy(ressource, dossier.filePath(QLatin1String(nom))));
        EXPECT_EQ(lire_image(dossier.filePath(QLatin1String(nom))), attendue) << nom;
    }
    ASSERT_TRUE(QFile::copy(dossier_construit() + "k.bmp", dossier.filePath("K.BMP")));
    ASSERT_TRUE(QFile::copy(dossier_construit() + "k.bmp", dossier.filePath("k.png")));
    ASSERT_TRUE(QFile::copy(dossier_construit() + "k.bmp", dossier.filePath("k")));
    EXPECT_FALSE(lire_image(dossier.filePath("K.BMP")).isNull());
    EXPECT_TRUE(lire_image(dossier.filePath("k.png")).isNull());
    EXPECT_TRUE(lire_image(dossier.filePath("k")).isNull());

#ifdef Q_OS_LINUX
    const auto greffon_charge = [] {
        QFile cartes(QStringLiteral("/proc/self/maps"));
        return cartes.open(QIODevice::ReadOnly) && cartes.readAll().contains("/imageformats/");
    };
    // A message box shown by an earlier test of this process loads them:
    // the check holds for a process of its own, as ctest runs each test.
    if (greffon_charge())
        GTEST_SKIP() << "image plugins already loaded by an earlier test of this process";
    Programme p{systeme(dossier_construit())};
    p.Form1.Timer_debutTimer();
    ASSERT_TRUE(montrer(p.Form1));
    QTest::qWait(50);
    EXPECT_FALSE(greffon_charge());
#endif
}

// The pages behind the tabs are built once the window has shown, or earlier
// by whatever reaches them first; never twice.
TEST(Demarrage, HiddenPagesBuiltAfterTheWindowShowsOrAtFirstUse)
{
    const auto construite = [](QWidget* page) { return !page->findChildren<QWidget*>().isEmpty(); };
    {
        TForm1 f{systeme(dossier_construit())};
        EXPECT_FALSE(construite(f.ui()->page_stimulation));
        EXPECT_FALSE(construite(f.ui()->page_equilibres));
        ASSERT_TRUE(montrer(f));
        QCoreApplication::processEvents();
        EXPECT_TRUE(construite(f.ui()->page_stimulation));
        EXPECT_TRUE(construite(f.ui()->page_equilibres));
        const qsizetype nombre = f.ui()->page_stimulation->findChildren<QWidget*>().size();
        f.stimulation();
        QCoreApplication::processEvents();
        EXPECT_EQ(f.ui()->page_stimulation->findChildren<QWidget*>().size(), nombre);
    }
    TForm1 f{systeme(dossier_construit())};
    QPointer<QWidget> groupe = f.stimulation().ui()->GroupBox7;
    EXPECT_TRUE(construite(f.ui()->page_equilibres));
    QCoreApplication::processEvents();
    EXPECT_EQ(f.stimulation().ui()->GroupBox7, groupe.data());
}

// The about box, the colour mixer and the two viewers are built by the first
// command that shows them, once, and are the ones the program shows after.
TEST(Demarrage, OtherWindowsBuiltAtTheirFirstUse)
{
    const auto dialogues = [] {
        qsizetype n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<QDialog*>(w) != nullptr;
        return n;
    };
    const qsizetype avant = dialogues();
    QString erreur;
    Programme p{systeme(dossier_construit(), [&](const QString& m) { erreur = m; })};
    p.Form1.Timer_debutTimer();
    ASSERT_TRUE(montrer(p.Form1));
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogues(), avant);

    bool vu = false;
    QTimer::singleShot(0, [&] {
        vu = QApplication::activeModalWidget() == &p.AboutBox();
        p.AboutBox().reject();
    });
    p.Form1.ui()->Apropos1->trigger();
    EXPECT_TRUE(vu);
    EXPECT_EQ(dialogues(), avant + 1);
    TAboutBox* const about = &p.AboutBox();
    QTimer::singleShot(0, [&] { p.AboutBox().reject(); });
    p.Form1.ui()->Apropos1->trigger();
    EXPECT_EQ(&p.AboutBox(), about);
    EXPECT_EQ(dialogues(), avant + 1);

    // A viewer's error, once it is built, still reaches the main window.
    EXPECT_TRUE(erreur.isEmpty());
    emit p.Form_richedit().erreur(QStringLiteral("essai"));
    EXPECT_EQ(erreur, QStringLiteral("essai"));
}

// Tab captions in "MS Sans Serif" from the first tab on, the pages in
// "Tahoma"; the program's icon comes once the window has shown.
TEST(Demarrage, TabCaptionFontAndTheIconOnceTheWindowShows)
{
    if (!QGuiApplication::windowIcon().isNull())
        GTEST_SKIP() << "the application already has an icon";
    TForm1 f{systeme(dossier_construit())};
    const QFont onglets = f.ui()->Notebook1->tabBar()->font();
    EXPECT_EQ(onglets.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(onglets.pixelSize(), 11);
    EXPECT_EQ(f.ui()->Notebook1->font().family(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(f.windowIcon().isNull());
    ASSERT_TRUE(montrer(f));
    QCoreApplication::processEvents();
    const QList<QSize> tailles = f.windowIcon().availableSizes();
    EXPECT_TRUE(tailles.contains(QSize(32, 32)) && tailles.contains(QSize(48, 48))) << tailles.size();
}

// A deferred icon is made once, when first drawn; buttons measuring
// themselves and the menu bar's unused extension arrow never make it.
TEST(Demarrage, DeferredIconMadeOnceWhenFirstDrawn)
{
    int faites = 0;
    const QIcon icone = icone_differee([&] {
        ++faites;
        return icone_deux_etats(QStringLiteral(":/art/correction.png"));
    });
    EXPECT_FALSE(icone.isNull());
    QPushButton bouton;
    bouton.setIcon(icone);
    bouton.setIconSize(QSize(16, 16));
    (void)bouton.sizeHint();
    EXPECT_EQ(faites, 0);
    const QPixmap normale = icone.pixmap(QSize(16, 16));
    const QPixmap grisee = icone.pixmap(QSize(16, 16), QIcon::Disabled);
    EXPECT_EQ(faites, 1);
    EXPECT_FALSE(normale.isNull());
    EXPECT_NE(normale.toImage(), grisee.toImage());
    EXPECT_EQ(icone.availableSizes(), icone_deux_etats(QStringLiteral(":/art/correction.png")).availableSizes());
    EXPECT_EQ(faites, 1);

    // The menu bar's extension arrow, read when first drawn, is Qt's own drawing.
    const auto fleche = [](const QStyle* s) {
        return s->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
            .pixmap(QSize(16, 16))
            .toImage()
            .convertToFormat(QImage::Format_ARGB32);
    };
    const std::unique_ptr<QStyle> commun(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_NE(commun, nullptr);
    EXPECT_FALSE(fleche(QApplication::style()).isNull());
    EXPECT_EQ(fleche(QApplication::style()), fleche(commun.get()));
}

// The paces kept are tied to their actions, not to their captions (renamed here).
TEST(Fenetre, ThePacesKeptDoNotDependOnTheCaptions)
{
    struct : QTranslator {
        QString translate(const char*, const char* t, const char*, int) const override
        {
            return QStringList{"lente", "moyenne", "rapide"}.contains(t) ? QString("&") + t : QString();
        }
    } renommer;
    QCoreApplication::installTranslator(&renommer);
    retenir_vitesse(Vitesse::moyenne);
    TForm1 f{systeme(dossier_construit())};
    QCoreApplication::removeTranslator(&renommer);
    EXPECT_TRUE(f.ui()->Vitessemoyenne1->text() == "&moyenne" && f.ui()->Vitessemoyenne1->isChecked());
    f.ui()->Vitesserapide1->trigger();
    EXPECT_TRUE(vitesse_retenue() == Vitesse::rapide && f.ionique().intervalle_tick() == 1);
}
