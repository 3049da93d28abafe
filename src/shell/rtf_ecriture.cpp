#include "rtf.h"
#include "rtf_tables.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace quillon {

namespace {

using rtf_tables::demi_points_maxi;
using rtf_tables::octets_1252;

constexpr int largeur_ligne = 100;

class Ecrivain {
public:
    explicit Ecrivain(QByteArray& sortie) : s_(sortie) {}

    void brut(const char* t)
    {
        for (; *t; ++t)
            octet(*t);
    }
    void brut(const QByteArray& t)
    {
        for (char c : t)
            octet(c);
    }
    void nombre(int n) { brut(QByteArray::number(n)); }
    void fin_de_ligne()
    {
        s_ += '\n';
        colonne_ = 0;
    }
    // Text, escaped; the line is cut between characters when long.
    void texte(const QString& t, bool nom_de_police = false);

private:
    void octet(char c)
    {
        s_ += c;
        ++colonne_;
    }

    QByteArray& s_;
    int colonne_ = 0;
};

void Ecrivain::texte(const QString& t, bool nom_de_police)
{
    static const char hexa[] = "0123456789abcdef";
    const auto& octets = octets_1252();
    for (QChar q : t) {
        const char16_t c = q.unicode();
        if (c == '\\' || c == '{' || c == '}') {
            octet('\\');
            octet(static_cast<char>(c));
        } else if (c == ';' && nom_de_police) {
            brut("\\'3b");
        } else if (c == '\t') {
            brut("\\tab ");
        } else if (c == QChar::LineSeparator) {
            brut("\\line ");
        } else if (c == QChar::Nbsp) {
            brut("\\~");
        } else if (c == 0x00AD) {
            brut("\\-");
        } else if (c == 0x2011) {
            brut("\\_");
        } else if (c >= 0x20 && c < 0x7F) {
            octet(static_cast<char>(c));
        } else if (const auto o = octets.constFind(c); o != octets.cend()) {
            octet('\\');
            octet('\'');
            octet(hexa[*o >> 4]);
            octet(hexa[*o & 0xF]);
        } else {
            brut("\\u");
            nombre(static_cast<std::int16_t>(c));
            octet('?');
        }
        if (colonne_ >= largeur_ligne)
            fin_de_ligne();
    }
}

QString famille(const QTextCharFormat& f)
{
    const QStringList familles = f.fontFamilies().toStringList();
    if (!familles.isEmpty())
        return familles.first();
    return f.property(QTextFormat::FontFamily).toString();
}

std::optional<QRgb> couleur(const QTextCharFormat& f, QTextFormat::Property propriete)
{
    if (!f.hasProperty(propriete))
        return std::nullopt;
    const QBrush brosse = f.brushProperty(propriete);
    if (brosse.style() == Qt::NoBrush)
        return std::nullopt;
    return brosse.color().rgb() | 0xFF000000u;
}

bool souligne(const QTextCharFormat& f)
{
    const auto style = f.underlineStyle();
    return (style != QTextCharFormat::NoUnderline && style != QTextCharFormat::SpellCheckUnderline)
           || f.boolProperty(QTextFormat::FontUnderline);
}

} // namespace

QByteArray ecrire_rtf(const QTextDocument& document)
{
    // The tables: fonts and colours in the order they are first met.
    QStringList polices{document.defaultFont().family()};
    QHash<QString, int> index_polices{{polices.first(), 0}};
    QList<QRgb> couleurs;
    QHash<QRgb, int> index_couleurs;
    const auto ajouter_couleur = [&](std::optional<QRgb> c) {
        if (c && !index_couleurs.contains(*c)) {
            couleurs.append(*c);
            index_couleurs.insert(*c, static_cast<int>(couleurs.size()));
        }
    };
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        for (auto it = bloc.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QString nom = famille(f);
            if (!nom.isEmpty() && !index_polices.contains(nom)) {
                index_polices.insert(nom, static_cast<int>(polices.size()));
                polices.append(nom);
            }
            ajouter_couleur(couleur(f, QTextFormat::ForegroundBrush));
            ajouter_couleur(couleur(f, QTextFormat::BackgroundBrush));
        }
    }

    QByteArray sortie;
    Ecrivain e(sortie);
    e.brut("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1");
    e.fin_de_ligne();
    e.brut("{\\fonttbl");
    for (int n = 0; n < polices.size(); ++n) {
        e.brut("{\\f");
        e.nombre(n);
        e.brut("\\fnil\\fcharset0 ");
        e.texte(polices[n], true);
        e.brut(";}");
    }
    e.brut("}");
    e.fin_de_ligne();
    e.brut("{\\colortbl ;");
    for (QRgb c : couleurs) {
        e.brut("\\red");
        e.nombre(qRed(c));
        e.brut("\\green");
        e.nombre(qGreen(c));
        e.brut("\\blue");
        e.nombre(qBlue(c));
        e.brut(";");
    }
    e.brut("}");
    e.fin_de_ligne();

    int blocs = 0;
    bool dernier_vide = false;
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next()) {
        if (blocs++ > 0) {
            e.brut("\\par");
            e.fin_de_ligne();
        }
        e.brut("\\pard");
        const Qt::Alignment alignement = bloc.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (alignement & Qt::AlignHCenter)
            e.brut("\\qc");
        else if (alignement & Qt::AlignJustify)
            e.brut("\\qj");
        else if (alignement & Qt::AlignRight)
            e.brut("\\qr");
        dernier_vide = true;
        for (auto it = bloc.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString texte = fragment.text();
            if (texte.isEmpty())
                continue;
            dernier_vide = false;
            const QTextCharFormat f = fragment.charFormat();
            e.brut("{\\f");
            e.nombre(index_polices.value(famille(f), 0));
            if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0) {
                e.brut("\\fs");
                e.nombre(std::clamp(qRound(f.fontPointSize() * 2), 1, demi_points_maxi));
            }
            if (f.fontWeight() >= QFont::DemiBold)
                e.brut("\\b");
            if (f.fontItalic())
                e.brut("\\i");
            if (souligne(f))
                e.brut("\\ul");
            if (f.fontStrikeOut())
                e.brut("\\strike");
            if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
                e.brut("\\super");
            else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
                e.brut("\\sub");
            if (const auto c = couleur(f, QTextFormat::ForegroundBrush)) {
                e.brut("\\cf");
                e.nombre(index_couleurs.value(*c));
            }
            if (const auto c = couleur(f, QTextFormat::BackgroundBrush)) {
                // Word shows \chcbpat (shading), WordPad and old RichEdit \highlight.
                const int n = index_couleurs.value(*c);
                e.brut("\\chcbpat");
                e.nombre(n);
                e.brut("\\highlight");
                e.nombre(n);
            }
            e.brut(" ");
            e.texte(texte);
            e.brut("}");
        }
    }
    // A last paragraph that is empty is ended, else readers (this one too,
    // like word processors) take the final \par for the end of the one before.
    if (blocs > 1 && dernier_vide)
        e.brut("\\par");
    e.brut("}");
    e.fin_de_ligne();
    return sortie;
}

} // namespace quillon