#include "equilibres.h"

#include "common/nombres.h"

#include <QCoreApplication>
#include <algorithm>

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
    case Barre::ki: return Texte::k_int;
    case Barre::ke: return Texte::k_ext;
    case Barre::nai: return Texte::na_int;
    case Barre::nae: return Texte::na_ext;
    case Barre::gk: return Texte::gk;
    case Barre::gna: return Texte::gna;
    }
    return Texte::k_int;
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
    barre_changee(b);
}

void EquilibresIoniques::barre_changee(Barre b)
{
    if (b == Barre::gk || b == Barre::gna)
        changement_permeabilite(b);
    else
        changement_concentration(b);
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

void EquilibresIoniques::changement_concentration(Barre b)
{
    // Odd values drop to the even number below.
    const int c = 2 * (valeur(b) / 2);
    concentration(b) = c;
    enregistreur.noter(b, c);
    textes_[static_cast<int>(texte_de(b))] = prefixe(b) + fixed(c, 2, 0);
    calcul_images();
    if ((b == Barre::ki || b == Barre::ke) && mode_anim)
        remise_zero_anim(true);
}

void EquilibresIoniques::changement_permeabilite(Barre b)
{
    if (enregistreur.mode_edition) {
        enregistreur.reaff_tout();
        enregistreur.marqueur();
        // The redraw leaves both permeabilities at the last step's values:
        // the potential relaxes toward what the two bars show.
        etat.perm_k = valeur(Barre::gk);
        etat.perm_na = valeur(Barre::gna);
    }
    const int p = valeur(b);
    (b == Barre::gk ? etat.perm_k : etat.perm_na) = p;
    textes_[static_cast<int>(texte_de(b))] = prefixe(b) + QString::number(p);
    enregistreur.noter(b, p);
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
    taille_et_barre(ImageIon::k_int, Barre::ki, etat.rapport_k);
    taille_et_barre(ImageIon::k_ext, Barre::ke, etat.rapport_k);
    taille_et_barre(ImageIon::na_int, Barre::nai, etat.rapport_na);
    taille_et_barre(ImageIon::na_ext, Barre::nae, etat.rapport_na);
    const double u = EtatIonique::pixels_par_unite;
    tailles_[static_cast<int>(ImageIon::anions_int)] = EtatIonique::taille_image(u * etat.k_int + u * etat.na_int, etat.rapport_an);
    tailles_[static_cast<int>(ImageIon::anions_ext)] = EtatIonique::taille_image(u * etat.k_ext + u * etat.na_ext, etat.rapport_an);
    calcul_pot_eq();
}

void EquilibresIoniques::calcul_pot_eq()
{
    etat.calcul_pot_eq();
    textes_[static_cast<int>(Texte::e_k)] = QStringLiteral("EeqK=") + fixed(etat.e_k, 2, 2);
    textes_[static_cast<int>(Texte::e_na)] = QStringLiteral("EnaK=") + fixed(etat.e_na, 2, 2);
}

void EquilibresIoniques::calcul_em()
{
    etat.calcul_em();
    textes_[static_cast<int>(Texte::em)] = QStringLiteral("Em=") + fixed(etat.em, 2, 2);
}

void EquilibresIoniques::entrer_mode_anim()
{
    mode_anim = true;
    k_anim_.reset();
    avis_anim_.clear();
    calcul_images();
    remise_zero_anim(false);
    barre_changee(Barre::ki); // which fills it
}

void EquilibresIoniques::quitter_mode_anim()
{
    mode_anim = false;
    anim_lancee_ = false;
    k_anim_.reset();
    avis_anim_.clear();
    textes_[static_cast<int>(Texte::em)] = QStringLiteral("Em=") + fixed(etat.em, 2, 2);
}

void EquilibresIoniques::lancer_animation(bool lancee)
{
    anim_lancee_ = lancee && mode_anim;
    if (anim_lancee_)
        avis_anim_.clear();
}

void EquilibresIoniques::remise_zero_anim(bool remplir)
{
    // Stopped, new concentrations start the count again: the ions that had
    // crossed are back in their compartments, and the new equilibrium comes
    // only once the animation runs.
    const std::pair k{etat.k_int, etat.k_ext};
    if (mode_anim && !anim_lancee_ && k_anim_ && *k_anim_ != k)
        avis_anim_ = QCoreApplication::translate(
            "EquilibresIoniques",
            "Nouvelles concentrations : aucun ion K+ n'a encore traversé, Em=0. LANCER : ils traversent jusqu'au "
            "nouvel équilibre, où Em vaut EeqK.");
    k_anim_ = k;
    anim.remettre_a_zero(etat);
    if (remplir && hasard_ != nullptr)
        anim.remplir(etat, *hasard_);
    textes_[static_cast<int>(Texte::em)] = anim.texte_em;
    ++version_anim_;
}

void EquilibresIoniques::pas_precedent()
{
    if (enregistreur.reculer()) {
        placer_barres_du_pas();
        enregistreur.marqueur();
    }
}

void EquilibresIoniques::pas_suivant()
{
    if (enregistreur.avancer()) {
        placer_barres_du_pas();
        enregistreur.marqueur();
    }
}

void EquilibresIoniques::placer_barres_du_pas()
{
    // One bar after the other: each handler runs with the settings moved so far.
    const Enregistreur& r = enregistreur;
    const std::size_t pas = static_cast<std::size_t>(r.pas);
    etat.perm_k = r.prog_gk[pas];
    changer_position(Barre::gk, max_permeabilite - etat.perm_k);
    etat.perm_na = r.prog_gna[pas];
    changer_position(Barre::gna, max_permeabilite - etat.perm_na);
    for (const auto& [b, valeur] : {std::pair{Barre::ki, r.prog_k_int[pas]}, {Barre::ke, r.prog_k_ext[pas]},
                                    {Barre::nai, r.prog_na_int[pas]}, {Barre::nae, r.prog_na_ext[pas]}}) {
        concentration(b) = valeur;
        changer_position(b, static_cast<int>(arrondi(max_concentration - concentration(b))));
    }
}

void EquilibresIoniques::tic_essai()
{
    if (!enregistreur.tic_essai())
        return;
    calcul_pot_eq();
    placer_barres();
    enregistreur.tracer_pas_joue();
}

void EquilibresIoniques::placer_barres()
{
    changer_position(Barre::gk, max_permeabilite - etat.perm_k);
    changer_position(Barre::gna, max_permeabilite - etat.perm_na);
    changer_position(Barre::ki, static_cast<int>(arrondi(max_concentration - etat.k_int)));
    changer_position(Barre::ke, static_cast<int>(arrondi(max_concentration - etat.k_ext)));
    changer_position(Barre::nai, static_cast<int>(arrondi(max_concentration - etat.na_int)));
    changer_position(Barre::nae, static_cast<int>(arrondi(max_concentration - etat.na_ext)));
}

void EquilibresIoniques::tic_animation(Aleatoire& hasard)
{
    anim.tic(etat.e_k, hasard);
    textes_[static_cast<int>(Texte::em)] = anim.texte_em;
}

void EquilibresIoniques::clic_image(ImageIon image, Qt::MouseButton bouton)
{
    Barre b;
    switch (image) {
    case ImageIon::k_int: b = Barre::ki; break;
    case ImageIon::k_ext: b = Barre::ke; break;
    case ImageIon::na_int: b = Barre::nai; break;
    case ImageIon::na_ext: b = Barre::nae; break;
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
