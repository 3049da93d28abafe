#include "rtf.h"
#include "rtf_tables.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillon {

namespace {

using rtf_tables::demi_points_maxi;
using rtf_tables::Mot;
using rtf_tables::mots;
using rtf_tables::table_1252;

constexpr int profondeur_maxi = 1000;

enum class Destination : std::uint8_t {
    texte,     // the document's text
    polices,   // \fonttbl
    couleurs,  // \colortbl
    ignoree,   // anything else: skipped to the end of its group
};

struct Format {
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    std::int8_t position = 0; // 1 superscript, 2 subscript
    int police = -1;          // -1: the default font (\deff)
    int demi_points = 0;      // 0: not given
    int couleur = -1;         // index in the colour table, -1: none
    int fond = -1;
    bool operator==(const Format&) const = default;
};

struct Etat {
    Format format;
    bool cache = false;   // \v: hidden text
    int alignement = 0;   // 0 not given, 1 left, 2 centre, 3 right, 4 justified
    int uc = 1;           // fallback characters after \uN
    Destination destination = Destination::texte;
};

class Lecteur {
public:
    Lecteur(const QByteArray& rtf, QTextDocument& document) : d_(rtf.constData()), n_(rtf.size()), curseur_(&document) {}

    void lire(qsizetype debut);

private:
    Etat& etat() { return pile_.back(); }

    void mot_de_controle(std::string_view nom, bool a_parametre, int parametre);
    void symbole(char c);
    void caractere(char32_t c);           // from the text, an escape or \uN
    void caractere_texte(char16_t c);     // into the document
    void saut_de_paragraphe();
    void vider();
    const QTextCharFormat& format_qt(const Format& f);
    void fin_police();
    void fin_couleur();
    void fin_de_groupe();

    const char* d_;
    qsizetype n_;
    qsizetype i_ = 0;

    std::vector<Etat> pile_;
    int groupes_en_trop_ = 0; // opened beyond the maximal depth
    int a_sauter_ = 0;        // fallback characters of \uN still to skip

    // the document
    QTextCursor curseur_;
    QString tampon_;
    Format format_tampon_;
    bool paragraphe_en_attente_ = false; // a \par was read: a new block comes with the next text
    bool paragraphe_non_vide_ = false;
    int alignement_paragraphe_ = 0;

    // tables of the header
    int deff_ = 0;
    std::unordered_map<int, QString> polices_;
    int police_en_cours_ = -1;
    QString nom_police_;
    std::vector<std::optional<QRgb>> couleurs_;
    int rouge_ = 0, vert_ = 0, bleu_ = 0;
    bool couleur_donnee_ = false;

    bool format_qt_valide_ = false;
    Format format_qt_cle_;
    QTextCharFormat format_qt_;
};

bool est_lettre(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool est_chiffre(char c)
{
    return c >= '0' && c <= '9';
}

int valeur_hexa(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void Lecteur::lire(qsizetype debut)
{
    pile_.reserve(64);
    // One edit: the cursor does not lay out its block again at each insertion.
    curseur_.beginEditBlock();
    i_ = debut;
    const auto& caracteres_1252 = table_1252(); // looked up once, not at each byte
    bool racine_ouverte = false;
    while (i_ < n_) {
        const char c = d_[i_];
        if (c == '{') {
            ++i_;
            a_sauter_ = 0;
            if (!racine_ouverte) {
                racine_ouverte = true;
                pile_.push_back(Etat{});
            } else if (static_cast<int>(pile_.size()) >= profondeur_maxi) {
                ++groupes_en_trop_;
            } else {
                pile_.push_back(pile_.back());
            }
        } else if (c == '}') {
            ++i_;
            a_sauter_ = 0;
            if (groupes_en_trop_ > 0) {
                --groupes_en_trop_;
            } else {
                fin_de_groupe();
                if (pile_.empty())
                    break; // the document's group is closed: what follows is not read
            }
        } else if (c == '\\') {
            if (i_ + 1 >= n_)
                break;
            const char s = d_[i_ + 1];
            if (est_lettre(s)) {
                qsizetype j = i_ + 1;
                while (j < n_ && est_lettre(d_[j]))
                    ++j;
                const std::string_view nom(d_ + i_ + 1, static_cast<std::size_t>(j - i_ - 1));
                bool negatif = false;
                bool a_parametre = false;
                long long valeur = 0;
                if (j + 1 < n_ && d_[j] == '-' && est_chiffre(d_[j + 1])) {
                    negatif = true;
                    ++j;
                }
                while (j < n_ && est_chiffre(d_[j])) {
                    a_parametre = true;
                    valeur = std::min<long long>(valeur * 10 + (d_[j] - '0'), 1LL << 32);
                    ++j;
                }
                if (j < n_ && d_[j] == ' ')
                    ++j;
                i_ = j;
                valeur = std::clamp<long long>(negatif ? -valeur : valeur, INT_MIN, INT_MAX);
                mot_de_controle(nom, a_parametre, static_cast<int>(valeur));
            } else if (s == '\'') {
                qsizetype j = i_ + 2;
                int octet = 0;
                int chiffres = 0;
                while (chiffres < 2 && j < n_ && valeur_hexa(d_[j]) >= 0) {
                    octet = octet * 16 + valeur_hexa(d_[j]);
                    ++chiffres;
                    ++j;
                }
                i_ = j;
                if (a_sauter_ > 0)
                    --a_sauter_;
                else if (chiffres == 2)
                    caractere(caracteres_1252[static_cast<std::size_t>(octet)]);
            } else {
                i_ += 2;
                if (a_sauter_ > 0)
                    --a_sauter_;
                else
                    symbole(s);
            }
        } else {
            ++i_;
            if (c == '\r' || c == '\n')
                continue;
            if (a_sauter_ > 0) {
                --a_sauter_;
                continue;
            }
            const auto octet = static_cast<unsigned char>(c);
            const Destination dest = etat().destination;
            if (dest == Destination::polices && c == ';')
                fin_police();
            else if (dest == Destination::couleurs && c == ';')
                fin_couleur();
            else if (c == '\t')
                caractere(U'\t');
            else if (octet >= 0x20)
                caractere(caracteres_1252[octet]);
        }
    }

    // a truncated document: the groups still open end here
    while (!pile_.empty())
        fin_de_groupe();
    vider();
    if (!paragraphe_en_attente_ && alignement_paragraphe_ != 0) {
        QTextBlockFormat f = curseur_.blockFormat();
        static constexpr Qt::Alignment alignements[] = {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter,
                                                        Qt::AlignRight, Qt::AlignJustify};
        f.setAlignment(alignements[alignement_paragraphe_]);
        curseur_.setBlockFormat(f);
    }
    curseur_.endEditBlock();
}

void Lecteur::fin_de_groupe()
{
    if (pile_.empty())
        return;
    if (pile_.back().destination == Destination::polices && (police_en_cours_ >= 0 || !nom_police_.isEmpty()))
        fin_police();
    pile_.pop_back();
}

void Lecteur::fin_police()
{
    if (police_en_cours_ >= 0) {
        polices_[police_en_cours_] = nom_police_.trimmed();
        format_qt_valide_ = false;
    }
    police_en_cours_ = -1;
    nom_police_.clear();
}

void Lecteur::fin_couleur()
{
    if (couleur_donnee_)
        couleurs_.push_back(qRgb(rouge_, vert_, bleu_));
    else
        couleurs_.push_back(std::nullopt);
    rouge_ = vert_ = bleu_ = 0;
    couleur_donnee_ = false;
    format_qt_valide_ = false;
}

void Lecteur::mot_de_controle(std::string_view nom, bool a_parametre, int p)
{
    const auto& table = mots();
    const auto trouve = table.find(nom);
    if (trouve == table.end()) {
        if (a_sauter_ > 0)
            --a_sauter_;
        return;
    }
    const Mot mot = trouve->second;

    // Binary data: skipped whatever the destination.
    if (mot == Mot::bin) {
        if (a_parametre && p > 0)
            i_ += std::min<qsizetype>(p, n_ - i_);
        return;
    }
    if (a_sauter_ > 0) {
        --a_sauter_;
        return;
    }

    Etat& e = etat();
    if (e.destination == Destination::ignoree)
        return;

    const bool actif = !a_parametre || p != 0;
    switch (mot) {
    case Mot::ignoree:
        e.destination = Destination::ignoree;
        return;
    case Mot::fonttbl:
        if (e.destination == Destination::texte)
            e.destination = Destination::polices;
        return;
    case Mot::colortbl:
        if (e.destination == Destination::texte)
            e.destination = Destination::couleurs;
        return;
    case Mot::deff:
        deff_ = p;
        format_qt_valide_ = false;
        return;
    case Mot::uc:
        e.uc = std::clamp(p, 0, 1000);
        return;
    case Mot::u: {
        if (!a_parametre)
            return;
        long long v = p;
        if (v < 0)
            v += 65536;
        if (v < 0 || v > 0x10FFFF)
            v = 0xFFFD;
        caractere(static_cast<char32_t>(v));
        a_sauter_ = etat().uc;
        return;
    }
    default:
        break;
    }

    if (e.destination == Destination::polices) {
        if (mot == Mot::f) {
            if (police_en_cours_ >= 0 || !nom_police_.isEmpty())
                fin_police();
            police_en_cours_ = p;
        } else if (mot == Mot::tab) {
            caractere(U'\t');
        } else if (mot == Mot::line) {
            caractere(QChar::LineSeparator);
        }
        return;
    }
    if (e.destination == Destination::couleurs) {
        const int composante = std::clamp(p, 0, 255);
        if (mot == Mot::red)
            rouge_ = composante;
        else if (mot == Mot::green)
            vert_ = composante;
        else if (mot == Mot::blue)
            bleu_ = composante;
        else
            return;
        couleur_donnee_ = true;
        return;
    }

    Format& f = e.format;
    switch (mot) {
    case Mot::plain: f = Format{}; e.cache = false; break;
    case Mot::b: f.gras = actif; break;
    case Mot::i: f.italique = actif; break;
    case Mot::ul: f.souligne = actif; break;
    case Mot::ulnone: f.souligne = false; break;
    case Mot::strike: f.barre = actif; break;
    case Mot::super: f.position = actif ? 1 : 0; break;
    case Mot::sub: f.position = actif ? 2 : 0; break;
    case Mot::nosupersub: f.position = 0; break;
    case Mot::v: e.cache = actif; break;
    case Mot::f: f.police = a_parametre ? p : -1; break;
    case Mot::fs: f.demi_points = (a_parametre && p > 0) ? std::min(p, demi_points_maxi) : 0; break;
    case Mot::cf: f.couleur = a_parametre ? std::max(p, -1) : -1; break;
    case Mot::fond_table: f.fond = a_parametre ? std::max(p, -1) : -1; break;
    case Mot::highlight: f.fond = (a_parametre && p > 0) ? p : -1; break;
    case Mot::pard: e.alignement = alignement_paragraphe_ = 0; break;
    case Mot::ql: e.alignement = alignement_paragraphe_ = 1; break;
    case Mot::qc: e.alignement = alignement_paragraphe_ = 2; break;
    case Mot::qr: e.alignement = alignement_paragraphe_ = 3; break;
    case Mot::qj: e.alignement = alignement_paragraphe_ = 4; break;
    case Mot::par: case Mot::row: saut_de_paragraphe(); break;
    case Mot::page:
        if (paragraphe_non_vide_)
            saut_de_paragraphe();
        break;
    case Mot::line: caractere(QChar::LineSeparator); break;
    case Mot::tab: case Mot::cell: caractere(U'\t'); break;
    case Mot::emdash: caractere(U'\u2014'); break;
    case Mot::endash: caractere(U'\u2013'); break;
    case Mot::emspace: caractere(U'\u2003'); break;
    case Mot::enspace: caractere(U'\u2002'); break;
    case Mot::qmspace: caractere(U'\u2005'); break;
    case Mot::bullet: caractere(U'\u2022'); break;
    case Mot::lquote: caractere(U'\u2018'); break;
    case Mot::rquote: caractere(U'\u2019'); break;
    case Mot::ldblquote: caractere(U'\u201C'); break;
    case Mot::rdblquote: caractere(U'\u201D'); break;
    case Mot::zwj: caractere(U'\u200D'); break;
    case Mot::zwnj: caractere(U'\u200C'); break;
    case Mot::ltrmark: caractere(U'\u200E'); break;
    case Mot::rtlmark: caractere(U'\u200F'); break;
    default: break;
    }
}

void Lecteur::symbole(char c)
{
    switch (c) {
    case '\\': case '{': case '}':
        caractere(static_cast<char32_t>(c));
        break;
    case '~':
        caractere(QChar::Nbsp);
        break;
    case '-':
        caractere(U'\u00AD');
        break;
    case '_':
        caractere(U'\u2011');
        break;
    case '*':
        etat().destination = Destination::ignoree;
        break;
    case '\r': case '\n':
        if (etat().destination == Destination::texte)
            saut_de_paragraphe();
        break;
    case '\t':
        caractere(U'\t');
        break;
    default:
        break; // \: \| and the like
    }
}

void Lecteur::caractere(char32_t c)
{
    const Etat& e = etat();
    if (e.destination == Destination::polices) {
        if (c > 0xFFFF) {
            nom_police_ += QChar::highSurrogate(c);
            nom_police_ += QChar::lowSurrogate(c);
        } else if (c != 0) {
            nom_police_ += QChar(static_cast<char16_t>(c));
        }
        return;
    }
    if (e.destination != Destination::texte || e.cache)
        return;
    // QTextCursor::insertText starts a block at these: they are paragraph breaks.
    if (c == U'\n' || c == U'\r' || c == QChar::ParagraphSeparator) {
        saut_de_paragraphe();
        return;
    }
    if (c == 0xFDD0 || c == 0xFDD1) // the marks of frames
        c = 0xFFFD;
    if (c > 0xFFFF) {
        caractere_texte(QChar::highSurrogate(c));
        caractere_texte(QChar::lowSurrogate(c));
    } else {
        caractere_texte(static_cast<char16_t>(c));
    }
}

void Lecteur::caractere_texte(char16_t c)
{
    if (paragraphe_en_attente_) {
        vider();
        curseur_.insertBlock(QTextBlockFormat(), QTextCharFormat());
        paragraphe_en_attente_ = false;
    }
    const Format& f = etat().format;
    if (!tampon_.isEmpty() && !(f == format_tampon_))
        vider();
    format_tampon_ = f;
    tampon_ += QChar(c);
    paragraphe_non_vide_ = true;
    alignement_paragraphe_ = etat().alignement;
}

void Lecteur::saut_de_paragraphe()
{
    vider();
    if (paragraphe_en_attente_) // the paragraph ending here is empty
        curseur_.insertBlock(QTextBlockFormat(), QTextCharFormat());
    const int alignement = etat().alignement;
    if (alignement != 0) {
        static constexpr Qt::Alignment alignements[] = {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter,
                                                        Qt::AlignRight, Qt::AlignJustify};
        QTextBlockFormat f = curseur_.blockFormat();
        f.setAlignment(alignements[alignement]);
        curseur_.setBlockFormat(f);
    }
    paragraphe_en_attente_ = true;
    paragraphe_non_vide_ = false;
    alignement_paragraphe_ = 0;
}

void Lecteur::vider()
{
    if (tampon_.isEmpty())
        return;
    curseur_.insertText(tampon_, format_qt(format_tampon_));
    tampon_.clear();
}

const QTextCharFormat& Lecteur::format_qt(const Format& f)
{
    if (format_qt_valide_ && f == format_qt_cle_)
        return format_qt_;
    QTextCharFormat q;
    if (f.gras)
        q.setFontWeight(QFont::Bold);
    if (f.italique)
        q.setFontItalic(true);
    if (f.souligne)
        q.setFontUnderline(true);
    if (f.barre)
        q.setFontStrikeOut(true);
    if (f.position == 1)
        q.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (f.position == 2)
        q.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    const auto police = polices_.find(f.police >= 0 ? f.police : deff_);
    if (police != polices_.end() && !police->second.isEmpty())
        q.setFontFamilies(QStringList{police->second});
    if (f.demi_points > 0)
        q.setFontPointSize(f.demi_points / 2.0);
    const auto couleur = [this](int index) -> std::optional<QRgb> {
        if (index < 0 || static_cast<std::size_t>(index) >= couleurs_.size())
            return std::nullopt;
        return couleurs_[static_cast<std::size_t>(index)];
    };
    if (const auto c = couleur(f.couleur))
        q.setForeground(QColor::fromRgb(*c));
    if (const auto c = couleur(f.fond))
        q.setBackground(QColor::fromRgb(*c));
    format_qt_ = q;
    format_qt_cle_ = f;
    format_qt_valide_ = true;
    return format_qt_;
}

} // namespace

bool lire_rtf(const QByteArray& rtf, QTextDocument& document)
{
    qsizetype debut = 0;
    while (debut < rtf.size()
           && (rtf[debut] == ' ' || rtf[debut] == '\t' || rtf[debut] == '\r' || rtf[debut] == '\n'))
        ++debut;
    if (!QByteArrayView(rtf).sliced(debut).startsWith("{\\rtf"))
        return false;

    const bool annulation = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    {
        Lecteur lecteur(rtf, document);
        lecteur.lire(debut);
    }
    document.setUndoRedoEnabled(annulation);
    return true;
}

} // namespace quillon
