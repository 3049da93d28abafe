#include "stimulation/ess0.h"

#include "common/nombres.h"
#include "workfiles/fichiers_travail.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>

using namespace quillon;

namespace {

// Every entry set to a value no reading gives: 1000 + its index.
PotentielEss0 temoin()
{
    PotentielEss0 p;
    for (std::size_t k = 0; k < p.size(); ++k)
        p[k] = 1000.0 + static_cast<double>(k);
    return p;
}

bool lit(const QByteArray& octets, PotentielEss0& pot)
{
    QByteArray copie = octets;
    QTextStream flux(&copie, QIODevice::ReadOnly);
    return lec_fic_ess0(flux, pot);
}

QByteArray joint(const QStringList& lignes, const char* fin = "\r\n")
{
    QByteArray t;
    for (const QString& l : lignes)
        t += l.toLatin1() + fin;
    return t;
}

// The count line, then 6 n integer lines whose values differ from every real
// of the tests (a reader that skipped a wrong number of lines would store
// them), then the given real lines.
QStringList lignes_fichier(const QString& compte, int n, const QStringList& reels)
{
    QStringList l{compte};
    for (int i = 0; i < 6 * n; ++i)
        l << QString::number(500 + i);
    l << reels;
    return l;
}

QStringList lignes_fichier(int n, const QStringList& reels)
{
    return lignes_fichier(QString::number(n), n, reels);
}

void attendre_intacts(const PotentielEss0& pot, std::size_t de, std::size_t a)
{
    const PotentielEss0 t = temoin();
    for (std::size_t k = de; k <= a; ++k)
        EXPECT_EQ(pot[k], t[k]) << "entry " << k;
}

} // namespace

// ---- Reading ---------------------------------------------------------------

TEST(Ess0Lecture, FichierNormal)
{
    PotentielEss0 pot = temoin();
    ASSERT_TRUE(lit(joint(lignes_fichier(3, {"-7.00000000000000E+0001", " 1.25000000000000E+0001",
                                             "-6.55000000000000E+0001"})),
                    pot));
    EXPECT_EQ(pot[1], -70.0);
    EXPECT_EQ(pot[2], 12.5);
    EXPECT_EQ(pot[3], -65.5);
    attendre_intacts(pot, 0, 0);
    attendre_intacts(pot, 4, 84);
}

TEST(Ess0Lecture, FichierEcritParLeProgramme)
{
    SequenceNernst s;
    for (int k = 1; k <= 84; ++k)
        s.etapes.push_back({k, -k, 2 * k, 3, 4, 5, -70 + 0.25 * k * (k % 2 ? 1 : -1)});
    QByteArray octets;
    QBuffer tampon(&octets);
    ASSERT_TRUE(tampon.open(QIODevice::WriteOnly));
    ASSERT_TRUE(ecrire_nernst(tampon, s));

    PotentielEss0 pot = temoin();
    ASSERT_TRUE(lit(octets, pot));
    for (int k = 1; k <= 84; ++k)
        EXPECT_EQ(pot[static_cast<std::size_t>(k)], s.etapes[static_cast<std::size_t>(k - 1)].em) << "sample " << k;
    attendre_intacts(pot, 0, 0);
}

TEST(Ess0Lecture, FichierCourtGardeLesValeursNonAtteintes)
{
    PotentielEss0 pot = temoin();
    ASSERT_TRUE(lit(joint(lignes_fichier(5, {"-70", "-60.5"})), pot));
    EXPECT_EQ(pot[1], -70.0);
    EXPECT_EQ(pot[2], -60.5);
    attendre_intacts(pot, 3, 84);
    attendre_intacts(pot, 0, 0);

    // Ending among the integer lines, or right after the count: nothing stored.
    QStringList entiers = lignes_fichier(5, {});
    entiers = entiers.mid(0, 11);
    pot = temoin();
    EXPECT_TRUE(lit(joint(entiers), pot));
    attendre_intacts(pot, 0, 84);
    pot = temoin();
    EXPECT_TRUE(lit("5\r\n", pot));
    attendre_intacts(pot, 0, 84);
    pot = temoin();
    EXPECT_TRUE(lit("5", pot));
    attendre_intacts(pot, 0, 84);
}

TEST(Ess0Lecture, FichierLongNeGardeQue84Valeurs)
{
    QStringList reels;
    for (int k = 1; k <= 100; ++k)
        reels << QString::number(k) + QStringLiteral(".5");
    PotentielEss0 pot = temoin();
    ASSERT_TRUE(lit(joint(lignes_fichier(100, reels)), pot));
    for (int k = 1; k <= 84; ++k)
        EXPECT_EQ(pot[static_cast<std::size_t>(k)], k + 0.5) << "sample " << k;
    attendre_intacts(pot, 0, 0);
}

TEST(Ess0Lecture, PremiereLigneMalformeeNeLitRien)
{
    const QStringList reels{"-70", "-60", "-50"};
    for (const char* premiere : {"", "   ", "3a", "3.0", "3,", "+", "-", "- 3", "3 3", "x3", "0x3", "3e0", "\x0c" "3"}) {
        PotentielEss0 pot = temoin();
        EXPECT_FALSE(lit(joint(lignes_fichier(QString::fromLatin1(premiere), 3, reels)), pot)) << '"' << premiere << '"';
        attendre_intacts(pot, 0, 84);
    }
    PotentielEss0 pot = temoin();
    EXPECT_FALSE(lit(QByteArray(), pot));
    attendre_intacts(pot, 0, 84);

    // Blanks and a sign around the digits are a count.
    for (const char* premiere : {" +3\t", "\t3 ", "+003"}) {
        pot = temoin();
        EXPECT_TRUE(lit(joint(lignes_fichier(QString::fromLatin1(premiere), 3, reels)), pot)) << '"' << premiere << '"';
        EXPECT_EQ(pot[1], -70.0);
        EXPECT_EQ(pot[3], -50.0);
        attendre_intacts(pot, 4, 84);
    }
}

TEST(Ess0Lecture, CompteNegatifOuNulNeLitRien)
{
    for (const char* compte : {"-2", "-1", " -84 ", "0", "-0", "+0"}) {
        PotentielEss0 pot = temoin();
        EXPECT_TRUE(lit(joint(lignes_fichier(QString::fromLatin1(compte), 2, {"-70", "-60"})), pot)) << compte;
        attendre_intacts(pot, 0, 84);
    }
}

TEST(Ess0Lecture, ReelsMalformesDonnentZero)
{
    const QStringList reels{"abc", "1,5", "", "1e400", "nan", "inf", "12x", "1e", "0x10", "- 1",
                            "  -7.5e1  ", "1e3", ".5", "-70", "\t+2.5E-0001\t", "7."};
    const double attendus[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -75, 1000, 0.5, -70, 0.25, 7};
    PotentielEss0 pot = temoin();
    ASSERT_TRUE(lit(joint(lignes_fichier(static_cast<int>(reels.size()), reels)), pot));
    for (qsizetype i = 0; i < reels.size(); ++i)
        EXPECT_EQ(pot[static_cast<std::size_t>(i + 1)], attendus[i]) << '"' << reels[i].toStdString() << '"';
    attendre_intacts(pot, static_cast<std::size_t>(reels.size()) + 1, 84);
}

TEST(Ess0Lecture, FinsDeLigneLF)
{
    const QStringList l = lignes_fichier(4, {"-70", "-60.25", "1e1", "-5"});
    PotentielEss0 crlf = temoin();
    PotentielEss0 lf = temoin();
    ASSERT_TRUE(lit(joint(l, "\r\n"), crlf));
    ASSERT_TRUE(lit(joint(l, "\n"), lf));
    EXPECT_EQ(lf, crlf);
    EXPECT_EQ(lf[2], -60.25);
    EXPECT_EQ(lf[4], -5.0);

    // The last line without its end, each way.
    for (const char* fin : {"\n", "\r\n"}) {
        QByteArray t = joint(l, fin);
        t.chop(static_cast<qsizetype>(std::strlen(fin)));
        PotentielEss0 pot = temoin();
        ASSERT_TRUE(lit(t, pot));
        EXPECT_EQ(pot, crlf);
    }
}

TEST(Ess0Lecture, CompteEnormeSansLignes)
{
    // Counts far past any file: the reading stops at the end of the text.
    for (const char* compte : {"1099511627776", "99999999999999999999999999"}) {
        PotentielEss0 pot = temoin();
        EXPECT_TRUE(lit(joint({QString::fromLatin1(compte), "1", "2", "-70"}), pot)) << compte;
        attendre_intacts(pot, 0, 84);
    }
}

TEST(Ess0Lecture, ParChemin)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath(QStringLiteral("ess0.nst"));
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QByteArray t = joint(lignes_fichier(2, {" -6.50000000000000E+0001", " 3.00000000000000E+0001"}));
        ASSERT_EQ(f.write(t), t.size());
    }
    PotentielEss0 pot = temoin();
    ASSERT_TRUE(lec_fic_ess0(chemin, pot));
    EXPECT_EQ(pot[1], -65.0);
    EXPECT_EQ(pot[2], 30.0);
    attendre_intacts(pot, 3, 84);

    pot = temoin();
    EXPECT_FALSE(lec_fic_ess0(dossier.filePath(QStringLiteral("absent.nst")), pot));
    attendre_intacts(pot, 0, 84);
}

// ---- The program's recorded action potential ------------------------------

namespace {

constexpr double repos = -70; // mV, the resting value the file is written around

PotentielEss0 potentiel_livre()
{
    PotentielEss0 pot = temoin();
    EXPECT_TRUE(lec_fic_ess0(QStringLiteral(QUILLON_ESS0_REFERENCE), pot));
    return pot;
}

// The response shape the stimulation page draws: pot[j] - pot[70].
double forme(const PotentielEss0& pot, int j)
{
    return pot[static_cast<std::size_t>(j)] - pot[70];
}

// The latency a pupil reads on the stimulation page when the response starts
// at its j-th sample: the shape is drawn from sample decal1 + j, sample s at
// x = 5 s + 6 in the group box, whose time ruler puts 0 ms at x 10 and 30
// pixels per ms. Electrodes at their design places: cathode 80, recording
// electrode 1 at 208.
double latence_ms(int j)
{
    const int decal1 = div_entiere(208 - 80, 6);
    const int x = 5 * (decal1 + j) + 6;
    return (x - 10) / 30.0;
}

// The distance the pupil reads on the centimetre ruler (7.5 pixels per cm):
// (208 - 80) / 7.5 = 17.07 cm, read as 17 cm.
double distance_cm()
{
    return static_cast<double>(arrondi((208 - 80) / 7.5));
}

} // namespace

TEST(Ess0Donnees, MiseEnPageDuFichierDeTravail)
{
    QFile f(QStringLiteral(QUILLON_ESS0_REFERENCE));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    EXPECT_EQ(octets.count("\r\n"), 1 + 7 * 84);
    EXPECT_EQ(octets.count('\n'), 1 + 7 * 84);
    EXPECT_TRUE(octets.startsWith("84\r\n"));
    EXPECT_TRUE(octets.endsWith("\r\n"));

    const ResultatNernst r = lire_nernst(QStringLiteral(QUILLON_ESS0_REFERENCE), 84);
    ASSERT_EQ(r.etat, LectureNernst::Lue);
    ASSERT_EQ(r.sequence.etapes.size(), 84u);
    const QList<QByteArray> lignes = octets.split('\n');
    const PotentielEss0 pot = potentiel_livre();
    for (int k = 1; k <= 84; ++k) {
        const EtapeNernst& e = r.sequence.etapes[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(e, (EtapeNernst{0, 0, 0, 0, 0, 0, e.em})) << "step " << k;
        EXPECT_EQ(pot[static_cast<std::size_t>(k)], e.em) << "sample " << k;
        const QByteArray& ligne = lignes[6 * 84 + k];
        EXPECT_EQ(ligne.size(), 24) << "sample " << k; // 23 characters and the CR
        EXPECT_EQ(QString::fromLatin1(ligne.chopped(1)), reel_23(e.em)) << "sample " << k;
    }
}

TEST(Ess0Donnees, UnPotentielDActionEntierDansLes30PremiersEchantillons)
{
    const PotentielEss0 pot = potentiel_livre();
    for (int k = 1; k <= 84; ++k) {
        ASSERT_TRUE(std::isfinite(pot[static_cast<std::size_t>(k)])) << "sample " << k;
        EXPECT_GT(pot[static_cast<std::size_t>(k)], -100) << "sample " << k;
        EXPECT_LT(pot[static_cast<std::size_t>(k)], 60) << "sample " << k;
    }
    // At rest before the spike and at the page's baseline sample.
    EXPECT_LT(std::abs(pot[1] - repos), 1);
    EXPECT_LT(std::abs(pot[70] - repos), 1);

    int sommet = 1;
    for (int k = 2; k <= 30; ++k) {
        if (pot[static_cast<std::size_t>(k)] > pot[static_cast<std::size_t>(sommet)])
            sommet = k;
    }
    // The rise, the peak above 0 mV, the fall.
    EXPECT_GT(sommet, 2);
    EXPECT_LT(sommet, 20);
    EXPECT_GT(pot[static_cast<std::size_t>(sommet)], 0);
    EXPECT_GT(pot[static_cast<std::size_t>(sommet)] - pot[1], 70);
    for (int k = 2; k <= sommet; ++k)
        EXPECT_GE(pot[static_cast<std::size_t>(k)], pot[static_cast<std::size_t>(k - 1)] - 0.01) << "rise at " << k;

    // Repolarisation below rest and the undershoot, begun before sample 30
    // and over there: the response the page draws (samples 1..30) ends back
    // on the baseline, so no trace steps back to it afterwards.
    int creux = sommet;
    for (int k = sommet; k <= 30; ++k) {
        if (pot[static_cast<std::size_t>(k)] < pot[static_cast<std::size_t>(creux)])
            creux = k;
    }
    EXPECT_LT(creux, 30);
    EXPECT_LT(pot[static_cast<std::size_t>(creux)], pot[70] - 3);
    EXPECT_LT(std::abs(pot[30] - pot[70]), 0.5);
    for (int k = sommet + 1; k <= creux; ++k)
        EXPECT_LE(pot[static_cast<std::size_t>(k)], pot[static_cast<std::size_t>(k - 1)] + 0.01) << "fall at " << k;
}

TEST(Ess0Donnees, VitesseDeConductionMesuree)
{
    const PotentielEss0 pot = potentiel_livre();
    // The start of the response: the first sample more than 2 mV from the baseline.
    int depart = 0;
    for (int j = 1; j <= 30 && depart == 0; ++j) {
        if (std::abs(forme(pot, j)) > 2)
            depart = j;
    }
    ASSERT_GT(depart, 0);
    const double vitesse = distance_cm() / latence_ms(depart) * 10; // m/s
    EXPECT_GE(vitesse, 35) << "j = " << depart << ", " << latence_ms(depart) << " ms";
    EXPECT_LE(vitesse, 45) << "j = " << depart << ", " << latence_ms(depart) << " ms";

    // The same reading from the first drawn point off the baseline by a whole
    // pixel at the highest gain (0.7 pixel per mV).
    int pixel = 0;
    for (int j = 1; j <= 30 && pixel == 0; ++j) {
        if (arrondi(0.7 * forme(pot, j)) != 0)
            pixel = j;
    }
    ASSERT_GT(pixel, 0);
    const double vitesse_pixel = distance_cm() / latence_ms(pixel) * 10;
    EXPECT_GE(vitesse_pixel, 35) << "j = " << pixel;
    EXPECT_LE(vitesse_pixel, 45) << "j = " << pixel;
}
