#include "nombres.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace quillon {

QString fixed(double x, int w, int d)
{
    // QString::number always uses the C locale: a point, never a comma.
    QString texte = QString::number(x, 'f', d < 0 ? 0 : d);
    if (texte.size() < w)
        texte = QString(w - texte.size(), QLatin1Char(' ')) + texte;
    return texte;
}

QString format_general(double x, const QString& nom_locale)
{
    const QLocale locale = nom_locale.isEmpty() ? QLocale::system() : QLocale(nom_locale);
    const QString virgule = locale.decimalPoint();
    if (std::isnan(x))
        return QStringLiteral("NAN");
    if (std::isinf(x))
        return x > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (x == 0.0)
        return QStringLiteral("0");

    // Fifteen significant digits, then the exponent decides the notation:
    // fixed unless the value is below 0.00001 or needs more than 15 digits
    // before the point.
    const QString sci = QString::number(x, 'e', 14); // d.dddddddddddddde+XX
    const qsizetype pos_e = sci.indexOf(QLatin1Char('e'));
    const int exposant = sci.mid(pos_e + 1).toInt();
    const bool negatif = x < 0;
    QString chiffres = sci.left(pos_e);
    chiffres.remove(QLatin1Char('-'));
    chiffres.remove(QLatin1Char('.'));
    while (chiffres.size() > 1 && chiffres.endsWith(QLatin1Char('0')))
        chiffres.chop(1);

    QString resultat;
    if (exposant >= 15 || exposant < -5) {
        resultat = chiffres.left(1);
        if (chiffres.size() > 1)
            resultat += virgule + chiffres.mid(1);
        resultat += QStringLiteral("E") + (exposant < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                    + QString::number(std::abs(exposant));
    } else if (exposant < 0) {
        resultat = QStringLiteral("0") + virgule + QString(-exposant - 1, QLatin1Char('0')) + chiffres;
    } else {
        const int avant = exposant + 1;
        if (chiffres.size() <= avant) {
            resultat = chiffres + QString(avant - chiffres.size(), QLatin1Char('0'));
        } else {
            resultat = chiffres.left(avant) + virgule + chiffres.mid(avant);
        }
    }
    return negatif ? QStringLiteral("-") + resultat : resultat;
}

int lire_entier(const QString& texte)
{
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && (texte[i] == QLatin1Char(' ') || texte[i] == QLatin1Char('\t')))
        ++i;
    bool negatif = false;
    if (i < n && (texte[i] == QLatin1Char('+') || texte[i] == QLatin1Char('-'))) {
        negatif = texte[i] == QLatin1Char('-');
        ++i;
    }
    long long valeur = 0;
    const long long plafond = negatif ? -static_cast<long long>(std::numeric_limits<int>::min())
                                      : std::numeric_limits<int>::max();
    while (i < n && texte[i] >= QLatin1Char('0') && texte[i] <= QLatin1Char('9')) {
        valeur = valeur * 10 + (texte[i].unicode() - '0');
        if (valeur > plafond)
            valeur = plafond;
        ++i;
    }
    return static_cast<int>(negatif ? -valeur : valeur);
}

long long arrondi(double x)
{
    // nearbyint follows the current rounding mode, which is to nearest, ties to even.
    const double r = std::nearbyint(x);
    if (!(r > -9.2e18))
        return std::numeric_limits<long long>::min();
    if (r > 9.2e18)
        return std::numeric_limits<long long>::max();
    return static_cast<long long>(r);
}

} // namespace quillon
