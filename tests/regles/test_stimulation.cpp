#include "stimulation/electrodes.h"
#include "stimulation/graduations.h"
#include "stimulation/questions.h"
#include "stimulation/reponse.h"
#include "stimulation/valeurs_stimulation.h"

#include <QImage>
#include "regles/outils_regles.h"
#include <cmath>
#include <gtest/gtest.h>

#include "impression.h"

using namespace quillon;
using quillon::essais::compter;

namespace {

// A recorded potential whose shape is easy to follow: rest at -70, a spike
// over the first 30 samples rising by 4 mV a sample, then rest.
PotentielEss0 potentiel()
{
    PotentielEss0 p{};
    for (int k = 1; k <= 84; ++k)
        p[static_cast<std::size_t>(k)] = k <= 30 ? -70 + 4 * k : -70;
    return p;
}

double forme(int j)
{
    return j >= 1 && j <= 30 ? 4.0 * j : 0.0;
}

ReglagesStimulation intensite(int i)
{
    ReglagesStimulation r;
    r.position_i_stim = 100 - i;
    return r;
}

ReponseStimulation calculer(const ReglagesStimulation& r)
{
    ReponseStimulation rep;
    rep.calculer(r, potentiel());
    return rep;
}

bool plate(const ReponseStimulation& r)
{
    for (int j = 1; j <= 80; ++j)
        if (r.y(j) != 110)
            return false;
    return true;
}

} // namespace

TEST(Stimulation, DesignPositionsGiveTheirDelays)
{
    const ReponseStimulation r = calculer(intensite(70));
    EXPECT_EQ(r.decal1, 21);
    EXPECT_EQ(r.decal12, 3);
    EXPECT_EQ(r.forme_pa[5], 20);
    // Electrode 1 from sample 22, electrode 2 three samples later.
    EXPECT_EQ(r.enreg[22].voie1, forme(1));
    EXPECT_EQ(r.enreg[21].voie1, 0);
    EXPECT_EQ(r.enreg[25].voie2, forme(1));
    EXPECT_EQ(r.enreg[24].voie2, 0);
    // The trace: 110 - 0.7 (voie1 - voie2), halves to even.
    EXPECT_EQ(r.y(22), static_cast<int>(std::nearbyint(110 - 0.7 * 4)));
    EXPECT_EQ(r.y(30), static_cast<int>(std::nearbyint(110 - 0.7 * (forme(9) - forme(6)))));
}

TEST(Stimulation, ThresholdAndRecruitmentOfTheNerve)
{
    EXPECT_TRUE(plate(calculer(intensite(19))));
    const ReponseStimulation seuil = calculer(intensite(20));
    EXPECT_DOUBLE_EQ(seuil.ampl, 0.2);
    EXPECT_FALSE(plate(seuil));
    EXPECT_DOUBLE_EQ(calculer(intensite(50)).ampl, 0.5);
    EXPECT_DOUBLE_EQ(calculer(intensite(70)).ampl, 0.7);
    EXPECT_DOUBLE_EQ(calculer(intensite(100)).ampl, 0.7);

    // The cathode left of the anode: threshold 34, at most 0.6.
    auto inverse = [](int i) {
        ReglagesStimulation r = intensite(i);
        r.anode = 80;
        r.cathode = 64;
        return calculer(r);
    };
    EXPECT_TRUE(plate(inverse(33)));
    EXPECT_NEAR(inverse(34).ampl, 0.204, 1e-12);
    EXPECT_FALSE(plate(inverse(34)));
    EXPECT_NEAR(inverse(100).ampl, 0.6, 1e-12);

    // A cathode past the nerve stimulates nothing.
    ReglagesStimulation loin = intensite(100);
    loin.cathode = 312;
    EXPECT_EQ(calculer(loin).intensite, 0);
    EXPECT_TRUE(plate(calculer(loin)));
    loin.cathode = 311;
    EXPECT_EQ(calculer(loin).intensite, 100);
}

TEST(Stimulation, ElectrodesOffTheNerveGiveMonophasicOrNoResponse)
{
    ReglagesStimulation r = intensite(70);
    r.enr2 = 311;
    ReponseStimulation mono = calculer(r);
    for (int s = 1; s <= 120; ++s)
        ASSERT_EQ(mono.enreg[static_cast<std::size_t>(s)].voie2, 0);
    EXPECT_LT(mono.y(30), 110) << "electrode 1 alone: upward";

    r.enr2 = 250;
    r.enr1 = 311;
    ReponseStimulation inverse = calculer(r);
    for (int s = 1; s <= 120; ++s)
        ASSERT_EQ(inverse.enreg[static_cast<std::size_t>(s)].voie1, 0);
    EXPECT_GT(inverse.y(inverse.decal1 + inverse.decal12 + 10), 110) << "electrode 2 alone: downward";

    for (int ecart : {-3, 0, 3}) {
        r.enr1 = 208;
        r.enr2 = 208 + ecart;
        EXPECT_TRUE(plate(calculer(r))) << ecart;
    }
    r.enr2 = 212;
    EXPECT_FALSE(plate(calculer(r)));
}

TEST(Stimulation, SecondStimulationFollowsTheRefractoryPeriods)
{
    auto deux = [](int i, int pos) {
        ReglagesStimulation r = intensite(i);
        r.enr2 = 311; // electrode 1 alone, to read the responses directly
        r.deux_stim = true;
        r.pos = pos;
        return calculer(r);
    };
    const ReponseStimulation p20 = deux(100, 20);
    EXPECT_DOUBLE_EQ(p20.fact2, 1.0);
    EXPECT_EQ(p20.deux_artef_left, 110);
    EXPECT_EQ(p20.enreg[22].voie1, forme(1));
    EXPECT_EQ(p20.enreg[42].voie1, forme(1)) << "20 samples later, same size";
    EXPECT_EQ(p20.enreg[50].voie1, forme(9)) << "the second replaces the first where they overlap";

    const ReponseStimulation p15 = deux(100, 15);
    EXPECT_DOUBLE_EQ(p15.fact2, 0.75);
    EXPECT_DOUBLE_EQ(p15.enreg[21 + 15 + 4].voie1, 0.75 * forme(4));

    const ReponseStimulation p10 = deux(100, 10);
    EXPECT_FALSE(p10.seconde_reponse);
    EXPECT_EQ(p10.enreg[40].voie1, forme(19)) << "the first response alone";

    // Two weak stimulations close together recruit more fibres.
    const ReponseStimulation faible = deux(21, 5);
    EXPECT_DOUBLE_EQ(faible.fact2, 2.0);
    EXPECT_DOUBLE_EQ(faible.enreg[21 + 5 + 30].voie1, 2.0 * forme(30));

    // Summation: both below threshold, a single enlarged response at the second mark.
    const ReponseStimulation somme = deux(15, 10);
    EXPECT_TRUE(somme.sommation);
    EXPECT_DOUBLE_EQ(somme.ampl, 0.15);
    EXPECT_EQ(somme.enreg[22].voie1, 0);
    EXPECT_DOUBLE_EQ(somme.enreg[21 + 10 + 3].voie1, (1 + 10.0 / 15) * forme(3));
    EXPECT_FALSE(deux(15, 20).sommation);
    EXPECT_TRUE(plate(deux(15, 20)));
}

TEST(Stimulation, FibreAnswersAllOrNothing)
{
    ReglagesStimulation r = intensite(25);
    r.fibre = true;
    const ReponseStimulation faible = calculer(r);
    r.position_i_stim = 10;
    const ReponseStimulation fort = calculer(r);
    for (int j = 1; j <= 80; ++j)
        ASSERT_EQ(faible.y(j), fort.y(j)) << j;
    EXPECT_FALSE(plate(faible));
    r.position_i_stim = 81;
    EXPECT_TRUE(plate(calculer(r)));
    // Its second response has full size even in the relative refractory period.
    r.position_i_stim = 10;
    r.deux_stim = true;
    r.pos = 15;
    EXPECT_DOUBLE_EQ(calculer(r).fact2, 1.0);
}

TEST(Stimulation, AFiredFibreKeepsItsRefractoryPeriodsAtAnyIntensity)
{
    // Fired from its threshold up, with either polarity: no second response
    // up to 10 samples, a full one from 11 on. Below the threshold (15) the
    // two stimulations still add up to one response at the second.
    for (const auto& [cathode, i] : {std::pair{80, 20}, {80, 23}, {80, 100}, {50, 34}, {50, 38}, {50, 100}, {80, 15}})
        for (const int pos : {1, 10, 11, 19}) {
            ReglagesStimulation r = intensite(i);
            r.fibre = r.deux_stim = true;
            r.cathode = cathode;
            r.enr2 = 311; // electrode 1 alone
            r.pos = pos;
            const int fin = (208 - cathode) / 6 + pos + 30; // the second response's last sample
            EXPECT_EQ(calculer(r).enreg[static_cast<std::size_t>(fin)].voie1, pos >= 11 || i < 20 ? forme(30) : 0)
                << "intensity " << i << ", cathode " << cathode << ", pos " << pos;
        }
}

TEST(Stimulation, ExtremePlacesStayInsideTheRecording)
{
    // Far electrodes and a long delay: whatever is written stays in 1..120.
    for (int enr2 : {16, 100, 320}) {
        ReglagesStimulation r = intensite(100);
        r.anode = 10;
        r.cathode = 10;
        r.enr1 = 310;
        r.enr2 = enr2;
        r.deux_stim = true;
        r.pos = 60;
        const ReponseStimulation rep = calculer(r);
        EXPECT_EQ(rep.decal1, 50 + 60);
        EXPECT_EQ(rep.enreg[119].voie1, forme(9)) << "cut before sample 120";
        EXPECT_EQ(rep.enreg[120].voie1, 0);
    }
    ReglagesStimulation r = intensite(100);
    r.cathode = 15;
    r.enr1 = 320;
    r.enr2 = 16;
    EXPECT_LT(calculer(r).decal12, -40);
}

TEST(Stimulation, TraceIsDrawnAsDotsJoinedByLines)
{
    const ReponseStimulation r = calculer(intensite(70));
    QImage image(420, 220, QImage::Format_RGB32);
    image.fill(Qt::white);
    r.dessiner(image);
    const QColor bleu_marine(0, 0, 128);
    EXPECT_EQ(image.pixelColor(8, 113), bleu_marine) << "sample 1 on the baseline";
    EXPECT_EQ(image.pixelColor(5, 113), QColor(Qt::black)) << "its outline";
    const int y = r.y(30);
    EXPECT_EQ(image.pixelColor(153, y + 3), bleu_marine);
    EXPECT_EQ(image.pixelColor(300, 50), QColor(Qt::white));
    // Where the trace jumps, the rows between two dots hold only the line
    // that joins them (dot j - 1 spans x 5j - 5 .. 5j + 1, dot j 5j .. 5j + 6).
    int j = 2;
    while (j <= 80 && std::abs(r.y(j) - r.y(j - 1)) < 16)
        ++j;
    ASSERT_LE(j, 80) << "the response has a steep rise";
    const int haut = std::min(r.y(j - 1), r.y(j));
    const int bas = std::max(r.y(j - 1), r.y(j));
    for (int ligne = haut + 7; ligne < bas; ++ligne)
        EXPECT_GT(compter(image, bleu_marine, QRect(5 * j - 3, ligne, 8, 1)), 0) << "row " << ligne;
}

TEST(Stimulation, ElectrodesStayInTheirOrderAndOnThePage)
{
    PlaceElectrodes p;
    // The cathode stops before its right edge reaches electrode 1 (208).
    EXPECT_EQ(deplace_shape(p, Electrode::cathode, 120, 2), std::optional<int>(198));
    EXPECT_EQ(deplace_shape(p, Electrode::cathode, 124, 2), std::optional<int>(202));
    EXPECT_FALSE(deplace_shape(p, Electrode::cathode, 125, 2)) << "right edge 208 would touch electrode 1";
    // Electrode 1 stays right of the cathode's right edge (85).
    EXPECT_EQ(deplace_shape(p, Electrode::enr1, -120, 2), std::optional<int>(86));
    EXPECT_FALSE(deplace_shape(p, Electrode::enr1, -121, 2));
    // Never at 321 or beyond, never with the right edge at 15 or less.
    EXPECT_EQ(deplace_shape(p, Electrode::enr2, 98, 2), std::optional<int>(320));
    EXPECT_FALSE(deplace_shape(p, Electrode::enr2, 99, 2));
    EXPECT_EQ(deplace_shape(p, Electrode::anode, -51, 2), std::optional<int>(11));
    EXPECT_FALSE(deplace_shape(p, Electrode::anode, -52, 2));
    // The anode and the cathode may pass each other.
    EXPECT_EQ(deplace_shape(p, Electrode::anode, 30, 2), std::optional<int>(92));
    // Wires run into the stimulator (398) and the recorder (371).
    EXPECT_EQ(largeur_fil(Electrode::anode, 64), 334);
    EXPECT_EQ(64 + largeur_fil(Electrode::cathode, 64), 398);
    EXPECT_EQ(208 + largeur_fil(Electrode::enr1, 208), 371);
}

TEST(Stimulation, RulerTicksAndLabels)
{
    const Graduation t0 = graduation_temps(0, -1);
    EXPECT_EQ(std::min(t0.x1, t0.x2), 5);
    EXPECT_EQ(std::max(t0.x1, t0.x2), 6);
    EXPECT_EQ(t0.y1, 3);
    EXPECT_EQ(x_etiquette(0), 3);
    const Graduation d0 = graduation_distance(0, -1);
    EXPECT_EQ(std::min(d0.x1, d0.x2), -10);
    EXPECT_EQ(std::max(d0.x1, d0.x2), -8);
    const Graduation d30 = graduation_distance(30, -1);
    EXPECT_EQ(std::min(d30.x1, d30.x2), 35);
    EXPECT_EQ(std::max(d30.x1, d30.x2), 36);
    EXPECT_EQ(x_etiquette(20), 33);
    // A tick every 15 pixels: 0.5 ms, 2 cm.
    EXPECT_EQ(graduation_temps(20, -1).x2 - graduation_temps(0, -1).x2, 30);
    // "13" would start at x 393, cut by the screen's 402-pixel ruler.
    EXPECT_EQ(x_etiquette(260), 393);
}

TEST(Stimulation, CorrectionRulesAtTheirLimits)
{
    // Every answer on each side of each limit of the key: list items by
    // index (temps_refractaires: item i is i / 10 ms), texts as typed.
    enum Question { rel, abs_, lpr, cpr, vit, electrode, seuil };
    struct Cas {
        Question q;
        const char* texte; // the edits' text
        int item;          // the lists' item
        bool juste;
    };
    const Cas cas[] = {
        {rel, "", 18, false}, {rel, "", 19, true}, {rel, "", 20, true}, {rel, "", 21, true}, {rel, "", 22, false},
        {abs_, "", 13, false}, {abs_, "", 14, true}, {abs_, "", 15, true}, {abs_, "", 16, true}, {abs_, "", 17, true},
        {abs_, "", 18, true}, {abs_, "", 19, false}, {rel, "", 31, false}, {rel, "", 32, true}, {rel, "", 35, true}, {rel, "", 36, false},
        {lpr, "300 Hz", 0, true}, {cpr, "600", 0, true}, {cpr, "611", 0, true},
        {lpr, "500", 0, true}, {lpr, "460", 0, false}, {lpr, "461", 0, true}, {lpr, "529", 0, true},
        {lpr, "530", 0, false}, {lpr, " 500 Hz", 0, true},
        {cpr, "666", 0, true}, {cpr, "539", 0, false}, {cpr, "540", 0, true}, {cpr, "714", 0, true},
        {cpr, "715", 0, false}, {lpr, "285", 0, false}, {lpr, "286", 0, true}, {lpr, "321", 0, false},
        {vit, "35", 0, true}, {vit, "45", 0, true}, {vit, "34", 0, false}, {vit, "46", 0, true},
        {vit, "55", 0, true}, {vit, "56", 0, false}, {vit, "55,9", 0, true},
        {vit, "60", 0, false}, {vit, "12", 0, false}, {vit, "100", 0, false}, {vit, "4,5", 0, false},
        {vit, "40.9", 0, true}, {vit, "40 m/s", 0, true}, {vit, "", 0, false},
        {electrode, "", 0, false}, {electrode, "", 1, true}, {electrode, "", 2, false},
        {seuil, "0.2", 0, true}, {seuil, "0.20", 0, true}, {seuil, "0.19", 0, true}, {seuil, "0.21", 0, true},
        {seuil, "0.195", 0, true}, {seuil, "0.2 V", 0, true}, {seuil, "0.189", 0, false}, {seuil, "0.211", 0, false},
        {seuil, "0,20", 0, true}, {seuil, " 0.2", 0, true}, {seuil, ".2", 0, true}, {seuil, "0.2V", 0, true},
        {seuil, "0.22", 0, false}, {seuil, "0.1", 0, false},
        // Numbers as a French pupil writes them; letters alone stay wrong.
        {seuil, "0,2", 0, true}, {seuil, " 0,20 V", 0, true}, {seuil, "0.210", 0, true}, {seuil, "0,19v", 0, true},
        {seuil, "0,22", 0, false}, {seuil, "0,2 ms", 0, false}, {seuil, "V", 0, false}, {seuil, "0,2,1", 0, false},
        {seuil, "0.2 mV", 0, false}, {seuil, "0,2 mV", 0, false}, {seuil, "0.2 kV", 0, false}, {seuil, "0,20 V", 0, true},
        {lpr, "529,9 Hz", 0, true}, {lpr, "460,9", 0, false}, {cpr, "600,4Hz", 0, true}, {vit, "48m/s", 0, true},
        {vit, "50,9", 0, true}, {vit, "34,9", 0, false}, {vit, "m/s", 0, false}, {rel, "3,3", 0, true},
        {rel, " 3,30 ms", 0, true}, {abs_, "1,7", 0, true}, {abs_, "1,65", 0, true}, {rel, "3,3 Hz", 0, false},
        // A careful reading of the model, at the box's own precision.
        {rel, "3,33", 0, true}, {rel, "2,05", 0, true}, {rel, "3,54 ms", 0, true}, {rel, "3,55", 0, false},
        {abs_, "1,67", 0, true}, {abs_, "1.86", 0, false}, {abs_, "4,1", 0, false},
        // Units of the box's quantity, French and English, converted; any other unit is wrong.
        {seuil, "0,2 volts", 0, true}, {seuil, "0,2 V.", 0, true}, {seuil, "0.20 Volts", 0, true}, {seuil, "200 mV", 0, true},
        {seuil, "210 millivolts", 0, true}, {seuil, "0,2 V !", 0, true}, {seuil, "0.2 Hz", 0, false}, {seuil, "0.2 environ", 0, false},
        {rel, "3,3 millisecondes", 0, true}, {rel, "3,3 msec", 0, true}, {rel, "3.3 milliseconds", 0, true},
        {rel, "0,0033 s", 0, true}, {abs_, "1,5 millisecondes.", 0, true}, {abs_, "1,5 m/s", 0, false},
        {lpr, "0.3 kHz", 0, true}, {lpr, "300 kHz", 0, false}, {cpr, "600 kHz", 0, false}, {cpr, "0,6 kilohertz", 0, true},
        {lpr, "285,7 Hz", 0, true}, {lpr, "285,71", 0, true}, {lpr, "285,6", 0, false}, {lpr, "1 kHz", 0, false},
        {cpr, "714,2 hertz", 0, true}, {cpr, "714,4", 0, false}, {lpr, "300 ms", 0, false},
        {vit, "39,3 km/h", 0, false}, {vit, "48 km/h", 0, false}, {vit, "39,3 cm/ms", 0, false}, {vit, "144 km/h", 0, true},
        {vit, "4 cm/ms", 0, true}, {vit, "40 mm/ms", 0, true}, {vit, "40 m.s-1", 0, true}, {vit, "40 m·s⁻¹", 0, true},
        {vit, "40 m s-1", 0, true}, {vit, "40 M/S.", 0, true}, {vit, "40 mètres par seconde", 0, true},
        {vit, "40 metres per second", 0, true}, {vit, "40 ms", 0, false}, {vit, "40 environ", 0, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << "question " << c.q << ", \"" << c.texte << "\", item " << c.item);
        ReponsesEleve r;
        switch (c.q) {
        case rel: r.periode_relative = *c.texte ? item_refractaire(c.texte) : c.item; break;
        case abs_: r.periode_absolue = *c.texte ? item_refractaire(c.texte) : c.item; break;
        case lpr: r.frequence_relative = c.texte; break;
        case cpr: r.frequence_absolue = c.texte; break;
        case vit: r.vitesse = c.texte; break;
        case electrode: r.electrode = c.item; break;
        case seuil: r.seuil = c.texte; break;
        }
        const std::array<bool, 7> verdicts = corriger_reponses(r);
        for (int q = 0; q < 7; ++q)
            EXPECT_EQ(verdicts[static_cast<std::size_t>(q)], q == c.q && c.juste) << "verdict " << q;
    }
    // The key's whole table, every list item and every whole number from 0 to
    // 1000: the textbook range beside the range measured on the model (3.33
    // and 1.67 ms read to the tenth, the periods 3.2 to 3.5 and 1.4 to 1.8 ms,
    // every careful velocity measurement).
    struct Cle {
        Question q;
        int de, a;                 // textbook
        int de_mesure, a_mesure;   // measured on the simulation
    };
    const Cle cle[] = {
        {rel, 19, 21, 32, 35}, {abs_, 14, 16, 17, 18}, {lpr, 461, 529, 286, 320},
        {cpr, 540, 714, 540, 714}, {vit, 35, 50, 51, 55}, {electrode, 1, 1, 1, 1},
    };
    for (const Cle& c : cle) {
        const bool liste = c.q == rel || c.q == abs_ || c.q == electrode;
        for (int v = -1; v <= (liste ? 41 : 1000); ++v) {
            ReponsesEleve r;
            const QString t = QString::number(v);
            switch (c.q) {
            case rel: r.periode_relative = v; break;
            case abs_: r.periode_absolue = v; break;
            case lpr: r.frequence_relative = t; break;
            case cpr: r.frequence_absolue = t; break;
            case vit: r.vitesse = t; break;
            default: r.electrode = v; break;
            }
            const bool attendu = (c.de <= v && v <= c.a) || (c.de_mesure <= v && v <= c.a_mesure);
            EXPECT_EQ(corriger_reponses(r)[static_cast<std::size_t>(c.q)], attendu) << "question " << c.q << ", " << v;
        }
    }

    const QStringList temps = temps_refractaires();
    ASSERT_EQ(temps.size(), 41);
    EXPECT_EQ(temps[0], "0");
    EXPECT_EQ(temps[1], "0.1");
    EXPECT_EQ(temps[15], "1.5");
    EXPECT_EQ(temps[20], "2");
    EXPECT_EQ(temps[40], "4");
    EXPECT_EQ(temps[33], "3.3");
    EXPECT_EQ(temps[17], "1.7");
    for (int i = 0; i <= 40; ++i)
        EXPECT_EQ(item_refractaire(temps[i]), i) << "each item's own text names it";
    for (const auto& [texte, item] : std::initializer_list<std::pair<const char*, int>>{
             {"3,33", 33}, {"1.67 ms", 17}, {"2,05", 21}, {"4,04", 40}, {"-0,04", 0}, {"4,05", -1}, {"-0,06", -1}})
        EXPECT_EQ(item_refractaire(texte), item) << texte;
    // The stimulating electrode named as a pupil types it.
    const QStringList electrodes{QStringLiteral("l'anode"), QStringLiteral("la cathode")};
    for (const auto& [texte, item] : std::initializer_list<std::pair<const char*, int>>{
             {"la cathode", 1}, {"cathode", 1}, {"Cathode", 1}, {"CATHODE", 1}, {" la cathode ", 1},
             {"La Cathode", 1}, {"cathodé", 1}, {"anode", 0}, {"L'Anode", 0}, {"l’anode", 0}, {"ANODE ", 0},
             {"", -1}, {"la", -1}, {"cathodes", -1}, {"électrode", -1}, {"le cathode x", -1},
             {"cathode.", 1}, {"la cathode !", 1}, {"the cathode.", 1}, {"anode !", 0}})
        EXPECT_EQ(item_nomme(QString::fromUtf8(texte), electrodes), item) << texte;
    // Nothing answered: every answer is wrong.
    for (bool j : corriger_reponses(ReponsesEleve{}))
        EXPECT_FALSE(j);
}

TEST(Stimulation, EveryCarefulVelocityMeasurementIsRight)
{
    // Electrodes placed pixel by pixel, distances of 4 to 14 cm: the pupil
    // reads the distance on the ruler to the half-centimetre and the onset on
    // the trace (the last resting sample or the first raised one), by the
    // latency from the cathode, by moving electrode 1, and by the delay
    // between the two recording electrodes.
    const auto debut = [](const ReglagesStimulation& r, double Echantillon::*voie) {
        const ReponseStimulation rep = calculer(r);
        for (int j = 1; j <= ReponseStimulation::echantillons; ++j)
            if (rep.enreg[static_cast<std::size_t>(j)].*voie != 0)
                return j;
        return 0;
    };
    const auto place = [](int enr1, int enr2) {
        ReglagesStimulation r = intensite(100);
        r.enr1 = enr1;
        r.enr2 = enr2;
        return r;
    };
    const auto juger = [](double cm_exact, int echantillons) {
        const double cm = std::floor(cm_exact * 2 + 0.5) / 2;
        ReponsesEleve r;
        r.vitesse = QString::number(cm * 10 / (echantillons / 6.0), 'f', 1).replace(u'.', u',');
        SCOPED_TRACE(testing::Message() << cm << " cm, " << echantillons << " samples: " << r.vitesse.toStdString());
        EXPECT_TRUE(corriger_reponses(r)[4]);
    };
    const int cathode = ReglagesStimulation{}.cathode;
    for (int px = 30; px <= 105; ++px) {
        const double cm = px / 7.5;
        const int latence = debut(place(cathode + px, 310), &Echantillon::voie1);
        juger(cm, latence - 1);
        juger(cm, latence);
        for (int a = cathode + 5; a + px < 300; ++a) {
            juger(cm, debut(place(a + px, 310), &Echantillon::voie1) - debut(place(a, 310), &Echantillon::voie1));
            const ReglagesStimulation deux = place(a, a + px);
            juger(cm, debut(deux, &Echantillon::voie2) - debut(deux, &Echantillon::voie1));
        }
    }
    EXPECT_EQ(vitesses_mesurables().de, 40);
    EXPECT_EQ(vitesses_mesurables().a, 55);
    // The worksheet's move: electrode 1 from its start to the 34 cm mark.
    juger(8, debut(place(265, 310), &Echantillon::voie1) - debut(place(208, 310), &Echantillon::voie1));
}

TEST(Stimulation, AnAnswerChangedSinceTheCorrectionHasNoVerdict)
{
    CorrectionFeuille c;
    CorrectionFeuille::Textes textes{"1.9", "", "500", "", "40", "la cathode", "0,20"};
    EXPECT_EQ(c.etat(4, "40"), EtatReponse::non_corrigee);
    c.corriger(textes, {true, false, true, false, true, true, true});
    const struct {
        std::size_t question;
        const char* texte;
        EtatReponse etat;
    } cas[] = {{4, "40", EtatReponse::juste},     {4, " 40 ", EtatReponse::juste},   {4, "12", EtatReponse::modifiee},
               {4, "", EtatReponse::modifiee},    {1, "", EtatReponse::fausse},      {1, "1.4", EtatReponse::modifiee},
               {6, "0,20", EtatReponse::juste},   {6, "0,2", EtatReponse::modifiee}, {3, "", EtatReponse::fausse}};
    for (const auto& k : cas)
        EXPECT_EQ(c.etat(k.question, k.texte), k.etat) << k.question << " " << k.texte;
    // Corrected again: the new answer is judged.
    textes[4] = "12";
    c.corriger(textes, {true, false, true, false, false, true, true});
    EXPECT_EQ(c.etat(4, "12"), EtatReponse::fausse);
}

TEST(Stimulation, TheScreenTheValuesAndTheCursorsScaleANerveByTheFibresRecruited)
{
    // A nerve partly recruited at 0.30 V (0.40 V weakened to 0.24 by the anode between), whole from 0.70 V; a fibre always.
    const struct {
        int intensite;
        bool fibre, inversee;
        double facteur;
    } cas[] = {{30, false, false, 0.30}, {40, false, true, 0.24}, {90, false, false, 0.70}, {30, true, false, 0.70}};
    for (const auto& c : cas) {
        ReglagesStimulation r = intensite(c.intensite);
        r.fibre = c.fibre;
        if (c.inversee)
            r.anode = 90;
        const ReponseStimulation rep = calculer(r);
        const std::vector<QStringList> l = essais::lire_csv(valeurs_stimulation(r, rep));
        ASSERT_EQ(l.size(), 91u);
        CurseursMesure m;
        m.bornes(1, 80);
        int vus = 0;
        for (int j = 1; j <= 80; ++j) {
            const Echantillon& e = rep.enreg[static_cast<std::size_t>(j)];
            const double attendu = c.facteur * (e.voie1 - e.voie2);
            vus += attendu != 0;
            EXPECT_EQ(rep.y(j), std::lround(110 - attendu)) << c.intensite << " " << j;
            EXPECT_NEAR(essais::reel_fr(l[10 + static_cast<std::size_t>(j)][3]), attendu, 0.0015) << j;
            m.cliquer(j);
            EXPECT_TRUE(lectures_ecran(m, r, rep).curseurs[0].endsWith(
                QStringLiteral(" ; %1 u.a.").arg(texte_mesure(attendu))));
            m.effacer();
        }
        EXPECT_GT(vus, 20) << c.intensite;
    }
}
