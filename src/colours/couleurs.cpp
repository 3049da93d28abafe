#include "couleurs.h"

#include "common/nombres.h"

#include <algorithm>

namespace quillon {

CouleursPages couleurs_de_depart()
{
    CouleursPages c;
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = reglages::lignes_couleurs[i].defaut;
    return c;
}

QColor couleur_rgb(std::int32_t valeur, const QColor& face)
{
    if (valeur < 0)
        return face;
    return QColor(valeur & 0xFF, (valeur >> 8) & 0xFF, (valeur >> 16) & 0xFF);
}

std::int32_t valeur_couleur(const QColor& c)
{
    return c.red() + 256 * c.green() + 65536 * c.blue();
}

Composantes decomposer(std::int32_t valeur)
{
    Composantes r;
    r.bleu = valeur / 65536;
    const std::int32_t reste = valeur - 65536 * r.bleu;
    r.vert = reste / 256;
    r.rouge = reste - 256 * r.vert;
    return r;
}

int position_curseur(int composante)
{
    const int modulo = ((composante - 1) % 256 + 256) % 256;
    return std::clamp(254 - modulo, 0, 254);
}

std::int32_t melange(int position_rouge, int position_vert, int position_bleu)
{
    return (255 - position_rouge) + 256 * (255 - position_vert) + 65536 * (255 - position_bleu);
}

QByteArray ecrire_couleurs(const CouleursPages& c)
{
    QByteArray texte;
    for (std::int32_t v : c)
        texte += QByteArray::number(v) + "\r\n";
    return texte;
}

CouleursPages lire_couleurs(const QByteArray& texte)
{
    CouleursPages c{};
    qsizetype debut = 0;
    for (std::int32_t& valeur : c) {
        if (debut > texte.size())
            break; // a missing line: 0
        qsizetype fin = texte.indexOf('\n', debut);
        if (fin < 0)
            fin = texte.size();
        valeur = lire_entier(QString::fromLatin1(texte.mid(debut, fin - debut)));
        debut = fin + 1;
    }
    return c;
}

} // namespace quillon
