#include "taille_affichage.h"

#include "common/dossiers_utilisateur.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <cmath>
#include <optional>
#include <algorithm>

namespace quillon {

namespace {

const char* const cle_taille = "affichage/taille";
int en_cours = 100;
// The user's own QT_SCALE_FACTOR, as the program was started ("-" for none),
// and the factor of a run started again to fit the screen: they pass from
// a run to the one it starts through these variables.
const char* const variable_utilisateur = "QUILLON_FACTEUR_UTILISATEUR";
const char* const variable_ajustee = "QUILLON_FACTEUR_AJUSTE";
const char* const variable_qt = "QT_SCALE_FACTOR";
std::optional<QByteArray> facteur_utilisateur; // known once the size is applied
bool deja_ajuste = false; // this run was started again to fit: never twice

double facteur(const QByteArray& texte)
{
    bool ok = false;
    const double f = texte.trimmed().toDouble(&ok);
    return ok && f > 0 && std::isfinite(f * 2) ? f : 1; // times 200 % stays a number
}

void mettre_facteur(const QByteArray& valeur)
{
    if (valeur.isEmpty() || valeur == "-")
        qunsetenv(variable_qt);
    else
        qputenv(variable_qt, valeur);
}

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
    // The size as a ratio first: a factor near the largest number, times 125, would overflow.
    const double total = facteur(existant) * (taille / 100.0);
    return total == 1 ? QByteArray() : QByteArray::number(total, 'g', 6);
}

void appliquer_taille_affichage()
{
    // A run started by the program itself finds the user's own factor in its
    // note; QT_SCALE_FACTOR there is the one the previous run set.
    if (qEnvironmentVariableIsSet(variable_utilisateur)) {
        facteur_utilisateur = qgetenv(variable_utilisateur);
        qunsetenv(variable_utilisateur);
    } else {
        facteur_utilisateur = qEnvironmentVariableIsSet(variable_qt) ? qgetenv(variable_qt) : QByteArray("-");
    }
    const QByteArray utilisateur = facteur_utilisateur == "-" ? QByteArray() : *facteur_utilisateur;
    en_cours = taille_affichage_retenue();
    if (qEnvironmentVariableIsSet(variable_ajustee)) {
        // Started again to fit the screen: that factor, whatever the size kept.
        const double ajuste = facteur(qgetenv(variable_ajustee));
        qunsetenv(variable_ajustee);
        deja_ajuste = true;
        en_cours = static_cast<int>(std::lround(100 * ajuste / facteur(utilisateur)));
        mettre_facteur(QByteArray::number(ajuste, 'g', 6));
        return;
    }
    mettre_facteur(en_cours == 100 ? *facteur_utilisateur : facteur_echelle(utilisateur, en_cours));
}

void rendre_facteur_utilisateur()
{
    if (facteur_utilisateur)
        mettre_facteur(*facteur_utilisateur);
}

int plus_grande_taille_qui_tient(QSize fenetre, QSize ecran)
{
    for (auto t = tailles_affichage.rbegin(); t != tailles_affichage.rend(); ++t)
        if (taille_possible(*t, fenetre, ecran))
            return *t;
    return tailles_affichage.front();
}

bool redemarrer_si_trop_grande(QSize fenetre, const QStringList& arguments)
{
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (ecran == nullptr || deja_ajuste)
        return false;
    const double ratio = ecran->devicePixelRatio();
    const QSize disponible = (QSizeF(ecran->availableGeometry().size()) * ratio).toSize();
    const QSize a_l_ecran = (QSizeF(fenetre) * ratio).toSize();
    if (a_l_ecran.width() <= disponible.width() && a_l_ecran.height() <= disponible.height())
        return false;
    // The desktop's own ratio, without QT_SCALE_FACTOR, and the factor that
    // gives the size that fits on top of it.
    const double bureau = ratio / facteur(qgetenv(variable_qt));
    const double total = plus_grande_taille_qui_tient(fenetre, disponible) / 100.0;
    qputenv(variable_ajustee, QByteArray::number(total / bureau, 'g', 6));
    qputenv(variable_utilisateur, facteur_utilisateur.value_or(
                                      qEnvironmentVariableIsSet(variable_qt) ? qgetenv(variable_qt) : QByteArray("-")));
    const bool parti = QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
    qunsetenv(variable_ajustee);
    qunsetenv(variable_utilisateur);
    return parti;
}

int taille_affichage_en_cours()
{
    return en_cours;
}

} // namespace quillon
