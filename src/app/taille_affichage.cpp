#include "taille_affichage.h"

#include "app/dossiers_utilisateur.h"

#include <QSettings>
#include <algorithm>

namespace quillon {

namespace {

const char* const cle_taille = "affichage/taille";
int en_cours = 100;

bool offerte(int taille)
{
    return std::find(tailles_affichage.begin(), tailles_affichage.end(), taille) != tailles_affichage.end();
}

} // namespace

int taille_affichage_retenue()
{
    bool ok = false;
    const int t = reglages_utilisateur().value(QLatin1String(cle_taille)).toInt(&ok);
    return ok && offerte(t) ? t : 100;
}

void retenir_taille_affichage(int taille)
{
    if (offerte(taille))
        reglages_utilisateur().setValue(QLatin1String(cle_taille), taille);
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
    bool ok = false;
    double f = existant.trimmed().toDouble(&ok);
    if (!ok || !(f > 0))
        f = 1;
    const double total = f * taille / 100.0;
    return total == 1 ? QByteArray() : QByteArray::number(total, 'g', 6);
}

void appliquer_taille_affichage()
{
    en_cours = taille_affichage_retenue();
    if (en_cours == 100)
        return;
    qputenv("QT_SCALE_FACTOR", facteur_echelle(qgetenv("QT_SCALE_FACTOR"), en_cours));
}

int taille_affichage_en_cours()
{
    return en_cours;
}

} // namespace quillon
