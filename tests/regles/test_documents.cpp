#include "shell/merlade.h"
#include "shell/pas_a_pas.h"
#include "shell/visionneuse.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "impression.h"
#include "regles/outils_regles.h"

using namespace quillon;
using namespace quillon::essais;

TEST(PasAPas, StepsDownAndUpWithinTheLines)
{
    const QStringList lignes = {"Titre", "1) Ouvrir", "observer", "2) Fermer"};
    const QString texte = lignes.join('\n');
    PasAPas p;
    EXPECT_FALSE(p.bas_haut(-1, lignes, texte)) << "up before any step does nothing";
    EXPECT_EQ(p.ligne_doc, -1);

    auto e = p.bas_haut(+1, lignes, texte);
    ASSERT_TRUE(e);
    EXPECT_FALSE(e->couleur_rendue);
    EXPECT_EQ(p.ligne_doc, 0);
    EXPECT_EQ(e->debut, 0);
    EXPECT_EQ(e->longueur, 5);

    e = p.bas_haut(-1, lignes, texte);
    EXPECT_EQ(p.ligne_doc, 0) << "-1 becomes 0";
    EXPECT_EQ(*e->couleur_rendue, QColor(Qt::white));

    p.bas_haut(+1, lignes, texte);
    e = p.bas_haut(+1, lignes, texte);
    EXPECT_EQ(*e->couleur_rendue, QColor(192, 192, 192)) << "a passed numbered item turns silver";
    EXPECT_EQ(e->debut, 16);
    p.bas_haut(+1, lignes, texte);
    e = p.bas_haut(+1, lignes, texte);
    EXPECT_EQ(p.ligne_doc, 3) << "stays on the last line";
    EXPECT_EQ(*e->couleur_rendue, QColor(192, 192, 192));
    EXPECT_EQ(e->debut, 25);
}

TEST(PasAPas, ARepeatedLineHighlightsItsFirstOccurrence)
{
    const QStringList lignes = {"observer", "12) faire", "observer"};
    PasAPas p;
    p.ligne_doc = 1;
    const auto e = p.bas_haut(+1, lignes, lignes.join('\n'));
    EXPECT_EQ(e->debut, 0);
    EXPECT_EQ(*e->couleur_rendue, QColor(192, 192, 192)) << "\"12)\" within the first three characters";
    EXPECT_FALSE(PasAPas().bas_haut(+1, {}, QString()));
}

TEST(Visionneuse, SizeAndTitleOfTheViewer)
{
    struct Cas {
        QMargins cadre;
        int largeur_titre;
        QSize exterieur, client;
        QPoint titre;
    };
    // A 600 x 400 picture, in the usual frame and in none.
    for (const Cas& c : {Cas{cadre_habituel, 200, {615, 440}, {599, 402}, {199, 377}},
                         Cas{QMargins(), 100, {615, 440}, {615, 440}, {257, 415}}}) {
        SCOPED_TRACE(c.largeur_titre);
        const GeometrieImage g = geometrie_image(QSize(600, 400), c.cadre, c.largeur_titre);
        EXPECT_EQ(g.exterieur, c.exterieur);
        EXPECT_EQ(g.client, c.client);
        EXPECT_EQ(g.titre, c.titre);
    }
}

TEST(Merlade, TemplateLinesTwoToFiveAreRewritten)
{
    QTemporaryDir prog;
    QTemporaryDir tmp;
    const QString mrl = tmp.filePath("mrl");
    const QString dossier = prog.path() + "/";
    ASSERT_TRUE(ecrire(prog.filePath("merlade/merlade.sav"), "SET CHEM_MRL=old\r\nSET CHEM_MRL=x\r\necho\r\n"));
    ASSERT_TRUE(ecrire(prog.filePath("MERLADE/merlade.ppp"), QByteArray(10000, 'p')));

    const ResultatMerlade r = adap_merlade(dossier, mrl);
    EXPECT_TRUE(r.prepare);
    EXPECT_FALSE(r.erreur);
    EXPECT_EQ(r.chemin_merlade, dossier + "\\MERLADE\\");
    // Only the second line: the first is never looked at. The template's
    // three lines, no empty ones added.
    EXPECT_EQ(lire(mrl + "/merlade.bat"),
              "SET CHEM_MRL=old\r\nSET CHEM_MRL=" + dossier.toLatin1() + "\\MERLADE\\\r\necho\r\n");
    EXPECT_EQ(lire(mrl + "/merlade.pif"), QByteArray(10000, 'p')) << "a 10000-byte copy";

    // The launch command, from the current directory, in the configuration folder.
    const LancementMerlade l = commande_merlade("c:\\mrl", "c:\\ecole\\bio", "&refr~A.exw");
    EXPECT_EQ(l.ligne(), "c:\\mrl\\merlade.pif c:\\ecole\\bio\\merlade\\electro\\&refr~A.exw");
    EXPECT_EQ(l.dossier, "c:\\mrl");
    ASSERT_TRUE(lancement_merlade(mrl, "c:\\ecole\\bio", "&recr~A.exw"));
    EXPECT_EQ(lancement_merlade(mrl, "d", "e")->programme, mrl + "/merlade.pif");

    // The end: the folder emptied and removed, only when it holds the launch file.
    nettoyer_merlade(mrl);
    EXPECT_FALSE(QDir(mrl).exists());
    EXPECT_FALSE(lancement_merlade(mrl, "d", "e"));
}

TEST(Merlade, NothingWithoutTheEnvironmentLine)
{
    QTemporaryDir prog;
    QTemporaryDir tmp;
    const QString mrl = tmp.filePath("mrl");
    EXPECT_FALSE(adap_merlade(prog.path() + "/", mrl).prepare) << "no template";
    ASSERT_TRUE(ecrire(prog.filePath("merlade/merlade.sav"), "a\nb\nc\nd\ne\nSET CHEM_MRL=6th line\n"));
    EXPECT_FALSE(adap_merlade(prog.path() + "/", mrl).prepare);
    EXPECT_FALSE(QDir(mrl).exists());

    // A folder without the launch file is left alone.
    ASSERT_TRUE(ecrire(mrl + "/autre.txt", "x"));
    nettoyer_merlade(mrl);
    EXPECT_TRUE(QFile::exists(mrl + "/autre.txt"));
}

TEST(Merlade, CopyInBlocks)
{
    QTemporaryDir tmp;
    for (int taille : {0, 1, 9999, 10000, 10001, 25000}) {
        QByteArray octets(taille, '\0');
        for (int i = 0; i < taille; ++i)
            octets[i] = static_cast<char>(i * 7);
        ASSERT_TRUE(ecrire(tmp.filePath("source"), octets));
        ASSERT_TRUE(copier(tmp.filePath("source"), tmp.filePath("copie")));
        EXPECT_EQ(lire(tmp.filePath("copie")), octets) << taille;
    }
    EXPECT_TRUE(copier(tmp.filePath("absente"), tmp.filePath("copie2"))) << "silently skipped";
    EXPECT_FALSE(QFile::exists(tmp.filePath("copie2")));
    EXPECT_FALSE(copier(tmp.filePath("source"), tmp.filePath("pas/de/dossier/copie")));
}
