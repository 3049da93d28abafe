#include "tableur.h"

#include "common/langue.h"

#include <QCoreApplication>

#include <cmath>

namespace quillon {

namespace {

// The language's decimal separator; ";" between fields where it is a comma.
QString decimale()
{
    return locale_de_langue(langue_en_cours()).decimalPoint();
}

QChar separateur()
{
    return decimale() == QLatin1String(",") ? QLatin1Char(';') : QLatin1Char(',');
}

} // namespace

void TableurCsv::ligne(const QStringList& champs)
{
    QStringList sortie;
    for (QString champ : champs) {
        if (champ.contains(separateur()) || champ.contains(QLatin1Char('"')) || champ.contains(QLatin1Char('\n'))
            || champ.contains(QLatin1Char('\r')))
            champ = QLatin1Char('"') + champ.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
        sortie << champ;
    }
    lignes_ << sortie.join(separateur());
}

QByteArray TableurCsv::octets() const
{
    QByteArray texte("\xEF\xBB\xBF");
    for (const QString& l : lignes_)
        texte += l.toUtf8() + "\r\n";
    return texte;
}

QString TableurCsv::nombre(double x, int d)
{
    if (!std::isfinite(x))
        return QString();
    QString texte = QString::number(x, 'f', d);
    if (texte.startsWith(QLatin1Char('-')) && texte.count(QLatin1Char('0')) == texte.size() - (d > 0 ? 2 : 1))
        texte.remove(0, 1);
    return texte.replace(QLatin1String("."), decimale());
}

QString nom_propose(const char* page, const QDateTime& quand, const QString& extension)
{
    return QCoreApplication::translate("NomsProposes", page) +
           quand.toString(QCoreApplication::translate("NomsProposes", "_yyyy-MM-dd_HH'h'mm.")) + extension;
}

} // namespace quillon
