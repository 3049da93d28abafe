// The weight-discrimination work file (".fch"): 51 rows of 12 cells, one a
// line, in Windows-1252.
#include "workfiles/fichiers_travail.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

#include "impression.h"
#include "regles/outils_regles.h"

using namespace quillon;
using namespace quillon::essais;

namespace {

QString cellule_attendue(int ligne, int colonne)
{
    return QStringLiteral("L%1 C%2").arg(ligne).arg(colonne);
}

QByteArray table_texte(int nombre_lignes, const char* fin = "\r\n")
{
    QByteArray t;
    for (int i = 0; i < nombre_lignes; ++i)
        t += cellule_attendue(i / fechner_colonnes, i % fechner_colonnes).toLatin1() + fin;
    return t;
}

TableFechner lue_fechner(const QByteArray& octets)
{
    QString texte = texte_windows_1252(octets);
    QTextStream flux(&texte, QIODevice::ReadOnly);
    return lire_fechner(flux);
}

void attendre_table(const TableFechner& t, int lignes_presentes)
{
    for (int l = 0; l < fechner_lignes; ++l) {
        for (int c = 0; c < fechner_colonnes; ++c) {
            const bool presente = l * fechner_colonnes + c < lignes_presentes;
            EXPECT_EQ(t[l][c], presente ? cellule_attendue(l, c) : QString()) << l << " " << c;
        }
    }
}

} // namespace

TEST(FichierFechner, CompleteShortAndLongTexts)
{
    attendre_table(lue_fechner(table_texte(612)), 612);
    attendre_table(lue_fechner(table_texte(612, "\n")), 612);
    attendre_table(lue_fechner(table_texte(13)), 13);
    attendre_table(lue_fechner(table_texte(0)), 0);
    attendre_table(lue_fechner(table_texte(700)), 612);
    QByteArray sans_fin = table_texte(30);
    sans_fin.chop(2);
    attendre_table(lue_fechner(sans_fin), 30);
}

TEST(FichierFechner, EmptyLinesKeepTheirPlace)
{
    const TableFechner t = lue_fechner("a\r\n\r\n  c  \r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nz\r\n");
    EXPECT_EQ(t[0][0], "a");
    EXPECT_EQ(t[0][1], "");
    EXPECT_EQ(t[0][2], "  c  "); // cell texts are kept as they are
    EXPECT_EQ(t[0][11], "");
    EXPECT_EQ(t[1][0], "z");
    EXPECT_EQ(t[1][1], "");

    const TableFechner cr = lue_fechner("a\r\r\nb\r");
    EXPECT_EQ(cr[0][0], "a");
    EXPECT_EQ(cr[0][1], "b");
    EXPECT_EQ(cr[0][2], "");
}

TEST(FichierFechner, Windows1252Characters)
{
    EXPECT_EQ(texte_windows_1252("caf\xe9"), QString::fromUtf8("café"));
    EXPECT_EQ(texte_windows_1252("\xc9l\xe8ve \xe0 \xe7"), QString::fromUtf8("Élève à ç"));
    EXPECT_EQ(texte_windows_1252("\x80"), QString::fromUtf8("€"));
    EXPECT_EQ(texte_windows_1252("\x93" "a" "\x94"), QString::fromUtf8("“a”"));

    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath("table.fch");
    ASSERT_TRUE(ecrire(chemin, "caf\xe9\r\n\x80 5 g\r\n\xff"));
    TableFechner t;
    ASSERT_TRUE(lire_fechner(chemin, t));
    EXPECT_EQ(t[0][0], QString::fromUtf8("café"));
    EXPECT_EQ(t[0][1], QString::fromUtf8("€ 5 g"));
    EXPECT_EQ(t[0][2], QString::fromUtf8("ÿ"));
    EXPECT_EQ(t[0][3], "");
}

TEST(FichierFechner, Files)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath("table.fch");

    TableFechner t;
    for (auto& rangee : t)
        rangee.fill("ancien");
    EXPECT_FALSE(lire_fechner(dossier.filePath("absent.fch"), t));
    EXPECT_FALSE(lire_fechner(dossier.path(), t));
    EXPECT_EQ(t[0][0], "ancien");
    EXPECT_EQ(t[50][11], "ancien");

    ASSERT_TRUE(ecrire(chemin, table_texte(700)));
    ASSERT_TRUE(lire_fechner(chemin, t));
    attendre_table(t, 612);

    ASSERT_TRUE(ecrire(chemin, table_texte(25, "\n")));
    ASSERT_TRUE(lire_fechner(chemin, t));
    attendre_table(t, 25); // the earlier cells are all replaced

    ASSERT_TRUE(ecrire(chemin, ""));
    ASSERT_TRUE(lire_fechner(chemin, t));
    attendre_table(t, 0);
}

// The table that stands in for Qt's decoder where Qt has none (no ICU, as
// the Windows build): each byte as Qt reads it here.
TEST(FichierFechner, TheWindows1252TableIsQtsOwn)
{
    QStringDecoder qt("windows-1252");
    if (!qt.isValid())
        GTEST_SKIP() << "this Qt has no Windows-1252 of its own to compare with";
    for (int b = 0; b < 256; ++b) {
        const char octet = static_cast<char>(b);
        QStringDecoder d("windows-1252");
        const QString lu = d.decode(QByteArrayView(&octet, 1));
        ASSERT_EQ(lu.size(), 1);
        EXPECT_EQ(QChar(caractere_1252(static_cast<unsigned char>(b))), lu.at(0)) << b;
    }
}
