#include "legendes.h"

#include "common/aleatoire.h"
#include "common/nombres.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace quillon {

QColor rgb(CouleurLegende c)
{
    switch (c) {
    case CouleurLegende::BleuClair:
        return QColor(166, 202, 240);
    case CouleurLegende::Argent:
        return QColor(192, 192, 192);
    case CouleurLegende::Jaune:
        return QColor(255, 255, 0);
    case CouleurLegende::Rouge:
        return QColor(255, 0, 0);
    }
    return QColor(166, 202, 240);
}

QString verdict(CouleurLegende c)
{
    switch (c) {
    case CouleurLegende::Jaune:
        return QCoreApplication::translate("ExerciceLegendes", "Résultat : juste");
    case CouleurLegende::Rouge:
        return QCoreApplication::translate("ExerciceLegendes", "Résultat : faux");
    case CouleurLegende::BleuClair:
    case CouleurLegende::Argent:
        break;
    }
    return QString();
}

int ExerciceLegendes::construire(const std::vector<Cible>& cibles)
{
    cibles_ = cibles;
    legendes_.clear();
    ordre_.clear();
    int k = 0;
    for (const Cible& c : cibles_) {
        ++k;
        Legende l;
        l.numero = k;
        l.texte = c.legende;
        l.rect = Rect{0, 0, c.rect.width, c.rect.height};
        legendes_.push_back(l);
        ordre_.push_back(k);
    }
    placements_.assign(legendes_.size(), Placement{});
    en_deplacement_ = false;
    portee_ = 0;
    place_portee_ = 0;
    return nb_legendes();
}

void ExerciceLegendes::melanger(Aleatoire& hasard)
{
    const int n = nb_legendes();
    if (n == 0)
        return;
    for (int i = 0; i < nombre_echanges; ++i) {
        const int a = hasard.random(n);
        const int b = hasard.random(n);
        std::swap(ordre_[a], ordre_[b]);
    }
}

void ExerciceLegendes::definir_ordre(const std::vector<int>& ordre)
{
    std::vector<bool> vu(legendes_.size(), false);
    if (ordre.size() != legendes_.size())
        throw std::invalid_argument("pile order of the wrong length");
    for (int k : ordre) {
        if (k < 1 || k > nb_legendes() || vu[k - 1])
            throw std::invalid_argument("pile order is not a permutation");
        vu[k - 1] = true;
    }
    ordre_ = ordre;
}

Rect ExerciceLegendes::place_en_pile(int k) const
{
    // Columns of three, 5 pixels between the legends of a column.
    Rect r = legende(k).rect;
    int decalage = 0;
    for (int i = 1; i <= nb_legendes(); ++i) {
        if ((i - 1) % 3 == 0)
            decalage = 0;
        else
            decalage += legende(ordre_[i - 2]).rect.height + 5;
        if (ordre_[i - 1] == k) {
            r.left = 30 + 120 * ((i - 1) / 3);
            r.top = 370 + decalage;
            break;
        }
    }
    return r;
}

void ExerciceLegendes::affichage_legendes()
{
    // Back to the pile: nothing is carried any more.
    portee_ = 0;
    place_portee_ = 0;
    for (int k = 1; k <= nb_legendes(); ++k)
        legende(k).rect = place_en_pile(k);
}

void ExerciceLegendes::labelMouseDown(int k, int x, int y)
{
    // The mouse takes over from the keyboard: the carried legend pressed
    // goes on from where it is, another one carried is left where it is.
    if (portee_ == k) {
        portee_ = 0;
        place_portee_ = 0;
    }
    laisser();
    depart_x_ = x;
    depart_y_ = y;
    en_deplacement_ = true;
}

bool ExerciceLegendes::labelMouseMove(int k, int x, int y)
{
    if (!en_deplacement_)
        return false;
    return deplace_label(k, x, y);
}

bool ExerciceLegendes::deplace_label(int k, int x, int y)
{
    Legende& l = legende(k);
    const int gauche = l.rect.left + x - depart_x_;
    if (gauche < largeur_fenetre - marge_glisse && gauche + l.rect.width > marge_glisse) {
        l.rect.left = gauche;
        l.rect.top = l.rect.top + y - depart_y_;
        return true;
    }
    return false;
}

void ExerciceLegendes::labelMouseup(int k)
{
    en_deplacement_ = false;
    Legende& l = legende(k);
    Placement& p = placements_.at(k - 1);
    const int cx = l.rect.left + l.rect.width / 2;
    const int cy = l.rect.top + l.rect.height / 2;
    bool sur_cible = false;
    int numero = 0;
    for (const Cible& c : cibles_) {
        ++numero;
        const Rect& r = c.rect;
        if (r.left < cx && cx < r.left + r.width && r.top < cy && cy < r.top + r.height) {
            l.rect.left = r.left;
            l.rect.top = r.top;
            l.couleur = CouleurLegende::Argent;
            p.posee = k;
            p.cible = numero;
            sur_cible = true;
        }
    }
    if (!sur_cible) {
        l.couleur = CouleurLegende::BleuClair;
        p.posee = 0;
        return;
    }
    // A legend already on that place goes back to the pile, as "Enlever"
    // would put it: hidden under the new one, it would still count.
    for (int j = 1; j <= nb_legendes(); ++j) {
        Placement& autre = placements_.at(j - 1);
        if (j != k && autre.posee != 0 && autre.cible == p.cible) {
            autre.posee = 0;
            legende(j).couleur = CouleurLegende::BleuClair;
            legende(j).rect = place_en_pile(j);
        }
    }
}

std::vector<int> ExerciceLegendes::ordre_places() const
{
    std::vector<int> ordre;
    for (int t = 1; t <= static_cast<int>(cibles_.size()); ++t)
        ordre.push_back(t);
    std::stable_sort(ordre.begin(), ordre.end(), [this](int a, int b) {
        const Rect& ra = cibles_[a - 1].rect;
        const Rect& rb = cibles_[b - 1].rect;
        return std::pair(ra.top, ra.left) < std::pair(rb.top, rb.left);
    });
    return ordre;
}

std::vector<int> ExerciceLegendes::ordre_lecture() const
{
    std::vector<int> ordre;
    const int n = static_cast<int>(ordre_.size());
    for (int rang = 0; rang < 3; ++rang)
        for (int i = rang; i < n; i += 3)
            ordre.push_back(ordre_[i]);
    return ordre;
}

bool ExerciceLegendes::place_libre(int t, int k) const
{
    for (int j = 1; j <= nb_legendes(); ++j) {
        const Placement& p = placement(j);
        if (j != k && p.posee != 0 && p.cible == t)
            return false;
    }
    return true;
}

int ExerciceLegendes::place_voisine(int k, int depuis, int sens) const
{
    const std::vector<int> ordre = ordre_places();
    const int n = static_cast<int>(ordre.size());
    if (n == 0 || sens == 0)
        return 0;
    const auto ou = std::find(ordre.begin(), ordre.end(), depuis);
    // Off the places, the walk starts just before the first or after the last.
    int i = ou != ordre.end() ? static_cast<int>(ou - ordre.begin()) : (sens > 0 ? -1 : n);
    for (int pas = 0; pas < n; ++pas) {
        i = ((i + (sens > 0 ? 1 : -1)) % n + n) % n;
        if (place_libre(ordre[i], k))
            return ordre[i];
    }
    return 0;
}

void ExerciceLegendes::prendre(int k)
{
    if (portee_ != 0)
        reposer();
    portee_ = k;
    rect_avant_prise_ = legende(k).rect;
    const Placement& p = placement(k);
    place_portee_ = p.posee != 0 ? p.cible : 0;
}

bool ExerciceLegendes::porter(int sens)
{
    if (portee_ == 0)
        return false;
    const int t = place_voisine(portee_, place_portee_, sens);
    if (t == 0)
        return false;
    Legende& l = legende(portee_);
    const Rect& r = cibles_.at(t - 1).rect;
    l.rect.left = r.left + r.width / 2 - l.rect.width / 2;
    l.rect.top = r.top + r.height / 2 - l.rect.height / 2;
    place_portee_ = t;
    return true;
}

void ExerciceLegendes::poser()
{
    if (portee_ == 0)
        return;
    const int k = portee_;
    portee_ = 0;
    place_portee_ = 0;
    labelMouseup(k);
}

void ExerciceLegendes::laisser()
{
    if (portee_ == 0)
        return;
    // Not moved: as it was, its colour (a verdict) kept.
    if (legende(portee_).rect == rect_avant_prise_)
        reposer();
    else
        poser();
}

void ExerciceLegendes::reposer()
{
    if (portee_ == 0)
        return;
    legende(portee_).rect = rect_avant_prise_;
    portee_ = 0;
    place_portee_ = 0;
}

QString ExerciceLegendes::btn_correctionClick()
{
    correction_demandee_ = true;
    int correct = 0;
    for (int i = 1; i <= nb_legendes(); ++i) {
        const Placement& p = placement(i);
        if (p.posee < 1 || p.posee > nb_legendes())
            continue; // a posee of 0 designates no legend
        Legende& l = legende(p.posee);
        if (p.cible == p.posee) {
            l.couleur = CouleurLegende::Jaune;
            ++correct;
        } else if (l.couleur != CouleurLegende::BleuClair) {
            l.couleur = CouleurLegende::Rouge;
        }
    }
    // 0 out of 0 legends scores 0 rather than dividing by zero.
    const double score = nb_legendes() == 0 ? 0.0 : static_cast<double>(correct) / nb_legendes() * 100;
    placements_corriges_ = placements_;
    // French sets a blank before the sign, English none ("80%").
    score_ = QCoreApplication::translate("ExerciceLegendes", "%1 %").arg(format_general(score));
    return score_;
}

bool ExerciceLegendes::modifiee_apres_correction(int k) const
{
    if (!correction_demandee_ || placements_corriges_.size() != placements_.size())
        return false;
    const Placement& avant = placements_corriges_.at(k - 1);
    const Placement& maintenant = placement(k);
    return avant.posee != maintenant.posee || (maintenant.posee != 0 && avant.cible != maintenant.cible);
}

QString ExerciceLegendes::score_valable() const
{
    if (!correction_demandee_)
        return {};
    for (int k = 1; k <= nb_legendes(); ++k)
        if (modifiee_apres_correction(k))
            return {};
    return score_;
}

void ExerciceLegendes::btn_enlever_legendesClick()
{
    correction_demandee_ = false;
    placements_corriges_.clear();
    score_.clear();
    for (int i = 1; i <= nb_legendes(); ++i) {
        legende(ordre_[i - 1]).couleur = CouleurLegende::BleuClair;
        placements_[i - 1].posee = 0;
    }
    affichage_legendes();
}

} // namespace quillon
