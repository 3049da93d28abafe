// The RTF reader: a word processor's documents, groups, escapes and
// destinations, and damaged input.
#include "shell/rtf.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "regles/outils_rtf.h"

using namespace quillon;
using namespace quillon::essais;

namespace {

QString texte(const QByteArray& rtf)
{
    return lu(rtf)->toPlainText();
}

} // namespace

// ---------------------------------------------------------------------------

TEST(RtfLecture, DocumentDeTraitementDeTexte)
{
    const auto d = lu(wordpad);
    // The final \par ends the last paragraph: no empty paragraph after it.
    ASSERT_EQ(d->blockCount(), 3);
    EXPECT_EQ(blocs(*d), QStringList({QStringLiteral("Le potentiel de repos \u00e9tait de -70 mV."),
                                      QStringLiteral("Na+ et K+, surlign\u00e9 et rouge.\u2028Deuxi\u00e8me ligne\tfin"),
                                      QStringLiteral("caf\u00e9 na\u00eff marine")}));
    EXPECT_EQ(d->toPlainText(), QStringLiteral("Le potentiel de repos \u00e9tait de -70 mV.\n"
                                               "Na+ et K+, surlign\u00e9 et rouge.\nDeuxi\u00e8me ligne\tfin\n"
                                               "caf\u00e9 na\u00eff marine"));

    // fonts and sizes
    EXPECT_EQ(format_de(*d, "potentiel").fontFamilies().toStringList(), QStringList{"Calibri"});
    EXPECT_DOUBLE_EQ(format_de(*d, "potentiel").fontPointSize(), 11.0);
    EXPECT_EQ(format_de(*d, "Na").fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_DOUBLE_EQ(format_de(*d, "Na").fontPointSize(), 12.0);
    // \plain: the default font, no size given
    EXPECT_EQ(format_de(*d, "caf").fontFamilies().toStringList(), QStringList{"Calibri"});
    EXPECT_FALSE(format_de(*d, "caf").hasProperty(QTextFormat::FontPointSize));

    // bold, italic, underline, in groups and switched
    EXPECT_FALSE(gras(format_de(*d, "repos")));
    EXPECT_TRUE(gras(format_de(*d, "-70")));
    EXPECT_TRUE(gras(format_de(*d, "70")));
    EXPECT_FALSE(gras(format_de(*d, " mV")));
    const int plus_na = static_cast<int>(d->toPlainText().indexOf("Na+")) + 2;
    EXPECT_TRUE(gras(format_a(*d, plus_na)));
    EXPECT_TRUE(format_a(*d, plus_na).fontItalic());
    EXPECT_FALSE(gras(format_de(*d, " et K")));
    EXPECT_FALSE(format_de(*d, " et K").fontItalic());
    const int plus_k = static_cast<int>(d->toPlainText().indexOf("K+")) + 1;
    EXPECT_FALSE(format_de(*d, "K+").fontUnderline());
    EXPECT_TRUE(format_a(*d, plus_k).fontUnderline());
    EXPECT_FALSE(format_a(*d, plus_k + 1).fontUnderline());

    // colours: \highlight and \chcbpat as background, \cf as foreground
    EXPECT_EQ(format_de(*d, "surlign").background().color(), QColor(255, 255, 0));
    EXPECT_EQ(format_a(*d, static_cast<int>(d->toPlainText().indexOf("surlign")) + 7).background().color(),
              QColor(255, 255, 0));
    EXPECT_EQ(format_de(*d, " et rouge").background().style(), Qt::NoBrush);
    EXPECT_EQ(format_de(*d, "rouge").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(format_de(*d, ".\nDeux").foreground().style(), Qt::NoBrush);
    EXPECT_EQ(format_de(*d, "marine").background().color(), QColor(0, 0, 128));
    EXPECT_EQ(format_de(*d, "na\u00ef").background().style(), Qt::NoBrush);

    // paragraph alignment
    EXPECT_EQ(d->findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_NE(d->findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // nothing of the header in the text
    for (const char* absent : {"Titre", "Quelqu", "Riched", "Normal", "Strong", "Times", "Calibri", "2024"})
        EXPECT_FALSE(d->toPlainText().contains(absent)) << absent;
}

TEST(RtfLecture, FondsCouleursEtRetourAuto)
{
    const auto d = lu("{\\rtf1{\\colortbl;\\red192\\green192\\blue192;\\red0\\green128\\blue0;}"
                      "a\\cb1 b\\cb0 c\\chcbpat2 d\\chcbpat0 e\\highlight1 f\\plain g\\cf2 h\\cf9 i\\cb7 j}");
    ASSERT_EQ(d->toPlainText(), "abcdefghij");
    EXPECT_EQ(format_de(*d, "a").background().style(), Qt::NoBrush);
    EXPECT_EQ(format_de(*d, "b").background().color(), QColor(192, 192, 192));
    EXPECT_EQ(format_de(*d, "c").background().style(), Qt::NoBrush);
    EXPECT_EQ(format_de(*d, "d").background().color(), QColor(0, 128, 0));
    EXPECT_EQ(format_de(*d, "e").background().style(), Qt::NoBrush);
    EXPECT_EQ(format_de(*d, "f").background().color(), QColor(192, 192, 192));
    EXPECT_EQ(format_de(*d, "g").background().style(), Qt::NoBrush); // \plain
    EXPECT_EQ(format_de(*d, "h").foreground().color(), QColor(0, 128, 0));
    // an index past the table: no colour rather than a wrong one
    EXPECT_EQ(format_de(*d, "i").foreground().style(), Qt::NoBrush);
    EXPECT_EQ(format_de(*d, "j").background().style(), Qt::NoBrush);
}

TEST(RtfLecture, TableDesPolicesSansGroupes)
{
    const auto d = lu("{\\rtf1\\deff1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fmodern Courier New;\\f2 Pi\\'e8ce\\'3bdeux;}"
                      "a\\f0 b\\f2 c\\f7 d}");
    ASSERT_EQ(d->toPlainText(), "abcd");
    EXPECT_EQ(format_de(*d, "a").fontFamilies().toStringList(), QStringList{"Courier New"}); // \deff1
    EXPECT_EQ(format_de(*d, "b").fontFamilies().toStringList(), QStringList{"Helvetica"});
    // an escaped ";" belongs to the name
    EXPECT_EQ(format_de(*d, "c").fontFamilies().toStringList(), QStringList{QStringLiteral("Pi\u00e8ce;deux")});
    EXPECT_TRUE(format_de(*d, "d").fontFamilies().toStringList().isEmpty());
}

TEST(RtfLecture, CaracteresDeRepliSelonUc)
{
    // \uc1 by default: one fallback character, a byte or an escape
    EXPECT_EQ(texte("{\\rtf1 a\\u233?b\\u232\\'e8c}"), QStringLiteral("a\u00e9b\u00e8c"));
    // \uc0: nothing to skip
    EXPECT_EQ(texte("{\\rtf1\\uc0 caf\\u233 s}"), QStringLiteral("caf\u00e9s"));
    // \uc2, in a group only; the fallback may be escapes
    EXPECT_EQ(texte("{\\rtf1\\uc0 x{\\uc2 na\\u239\\'3f\\'3ff}\\u233 !}"), QStringLiteral("xna\u00eff\u00e9!"));
    EXPECT_EQ(texte("{\\rtf1\\uc2 \\u8364 EUR\\u8364\\'80\\'80 fin}"), QStringLiteral("\u20acR\u20ac fin"));
    // a group's brace ends the fallback
    EXPECT_EQ(texte("{\\rtf1\\uc3 \\u233{}xyz}"), QStringLiteral("\u00e9xyz"));
    // negative values, and a pair of surrogates
    EXPECT_EQ(texte("{\\rtf1 \\u-3913?\\u-10179?\\u-8694?}"), QStringLiteral("\uf0b7\U0001F60A"));
}

TEST(RtfLecture, Echappements)
{
    const auto d = lu("{\\rtf1 \\\\ \\{\\} a\\~b c\\-d e\\_f \\'e9\\'C9 \\emdash\\endash\\bullet"
                      "\\lquote\\rquote\\ldblquote\\rdblquote\\tab g\r\nh}");
    EXPECT_EQ(d->firstBlock().text(), QStringLiteral("\\ {} a\u00a0b c\u00add e\u2011f \u00e9\u00c9 "
                                                     "\u2014\u2013\u2022\u2018\u2019\u201c\u201d\tgh"));
    // the non-breaking space is a space in the plain text
    EXPECT_TRUE(d->toPlainText().startsWith("\\ {} a b"));

    // bytes of Windows-1252 that Latin-1 does not have, with or without ICU
    EXPECT_EQ(texte("{\\rtf1 \\'80\\'9c\\'85}"), QStringLiteral("\u20ac\u0153\u2026"));
    // bytes above 0x7F written as they are
    EXPECT_EQ(texte("{\\rtf1 caf\xe9}"), QStringLiteral("caf\u00e9"));
}

TEST(RtfLecture, GroupesRestaurentLEtat)
{
    const auto d = lu("{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}a{\\b b{\\i c}d}e{\\ul f\\plain g}h"
                      "{\\cf1\\fs40 i{\\cf0 j}k}l}");
    ASSERT_EQ(d->toPlainText(), "abcdefghijkl");
    const auto attendu = [&](const char* lettre, bool b, bool i, bool u) {
        const QTextCharFormat f = format_de(*d, lettre);
        EXPECT_EQ(gras(f), b) << lettre;
        EXPECT_EQ(f.fontItalic(), i) << lettre;
        EXPECT_EQ(f.fontUnderline(), u) << lettre;
    };
    attendu("a", false, false, false);
    attendu("b", true, false, false);
    attendu("c", true, true, false);
    attendu("d", true, false, false);
    attendu("e", false, false, false);
    attendu("f", false, false, true);
    attendu("g", false, false, false);
    attendu("h", false, false, false);
    EXPECT_EQ(format_de(*d, "i").foreground().color(), QColor(0, 0, 255));
    EXPECT_DOUBLE_EQ(format_de(*d, "i").fontPointSize(), 20.0);
    EXPECT_EQ(format_de(*d, "j").foreground().style(), Qt::NoBrush);
    EXPECT_DOUBLE_EQ(format_de(*d, "j").fontPointSize(), 20.0);
    EXPECT_EQ(format_de(*d, "k").foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(format_de(*d, "l").foreground().style(), Qt::NoBrush);
    EXPECT_FALSE(format_de(*d, "l").hasProperty(QTextFormat::FontPointSize));
    // \b0 and \b1
    const auto e = lu("{\\rtf1\\b1 x\\b0 y\\i1\\ul1 z\\ul0\\i0 w}");
    EXPECT_TRUE(gras(format_de(*e, "x")));
    EXPECT_FALSE(gras(format_de(*e, "y")));
    EXPECT_TRUE(format_de(*e, "z").fontItalic());
    EXPECT_TRUE(format_de(*e, "z").fontUnderline());
    EXPECT_FALSE(format_de(*e, "w").fontItalic());
    EXPECT_FALSE(format_de(*e, "w").fontUnderline());
}

TEST(RtfLecture, DestinationsSautees)
{
    EXPECT_EQ(texte("{\\rtf1 a{\\*\\inconnue b{c}d}e{\\*\\generator Msftedit;}f}"), "aef");
    EXPECT_EQ(texte("{\\rtf1 a{\\header en-t\\^ete}{\\footer pied}{\\pict\\pngblip 89504e47}b}"), "ab");
    // binary data may hold braces
    EXPECT_EQ(texte("{\\rtf1 a{\\pict\\bin4 {{}}b}c}"), "ac");
    EXPECT_EQ(texte("{\\rtf1 a\\bin999999999 xyz}"), "a");
    // a field shows its result
    EXPECT_EQ(texte("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt lien}} ok}"), "lien ok");
    // unknown control words are left out, their delimiting space too
    EXPECT_EQ(texte("{\\rtf1 a\\inconnu12 b\\zzz c\\xyz-4d}"), "abcd");
    // hidden text
    EXPECT_EQ(texte("{\\rtf1 vu{\\v cach\\'e9} aussi}"), "vu aussi");
}

TEST(RtfLecture, Paragraphes)
{
    EXPECT_EQ(blocs(*lu("{\\rtf1 A\\par\\par B}")), QStringList({"A", "", "B"}));
    EXPECT_EQ(blocs(*lu("{\\rtf1 A\\par}")), QStringList({"A"}));
    EXPECT_EQ(blocs(*lu("{\\rtf1 A\\par\\par}")), QStringList({"A", ""}));
    EXPECT_EQ(blocs(*lu("{\\rtf1 \\par A}")), QStringList({"", "A"}));
    EXPECT_EQ(blocs(*lu("{\\rtf1 }")), QStringList({""}));
    // a backslash before a line end is a \par; line ends alone are nothing
    EXPECT_EQ(blocs(*lu("{\\rtf1 un\r\ndeux\\\ntrois}")), QStringList({"undeux", "trois"}));
    // \line stays in the paragraph
    const auto d = lu("{\\rtf1 un\\line deux}");
    EXPECT_EQ(d->blockCount(), 1);
    EXPECT_EQ(d->toPlainText(), "un\ndeux");
    // alignment lasts until \pard
    const auto e = lu("{\\rtf1\\pard\\qr A\\par B\\par\\pard C}");
    ASSERT_EQ(e->blockCount(), 3);
    EXPECT_EQ(e->findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(e->findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(e->findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST(RtfLecture, PasDuRtf)
{
    for (const QByteArray& pas_rtf :
         {QByteArray("Bonjour"), QByteArray(), QByteArray("   "), QByteArray("{\\rt"), QByteArray("{\\RTF1 x}"),
          QByteArray("x{\\rtf1 x}"), QByteArray("\xef\xbb\xbf{\\rtf1 x}"), QByteArray("{ \\rtf1 x}"),
          QByteArray("<html>{\\rtf1}")}) {
        QTextDocument d;
        d.setPlainText("d\u00e9j\u00e0 l\u00e0\nsur deux lignes");
        QTextCursor tout(&d);
        tout.select(QTextCursor::Document);
        QTextCharFormat f;
        f.setFontWeight(QFont::Bold);
        tout.mergeCharFormat(f);
        const auto avant = caracteres(d);
        EXPECT_FALSE(lire_rtf(pas_rtf, d)) << pas_rtf.toStdString();
        EXPECT_EQ(d.toPlainText(), QStringLiteral("d\u00e9j\u00e0 l\u00e0\nsur deux lignes"));
        EXPECT_EQ(caracteres(d), avant);
    }
    // blanks before are allowed
    QTextDocument d;
    d.setPlainText("avant");
    EXPECT_TRUE(lire_rtf(" \r\n\t{\\rtf1 apr\\'e8s}", d));
    EXPECT_EQ(d.toPlainText(), QStringLiteral("apr\u00e8s"));
}

TEST(RtfLecture, RemplaceLeDocument)
{
    QTextDocument d;
    d.setPlainText("un\ndeux\ntrois");
    ASSERT_TRUE(lire_rtf("{\\rtf1 seul}", d));
    EXPECT_EQ(d.blockCount(), 1);
    EXPECT_EQ(d.toPlainText(), "seul");
}

// ---------------------------------------------------------------------------
// Damaged input: read without crash, in bounded time, into sane text.

TEST(RtfMalforme, AccoladesFermantesManquantes)
{
    const auto d = lu("{\\rtf1 {\\b gras {\\i italique");
    EXPECT_EQ(d->toPlainText(), "gras italique");
    EXPECT_TRUE(gras(format_de(*d, "italique")));
    EXPECT_TRUE(format_de(*d, "italique").fontItalic());
    EXPECT_FALSE(format_de(*d, "gras").fontItalic());
    EXPECT_EQ(texte("{\\rtf1{\\fonttbl{\\f0 Arial;}"), "");
    EXPECT_EQ(texte("{\\rtf1 a\\par b\\par"), "a\nb");
}

TEST(RtfMalforme, AccoladesFermantesEnTrop)
{
    // the document's group closed: what follows is not the document's
    EXPECT_EQ(texte("{\\rtf1 a}}}b}"), "a");
    EXPECT_EQ(texte("{\\rtf1 {a}}}}{\\b c}"), "a");
    EXPECT_EQ(texte("{\\rtf1 {\\b a}}b"), "a");
}

TEST(RtfMalforme, CentMilleAccoladesOuvrantes)
{
    const QByteArray ouvrantes(100000, '{');
    const QByteArray fermantes(100000, '}');
    EXPECT_EQ(texte("{\\rtf1 " + ouvrantes + "texte" + fermantes + " fin}"), "texte fin");
    EXPECT_EQ(texte("{\\rtf1 " + ouvrantes + "x"), "x");
    // past the deepest group kept, the state of the groups still comes back
    const auto d = lu("{\\rtf1 a" + ouvrantes + "\\b b" + fermantes + "c}");
    EXPECT_EQ(d->toPlainText(), "abc");
    EXPECT_FALSE(gras(format_de(*d, "a")));
    EXPECT_TRUE(gras(format_de(*d, "b")));
    EXPECT_FALSE(gras(format_de(*d, "c")));
    QByteArray gras_imbriques = "{\\rtf1 ";
    for (int i = 0; i < 100000; ++i)
        gras_imbriques += (i % 2 == 0) ? "{\\b a" : "{\\b0 b";
    const auto e = lu(gras_imbriques);
    ASSERT_EQ(e->toPlainText().size(), 100000);
    EXPECT_TRUE(e->toPlainText().startsWith("ababab"));
    EXPECT_TRUE(gras(format_a(*e, 0)));
    EXPECT_FALSE(gras(format_a(*e, 1)));
    EXPECT_TRUE(gras(format_a(*e, 99998)));
    EXPECT_FALSE(gras(format_a(*e, 99999)));
}

TEST(RtfMalforme, ParametreDeTrenteChiffres)
{
    const QByteArray trente(30, '9');
    const auto d = lu("{\\rtf1{\\colortbl;\\red" + trente + "\\green0\\blue-" + trente + ";}\\fs" + trente + " a\\b" +
                      trente + " b\\u" + trente + " c\\cf-" + trente + " d\\cf" + trente + " e\\uc" + trente + " f}");
    EXPECT_EQ(d->toPlainText(), QStringLiteral("ab\ufffddef"));
    const double taille = format_de(*d, "a").fontPointSize();
    EXPECT_GT(taille, 0.0);
    EXPECT_LE(taille, 1638.0);
    EXPECT_TRUE(gras(format_de(*d, "b")));
    EXPECT_EQ(format_de(*d, "d").foreground().style(), Qt::NoBrush);
    EXPECT_EQ(format_de(*d, "e").foreground().style(), Qt::NoBrush);
}

TEST(RtfMalforme, FinsAbruptes)
{
    EXPECT_EQ(texte("{\\rtf1 abc\\'"), "abc");
    EXPECT_EQ(texte("{\\rtf1 abc\\'e"), "abc");
    EXPECT_EQ(texte("{\\rtf1 abc\\'zz}"), "abczz");
    EXPECT_EQ(texte("{\\rtf1 abc\\"), "abc");
    EXPECT_EQ(texte("{\\rtf1 abc\\u"), "abc");
    EXPECT_EQ(texte("{\\rtf1 abc\\u-"), "abc-");
    EXPECT_EQ(texte("{\\rtf1 abc\\u233"), QStringLiteral("abc\u00e9"));
    EXPECT_EQ(texte("{\\rtf1 abc\\u233?"), QStringLiteral("abc\u00e9"));
    EXPECT_EQ(texte("{\\rtf"), "");
    EXPECT_EQ(texte("{\\rtf1{\\*\\gen"), "");
    EXPECT_EQ(texte("{\\rtf1 a\\bin"), "a");
}

TEST(RtfMalforme, BruitBinaire)
{
    std::mt19937 hasard(1252);
    for (int essai = 0; essai < 20; ++essai) {
        QByteArray bruit(20000, '\0');
        for (char& c : bruit)
            c = static_cast<char>(hasard());
        QTextDocument d;
        EXPECT_FALSE(lire_rtf(bruit, d));
        const QByteArray rtf = "{\\rtf1 " + bruit;
        ASSERT_TRUE(lire_rtf(rtf, d));
        const QString t = d.toPlainText();
        EXPECT_LE(t.size(), rtf.size());
        for (QChar c : t) {
            EXPECT_NE(c.unicode(), 0xFDD0);
            EXPECT_NE(c.unicode(), 0xFDD1);
            EXPECT_NE(c, QChar::ParagraphSeparator);
        }
        // what is read writes and reads back the same
        const auto r = relu(d);
        EXPECT_EQ(r->toPlainText(), t);
        EXPECT_EQ(r->blockCount(), d.blockCount());
        EXPECT_EQ(caracteres(*r), caracteres(d));
    }
    // noise made of RTF's own characters
    const char alphabet[] = "{{}\\\\\\'*uc0123456789-;ab \r\n";
    for (int essai = 0; essai < 200; ++essai) {
        QByteArray rtf = "{\\rtf1 ";
        for (int i = 0; i < 2000; ++i)
            rtf += alphabet[hasard() % (sizeof alphabet - 1)];
        QTextDocument d;
        ASSERT_TRUE(lire_rtf(rtf, d));
        const auto r = relu(d);
        EXPECT_EQ(r->toPlainText(), d.toPlainText());
        EXPECT_EQ(caracteres(*r), caracteres(d));
    }
}
