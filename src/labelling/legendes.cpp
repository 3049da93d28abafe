#include "legendes.h"

#include "common/aleatoire.h"
#include "common/nombres.h"

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

void ExerciceLegendes::affichage_legendes()
{
    int decalage = 0;
    for (int i = 1; i <= nb_legendes(); ++i) {
        Legende& l = legende(ordre_[i - 1]);
        const int colonne = (i - 1) / 3;
        if ((i - 1) % 3 == 0)
            decalage = 0;
        else
            decalage += legende(ordre_[i - 2]).rect.height + 5;
        l.rect.left = 30 + 120 * colonne;
        l.rect.top = 370 + decalage;
    }
}

void ExerciceLegendes::labelMouseDown(int /*k*/, int x, int y)
{
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
    }
}

QString ExerciceLegendes::btn_correctionClick()
{
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
    return format_general(score) + QStringLiteral(" %");
}

void ExerciceLegendes::btn_enlever_legendesClick()
{
    for (int i = 1; i <= nb_legendes(); ++i) {
        legende(ordre_[i - 1]).couleur = CouleurLegende::BleuClair;
        placements_[i - 1].posee = 0;
    }
    affichage_legendes();
}

} // namespace quillon
