// The ionic-equilibria work file (".nst"): the 23-character reals, the
// exact bytes written, what a read accepts or refuses, and the file saved
// through a temporary one.
#include "workfiles/fichiers_travail.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

#include "impression.h"
#include "regles/outils_regles.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>

using namespace quillon;
using namespace quillon::essais;

namespace {

QByteArray ecrit(const SequenceNernst& s)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    EXPECT_TRUE(ecrire_nernst(tampon, s));
    return octets;
}

ResultatNernst lu_nst(const QByteArray& octets, int maxi = nernst_etapes_maxi)
{
    QByteArray copie = octets;
    QTextStream flux(&copie, QIODevice::ReadOnly);
    return lire_nernst(flux, maxi);
}

// A text of lines joined by the given end, with or without a last one.
QByteArray lignes(const QStringList& l, const char* fin = "\r\n", bool fin_derniere = true)
{
    QByteArray t = l.join(QLatin1String(fin)).toLatin1();
    if (fin_derniere && !l.isEmpty())
        t += fin;
    return t;
}

SequenceNernst deux_etapes()
{
    SequenceNernst s;
    s.etapes.push_back({1, -2, 140, 5, -15, 145, -85.37});
    s.etapes.push_back({100, 0, -1, 2147483647, -2147483647 - 1, 12, 70});
    return s;
}

const char deux_etapes_octets[] =
    "2\r\n"
    "1\r\n-2\r\n140\r\n5\r\n-15\r\n145\r\n"
    "100\r\n0\r\n-1\r\n2147483647\r\n-2147483648\r\n12\r\n"
    "-8.53700000000000E+0001\r\n"
    " 7.00000000000000E+0001\r\n";

// A sequence of n steps with values of every sign and many magnitudes.
SequenceNernst sequence_hasard(int n, unsigned graine)
{
    std::mt19937 hasard(graine);
    std::uniform_int_distribution<int> entier(-100000, 100000);
    std::uniform_real_distribution<double> mantisse(-10, 10);
    std::uniform_int_distribution<int> puissance(-30, 30);
    SequenceNernst s;
    for (int i = 0; i < n; ++i) {
        EtapeNernst e;
        e.gk = entier(hasard);
        e.gna = entier(hasard);
        e.k_int = entier(hasard);
        e.k_ext = entier(hasard);
        e.na_int = entier(hasard);
        e.na_ext = entier(hasard);
        e.em = mantisse(hasard) * std::pow(10.0, puissance(hasard));
        s.etapes.push_back(e);
    }
    return s;
}

void attendre_proche(const SequenceNernst& lue, const SequenceNernst& ecrite)
{
    ASSERT_EQ(lue.etapes.size(), ecrite.etapes.size());
    for (std::size_t i = 0; i < lue.etapes.size(); ++i) {
        EtapeNernst a = lue.etapes[i];
        const EtapeNernst& b = ecrite.etapes[i];
        EXPECT_LE(std::abs(a.em - b.em), std::abs(b.em) * 1e-14) << "step " << i + 1;
        a.em = b.em;
        EXPECT_EQ(a, b) << "step " << i + 1;
    }
}

// A device that takes a given number of bytes and then refuses to write.
class SortieLimitee : public QIODevice {
public:
    explicit SortieLimitee(qint64 place) : place_(place) { open(QIODevice::WriteOnly); }
    QByteArray recu;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* d, qint64 n) override
    {
        if (n > place_ - recu.size())
            return -1;
        recu.append(d, n);
        return n;
    }

private:
    qint64 place_;
};

} // namespace

// ---- The 23-character reals ----------------------------------------------

TEST(FichierNernstReel23, LayoutOfEveryKindOfValue)
{
    const struct {
        double x;
        QString attendu;
    } cas[] = {
        // Ordinary values.
        {70, " 7.00000000000000E+0001"},
        {-85.37, "-8.53700000000000E+0001"},
        {0, " 0.00000000000000E+0000"},
        {-0.0, " 0.00000000000000E+0000"},
        {0.001, " 1.00000000000000E-0003"},
        {1, " 1.00000000000000E+0000"},
        {-1, "-1.00000000000000E+0000"},
        {12.5, " 1.25000000000000E+0001"},
        {-0.0625, "-6.25000000000000E-0002"},
        {1.0 / 3, " 3.33333333333333E-0001"},
        {-2.0 / 3, "-6.66666666666667E-0001"},
        {123456789012345678.0, " 1.23456789012346E+0017"},
        {999.999999999999, " 9.99999999999999E+0002"},
        // Rounding carries into the exponent.
        {9.999999999999999e2, " 1.00000000000000E+0003"},
        {-9.999999999999999e2, "-1.00000000000000E+0003"},
        {std::nextafter(1.0, 0.0), " 1.00000000000000E+0000"},
        {9.9999999999999995e-4, " 1.00000000000000E-0003"},
        {9.9999999999999991e99, " 1.00000000000000E+0100"},
        // Tiny and huge magnitudes.
        {1e-300, " 1.00000000000000E-0300"},
        {-1e300, "-1.00000000000000E+0300"},
        {1e100, " 1.00000000000000E+0100"},
        {DBL_MIN, " 2.22507385850720E-0308"},
        {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-0324"},
        {-std::numeric_limits<double>::denorm_min(), "-4.94065645841247E-0324"},
        // Rounded up, these would be beyond the largest double once read back.
        {DBL_MAX, " 1.79769313486231E+0308"},
        {-DBL_MAX, "-1.79769313486231E+0308"},
        {1.7976931348623e308, " 1.79769313486230E+0308"},
        // Values that are no numbers: readable, and aligned on the right.
        {std::numeric_limits<double>::quiet_NaN(), QString(20, ' ') + "Nan"},
        {std::numeric_limits<double>::infinity(), QString(19, ' ') + "+Inf"},
        {-std::numeric_limits<double>::infinity(), QString(19, ' ') + "-Inf"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(::testing::Message() << "x = " << std::setprecision(17) << c.x);
        EXPECT_EQ(reel_23(c.x), c.attendu);
    }
}

TEST(FichierNernstReel23, PointWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QString t = reel_23(-85.37);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(t, "-8.53700000000000E+0001");
}

TEST(FichierNernstReel23, EveryMagnitudeKeepsTheLayoutAndReadsBack)
{
    const QRegularExpression forme(QStringLiteral("^[ -][0-9]\\.[0-9]{14}E[+-][0-9]{4}$"));
    std::mt19937_64 hasard(7);
    int essais = 0;
    while (essais < 20000) {
        const std::uint64_t bits = hasard();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        if (!std::isfinite(x))
            continue;
        ++essais;
        const QString t = reel_23(x);
        ASSERT_EQ(t.size(), 23) << x;
        ASSERT_TRUE(forme.match(t).hasMatch()) << t.toStdString();
        EXPECT_EQ(t[0] == '-', x < 0) << t.toStdString();

        SequenceNernst s;
        s.etapes.push_back({});
        s.etapes[0].em = x;
        const ResultatNernst r = lu_nst(ecrit(s));
        ASSERT_EQ(r.etat, LectureNernst::Lue);
        const double y = r.sequence.etapes.at(0).em;
        ASSERT_LE(std::abs(y - x), std::abs(x) * 1e-14) << t.toStdString();
    }
}

TEST(FichierNernstReel23, SmallestDoublesAreFoundAgainExactly)
{
    // Down there the doubles are further apart than the 15th digit.
    std::mt19937_64 hasard(8);
    for (int essai = 0; essai < 2000; ++essai) {
        const double x = std::numeric_limits<double>::denorm_min()
                         * static_cast<double>(hasard() % (std::uint64_t{1} << 40) + 1)
                         * (essai % 2 ? -1 : 1);
        SequenceNernst s;
        s.etapes.push_back({});
        s.etapes[0].em = x;
        const ResultatNernst r = lu_nst(ecrit(s));
        ASSERT_EQ(r.etat, LectureNernst::Lue);
        ASSERT_EQ(r.sequence.etapes.at(0).em, x) << reel_23(x).toStdString();
    }
}

// ---- Writing ---------------------------------------------------------------

TEST(FichierNernstEcriture, ExactBytes)
{
    EXPECT_EQ(ecrit(SequenceNernst{}), QByteArray("0\r\n"));
    EXPECT_EQ(ecrit(deux_etapes()), QByteArray(deux_etapes_octets));

    SequenceNernst une;
    une.etapes.push_back({0, 0, 0, 0, 0, 0, 0.001});
    EXPECT_EQ(ecrit(une), QByteArray("1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n 1.00000000000000E-0003\r\n"));
}

TEST(FichierNernstEcriture, LineCountAndLineEnds)
{
    const SequenceNernst s = sequence_hasard(83, 1);
    const QByteArray o = ecrit(s);
    EXPECT_EQ(o.count("\r\n"), 1 + 7 * 83);
    EXPECT_EQ(o.count('\n'), 1 + 7 * 83);
    EXPECT_EQ(o.count('\r'), 1 + 7 * 83);
    EXPECT_TRUE(o.endsWith("\r\n"));
    const QList<QByteArray> l = o.split('\n');
    for (int i = 1 + 6 * 83; i < 1 + 7 * 83; ++i)
        EXPECT_EQ(l[i].size(), 24) << i; // 23 characters and the CR
}

TEST(FichierNernstEcriture, RefusedWritesAreReported)
{
    const QByteArray attendu(deux_etapes_octets);
    for (qint64 place = 0; place < attendu.size(); place += 7) {
        SortieLimitee sortie(place);
        EXPECT_FALSE(ecrire_nernst(sortie, deux_etapes())) << place;
    }
    SortieLimitee assez(attendu.size());
    EXPECT_TRUE(ecrire_nernst(assez, deux_etapes()));
    EXPECT_EQ(assez.recu, attendu);

    QByteArray octets;
    QBuffer lecture_seule(&octets);
    lecture_seule.open(QIODevice::ReadOnly);
    EXPECT_FALSE(ecrire_nernst(lecture_seule, deux_etapes()));
    QBuffer ferme;
    EXPECT_FALSE(ecrire_nernst(ferme, SequenceNernst{}));
}

// ---- Reading ---------------------------------------------------------------

TEST(FichierNernstLecture, RoundTrips)
{
    ResultatNernst r = lu_nst(QByteArray(deux_etapes_octets));
    ASSERT_EQ(r.etat, LectureNernst::Lue);
    EXPECT_EQ(r.sequence, deux_etapes()); // -85.37 and 70 are found again exactly

    r = lu_nst("0\r\n");
    EXPECT_EQ(r.etat, LectureNernst::Lue);
    EXPECT_TRUE(r.sequence.etapes.empty());

    for (unsigned graine = 1; graine <= 20; ++graine) {
        const SequenceNernst s = sequence_hasard(static_cast<int>(graine * 4 % 84), graine);
        r = lu_nst(ecrit(s));
        ASSERT_EQ(r.etat, LectureNernst::Lue);
        attendre_proche(r.sequence, s);
    }
}

TEST(FichierNernstLecture, LineEndsBlanksAndSigns)
{
    const SequenceNernst attendue = deux_etapes();
    QStringList l = QString::fromLatin1(deux_etapes_octets).split("\r\n", Qt::SkipEmptyParts);

    // LF alone, no last line end, or both.
    EXPECT_EQ(lu_nst(lignes(l, "\n")).sequence, attendue);
    EXPECT_EQ(lu_nst(lignes(l, "\r\n", false)).sequence, attendue);
    const ResultatNernst r = lu_nst(lignes(l, "\n", false));
    EXPECT_EQ(r.etat, LectureNernst::Lue);
    EXPECT_EQ(r.sequence, attendue);

    // Blanks before and after, explicit signs.
    l[0] = "  +2 \t";
    l[1] = "   +1";
    l[2] = "\t-2";
    l[13] = "  -8.537E1  ";
    l[14] = "70";
    const ResultatNernst b = lu_nst(lignes(l));
    ASSERT_EQ(b.etat, LectureNernst::Lue);
    EXPECT_EQ(b.sequence, attendue);

    EXPECT_EQ(lu_nst("-0\r\n").etat, LectureNernst::Lue);
    EXPECT_EQ(lu_nst("\t0").etat, LectureNernst::Lue);

    // A last line ended by CR alone, a doubled CR: still the line's end.
    EXPECT_EQ(lu_nst("0\r").etat, LectureNernst::Lue);
    EXPECT_EQ(lu_nst("0\r\r\n").etat, LectureNernst::Lue);
    EXPECT_EQ(lu_nst("1 \r\r\n1\n2\n3\n4\n5\n6\n-70\r").sequence.etapes.at(0),
              (EtapeNernst{1, 2, 3, 4, 5, 6, -70}));
}

TEST(FichierNernstLecture, FirstLineMustBeAWholeNumber)
{
    for (const char* premiere : {"abc", "", "   ", "12x", "1.5", "- 2", "1 2", "+", "0x10", "2e0", "\xc3\xa9"}) {
        const ResultatNernst r = lu_nst(QByteArray(premiere) + "\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
        EXPECT_EQ(r.etat, LectureNernst::PremiereLigne) << premiere;
        EXPECT_TRUE(r.sequence.etapes.empty()) << premiere;
    }
    EXPECT_EQ(lu_nst("").etat, LectureNernst::PremiereLigne);
    EXPECT_EQ(lu_nst("\r\n").etat, LectureNernst::PremiereLigne);
}

TEST(FichierNernstLecture, CountOutsideTheLimits)
{
    for (const char* compte : {"-1", "84", "-2147483648", "2147483648", "99999999", "99999999999999999999999",
                               "18446744073709551617", "-18446744073709551615"}) { // 2^64 + 1, -(2^64 - 1)
        const ResultatNernst r = lu_nst(QByteArray(compte) + "\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
        EXPECT_EQ(r.etat, LectureNernst::HorsLimites) << compte;
        EXPECT_TRUE(r.sequence.etapes.empty()) << compte;
    }

    const SequenceNernst s84 = sequence_hasard(84, 3);
    const QByteArray o84 = ecrit(s84);
    EXPECT_EQ(lu_nst(o84).etat, LectureNernst::HorsLimites);
    const ResultatNernst r = lu_nst(o84, 84);
    ASSERT_EQ(r.etat, LectureNernst::Lue);
    attendre_proche(r.sequence, s84);

    EXPECT_EQ(lu_nst(ecrit(sequence_hasard(83, 4))).etat, LectureNernst::Lue);
    EXPECT_EQ(lu_nst("3\r\n", 2).etat, LectureNernst::HorsLimites);
    EXPECT_EQ(lu_nst("1\r\n", 0).etat, LectureNernst::HorsLimites);
}

TEST(FichierNernstLecture, TruncatedTextsAreIncomplete)
{
    const QByteArray complet(deux_etapes_octets);
    const QList<QByteArray> l = complet.split('\n'); // 15 lines and an empty piece
    ASSERT_EQ(l.size(), 16);
    // Cut after the count, within the integers, within the reals, and in
    // the middle of the last line (which then still counts as a line).
    for (int garde = 1; garde < 15; ++garde) {
        const QByteArray tronque = l.mid(0, garde).join('\n') + '\n';
        const ResultatNernst r = lu_nst(tronque);
        EXPECT_EQ(r.etat, LectureNernst::Incomplete) << garde;
        EXPECT_TRUE(r.sequence.etapes.empty()) << garde;
    }
    const ResultatNernst dernier_coupe = lu_nst(complet.left(complet.size() - 10));
    EXPECT_EQ(dernier_coupe.etat, LectureNernst::Lue);
    EXPECT_EQ(dernier_coupe.sequence.etapes.at(1).em, 7.0);

    // Extra lines after the announced ones are ignored.
    const ResultatNernst plus = lu_nst(complet + "junk\r\n12\r\n");
    EXPECT_EQ(plus.etat, LectureNernst::Lue);
    EXPECT_EQ(plus.sequence, deux_etapes());
}

TEST(FichierNernstLecture, MalformedValuesGiveLeadingDigitsOrZero)
{
    const ResultatNernst r = lu_nst(lignes({"2", "12abc", "abc", "", " -7x", "99999999999", "+-3",
                                        "4.9", "--1", "-2147483649", "  ", "0012", "x1",
                                        "abc", "1,5"}));
    ASSERT_EQ(r.etat, LectureNernst::Lue);
    EXPECT_EQ(r.sequence.etapes.at(0), (EtapeNernst{12, 0, 0, -7, 2147483647, 0, 0}));
    EXPECT_EQ(r.sequence.etapes.at(1), (EtapeNernst{4, 0, -2147483647 - 1, 0, 12, 0, 0}));

    const struct {
        const char* texte;
        double valeur;
    } reels[] = {
        {"-70", -70},       {" 7.0E+0001", 70}, {"1e3", 1000},  {"  -8.537E1  ", -85.37},
        {"+0.5", 0.5},      {".25", 0.25},      {"3.", 3},      {"1E-3", 0.001},
        {"abc", 0},         {"", 0},            {"1,5", 0},     {"12abc", 0},
        {"nan", 0},         {"Nan", 0},         {"+Inf", 0},    {"-inf", 0},
        {"1e999", 0},       {"-1e999", 0},      {"1e-999", 0},  {"- 5", 0},
    };
    for (const auto& c : reels) {
        const ResultatNernst lu_reel = lu_nst(lignes({"1", "0", "0", "0", "0", "0", "0", c.texte}));
        ASSERT_EQ(lu_reel.etat, LectureNernst::Lue) << c.texte;
        EXPECT_EQ(lu_reel.sequence.etapes.at(0).em, c.valeur) << c.texte;
    }
}

TEST(FichierNernstLecture, LargeOrNoisyTextsCostTheirSize)
{
    // Megabytes of noise: one long first line refused, nothing kept.
    std::mt19937 hasard(11);
    QByteArray bruit(6 * 1024 * 1024, '\0');
    for (char& c : bruit)
        c = static_cast<char>(hasard());
    bruit.replace('\n', 'x');
    EXPECT_EQ(lu_nst(bruit).etat, LectureNernst::PremiereLigne);
    EXPECT_EQ(lu_nst("3\n" + bruit).etat, LectureNernst::Incomplete);

    // A huge count with few lines, or a valid count followed by megabytes.
    EXPECT_EQ(lu_nst("99999999\r\n1\r\n2\r\n").etat, LectureNernst::HorsLimites);
    EXPECT_EQ(lu_nst("2147483647\r\n", 2147483647).etat, LectureNernst::Incomplete);
    const ResultatNernst r = lu_nst(QByteArray(deux_etapes_octets) + bruit);
    EXPECT_EQ(r.etat, LectureNernst::Lue);
    EXPECT_EQ(r.sequence, deux_etapes());
}

// ---- Files -----------------------------------------------------------------

TEST(FichierNernstEnregistrement, SavedFileReadsBack)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath("essai.nst");
    ASSERT_TRUE(enregistrer_nernst(chemin, deux_etapes()));
    EXPECT_EQ(lire(chemin), QByteArray(deux_etapes_octets));
    const ResultatNernst r = lire_nernst(chemin);
    EXPECT_EQ(r.etat, LectureNernst::Lue);
    EXPECT_EQ(r.sequence, deux_etapes());

    // Saved again over it: replaced, and nothing left beside it.
    ASSERT_TRUE(enregistrer_nernst(chemin, SequenceNernst{}));
    EXPECT_EQ(lire(chemin), QByteArray("0\r\n"));
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"essai.nst"});
}

TEST(FichierNernstEnregistrement, FileReadingStates)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    EXPECT_EQ(lire_nernst(dossier.filePath("absent.nst")).etat, LectureNernst::Illisible);
    EXPECT_EQ(lire_nernst(dossier.path()).etat, LectureNernst::Illisible);

    const QString chemin = dossier.filePath("84.nst");
    const SequenceNernst s = sequence_hasard(84, 9);
    ASSERT_TRUE(enregistrer_nernst(chemin, s));
    EXPECT_EQ(lire_nernst(chemin).etat, LectureNernst::HorsLimites);
    const ResultatNernst r = lire_nernst(chemin, 84);
    ASSERT_EQ(r.etat, LectureNernst::Lue);
    attendre_proche(r.sequence, s);

    ASSERT_TRUE(ecrire(chemin, "1\n1\n2\n3\n"));
    EXPECT_EQ(lire_nernst(chemin).etat, LectureNernst::Incomplete);
    ASSERT_TRUE(ecrire(chemin, "\xef\xbb\xbf" "0\r\n")); // a UTF-8 mark is no number
    EXPECT_EQ(lire_nernst(chemin).etat, LectureNernst::PremiereLigne);
}

TEST(FichierNernstEnregistrement, FailuresLeaveTheEarlierFile)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());

    // No such folder.
    const QString sans_dossier = dossier.filePath("absent/essai.nst");
    EXPECT_FALSE(enregistrer_nernst(sans_dossier, deux_etapes()));
    EXPECT_FALSE(QFileInfo::exists(sans_dossier));
    EXPECT_FALSE(QFileInfo::exists(dossier.filePath("absent")));

    // A "folder" that is a regular file: it keeps its bytes.
    const QString ordinaire = dossier.filePath("ordinaire.nst");
    ASSERT_TRUE(ecrire(ordinaire, "0\r\n"));
    EXPECT_FALSE(enregistrer_nernst(ordinaire + "/essai.nst", deux_etapes()));
    EXPECT_EQ(lire(ordinaire), QByteArray("0\r\n"));

    // A folder in the place of the file: not replaced, its content stays,
    // no temporary file is left beside it.
    const QString sous_dossier = dossier.filePath("dossier.nst");
    ASSERT_TRUE(QDir(dossier.path()).mkdir("dossier.nst"));
    ASSERT_TRUE(ecrire(sous_dossier + "/dedans", "x"));
    EXPECT_FALSE(enregistrer_nernst(sous_dossier, deux_etapes()));
    EXPECT_TRUE(QFileInfo(sous_dossier).isDir());
    EXPECT_EQ(lire(sous_dossier + "/dedans"), QByteArray("x"));
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"dossier.nst", "ordinaire.nst"}));

    // A folder where nothing may be written (root may write anywhere).
    if (!ecrit_malgre_les_droits()) {
        const QString protege = dossier.filePath("protege");
        ASSERT_TRUE(QDir(dossier.path()).mkdir("protege"));
        const QString chemin = protege + "/essai.nst";
        ASSERT_TRUE(ecrire(chemin, "0\r\n"));
        ASSERT_TRUE(QFile::setPermissions(chemin, QFileDevice::ReadOwner));
        ASSERT_TRUE(QFile::setPermissions(protege, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        EXPECT_FALSE(enregistrer_nernst(chemin, deux_etapes()));
        EXPECT_EQ(lire(chemin), QByteArray("0\r\n"));
        QFile::setPermissions(protege, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}
