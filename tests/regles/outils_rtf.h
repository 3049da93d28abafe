#pragma once
// Helpers of the RTF tests: documents read from RTF text and written back,
// the formats of their characters, and a word processor's document.
#include "shell/rtf.h"

#include <QBrush>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace quillon::essais {

inline std::unique_ptr<QTextDocument> lu(const QByteArray& rtf)
{
    auto document = std::make_unique<QTextDocument>();
    EXPECT_TRUE(lire_rtf(rtf, *document));
    return document;
}

// The format of the character at the given index of the plain text (the
// document's positions and the plain text's indices go together).
inline QTextCharFormat format_a(const QTextDocument& document, int index)
{
    QTextCursor curseur(const_cast<QTextDocument*>(&document));
    curseur.setPosition(index + 1);
    return curseur.charFormat();
}

// The format of the first character of the first occurrence of the word.
inline QTextCharFormat format_de(const QTextDocument& document, const QString& mot)
{
    const int index = static_cast<int>(document.toPlainText().indexOf(mot));
    EXPECT_GE(index, 0) << mot.toStdString();
    return format_a(document, std::max(index, 0));
}

inline bool gras(const QTextCharFormat& f)
{
    return f.fontWeight() >= QFont::DemiBold;
}

inline QString couleur(const QBrush& b)
{
    return b.style() == Qt::NoBrush ? QStringLiteral("-") : b.color().name();
}

// Every character with what the round trip keeps: bold, italic, underline,
// foreground and background; "¶" between blocks.
inline std::vector<std::string> caracteres(const QTextDocument& document)
{
    std::vector<std::string> liste;
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        if (bloc != document.begin())
            liste.push_back("¶");
        for (auto it = bloc.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QString attributs = QStringLiteral(" %1%2%3 %4 %5")
                                          .arg(gras(f) ? "b" : "")
                                          .arg(f.fontItalic() ? "i" : "")
                                          .arg(f.fontUnderline() ? "u" : "")
                                          .arg(couleur(f.foreground()), couleur(f.background()));
            for (QChar c : it.fragment().text())
                liste.push_back(QString::number(c.unicode(), 16).toStdString() + attributs.toStdString());
        }
    }
    return liste;
}

inline QStringList blocs(const QTextDocument& document)
{
    QStringList liste;
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next())
        liste << bloc.text();
    return liste;
}

// Written, then read again.
inline std::unique_ptr<QTextDocument> relu(const QTextDocument& document)
{
    return lu(ecrire_rtf(document));
}

// As WordPad and LibreOffice write them: header tables, a style sheet, the
// document's information, a generator, paragraphs reset by \pard\plain.
inline constexpr char wordpad[] =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1036"
    "{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}{\\f1\\froman\\fprq2\\fcharset0 Times New Roman{\\*\\falt Times};}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red255\\green255\\blue0;\\red0\\green0\\blue128;}\r\n"
    "{\\stylesheet{\\s0\\snext0\\f1\\fs24 Normal;}{\\*\\cs15\\b Strong Emphasis;}}\r\n"
    "{\\info{\\title Titre du fichier}{\\author Quelqu'un}{\\creatim\\yr2024\\mo3\\dy1}}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\sa200\\sl276\\slmult1\\plain\\f0\\fs22\\lang12 Le potentiel de repos \\'e9tait de \\b -70\\b0  mV.\\par\r\n"
    "\\pard\\plain\\f1\\fs24 Na{\\b\\i +} et K{\\ul +}, \\highlight2 surlign\\'e9\\highlight0  et \\cf1 rouge\\cf0 ."
    "\\line Deuxi\\u232?me ligne\\tab fin\\par\r\n"
    "\\pard\\qc\\plain caf\\u233\\'e9 na\\u239?f {\\chcbpat3 marine}\\par\r\n"
    "}\r\n";

} // namespace quillon::essais
