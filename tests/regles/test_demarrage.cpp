#include "app/demarrage.h"
#include "common/dossiers_utilisateur.h"
#include "app/taille_affichage.h"
#include "ionic/etat_ionique.h"

#include <QStandardPaths>
#include <QVariant>
#include <gtest/gtest.h>

#include "impression.h"
#include "outils_regles.h"

#include <string>
#include <system_error>
#include <tuple>
#include <vector>

using namespace quillon;

namespace {

// Records the steps in the order the sequence calls them.
class Journal : public EtapesDemarrage {
public:
    std::vector<std::string> etapes;
    std::string echec;        // the step that throws
    bool echec_systeme = false;

    void note(const std::string& nom)
    {
        etapes.push_back(nom);
        if (nom == echec) {
            if (echec_systeme)
                throw std::system_error(std::make_error_code(std::errc::no_such_file_or_directory), "kernel32");
            throw ErreurDemarrage(QStringLiteral("Impossible d'ouvrir le fichier /x/k.bmp"));
        }
    }
    void arreter_timer_debut() override { note("arreter_timer_debut"); }
    void sonder_version() override { note("sonder_version"); }
    void double_tampon() override { note("double_tampon"); }
    void semer_aleatoire() override { note("semer_aleatoire"); }
    void lec_couleurs() override { note("lec_couleurs"); }
    void Scroll_gkChange() override { note("Scroll_gkChange"); }
    void Scroll_gnaChange() override { note("Scroll_gnaChange"); }
    void adap_merlade() override { note("adap_merlade"); }
    void rapports_images() override { note("rapports_images"); }
    void concentrations_depart() override { note("concentrations_depart"); }
    void calcul_images() override { note("calcul_images"); }
    void charger_images() override { note("charger_images"); }
    void Notebook1Click() override { note("Notebook1Click"); }
    void construire_legendes() override { note("construire_legendes"); }
    void melanger_legendes() override { note("melanger_legendes"); }
    void affichage_legendes() override { note("affichage_legendes"); }
};

const std::vector<std::string> sequence_complete = {
    "arreter_timer_debut", "sonder_version", "double_tampon", "semer_aleatoire", "lec_couleurs",
    "Scroll_gkChange", "Scroll_gnaChange", "adap_merlade", "rapports_images", "concentrations_depart",
    "calcul_images", "charger_images", "Notebook1Click",
    "construire_legendes", "semer_aleatoire", "melanger_legendes", "affichage_legendes"};

} // namespace

TEST(Demarrage, StepsRunOnceInOrder)
{
    Journal j;
    EXPECT_FALSE(executer_demarrage(j).has_value());
    EXPECT_EQ(j.etapes, sequence_complete);
}

TEST(Demarrage, AMissingPictureStopsTheSequenceWithItsMessage)
{
    Journal j;
    j.echec = "charger_images";
    const auto message = executer_demarrage(j);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, "Impossible d'ouvrir le fichier /x/k.bmp");
    ASSERT_EQ(j.etapes.back(), "charger_images");
    EXPECT_EQ(j.etapes.size(), 12u); // no tab handler, no legends
}

TEST(Demarrage, AFailedSystemCallStopsAtTheProbe)
{
    Journal j;
    j.echec = "sonder_version";
    j.echec_systeme = true;
    EXPECT_TRUE(executer_demarrage(j).has_value());
    EXPECT_EQ(j.etapes, (std::vector<std::string>{"arreter_timer_debut", "sonder_version"}));
}

TEST(EtatIonique, ZeroUntilTheStartUpConcentrations)
{
    EtatIonique e;
    EXPECT_EQ(e.k_int + e.k_ext + e.na_int + e.na_ext, 0);
    e.concentrations_depart();
    EXPECT_EQ(e.na_ext, 144);
    EXPECT_EQ(e.na_int, 8);
    EXPECT_EQ(e.k_ext, 6);
    EXPECT_EQ(e.k_int, 150);
}

// The window, 956 x 635 with a 4-pixel frame and a 25-pixel title: which
// display sizes fit a screen's available area, and the next one each way.
TEST(TailleAffichage, TheSizesThatFitAndTheNextOneEachWay)
{
    const QSize fenetre(964, 664);
    const struct {
        QSize ecran;
        std::vector<int> possibles;
        int au_dessus_de_100, au_dessous_de_200;
    } cas[] = {
        {{1280, 1024}, {100, 125}, 125, 125},
        {{1205, 830}, {100, 125}, 125, 125},     // 125 % exactly: 1205 x 830
        {{1204, 1200}, {100}, 100, 100},          // one pixel short
        {{1920, 1040}, {100, 125, 150}, 125, 150}, // 150 %: 1446 x 996
        {{1928, 1328}, {100, 125, 150, 200}, 125, 150},
        {{800, 600}, {100}, 100, 100},            // 100 % even when it does not fit
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.ecran.width() << " x " << c.ecran.height());
        std::vector<int> possibles;
        for (int t : tailles_affichage)
            if (taille_possible(t, fenetre, c.ecran))
                possibles.push_back(t);
        EXPECT_EQ(possibles, c.possibles);
        EXPECT_EQ(taille_voisine(100, +1, fenetre, c.ecran), c.au_dessus_de_100);
        EXPECT_EQ(taille_voisine(200, -1, fenetre, c.ecran), c.au_dessous_de_200);
        EXPECT_EQ(taille_voisine(100, -1, fenetre, c.ecran), 100);
        EXPECT_EQ(taille_voisine(c.possibles.back(), +1, fenetre, c.ecran), c.possibles.back());
    }
    EXPECT_FALSE(taille_possible(110, fenetre, {4000, 4000}));
}

// The size kept in the settings is the scale factor of the next start,
// times the one the desktop or the user already asked for.
TEST(TailleAffichage, TheSizeKeptScalesTheNextStart)
{
    const struct {
        const char* existant;
        int taille;
        const char* facteur;
    } facteurs[] = {{"", 100, ""},  {"", 125, "1.25"}, {"2", 150, "3"},   {"1.5", 200, "3"},
                    {"2", 100, "2"}, {"abc", 125, "1.25"}, {"0", 150, "1.5"}, {"-2", 100, ""}};
    for (const auto& c : facteurs)
        EXPECT_EQ(facteur_echelle(c.existant, c.taille), QByteArray(c.facteur)) << c.existant << " " << c.taille;

    QStandardPaths::setTestModeEnabled(true);
    const QByteArray avant = qgetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCALE_FACTOR");
    const struct {
        QVariant reglage;
        int retenue;
    } reglages[] = {{150, 150}, {125, 125}, {110, 100}, {"abc", 100}, {100, 100}};
    for (const auto& r : reglages) {
        reglages_utilisateur().setValue("affichage/taille", r.reglage);
        EXPECT_EQ(taille_affichage_retenue(), r.retenue) << r.reglage.toString().toStdString();
    }
    retenir_taille_affichage(150);
    retenir_taille_affichage(110); // not offered: the setting stays
    EXPECT_EQ(taille_affichage_retenue(), 150);
    retenir_taille_affichage(100);
    qputenv("QT_SCALE_FACTOR", avant);
    if (avant.isEmpty())
        qunsetenv("QT_SCALE_FACTOR");
}

// The settings file on a full disk (a real tmpfs, root only): the old file
// stays as it was and the failure is said; with room again the value is kept.
TEST(Reglages, AFullDiskLeavesTheSettingsFileAsItWasAndSaysSo)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the settings' folder is Windows' own (AppData), which HOME does not move onto the full disk";
#endif
    QStandardPaths::setTestModeEnabled(true);
    const QByteArray maison = qgetenv("HOME");
    qputenv("HOME", "/h");
    const QString relatif = QDir("/h").relativeFilePath(fichier_reglages());
    essais::DisquePlein disque({relatif});
    qputenv("HOME", disque.dossier_monte().toUtf8());
    if (disque.raison.empty()) {
        const Enregistrement e = garder_reglage("mesure/curseurs", true);
        EXPECT_FALSE(e.reussi);
        EXPECT_EQ(message_reglages(e), "Quillon ne peut pas garder ses réglages : le disque est plein (" + QDir::toNativeSeparators(disque.chemin(relatif))
                                           + "). Ceux de cette séance valent jusqu'à la fermeture de Quillon.");
        EXPECT_EQ(essais::lire(disque.chemin(relatif)), "ancien\r\n");
        QFile::remove(disque.chemin(".plein"));
        EXPECT_TRUE(garder_reglage("mesure/curseurs", true).reussi);
        EXPECT_TRUE(reglages_utilisateur().value("mesure/curseurs").toBool());
    }
    qputenv("HOME", maison);
    if (!disque.raison.empty())
        GTEST_SKIP() << disque.raison;
}

// The size a run shows at (available area in device pixels): a size on
// offer, the user's factor set aside only when even 100 % on it is too
// large, the smallest when none fits.
TEST(TailleAffichage, TheStartingSizeIsASizeOnOfferThatFitsOrTheSmallest)
{
    const std::tuple<QSize, double, double, int, TailleDepart> cas[] = {
        {{1280, 1024}, 1, 2, 100, {1, 125, true}},  {{1280, 1024}, 1, 1, 200, {1, 125, true}},
        {{2560, 1400}, 1, 1, 200, {1, 200, true}},  {{1920, 1040}, 1, 1.25, 150, {1.25, 125, true}},
        {{1920, 1040}, 2, 1, 100, {0.5, 150, true}}, {{1024, 768}, 1.25, 1, 100, {0.8, 100, true}},
        {{1024, 600}, 1, 1, 100, {1, 100, false}},  {{800, 600}, 1, 2, 150, {1, 100, false}}};
    for (const auto& [ecran, bureau, utilisateur, retenue, depart] : cas)
        EXPECT_EQ(taille_de_depart({956, 635}, ecran, bureau, utilisateur, retenue), depart)
            << ecran.width() << " x " << ecran.height() << " at " << bureau << " x " << utilisateur << ", " << retenue;
}
