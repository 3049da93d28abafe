#include "unites.h"

#include <QRegularExpression>
#include <array>
#include <cmath>
#include <initializer_list>

namespace quillon {

namespace {

struct Unite {
    Grandeur grandeur;
    double facteur; // how many of the box's unit one of this unit is
    std::initializer_list<const char*> ecritures; // lower case, unaccented, without blanks or dots
};

// Every unit the boxes read, once.
const std::array<Unite, 14> unites{{
    {Grandeur::temps, 1, {"ms", "msec", "millisec", "milliseconde", "millisecondes", "millisecond", "milliseconds"}},
    {Grandeur::temps, 1000, {"s", "sec", "seconde", "secondes", "second", "seconds"}},
    {Grandeur::temps, 0.001, {"µs", "μs", "us", "microseconde", "microsecondes", "microsecond", "microseconds"}},
    {Grandeur::frequence, 1, {"hz", "hertz", "s-1", "/s"}},
    {Grandeur::frequence, 1000, {"khz", "kilohertz"}},
    {Grandeur::vitesse, 1, {"m/s", "ms-1", "m/sec", "mm/ms", "mmms-1", "metre/s", "metres/s", "meter/s", "meters/s",
                            "metreparseconde", "metresparseconde", "metrepersecond", "metrespersecond",
                            "meterpersecond", "meterspersecond"}},
    {Grandeur::vitesse, 1 / 3.6, {"km/h", "kmh-1", "km/hr", "kmph"}},
    {Grandeur::vitesse, 1000, {"km/s", "kms-1"}},
    {Grandeur::vitesse, 10, {"cm/ms", "cmms-1"}},
    {Grandeur::vitesse, 0.01, {"cm/s", "cms-1"}},
    {Grandeur::vitesse, 0.001, {"mm/s", "mms-1"}},
    {Grandeur::tension, 1, {"v", "volt", "volts"}},
    {Grandeur::tension, 0.001, {"mv", "millivolt", "millivolts"}},
    {Grandeur::tension, 1e-6, {"µv", "μv", "microvolt", "microvolts"}},
}};

// The unit as the table writes it: lower case, no accent, superscripts as
// plain characters, no blank, dot or product sign ("m·s⁻¹" and "m.s-1" are
// "ms-1").
QString forme_unite(const QString& texte)
{
    QString t;
    for (const QChar c : texte.normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing || c.isSpace() || c == u'.' || c == u'\u00b7' || c == u'\u22c5'
            || c == u'*' || c == u'^')
            continue;
        t += c == u'\u2212' ? QChar(u'-') : c.toLower();
    }
    return t;
}

} // namespace

std::optional<Mesure> lire_mesure(const QString& texte, Grandeur grandeur)
{
    static const QRegularExpression forme(
        QStringLiteral("^([+-]?)([0-9]*)(?:[.,]([0-9]*))?\\s*(.*?)[\\s.!]*$"),
        QRegularExpression::UseUnicodePropertiesOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = forme.match(texte.trimmed());
    const QString entiers = m.captured(2), decimales = m.captured(3);
    if (!m.hasMatch() || (entiers.isEmpty() && decimales.isEmpty()))
        return std::nullopt;
    bool ok = false;
    const double nombre = (m.captured(1) + (entiers.isEmpty() ? QStringLiteral("0") : entiers) + u'.'
                           + (decimales.isEmpty() ? QStringLiteral("0") : decimales)).toDouble(&ok);
    if (!ok || !std::isfinite(nombre))
        return std::nullopt;
    double facteur = 1;
    if (const QString unite = forme_unite(m.captured(4)); !unite.isEmpty()) {
        const Unite* trouvee = nullptr;
        for (const Unite& u : unites)
            for (const char* e : u.ecritures)
                if (unite == QString::fromUtf8(e))
                    trouvee = &u;
        if (!trouvee || trouvee->grandeur != grandeur)
            return std::nullopt;
        facteur = trouvee->facteur;
    }
    const double demi_pas = 0.5 * std::pow(10.0, -static_cast<double>(decimales.size()));
    if (!std::isfinite(nombre * facteur))
        return std::nullopt;
    return Mesure{nombre * facteur, demi_pas * facteur};
}

} // namespace quillon
