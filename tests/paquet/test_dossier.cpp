// Where the program looks for its data files: beside itself (the build tree,
// a folder copied as a whole) or in ../share/quillon/ from its own folder (an
// installed prefix, wherever it was moved).
#include "app/dossier.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "impression.h"

using namespace quillon;

namespace {

// A prefix <tmp>/pref with bin/ and share/quillon/, nothing in them yet.
class DossierInstalle : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        ASSERT_TRUE(QDir(tmp.path()).mkpath("pref/bin"));
        ASSERT_TRUE(QDir(tmp.path()).mkpath("pref/share/quillon"));
    }
    QString bin() const { return tmp.path() + "/pref/bin"; }
    QString donnees() const { return tmp.path() + "/pref/share/quillon/"; }
    void poser(const QString& chemin)
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << chemin.toStdString();
        f.write("x");
    }
    QTemporaryDir tmp;
};

} // namespace

TEST_F(DossierInstalle, WithoutDataBesideTheExecutableTheSharedFolderIsUsed)
{
    poser(donnees() + "k.bmp");
    poser(donnees() + "ess0.nst");
    EXPECT_EQ(dossier_pour_executable(bin()), donnees());
    EXPECT_EQ(dossier_pour_executable(bin() + "/"), donnees());
}

TEST_F(DossierInstalle, ThePotassiumPictureBesideTheExecutableMakesItsFolderTheProgramFolder)
{
    poser(bin() + "/k.bmp");
    EXPECT_EQ(dossier_pour_executable(bin()), bin() + "/");
    EXPECT_EQ(dossier_pour_executable(bin() + "/"), bin() + "/");
}

TEST_F(DossierInstalle, TheRecordedPotentialBesideTheExecutableIsEnoughToo)
{
    poser(bin() + "/ess0.nst");
    EXPECT_EQ(dossier_pour_executable(bin()), bin() + "/");
}

TEST_F(DossierInstalle, OtherFilesBesideTheExecutableDoNotCount)
{
    // Only the potassium picture or the recorded potential tell a build tree;
    // names differing in case are other files on this system.
    poser(bin() + "/an.bmp");
    poser(bin() + "/K.BMP");
    poser(bin() + "/ESS0.NST");
    EXPECT_EQ(dossier_pour_executable(bin()), donnees());
}

TEST_F(DossierInstalle, AMovedPrefixKeepsItsOwnDataFolder)
{
    ASSERT_TRUE(QDir(tmp.path()).rename("pref", "ailleurs"));
    const QString bin2 = tmp.path() + "/ailleurs/bin";
    EXPECT_EQ(dossier_pour_executable(bin2), tmp.path() + "/ailleurs/share/quillon/");
}

TEST_F(DossierInstalle, TheSharedFolderIsGivenEvenWhenItIsMissing)
{
    // Nothing anywhere: the start-up then names the missing file under the
    // installed folder, where it should be.
    ASSERT_TRUE(QDir(donnees()).removeRecursively());
    EXPECT_EQ(dossier_pour_executable(bin()), donnees());
}

TEST(DossierProgrammeConstruit, TheBuildTreesExecutablesUseTheirOwnFolder)
{
    // This test program lies in the build's program folder, beside k.bmp.
    const QString d = dossier_programme();
    ASSERT_TRUE(d.endsWith('/'));
    EXPECT_TRUE(QFile::exists(d + "k.bmp")) << d.toStdString();
    EXPECT_EQ(d, dossier_pour_executable(d));
}
