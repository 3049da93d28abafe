// Fuzz entries for the readings of text the program takes from outside:
// whole numbers typed or read from files, the stimulation sheet's answers,
// the command line, QT_SCALE_FACTOR, the score format (fuzz_textes); the work files (".nst", ".fch") and the recorded action
// potential ("ess0.nst") (fuzz_fichiers_travail).
#include "entrees.h"

#include "common/dossier.h"
#include "app/taille_affichage.h"
#include "common/nombres.h"
#include "stimulation/ess0.h"
#include "stimulation/questions.h"
#include "stimulation/unites.h"
#include "workfiles/fichiers_travail.h"

#include <QBuffer>
#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <limits>
#include <optional>

namespace {

// The reading done the slow way, to compare with.
long long reference_entier(const QString& t)
{
    qsizetype i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t'))
        ++i;
    bool negatif = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negatif = t[i++] == '-';
    long long v = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        v = std::min<long long>(v * 10 + (t[i].unicode() - '0'), 1LL << 40);
        ++i;
    }
    v = negatif ? -v : v;
    return std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

// The lines of a text as the work-file readers see them: cut at LF, without
// the CRs that end them, no line after a last LF.
QStringList reference_lignes(const QString& texte)
{
    QStringList lignes = texte.split(QLatin1Char('\n'));
    if (lignes.last().isEmpty())
        lignes.removeLast();
    for (QString& l : lignes) {
        while (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    }
    return lignes;
}

bool proches(double a, double b)
{
    return a == b || std::abs(a - b) <= std::abs(b) * 1e-14;
}

// Written, then read again: the same steps, reals within the 15 digits.
void verifier_aller_retour(const quillon::SequenceNernst& sequence, int maxi)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    verifier(tampon.open(QIODevice::WriteOnly));
    verifier(quillon::ecrire_nernst(tampon, sequence));
    tampon.close();

    const qsizetype n = static_cast<qsizetype>(sequence.etapes.size());
    verifier(octets.count('\n') == 1 + 7 * n);
    verifier(octets.count("\r\n") == 1 + 7 * n);
    verifier(octets.endsWith("\r\n"));
    for (char c : octets)
        verifier(c > 0);
    const QList<QByteArray> lignes = octets.split('\n');
    for (qsizetype i = 1 + 6 * n; i < 1 + 7 * n; ++i)
        verifier(lignes[i].size() == 24);

    QTextStream flux(&octets, QIODevice::ReadOnly);
    const quillon::ResultatNernst relu = quillon::lire_nernst(flux, maxi);
    verifier(relu.etat == quillon::LectureNernst::Lue);
    verifier(relu.sequence.etapes.size() == sequence.etapes.size());
    for (std::size_t i = 0; i < sequence.etapes.size(); ++i) {
        quillon::EtapeNernst a = relu.sequence.etapes[i];
        const quillon::EtapeNernst& b = sequence.etapes[i];
        verifier(proches(a.em, b.em));
        a.em = b.em;
        verifier(a == b);
    }
}

// A ".nst" text read from a stream over the decoded text, against what its
// lines announce.
void verifier_nernst(const QString& texte, int maxi)
{
    QString copie = texte;
    QTextStream flux(&copie, QIODevice::ReadOnly);
    const quillon::ResultatNernst r = quillon::lire_nernst(flux, maxi);
    if (r.etat != quillon::LectureNernst::Lue)
        verifier(r.sequence.etapes.empty());

    const QStringList lignes = reference_lignes(texte);
    static const QRegularExpression compte_seul(QStringLiteral("^[ \t]*[+-]?([0-9]+)[ \t]*$"));
    const QRegularExpressionMatch m = lignes.isEmpty() ? QRegularExpressionMatch() : compte_seul.match(lignes[0]);
    if (!m.hasMatch()) {
        verifier(r.etat == quillon::LectureNernst::PremiereLigne);
        return;
    }
    const long long compte = reference_entier(lignes[0]);
    if (compte < 0 || compte > maxi) {
        verifier(r.etat == quillon::LectureNernst::HorsLimites);
        return;
    }
    if (lignes.size() < 1 + 7 * compte) {
        verifier(r.etat == quillon::LectureNernst::Incomplete);
        return;
    }
    // A value no page sets, read as the reference reads it, makes no recorder file.
    bool possible = true, nombre = false;
    for (long long i = 0; i < 7 * compte; ++i) {
        const double v = i < 6 * compte ? reference_entier(lignes[1 + i]) : lignes[1 + i].toDouble(&nombre);
        possible = possible && (i < 6 * compte ? v >= 0 && v <= (i % 6 < 2 ? 100 : 300) : !nombre || std::abs(v) <= 1000);
    }
    verifier(r.etat == quillon::LectureNernst::Lue);
    verifier(r.possible == possible);
    verifier(static_cast<long long>(r.sequence.etapes.size()) == compte);
    for (long long i = 0; i < compte; ++i) {
        const quillon::EtapeNernst& e = r.sequence.etapes[static_cast<std::size_t>(i)];
        const int valeurs[] = {e.gk, e.gna, e.k_int, e.k_ext, e.na_int, e.na_ext};
        for (int j = 0; j < 6; ++j)
            verifier(valeurs[j] == reference_entier(lignes[static_cast<qsizetype>(1 + 6 * i + j)]));
        verifier(std::isfinite(e.em));
    }
    verifier_aller_retour(r.sequence, maxi);
}

// The same bytes through a stream of its own over them (UTF-8, with its
// detection of byte-order marks): only the invariants.
void verifier_nernst_octets(const QByteArray& octets, int maxi)
{
    QByteArray copie = octets;
    QTextStream flux(&copie, QIODevice::ReadOnly);
    const quillon::ResultatNernst r = quillon::lire_nernst(flux, maxi);
    verifier(r.etat != quillon::LectureNernst::Illisible);
    if (r.etat != quillon::LectureNernst::Lue) {
        verifier(r.sequence.etapes.empty());
        return;
    }
    verifier(r.sequence.etapes.size() <= static_cast<std::size_t>(maxi));
    for (const quillon::EtapeNernst& e : r.sequence.etapes) {
        verifier(std::isfinite(e.em));
        verifier(quillon::etape_possible(e) || !r.possible);
    }
    verifier_aller_retour(r.sequence, maxi);
}

// Every entry of the recorded action potential set to a value no reading gives.
quillon::PotentielEss0 potentiel_temoin()
{
    quillon::PotentielEss0 p;
    for (std::size_t k = 0; k < p.size(); ++k)
        p[k] = -1e6 - static_cast<double>(k);
    return p;
}

// The recorded action potential read from a stream over the decoded text,
// against what its lines announce.
void verifier_ess0(const QString& texte)
{
    QString copie = texte;
    QTextStream flux(&copie, QIODevice::ReadOnly);
    const quillon::PotentielEss0 temoin = potentiel_temoin();
    quillon::PotentielEss0 pot = temoin;
    const bool lu = quillon::lec_fic_ess0(flux, pot);

    const QStringList lignes = reference_lignes(texte);
    static const QRegularExpression compte_seul(QStringLiteral("^[ \t]*[+-]?([0-9]+)[ \t]*$"));
    const bool compte_lisible = !lignes.isEmpty() && compte_seul.match(lignes[0]).hasMatch();
    verifier(lu == compte_lisible);
    verifier(pot[0] == temoin[0]);
    const long long compte = compte_lisible ? reference_entier(lignes[0]) : 0;
    static const QRegularExpression reel_c(
        QStringLiteral("^[ \t]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]{1,3})?[ \t]*$"));
    for (std::size_t k = 1; k < pot.size(); ++k) {
        // The line of sample k, when the text reaches it.
        const long long i = 6 * compte + static_cast<long long>(k);
        if (compte_lisible && static_cast<long long>(k) <= compte && i < lignes.size()) {
            verifier(std::isfinite(pot[k]));
            const QString& ligne = lignes[static_cast<qsizetype>(i)];
            if (reel_c.match(ligne).hasMatch()) {
                const double attendu = std::strtod(ligne.trimmed().toLatin1().constData(), nullptr);
                // Past the range, or below the smallest normal, either 0 or the value.
                if (!std::isfinite(attendu))
                    verifier(pot[k] == 0);
                else if (std::abs(attendu) >= std::numeric_limits<double>::min())
                    verifier(pot[k] == attendu);
                else
                    verifier(pot[k] == 0 || pot[k] == attendu);
            }
        } else {
            verifier(pot[k] == temoin[k]);
        }
    }
}

// The same bytes through a stream of its own over them: only the invariants.
void verifier_ess0_octets(const QByteArray& octets)
{
    QByteArray copie = octets;
    QTextStream flux(&copie, QIODevice::ReadOnly);
    const quillon::PotentielEss0 temoin = potentiel_temoin();
    quillon::PotentielEss0 pot = temoin;
    const bool lu = quillon::lec_fic_ess0(flux, pot);
    verifier(pot[0] == temoin[0]);
    for (std::size_t k = 1; k < pot.size(); ++k) {
        if (!lu)
            verifier(pot[k] == temoin[k]);
        else
            verifier(pot[k] == temoin[k] || std::isfinite(pot[k]));
    }
}

void verifier_fechner(const QString& texte)
{
    QString copie = texte;
    QTextStream flux(&copie, QIODevice::ReadOnly);
    const quillon::TableFechner table = quillon::lire_fechner(flux);
    static_assert(std::tuple_size_v<quillon::TableFechner> == 51);
    static_assert(std::tuple_size_v<quillon::TableFechner::value_type> == 12);
    const QStringList lignes = reference_lignes(texte);
    for (qsizetype i = 0; i < 51 * 12; ++i) {
        const QString& cellule = table[static_cast<std::size_t>(i / 12)][static_cast<std::size_t>(i % 12)];
        verifier(!cellule.contains(QLatin1Char('\n')));
        verifier(cellule == (i < lignes.size() ? lignes[i] : QString()));
    }
}

} // namespace

void fuzz_fichiers_travail(const QByteArray& octets)
{
    const QString texte_1252 = quillon::texte_windows_1252(octets);
    for (int maxi : {quillon::nernst_etapes_maxi, quillon::nernst_etapes_maxi + 1}) {
        verifier_nernst(texte_1252, maxi);
        verifier_nernst_octets(octets, maxi);
    }
    verifier_fechner(texte_1252);
    const bool texte = quillon::octets_texte_travail(octets);
    verifier(texte == (!octets.isEmpty() && octets.size() <= quillon::taille_maxi_travail
                       && std::all_of(octets.begin(), octets.end(), [](char c) {
                              return static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\r' || c == '\n'
                                     || c == '\x1a';
                          })));
    verifier_ess0(texte_1252);
    verifier_ess0_octets(octets);
}

void fuzz_textes(const QByteArray& octets)
{
    const QString texte = QString::fromUtf8(octets);
    verifier(quillon::lire_entier(texte) == reference_entier(texte));

    // An answer of the stimulation sheet: a finite measurement or nothing,
    // the same with blanks around and a point for the number's comma; an
    // item or none.
    QString autrement = QStringLiteral(" ") + texte + QStringLiteral(" ");
    if (const qsizetype virgule = autrement.indexOf(QLatin1Char(','));
        virgule >= 0 && QRegularExpression(QStringLiteral("\\A\\s*[+-]?[0-9]*\\z")).match(autrement.left(virgule)).hasMatch())
        autrement[virgule] = QLatin1Char('.');
    for (const auto g : {quillon::Grandeur::temps, quillon::Grandeur::frequence, quillon::Grandeur::vitesse,
                         quillon::Grandeur::tension}) {
        const std::optional<quillon::Mesure> lu = quillon::lire_mesure(texte, g);
        verifier(!lu || (std::isfinite(lu->valeur) && lu->demi_pas >= 0));
        const std::optional<quillon::Mesure> lu2 = quillon::lire_mesure(autrement, g);
        verifier(lu.has_value() == lu2.has_value() && (!lu || (lu->valeur == lu2->valeur && lu->demi_pas == lu2->demi_pas)));
    }
    const int item = quillon::item_refractaire(texte);
    verifier(item >= -1 && item <= 40);
    const QStringList electrodes{QStringLiteral("l'anode"), QStringLiteral("la cathode")};
    const int nomme = quillon::item_nomme(texte, electrodes);
    verifier(nomme >= -1 && nomme <= 1);
    quillon::ReponsesEleve r{item, item, texte, texte, texte, nomme, texte};
    (void)quillon::corriger_reponses(r);

    // QT_SCALE_FACTOR as the user set it: the factor started with is a
    // positive finite number, or none at all.
    for (int taille : quillon::tailles_affichage) {
        const QByteArray f = quillon::facteur_echelle(octets, taille);
        bool ok = false;
        const double x = f.toDouble(&ok);
        verifier(f.isEmpty() || (ok && std::isfinite(x) && x > 0));
    }

    const QString dossier = quillon::dossier_depuis_ligne_commande(texte);
    verifier(dossier.endsWith('\\'));
    verifier(!dossier.contains('"'));
    for (QChar c : dossier)
        verifier(!(c >= 'A' && c <= 'Z'));

    if (static_cast<std::size_t>(octets.size()) >= sizeof(double)) {
        double x;
        std::memcpy(&x, octets.constData(), sizeof x);
        const QString g = quillon::format_general(x, QStringLiteral("fr_FR"));
        // Fifteen digits of the largest doubles round beyond the range.
        if (std::isfinite(x) && std::abs(x) < 1e300) {
            QString lu = g;
            lu.replace(',', '.');
            bool ok = false;
            const double y = lu.toDouble(&ok);
            verifier(ok);
            verifier(x == 0 ? y == 0 : std::abs(y - x) <= std::abs(x) * 1e-14);
        }
    }
}
