#include "equilibres.h"

#include "common/nombres.h"

#include <algorithm>
#include <limits>

namespace quillon {

namespace {

int indice(Barre b)
{
    return static_cast<int>(b);
}

// Label and caption prefix of each bar's value.
Texte texte_de(Barre b)
{
    switch (b) {
    case Barre::ki: return Texte::lab_ki;
    case Barre::ke: return Texte::lab_ke;
    case Barre::nai: return Texte::lab_nai;
    case Barre::nae: return Texte::lab_nae;
    case Barre::gk: return Texte::lab_gk;
    case Barre::gna: return Texte::lab_gna;
    }
    return Texte::lab_ki;
}

QString prefixe(Barre b)
{
    switch (b) {
    case Barre::ki: return QStringLiteral("[K]i=");
    case Barre::ke: return QStringLiteral("[K]e=");
    case Barre::nai: return QStringLiteral("[Na]i=");
    case Barre::nae: return QStringLiteral("[Na]e=");
    case Barre::gk: return QStringLiteral("GK=");
    case Barre::gna: return QStringLiteral("GNa=");
    }
    return QString();
}

} // namespace

EquilibresIoniques::EquilibresIoniques()
    : positions_{300, 299, 300, 300, 100, 100},
      courbe_(largeur_courbe, hauteur_courbe, QImage::Format_RGB32)
{
    courbe_.fill(Qt::white);
    em_trace_.fill(std::numeric_limits<double>::quiet_NaN());
    boutons_[0] = Bouton{QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "Lancer COURBE")), true, true};
    boutons_[1] = Bouton{QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "EFFACER")), true, true};
    boutons_[2] = Bouton{QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "Program.COURBE")), true, true};
    boutons_[3] = Bouton{QStringLiteral("<--"), false, true};
    boutons_[4] = Bouton{QStringLiteral("-->"), false, true};
    boutons_[5] = Bouton{QString::fromUtf8(QT_TRANSLATE_NOOP("EquilibresIoniques", "Essai COURBE")), false, true};
}

int EquilibresIoniques::max_barre(Barre b)
{
    return b == Barre::gk || b == Barre::gna ? max_permeabilite : max_concentration;
}

void EquilibresIoniques::changer_position(Barre b, int position)
{
    position = std::clamp(position, 0, max_barre(b));
    if (position == positions_[indice(b)])
        return;
    positions_[indice(b)] = position;
    switch (b) {
    case Barre::ki: Scroll_kiChange(); break;
    case Barre::ke: Scroll_keChange(); break;
    case Barre::nai: Scroll_naiChange(); break;
    case Barre::nae: Scroll_naeChange(); break;
    case Barre::gk: Scroll_gkChange(); break;
    case Barre::gna: Scroll_gnaChange(); break;
    }
}

double& EquilibresIoniques::concentration(Barre b)
{
    switch (b) {
    case Barre::ki: return etat.k_int;
    case Barre::ke: return etat.k_ext;
    case Barre::nai: return etat.na_int;
    default: return etat.na_ext;
    }
}

std::array<int, EquilibresIoniques::dernier_pas + 1>& EquilibresIoniques::programme(Barre b)
{
    switch (b) {
    case Barre::ki: return prog_k_int;
    case Barre::ke: return prog_k_ext;
    case Barre::nai: return prog_na_int;
    case Barre::nae: return prog_na_ext;
    case Barre::gk: return prog_gk;
    case Barre::gna: return prog_gna;
    }
    return prog_gk;
}

int EquilibresIoniques::pas_borne() const
{
    return std::clamp(pas, 0, dernier_pas);
}

void EquilibresIoniques::changement_concentration(Barre b)
{
    // Odd values drop to the even number below.
    const int c = 2 * (valeur(b) / 2);
    concentration(b) = c;
    programme(b)[pas_borne()] = c;
    textes_[static_cast<int>(texte_de(b))] = prefixe(b) + fixed(c, 2, 0);
    calcul_images();
    if ((b == Barre::ki || b == Barre::ke) && mode_anim && relancer_animation)
        relancer_animation();
}

void EquilibresIoniques::changement_permeabilite(Barre b)
{
    if (mode_edition) {
        reaff_tout();
        marqueur();
        // The redraw leaves both permeabilities at the last step's values:
        // the potential relaxes toward what the two bars show.
        etat.perm_k = valeur(Barre::gk);
        etat.perm_na = valeur(Barre::gna);
    }
    const int p = valeur(b);
    (b == Barre::gk ? etat.perm_k : etat.perm_na) = p;
    textes_[static_cast<int>(texte_de(b))] = prefixe(b) + QString::number(p);
    programme(b)[pas_borne()] = p;
    // The membrane potential follows at the next tick of the timers.
}

void EquilibresIoniques::taille_et_barre(ImageIon image, Barre b, double rapport)
{
    const double c = concentration(b);
    tailles_[static_cast<int>(image)] = EtatIonique::taille_image(EtatIonique::pixels_par_unite * c, rapport);
    changer_position(b, static_cast<int>(arrondi(max_concentration - c)));
}

void EquilibresIoniques::calcul_images()
{
    taille_et_barre(ImageIon::ima_ki, Barre::ki, etat.rapport_k);
    taille_et_barre(ImageIon::ima_ke, Barre::ke, etat.rapport_k);
    taille_et_barre(ImageIon::ima_nai, Barre::nai, etat.rapport_na);
    taille_et_barre(ImageIon::ima_nae, Barre::nae, etat.rapport_na);
    const double u = EtatIonique::pixels_par_unite;
    tailles_[static_cast<int>(ImageIon::ani)] = EtatIonique::taille_image(u * etat.k_int + u * etat.na_int, etat.rapport_an);
    tailles_[static_cast<int>(ImageIon::ane)] = EtatIonique::taille_image(u * etat.k_ext + u * etat.na_ext, etat.rapport_an);
    calcul_pot_eq();
}

void EquilibresIoniques::calcul_pot_eq()
{
    etat.calcul_pot_eq();
    textes_[static_cast<int>(Texte::Label9)] = QStringLiteral("EeqK=") + fixed(etat.e_k, 2, 2);
    textes_[static_cast<int>(Texte::Label10)] = QStringLiteral("EnaK=") + fixed(etat.e_na, 2, 2);
}

void EquilibresIoniques::calcul_em()
{
    etat.calcul_em();
    textes_[static_cast<int>(Texte::Lab_em)] = QStringLiteral("Em=") + fixed(etat.em, 2, 2);
}

void EquilibresIoniques::Timer_animTimer(Aleatoire& hasard)
{
    anim.Timer_animTimer(etat.e_k, hasard);
    textes_[static_cast<int>(Texte::Lab_em)] = anim.lab_em;
}

void EquilibresIoniques::clic_image(ImageIon image, Qt::MouseButton bouton)
{
    Barre b;
    switch (image) {
    case ImageIon::ima_ki: b = Barre::ki; break;
    case ImageIon::ima_ke: b = Barre::ke; break;
    case ImageIon::ima_nai: b = Barre::nai; break;
    case ImageIon::ima_nae: b = Barre::nae; break;
    default: return; // the anions are not clickable
    }
    double& c = concentration(b);
    if (bouton == Qt::LeftButton) {
        if (!(c + 10 > max_concentration))
            c += 10;
    } else if (bouton == Qt::RightButton) {
        if (c - 10 > 0)
            c -= 10;
        if (!(c > 0))
            c = 0;
    } else {
        return;
    }
    calcul_images();
}

} // namespace quillon
