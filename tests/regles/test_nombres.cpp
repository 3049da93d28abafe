#include "common/aleatoire.h"
#include "common/barre.h"
#include "common/nombres.h"

#include <QLocale>
#include <gtest/gtest.h>

#include "impression.h"

#include <set>

using namespace quillon;

TEST(Fixed, PointSeparatorAndPadding)
{
    EXPECT_EQ(fixed(3.14159, 0, 2), "3.14");
    EXPECT_EQ(fixed(-90.0, 7, 1), "  -90.0");
    EXPECT_EQ(fixed(12.5, 2, 0), "13"); // displayed ties go away from zero
    EXPECT_EQ(fixed(1234.5678, 3, 1), "1234.6"); // never truncated to the width
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(fixed(0.5, 4, 2), "0.50");
    QLocale::setDefault(QLocale::c());
}

TEST(FormatGeneral, WholeNumbersHaveNoDecimals)
{
    EXPECT_EQ(format_general(0, "fr_FR"), "0");
    EXPECT_EQ(format_general(100, "fr_FR"), "100");
    EXPECT_EQ(format_general(3.0 / 10 * 100, "en_US"), "30"); // 30.000000000000004 in binary
    EXPECT_EQ(format_general(7.0 / 10 * 100, "en_US"), "70");
    EXPECT_EQ(format_general(-42, "en_US"), "-42");
}

TEST(FormatGeneral, FifteenDigitsAndTheLocaleSeparator)
{
    EXPECT_EQ(format_general(1.0 / 3 * 100, "fr_FR"), "33,3333333333333");
    EXPECT_EQ(format_general(1.0 / 3 * 100, "en_US"), "33.3333333333333");
    EXPECT_EQ(format_general(2.5, "fr_FR"), "2,5");
    EXPECT_EQ(format_general(0.001, "en_US"), "0.001");
    EXPECT_EQ(format_general(0.0000015, "en_US"), "1.5E-6");
    EXPECT_EQ(format_general(1e20, "en_US"), "1E+20");
    EXPECT_EQ(format_general(123456789012345.0, "en_US"), "123456789012345");
}

TEST(LireEntier, LeadingBlanksSignDigitsThenStop)
{
    EXPECT_EQ(lire_entier(""), 0);
    EXPECT_EQ(lire_entier("   "), 0);
    EXPECT_EQ(lire_entier("  42"), 42);
    EXPECT_EQ(lire_entier("-17abc"), -17);
    EXPECT_EQ(lire_entier("+8"), 8);
    EXPECT_EQ(lire_entier("12.9"), 12);
    EXPECT_EQ(lire_entier("x12"), 0);
    EXPECT_EQ(lire_entier("- 5"), 0);
    EXPECT_EQ(lire_entier("007"), 7);
}

TEST(LireEntier, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(lire_entier("99999999999999999999"), 2147483647);
    EXPECT_EQ(lire_entier("-99999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(lire_entier("2147483647"), 2147483647);
    EXPECT_EQ(lire_entier("-2147483648"), -2147483647 - 1);
}

TEST(Arrondi, TiesGoToTheEvenNumber)
{
    EXPECT_EQ(arrondi(0.5), 0);
    EXPECT_EQ(arrondi(1.5), 2);
    EXPECT_EQ(arrondi(2.5), 2);
    EXPECT_EQ(arrondi(-2.5), -2);
    EXPECT_EQ(arrondi(-3.5), -4);
    EXPECT_EQ(arrondi(2.4999), 2);
    EXPECT_EQ(arrondi(-0.6), -1);
    EXPECT_EQ(div_entiere(-7, 2), -3);
}

TEST(Aleatoire, UniformOverTheWholeRangeAndReproducibleFromASeed)
{
    Aleatoire a(123);
    Aleatoire b(123);
    std::set<int> vus;
    int comptes[10] = {};
    for (int i = 0; i < 20000; ++i) {
        const int x = a.random(10);
        ASSERT_EQ(x, b.random(10));
        ASSERT_GE(x, 0);
        ASSERT_LT(x, 10);
        ++comptes[x];
    }
    for (int c : comptes) {
        EXPECT_GT(c, 1700);
        EXPECT_LT(c, 2300);
    }
    EXPECT_EQ(a.random(0), 0);
    EXPECT_EQ(a.random(1), 0);
}

TEST(Aleatoire, ClockSeedsDiffer)
{
    Aleatoire a;
    Aleatoire b;
    a.randomize();
    b.semer(1);
    int differents = 0;
    for (int i = 0; i < 20; ++i)
        differents += a.random(1000000) != b.random(1000000);
    EXPECT_GT(differents, 0);
}

TEST(BarreVerticale, TopIsTheLargestValue)
{
    EXPECT_EQ(valeur_barre_verticale(300, 0), 300);
    EXPECT_EQ(valeur_barre_verticale(300, 300), 0);
    EXPECT_EQ(valeur_barre_verticale(100, 25), 75);
    EXPECT_EQ(position_barre_verticale(300, valeur_barre_verticale(300, 299)), 299);
}
