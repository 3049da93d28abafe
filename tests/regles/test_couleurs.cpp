#include "colours/couleurs.h"

#include <gtest/gtest.h>

#include "impression.h"

using namespace quillon;

TEST(Couleurs, SplitAndSliderPositions)
{
    // RGB (0, 128, 255): red slider at the top, green at 127, blue at the top.
    const Composantes k = decomposer(16744448);
    EXPECT_EQ(k.rouge, 0);
    EXPECT_EQ(k.vert, 128);
    EXPECT_EQ(k.bleu, 255);
    EXPECT_EQ(position_curseur(k.rouge), 0);
    EXPECT_EQ(position_curseur(k.vert), 127);
    EXPECT_EQ(position_curseur(k.bleu), 0);
    EXPECT_EQ(position_curseur(1), 254);
    EXPECT_EQ(position_curseur(255), 0);
    // Once a slider moves, the colour comes from all three: red 255.
    EXPECT_EQ(melange(0, 127, 0), 255 + 256 * 128 + 65536 * 255);
    // The ends of the sliders: white, and (1, 1, 1) rather than black.
    EXPECT_EQ(melange(0, 0, 0), 0xFFFFFF);
    EXPECT_EQ(melange(254, 254, 254), 0x010101);
    EXPECT_EQ(valeur_couleur(QColor(0, 128, 255)), 16744448);
    EXPECT_EQ(couleur_rgb(16744448, Qt::gray), QColor(0, 128, 255));
    EXPECT_EQ(couleur_rgb(clBtnFace, QColor(240, 240, 240)), QColor(240, 240, 240));
}

TEST(Couleurs, SettingsFileLinesAndLenientReading)
{
    CouleursPages c = couleurs_de_depart();
    c[static_cast<std::size_t>(LigneCouleur::stimulation)] = 16744448;
    const QByteArray texte = ecrire_couleurs(c);
    EXPECT_EQ(texte, QByteArray("-2147483633\r\n-2147483633\r\n16744448\r\n-2147483633\r\n-2147483633\r\n"));
    EXPECT_EQ(lire_couleurs(texte), c);
    // LF only, digits followed by text, empty and missing lines.
    const CouleursPages lues = lire_couleurs("255\n12abc\n\n  -7");
    EXPECT_EQ(lues, (CouleursPages{255, 12, 0, -7, 0}));
    EXPECT_EQ(lire_couleurs(QByteArray()), (CouleursPages{0, 0, 0, 0, 0}));
    EXPECT_EQ(lire_couleurs("99999999999999999999\r\n"), (CouleursPages{2147483647, 0, 0, 0, 0}));
}
