// The RTF writer: documents written and read again keep their text,
// paragraphs, formats and colours.
#include "shell/rtf.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "regles/outils_rtf.h"

using namespace quillon;
using namespace quillon::essais;

namespace {

void expect_meme_document(const QTextDocument& attendu, const QTextDocument& obtenu)
{
    EXPECT_EQ(obtenu.toPlainText(), attendu.toPlainText());
    EXPECT_EQ(obtenu.blockCount(), attendu.blockCount());
    EXPECT_EQ(blocs(obtenu), blocs(attendu));
    EXPECT_EQ(caracteres(obtenu), caracteres(attendu));
}

// "\par" as a control word, not the beginning of "\pard".
int nombre_de_par(const QByteArray& rtf)
{
    int n = 0;
    for (qsizetype i = rtf.indexOf("\\par"); i >= 0; i = rtf.indexOf("\\par", i + 1)) {
        const qsizetype apres = i + 4;
        if (apres >= rtf.size() || !std::isalpha(static_cast<unsigned char>(rtf[apres])))
            ++n;
    }
    return n;
}

} // namespace

// ---------------------------------------------------------------------------

TEST(RtfAllerRetour, AccentsEtSymboles)
{
    QTextDocument d;
    const QString t = QStringLiteral("\u00c9l\u00e9phant \u00e7a \u20ac \u0153uvre \u2014 \u201cguillemets\u201d "
                                     "\u6f22\u5b57 \U0001F60A \\ { } ; fin\tnbsp\u00a0x soft\u00ad nb\u2011 "
                                     "\u2028ligne ~_-'`\u00ff\u0080");
    QTextCursor(&d).insertText(t);
    const QByteArray rtf = ecrire_rtf(d);
    const QByteArray sur_une_ligne = QByteArray(rtf).replace('\n', "");
    for (char c : rtf)
        EXPECT_TRUE(static_cast<unsigned char>(c) < 0x80) << "not ASCII: " << rtf.toStdString();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0")) << rtf.toStdString();
    EXPECT_TRUE(sur_une_ligne.contains("{\\fonttbl")) << rtf.toStdString();
    EXPECT_TRUE(sur_une_ligne.contains("{\\colortbl ;")) << rtf.toStdString();
    EXPECT_TRUE(rtf.trimmed().endsWith("}")) << rtf.toStdString();
    // Windows-1252 as \'hh, the rest as \uN with a fallback
    EXPECT_TRUE(sur_une_ligne.contains("\\'e9")) << rtf.toStdString();
    EXPECT_TRUE(sur_une_ligne.contains("\\u28450?")) << rtf.toStdString(); // U+6F22
    EXPECT_TRUE(sur_une_ligne.contains("\\u-10179?\\u-8694?")) << rtf.toStdString(); // U+1F60A
    EXPECT_TRUE(sur_une_ligne.contains("\\\\ \\{ \\}")) << rtf.toStdString();
    EXPECT_TRUE(sur_une_ligne.contains("\\line")) << rtf.toStdString();
    EXPECT_TRUE(sur_une_ligne.contains("\\tab")) << rtf.toStdString();

    const auto r = lu(rtf);
    EXPECT_EQ(r->firstBlock().text(), t);
    expect_meme_document(d, *r);
}

TEST(RtfAllerRetour, FormatsEtCouleurs)
{
    QTextDocument d;
    QTextCursor c(&d);
    const auto ajouter = [&](const QString& t, auto regler) {
        QTextCharFormat f;
        regler(f);
        c.insertText(t, f);
    };
    ajouter("normal ", [](QTextCharFormat&) {});
    ajouter("gras ", [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); });
    ajouter("italique ", [](QTextCharFormat& f) { f.setFontItalic(true); });
    ajouter("soulign\u00e9 ", [](QTextCharFormat& f) { f.setFontUnderline(true); });
    ajouter("tout ", [](QTextCharFormat& f) {
        f.setFontWeight(QFont::Bold);
        f.setFontItalic(true);
        f.setFontUnderline(true);
        f.setForeground(QColor(200, 10, 30));
        f.setBackground(QColor(255, 255, 0));
    });
    c.insertBlock();
    ajouter("rouge", [](QTextCharFormat& f) { f.setForeground(QColor(255, 0, 0)); });
    ajouter("sur gris", [](QTextCharFormat& f) { f.setBackground(QColor(192, 192, 192)); });
    ajouter("bleu sur jaune", [](QTextCharFormat& f) {
        f.setForeground(QColor(0, 0, 255));
        f.setBackground(QColor(255, 255, 0));
    });
    ajouter(" police", [](QTextCharFormat& f) {
        f.setFontFamilies(QStringList{"Courier New"});
        f.setFontPointSize(13.5);
    });

    const auto r = relu(d);
    expect_meme_document(d, *r);
    EXPECT_EQ(format_de(*r, "police").fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_DOUBLE_EQ(format_de(*r, "police").fontPointSize(), 13.5);
    // what is written reads back to the same writing
    EXPECT_EQ(ecrire_rtf(*r), ecrire_rtf(d));
}

TEST(RtfAllerRetour, ParagraphesVides)
{
    for (const QString& t : {QString(""), QString("A"), QString("A\n\nB"), QString("\nA"), QString("A\n"),
                             QString("\n\n"), QString("A\n\n"), QString("\n"), QString("A\nB\nC")}) {
        QTextDocument d;
        d.setPlainText(t);
        const QByteArray rtf = ecrire_rtf(d);
        const auto r = lu(rtf);
        EXPECT_EQ(r->toPlainText(), t) << rtf.toStdString();
        EXPECT_EQ(r->blockCount(), d.blockCount()) << rtf.toStdString();
        // one \par between paragraphs; one more only to keep a last empty paragraph
        const int attendu = d.blockCount() - 1 + (d.blockCount() > 1 && d.lastBlock().text().isEmpty() ? 1 : 0);
        EXPECT_EQ(nombre_de_par(rtf), attendu) << rtf.toStdString();
    }
}

TEST(RtfAllerRetour, AlignementDesParagraphes)
{
    QTextDocument d;
    d.setPlainText("gauche\ncentre\ndroite\njustifi\u00e9\n");
    const Qt::Alignment alignements[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify,
                                         Qt::AlignHCenter};
    for (int n = 0; n < 5; ++n) {
        QTextCursor c(d.findBlockByNumber(n));
        QTextBlockFormat f;
        f.setAlignment(alignements[n]);
        c.setBlockFormat(f);
    }
    const auto r = relu(d);
    ASSERT_EQ(r->blockCount(), 5);
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(r->findBlockByNumber(n).blockFormat().alignment() & Qt::AlignHorizontal_Mask, alignements[n]) << n;
}

// What the program does: a script of lines into a text box, some lines
// painted yellow or silver, saved, loaded again.
TEST(RtfAllerRetour, ScriptAuxLignesSurlignees)
{
    const QStringList lignes = {
        QStringLiteral("Exp\u00e9rience 1 : le potentiel de repos"),
        QStringLiteral("Le sodium entre, le potassium sort."),
        QStringLiteral("Le seuil est atteint \u00e0 -55 mV."),
        QString(),
        QStringLiteral("Repolarisation : \u00ab retour \u00bb au repos"),
        QStringLiteral("Fin de l'exp\u00e9rience."),
    };
    QTextDocument d;
    d.setPlainText(lignes.join('\n'));
    ASSERT_EQ(d.blockCount(), lignes.size());
    const QColor jaune(255, 255, 0);
    const QColor argent(192, 192, 192);
    const std::vector<std::pair<int, QColor>> peintes = {{0, jaune}, {2, jaune}, {4, argent}, {5, jaune}};
    for (const auto& [ligne, couleur] : peintes) {
        QTextCursor c(d.findBlockByNumber(ligne));
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat f;
        f.setBackground(couleur);
        c.mergeCharFormat(f);
    }
    // a word in bold in a painted line: both stay
    {
        QTextCursor c(d.findBlockByNumber(2));
        c.movePosition(QTextCursor::NextWord);
        c.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        QTextCharFormat f;
        f.setFontWeight(QFont::Bold);
        c.mergeCharFormat(f);
    }

    const QByteArray rtf = ecrire_rtf(d);
    EXPECT_TRUE(rtf.contains("\\red255\\green255\\blue0;")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\red192\\green192\\blue192;")) << rtf.toStdString();
    const auto r = lu(rtf);
    expect_meme_document(d, *r);
    ASSERT_EQ(r->blockCount(), lignes.size());
    for (int n = 0; n < lignes.size(); ++n) {
        const QTextBlock bloc = r->findBlockByNumber(n);
        EXPECT_EQ(bloc.text(), lignes[n]);
        QColor attendue;
        for (const auto& [ligne, couleur] : peintes) {
            if (ligne == n)
                attendue = couleur;
        }
        for (int i = 0; i < bloc.length() - 1; ++i) {
            const QTextCharFormat f = format_a(*r, bloc.position() + i);
            if (attendue.isValid())
                EXPECT_EQ(f.background().color(), attendue) << n << " " << i;
            else
                EXPECT_EQ(f.background().style(), Qt::NoBrush) << n << " " << i;
        }
    }
    EXPECT_TRUE(gras(format_de(*r, "seuil")));
    EXPECT_FALSE(gras(format_de(*r, " est atteint")));
    EXPECT_EQ(format_de(*r, "seuil").background().color(), jaune);

    // The background is written twice, as Word (\chcbpat) and WordPad
    // (\highlight) read it: each alone gives it back.
    for (const char* mot : {"\\chcbpat", "\\highlight"}) {
        const auto seul = lu(QByteArray(rtf).replace(mot, "\\inconnu"));
        EXPECT_EQ(caracteres(*seul), caracteres(d)) << mot;
    }
}

TEST(RtfAllerRetour, DocumentDeTraitementDeTexteRelu)
{
    const auto d = lu(wordpad);
    const auto r = relu(*d);
    expect_meme_document(*d, *r);
    EXPECT_EQ(ecrire_rtf(*r), ecrire_rtf(*d));
}

TEST(RtfAllerRetour, LongTexteCoupeEnLignes)
{
    QTextDocument d;
    QString t;
    for (int i = 0; i < 400; ++i)
        t += QStringLiteral("mot%1 \u00e9t\u00e9 ").arg(i);
    d.setPlainText(t);
    const QByteArray rtf = ecrire_rtf(d);
    for (const QByteArray& ligne : rtf.split('\n'))
        EXPECT_LE(ligne.size(), 200);
    EXPECT_EQ(lu(rtf)->toPlainText(), t);
}
