#include "taille_affichage.h"

#include "common/dossiers_utilisateur.h"

#include <cmath>
#include <algorithm>

namespace quillon {

namespace {

bool offerte(int taille)
{
    return std::find(tailles_affichage.begin(), tailles_affichage.end(), taille) != tailles_affichage.end();
}

} // namespace

double facteur_ecrit(const QByteArray& texte)
{
    bool ok = false;
    const double f = texte.trimmed().toDouble(&ok);
    return ok && f > 0 && std::isfinite(f * 2) ? f : 1; // times 200 % stays a number
}

int taille_affichage_retenue()
{
    const int t = lire_reglage(reglages::taille_affichage);
    return offerte(t) ? t : reglages::taille_affichage.defaut;
}

Enregistrement retenir_taille_affichage(int taille)
{
    return offerte(taille) ? garder_reglage(reglages::taille_affichage, taille) : Enregistrement{true, {}};
}

bool taille_possible(int taille, QSize fenetre, QSize ecran)
{
    if (taille == 100)
        return true;
    return offerte(taille) && fenetre.width() * taille <= ecran.width() * 100
           && fenetre.height() * taille <= ecran.height() * 100;
}

int taille_voisine(int taille, int sens, QSize fenetre, QSize ecran)
{
    int choisie = taille;
    for (int t : tailles_affichage) {
        const bool plus_pres = sens > 0 ? t > taille && (choisie == taille || t < choisie)
                                        : t < taille && (choisie == taille || t > choisie);
        if (plus_pres && taille_possible(t, fenetre, ecran))
            choisie = t;
    }
    return choisie;
}

QByteArray facteur_echelle(const QByteArray& existant, int taille)
{
    // The size as a ratio first: a factor near the largest number, times 125, would overflow.
    const double total = facteur_ecrit(existant) * (taille / 100.0);
    return total == 1 ? QByteArray() : QByteArray::number(total, 'g', 6);
}

TailleDepart taille_de_depart(QSize fenetre, QSize ecran, double bureau, double utilisateur, int retenue)
{
    // `facteur` times the size, in device pixels, within the screen's available area.
    const auto tient = [&](double facteur, int taille) {
        const double f = facteur * taille / 100;
        return fenetre.width() * f <= ecran.width() + 1e-6 && fenetre.height() * f <= ecran.height() + 1e-6;
    };
    for (auto t = tailles_affichage.rbegin(); t != tailles_affichage.rend(); ++t)
        if (*t <= retenue && tient(bureau * utilisateur, *t))
            return {utilisateur, *t, true};
    for (auto t = tailles_affichage.rbegin(); t != tailles_affichage.rend(); ++t)
        if (tient(1, *t))
            return {1 / bureau, *t, true};
    return {1 / bureau, tailles_affichage.front(), false};
}

} // namespace quillon
