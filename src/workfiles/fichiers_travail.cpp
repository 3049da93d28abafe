#include "workfiles/fichiers_travail.h"

#include "common/nombres.h"

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QBuffer>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <optional>

namespace quillon {

namespace {

// The six whole numbers of a step, in the order of the file.
constexpr int EtapeNernst::*champs_entiers[] = {
    &EtapeNernst::gk,    &EtapeNernst::gna,    &EtapeNernst::k_int,
    &EtapeNernst::k_ext, &EtapeNernst::na_int, &EtapeNernst::na_ext,
};

const QLatin1String fin_de_ligne("\r\n");

bool blanc(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

bool ligne_travail(QTextStream& flux, QString& ligne)
{
    if (!flux.readLineInto(&ligne))
        return false;
    while (ligne.endsWith(QLatin1Char('\r')))
        ligne.chop(1);
    return true;
}

std::optional<long long> lire_compte_travail(const QString& ligne)
{
    qsizetype i = 0;
    const qsizetype n = ligne.size();
    while (i < n && blanc(ligne[i]))
        ++i;
    bool negatif = false;
    if (i < n && (ligne[i] == QLatin1Char('+') || ligne[i] == QLatin1Char('-')))
        negatif = ligne[i++] == QLatin1Char('-');
    const qsizetype debut = i;
    long long valeur = 0;
    while (i < n && ligne[i] >= QLatin1Char('0') && ligne[i] <= QLatin1Char('9')) {
        valeur = std::min(valeur * 10 + (ligne[i].unicode() - '0'), 1LL << 40);
        ++i;
    }
    if (i == debut)
        return std::nullopt;
    while (i < n && blanc(ligne[i]))
        ++i;
    if (i != n)
        return std::nullopt;
    return negatif ? -valeur : valeur;
}

double lire_reel_travail(const QString& ligne)
{
    bool ok = false;
    const double x = ligne.toDouble(&ok); // always the C locale
    return ok && std::isfinite(x) ? x : 0.0;
}

QString reel_23(double x)
{
    constexpr int largeur = 23;
    if (std::isnan(x))
        return QStringLiteral("Nan").rightJustified(largeur);
    if (std::isinf(x))
        return (x > 0 ? QStringLiteral("+Inf") : QStringLiteral("-Inf")).rightJustified(largeur);

    // Fifteen digits of the largest doubles round to 1.79769313486232E+0308,
    // beyond the range: such a text would read back as infinite.
    constexpr double plus_grand_ecrit = 1.79769313486231e308;
    const double grandeur = std::min(std::abs(x), plus_grand_ecrit);

    // "d.dddddddddddddde+XX": the rounding, carry included, is Qt's; only the
    // exponent's layout changes.
    const QString sci = QString::number(grandeur, 'e', 14);
    const qsizetype pos_e = sci.indexOf(QLatin1Char('e'));
    const int exposant = QStringView(sci).mid(pos_e + 1).toInt();

    QString texte;
    texte.reserve(largeur);
    texte += x < 0 ? QLatin1Char('-') : QLatin1Char(' ');
    texte += QStringView(sci).left(pos_e);
    texte += QLatin1Char('E');
    texte += exposant < 0 ? QLatin1Char('-') : QLatin1Char('+');
    texte += QString::number(std::abs(exposant)).rightJustified(4, QLatin1Char('0'));
    return texte;
}

bool etape_possible(const EtapeNernst& etape)
{
    const auto dans = [](int x, int maxi) { return x >= 0 && x <= maxi; };
    return dans(etape.gk, 100) && dans(etape.gna, 100) && dans(etape.k_int, 300) && dans(etape.k_ext, 300)
        && dans(etape.na_int, 300) && dans(etape.na_ext, 300) && std::isfinite(etape.em) && std::abs(etape.em) <= 1000;
}

ResultatNernst lire_nernst(QTextStream& flux, int maxi)
{
    ResultatNernst resultat;
    QString ligne;
    std::optional<long long> compte;
    if (ligne_travail(flux, ligne))
        compte = lire_compte_travail(ligne);
    if (!compte) {
        resultat.etat = LectureNernst::PremiereLigne;
        return resultat;
    }
    if (*compte < 0 || *compte > maxi) {
        resultat.etat = LectureNernst::HorsLimites;
        return resultat;
    }
    const int n = static_cast<int>(*compte);

    // The vector grows with the lines actually read: a short text announcing
    // many steps costs no more than its own size.
    SequenceNernst sequence;
    for (int i = 0; i < n; ++i) {
        EtapeNernst etape;
        for (int EtapeNernst::*champ : champs_entiers) {
            if (!ligne_travail(flux, ligne)) {
                resultat.etat = LectureNernst::Incomplete;
                return resultat;
            }
            etape.*champ = lire_entier(ligne);
        }
        sequence.etapes.push_back(etape);
    }
    for (EtapeNernst& etape : sequence.etapes) {
        if (!ligne_travail(flux, ligne)) {
            resultat.etat = LectureNernst::Incomplete;
            return resultat;
        }
        etape.em = lire_reel_travail(ligne);
        bool nombre = false;
        const double em = ligne.toDouble(&nombre);
        resultat.possible = resultat.possible && etape_possible(etape) && (!nombre || em == etape.em);
    }
    resultat.etat = LectureNernst::Lue;
    resultat.sequence = std::move(sequence);
    return resultat;
}

ResultatNernst lire_nernst(const QString& chemin, int maxi)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        ResultatNernst resultat;
        resultat.etat = LectureNernst::Illisible;
        return resultat;
    }
    // Only ASCII matters in these files: Latin-1 reads it as Windows-1252 does.
    QTextStream flux(&fichier);
    flux.setEncoding(QStringConverter::Latin1);
    flux.setAutoDetectUnicode(false);
    return lire_nernst(flux, maxi);
}

bool ecrire_nernst(QIODevice& sortie, const SequenceNernst& sequence)
{
    QString texte = QString::number(sequence.etapes.size()) + fin_de_ligne;
    for (const EtapeNernst& etape : sequence.etapes) {
        for (int EtapeNernst::*champ : champs_entiers)
            texte += QString::number(etape.*champ) + fin_de_ligne;
    }
    for (const EtapeNernst& etape : sequence.etapes)
        texte += reel_23(etape.em) + fin_de_ligne;
    const QByteArray octets = texte.toLatin1(); // ASCII only
    return sortie.write(octets) == octets.size();
}

Enregistrement enregistrer_nernst(const QString& chemin, const SequenceNernst& sequence)
{
    QBuffer memoire;
    memoire.open(QIODevice::WriteOnly);
    ecrire_nernst(memoire, sequence);
    return enregistrer_entier(chemin, memoire.data());
}

TableFechner lire_fechner(QTextStream& flux)
{
    TableFechner table;
    QString ligne;
    for (auto& rangee : table) {
        for (QString& cellule : rangee) {
            if (!ligne_travail(flux, ligne))
                return table;
            cellule = ligne;
        }
    }
    return table;
}

bool lire_fechner(const QString& chemin, TableFechner& table)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return false;
    // Only the lines of the table are decoded; QFile cuts lines at LF, the CR
    // before it stays for the text stream to remove.
    QByteArray octets;
    for (int i = 0; i < fechner_lignes * fechner_colonnes && !fichier.atEnd(); ++i)
        octets += fichier.readLine();
    QString texte = texte_windows_1252(octets);
    QTextStream flux(&texte, QIODevice::ReadOnly);
    table = lire_fechner(flux);
    return true;
}

bool octets_texte_travail(const QByteArray& octets)
{
    if (octets.isEmpty() || octets.size() > taille_maxi_travail)
        return false;
    return std::none_of(octets.begin(), octets.end(), [](char c) {
        const auto o = static_cast<unsigned char>(c);
        return o < 0x20 && o != '\t' && o != '\r' && o != '\n' && o != 0x1A;
    });
}

bool texte_travail(QIODevice& fichier)
{
    return octets_texte_travail(fichier.read(taille_maxi_travail + 1));
}

} // namespace quillon
