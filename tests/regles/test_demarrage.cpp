#include "app/demarrage.h"
#include "ionic/etat_ionique.h"

#include <gtest/gtest.h>

#include "impression.h"

#include <string>
#include <system_error>
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
    void grad_nernst() override { note("grad_nernst"); }
    void affich_grad() override { note("affich_grad"); }
    void charger_images() override { note("charger_images"); }
    void Notebook1Click() override { note("Notebook1Click"); }
    void construire_legendes() override { note("construire_legendes"); }
    void melanger_legendes() override { note("melanger_legendes"); }
    void affichage_legendes() override { note("affichage_legendes"); }
};

const std::vector<std::string> sequence_complete = {
    "arreter_timer_debut", "sonder_version", "double_tampon", "semer_aleatoire", "lec_couleurs",
    "Scroll_gkChange", "Scroll_gnaChange", "adap_merlade", "rapports_images", "concentrations_depart",
    "calcul_images", "grad_nernst", "affich_grad", "charger_images", "Notebook1Click",
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
    EXPECT_EQ(j.etapes.size(), 14u); // no tab handler, no legends
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
