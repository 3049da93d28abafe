// The unpacked package's program folder, as the installed program computes it
// from its own folder usr/bin/, holds every file the program reads: the start-up
// sequence loads the ion pictures, the stimulation page the recorded action
// potential, the home page's buttons the script, the teachers' document and
// the two figures.
#include "common/dossier.h"
#include "app/programme.h"
#include "app/sonde.h"
#include "colours/mise_en_couleur.h"
#include "ionic/page_ionique.h"
#include "shell/jpeg.h"
#include "shell/lanceur.h"
#include "shell/rtf.h"
#include "stimulation/ess0.h"
#include "stimulation/page_stimulation.h"
#include "ui_page_ionique.h"
#include "ui_tform1.h"
#include "ui_tform_image.h"
#include "ui_tform_richedit.h"

#include <QDir>
#include <algorithm>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "impression.h"
#include "fenetre/gestes.h"
#include "regles/outils_regles.h"

using namespace quillon;
using namespace quillon::essais;

namespace {

const QString racine = QStringLiteral(QUILLON_PAQUET_RACINE);

class PaquetInstalle : public ::testing::Test {
protected:
    void SetUp() override
    {
        dossier_initial = QDir::currentPath();
        ASSERT_TRUE(QFile::exists(racine + "/usr/bin/quillon"))
            << "the package is not unpacked in " << racine.toStdString() << " (test Paquet.Construction)";
    }
    void TearDown() override { QDir::setCurrent(dossier_initial); }

    // The program started on its folder, its messages collected.
    Programme& demarrer(const QString& dossier)
    {
        Services s = faux.services(dossier);
        s.afficher_erreur = [this](const QString& m) { erreurs << m; };
        programme = std::make_unique<Programme>(s);
        programme->Form1.Timer_debutTimer();
        return *programme;
    }

    QString dossier_initial;
    Branchements faux;
    QStringList erreurs;
    FauxLanceur& lanceur = faux.lanceur;
    std::unique_ptr<Programme> programme;
};

} // namespace

TEST_F(PaquetInstalle, TheProgramFolderIsTheSharedDataFolder)
{
    EXPECT_EQ(dossier_pour_executable(racine + "/usr/bin"), racine + "/usr/share/quillon/");
    // Nothing beside the installed program makes it look there instead.
    EXPECT_FALSE(QFile::exists(racine + "/usr/bin/k.bmp"));
    EXPECT_FALSE(QFile::exists(racine + "/usr/bin/ess0.nst"));
}

TEST_F(PaquetInstalle, StartUpLoadsTheIonPicturesAndTheLegends)
{
    const QString dossier = dossier_pour_executable(racine + "/usr/bin");
    Programme& p = demarrer(dossier);
    ASSERT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
    const Ui::PageIonique* u = p.Form1.ionique().ui();
    struct Cas {
        const char* fichier;
        std::vector<ImageControle*> images;
    };
    const Cas cas[] = {{"an.bmp", {u->ani, u->ane}},          {"k.bmp", {u->ima_ki, u->ima_ke}},
                       {"na.bmp", {u->ima_nai, u->ima_nae}}, {"fl_i_e.bmp", {u->Ima_fl_i_e}},
                       {"fl_e_i.bmp", {u->ima_fl_e_i}}};
    for (const Cas& c : cas) {
        const QImage attendue = QImageReader(dossier + c.fichier).read();
        ASSERT_FALSE(attendue.isNull()) << c.fichier;
        for (ImageControle* i : c.images)
            EXPECT_EQ(i->image(), attendue) << c.fichier << " in " << i->objectName().toStdString();
    }
}

TEST_F(PaquetInstalle, TheStimulationPageReadsTheInstalledRecordedPotential)
{
    const QString dossier = dossier_pour_executable(racine + "/usr/bin");
    Programme& p = demarrer(dossier);
    ASSERT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
    PotentielEss0 attendu{};
    ASSERT_TRUE(lec_fic_ess0(dossier + "ess0.nst", attendu));
    const PotentielEss0 avant = p.Form1.stimulation().pot_ess0();
    EXPECT_TRUE(std::all_of(avant.begin(), avant.end(), [](double v) { return v == 0; }));

    p.Form1.ui()->Notebook1->setCurrentIndex(1);
    p.Form1.Notebook1Click();
    EXPECT_EQ(p.Form1.stimulation().pot_ess0(), attendu);
    // The squid axon's resting potential, and the spike above zero.
    EXPECT_NEAR(p.Form1.stimulation().pot_ess0()[70], -70, 1);
    const PotentielEss0& pot = p.Form1.stimulation().pot_ess0();
    EXPECT_GT(*std::max_element(pot.begin() + 1, pot.begin() + 31), 0);
}

TEST_F(PaquetInstalle, TheHomePageButtonsFindTheScriptAndTheTeachersDocument)
{
    const QString dossier = dossier_pour_executable(racine + "/usr/bin");
    Programme& p = demarrer(dossier);
    ASSERT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();

    p.Form1.BitBtn24Click(); // "Phases de test"
    ASSERT_TRUE(p.Form_richedit().isVisible());
    QTextDocument attendu;
    ASSERT_TRUE(lire_rtf(lire(dossier + "phases_demo.rtf"), attendu));
    EXPECT_GT(attendu.blockCount(), 100);
    EXPECT_EQ(p.Form_richedit().ui()->RichEdit1->toPlainText(), attendu.toPlainText());

    p.Form1.BitBtn2Click(); // "Informations sur le logiciel"
    EXPECT_EQ(lanceur.documents, QStringList{dossier + "QUIL_PED.doc"});
    EXPECT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
}

TEST_F(PaquetInstalle, TheStimulationFiguresAreShown)
{
    const QString dossier = dossier_pour_executable(racine + "/usr/bin");
    Programme& p = demarrer(dossier);
    ASSERT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
    p.Form1.version_windows = version_vista; // the pictures, not the acquisition program
    struct Cas {
        void (TForm1::*bouton)();
        const char* fichier;
    };
    for (const Cas& c : {Cas{&TForm1::BitBtn8Click, "refract.jpg"}, Cas{&TForm1::BitBtn9Click, "recrut.jpg"}}) {
        const ImageJpeg attendue = lire_jpeg(lire(dossier + c.fichier));
        ASSERT_FALSE(attendue.image.isNull()) << c.fichier;
        (p.Form1.*c.bouton)();
        EXPECT_TRUE(erreurs.isEmpty()) << erreurs.join('\n').toStdString();
        EXPECT_TRUE(p.Form_image().isVisible()) << c.fichier;
        EXPECT_EQ(p.Form_image().ui()->Image1->image(), attendue.image) << c.fichier;
    }
}

TEST_F(PaquetInstalle, AMissingPictureIsNamedUnderTheSharedFolder)
{
    // A copy of the unpacked prefix without the potassium picture.
    QTemporaryDir d;
    ASSERT_TRUE(QDir(d.path()).mkpath("usr/bin"));
    ASSERT_TRUE(QDir(d.path()).mkpath("usr/share/quillon"));
    const QString source = racine + "/usr/share/quillon/";
    for (const QString& f : QDir(source).entryList(QDir::Files)) {
        if (f != "k.bmp") {
            ASSERT_TRUE(QFile::copy(source + f, d.path() + "/usr/share/quillon/" + f)) << f.toStdString();
        }
    }
    const QString dossier = dossier_pour_executable(d.path() + "/usr/bin");
    ASSERT_EQ(dossier, d.path() + "/usr/share/quillon/");
    demarrer(dossier);
    EXPECT_EQ(erreurs, QStringList{"Impossible d'ouvrir le fichier " + QDir::toNativeSeparators(dossier + "k.bmp")});
}
