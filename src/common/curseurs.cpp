#include "curseurs.h"

#include "common/nombres.h"

#include <algorithm>

namespace quillon {

void CurseursMesure::bornes(int premier, int dernier)
{
    premier_ = premier;
    dernier_ = dernier;
    // Keep the cursors still on the curve, in their order.
    int gardes = 0;
    for (int i = 0; i < nombre_; ++i) {
        const int p = positions_[static_cast<std::size_t>(i)];
        if (p < premier || p > dernier)
            break;
        ++gardes;
    }
    nombre_ = gardes;
}

int CurseursMesure::borne(int echantillon) const
{
    return std::clamp(echantillon, premier_, dernier_);
}

void CurseursMesure::cliquer(int echantillon)
{
    if (vide())
        return;
    if (nombre_ == 2)
        nombre_ = 0;
    positions_[static_cast<std::size_t>(nombre_)] = borne(echantillon);
    ++nombre_;
}

void CurseursMesure::deplacer(int pas)
{
    if (vide())
        return;
    if (nombre_ == 0) {
        cliquer(premier_);
        return;
    }
    int& p = positions_[static_cast<std::size_t>(courant())];
    p = borne(p + pas);
}

void CurseursMesure::fixer()
{
    cliquer(nombre_ == 0 ? premier_ : position(courant()));
}

QString texte_mesure(double x, int decimales)
{
    QString t = fixed(x, 0, decimales);
    if (t.startsWith(u'-') && t.count(u'0') == t.size() - 2)
        t.remove(0, 1);
    return t;
}

double valeur_lue(double x, int decimales)
{
    return texte_mesure(x, decimales).toDouble();
}

int echantillon_proche(int x, int pas, int centre)
{
    return static_cast<int>(arrondi(static_cast<double>(x - centre) / pas));
}

int dernier_visible(int largeur, int pas, int centre)
{
    return largeur - 1 < centre ? -1 : (largeur - 1 - centre) / pas;
}

} // namespace quillon
