#include "common/dossier.h"
#include "app/sonde.h"
#include "common/chemins.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "impression.h"

#include <string>
#include <vector>

using namespace quillon;

TEST(DossierProgramme, QuotedPathWithATrailingBlank)
{
    EXPECT_EQ(dossier_depuis_ligne_commande("\"C:\\Ecole\\Bio\\Quillon.exe\" "), "c:\\ecole\\bio\\");
}

TEST(DossierProgramme, UnquotedUpperCasePath)
{
    EXPECT_EQ(dossier_depuis_ligne_commande("C:\\ECOLE\\QUILLON.EXE"), "c:\\ecole\\");
}

TEST(DossierProgramme, OnlyHundredCharactersFromTheLastBackslashAreDropped)
{
    const QString queue = QString(110, QLatin1Char('x')); // 111 characters with the backslash
    const QString resultat = dossier_depuis_ligne_commande("C:\\Ecole\\" + queue);
    // The 101st and later characters from the backslash stay, then a backslash.
    EXPECT_EQ(resultat, "c:\\ecole" + QString(11, QLatin1Char('x')) + "\\");
}

TEST(DossierProgramme, OnlyAsciiLettersAreLoweredAndOneBlankDropped)
{
    EXPECT_EQ(dossier_depuis_ligne_commande("\"C:\\ÉCOLE\\Q.exe\"  "), "c:\\École\\");
    EXPECT_EQ(dossier_depuis_ligne_commande("quillon.exe"), ".\\");
    EXPECT_EQ(dossier_depuis_ligne_commande("C:\\"), "c:\\");
}

// A work file on the command line (a double click): its backslashes are not the program's.
TEST(DossierProgramme, ArgumentsAfterTheProgramAreNotItsFolder)
{
    const struct {
        const char* ligne;
        const char* dossier;
    } cas[] = {
        {R"("C:\Program Files\Quillon\quillon.exe" "C:\Users\Léa\Documents\tp.nst")", R"(c:\program files\quillon\)"},
        {R"("C:\Ecole\Bio\Quillon.exe" )", R"(c:\ecole\bio\)"},
        {R"(C:\ECOLE\QUILLON.EXE D:\TP\a.nst)", R"(c:\ecole\)"},
        {R"(C:\Program Files\Quillon\quillon.exe)", R"(c:\program files\quillon\)"},
        {R"("C:\sans fin\quillon.exe)", R"(c:\sans fin\)"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(dossier_depuis_ligne_commande(programme_de_ligne_commande(QString::fromUtf8(c.ligne))),
                  QString::fromUtf8(c.dossier)) << c.ligne;
}

TEST(DossierProgramme, ThisProcessFolderEndsWithASeparator)
{
    const QString d = dossier_programme();
    ASSERT_FALSE(d.isEmpty());
    EXPECT_TRUE(d.endsWith('/') || d.endsWith('\\'));
    EXPECT_TRUE(QDir(d).exists());
}

TEST(SondeVersion, FirstExportFoundGivesTheCode)
{
    std::vector<std::string> demandes;
    const auto tout = [&](const char* nom) {
        demandes.emplace_back(nom);
        return true;
    };
    EXPECT_EQ(sonder_exports(tout), 14);
    EXPECT_EQ(demandes, std::vector<std::string>{"GetLocaleInfoEx"});
}

TEST(SondeVersion, LooksUpTheExportsInOrder)
{
    std::vector<std::string> demandes;
    const auto xp = [&](const char* nom) {
        demandes.emplace_back(nom);
        const std::string n(nom);
        return n == "GetNativeSystemInfo" || n == "Beep" || n == "ReplaceFile";
    };
    EXPECT_EQ(sonder_exports(xp), 11);
    EXPECT_EQ(demandes, (std::vector<std::string>{"GetLocaleInfoEx", "GetLargePageMinimum", "GetNativeSystemInfo"}));

    demandes.clear();
    EXPECT_EQ(sonder_exports([&](const char* nom) {
                  demandes.emplace_back(nom);
                  return std::string(nom) == "Beep";
              }),
              2);
    ASSERT_EQ(demandes.size(), 10u);
    EXPECT_EQ(demandes[5], "GetThreadPriorityBoost");
    EXPECT_EQ(demandes[8], "ConnectNamedPipe");
    EXPECT_EQ(sonder_exports([](const char*) { return false; }), 0);
}

TEST(SondeVersion, ThisSystemIsACurrentOne)
{
    // The first export of the table, looked up first, is the current one's.
    EXPECT_EQ(sonder_windows(), 14);
    EXPECT_EQ(exports_version.front().code, version_vista);
}

class CheminsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier.isValid());
        ASSERT_TRUE(QDir(dossier.path()).mkpath("Sous/MERLADE"));
        creer("an.bmp");
        creer("QUIL_PED.doc");
        creer("Sous/MERLADE/Exp1.EXP");
    }
    void creer(const QString& nom)
    {
        QFile f(dossier.path() + "/" + nom);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString base() const { return dossier.path() + "/"; }
    QTemporaryDir dossier;
};

TEST_F(CheminsTest, BackslashesAreSeparatorsAndDoubledOnesCollapse)
{
    EXPECT_EQ(chemin_fichier(base(), "\\an.bmp"), dossier.path() + "/an.bmp");
    EXPECT_EQ(chemin_fichier(base(), "\\\\an.bmp"), dossier.path() + "/an.bmp");
    EXPECT_EQ(chemin_fichier(base(), "Sous\\MERLADE\\Exp1.EXP"), dossier.path() + "/Sous/MERLADE/Exp1.EXP");
}

// On a case-sensitive system the name is the one on the disk; Windows opens
// the name as written.
TEST_F(CheminsTest, NamesAreMatchedWithoutRegardToCase)
{
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity casse = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity casse = Qt::CaseSensitive;
#endif
    const std::pair<const char*, const char*> cas[] = {
        {"\\quil_ped.DOC", "/QUIL_PED.doc"}, {"\\sous\\merlade\\exp1.exp", "/Sous/MERLADE/Exp1.EXP"}, {"\\AN.BMP", "/an.bmp"}};
    for (const auto& [nom, sur_le_disque] : cas) {
        const QString chemin = chemin_fichier(base(), nom);
        EXPECT_EQ(chemin.compare(dossier.path() + sur_le_disque, casse), 0) << chemin.toStdString();
        EXPECT_TRUE(QFile(chemin).open(QIODevice::ReadOnly)) << nom;
    }
}

TEST_F(CheminsTest, AMissingNameIsReturnedAsWritten)
{
    EXPECT_EQ(chemin_fichier(base(), "\\absent.bmp"), dossier.path() + "/absent.bmp");
    EXPECT_EQ(chemin_fichier(base(), "\\sous\\absent\\x.bmp"), dossier.path() + "/sous/absent/x.bmp");
    EXPECT_FALSE(QFile::exists(chemin_fichier(base(), "\\absent.bmp")));
}
