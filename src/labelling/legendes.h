#pragma once
// The labelling exercise of the home page: legends built from the caption
// labels of the nerve-cell drawing (the targets), shuffled, laid out in a
// pile, dragged onto the targets, corrected and scored. No widgets here:
// the page shows what this model says.
#include <QColor>
#include <QString>
#include <vector>

namespace quillon {

class Aleatoire;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class CouleurLegende { BleuClair, Argent, Jaune, Rouge };

// The RGB value a legend of that colour shows.
QColor rgb(CouleurLegende c);

struct Cible {
    Rect rect;
    QString legende; // the target's caption, which becomes the legend's
};

struct Legende {
    int numero = 0; // the number of its target
    QString texte;
    Rect rect;
    CouleurLegende couleur = CouleurLegende::BleuClair;
};

struct Placement {
    int cible = 0; // target of the last drop on a target, 0 before any
    int posee = 0; // the legend's own number while it lies on a target, else 0
};

class ExerciceLegendes {
public:
    // Width of the main window: a legend's left edge must stay below this
    // minus 15, its right edge above 15.
    static constexpr int largeur_fenetre = 956;
    static constexpr int marge_glisse = 15;
    static constexpr int nombre_echanges = 100;

    // Builds one legend per target, numbered from 1 in the targets' order,
    // each with its target's caption and size; returns nb_legendes.
    int construire(const std::vector<Cible>& cibles);

    // 100 swaps of two positions drawn independently (possibly equal).
    void melanger(Aleatoire& hasard);

    // The pile below the cross-section: columns of three at left 30, 150,
    // 270, ... from top 370, 5 pixels between legends of a column.
    void affichage_legendes();

    // Mouse events of legend k, positions in the legend's own coordinates.
    void labelMouseDown(int k, int x, int y);
    // Returns true if the legend moved.
    bool labelMouseMove(int k, int x, int y);
    void labelMouseup(int k);
    bool deplace_label(int k, int x, int y);

    // Colours the legends lying on targets and returns the score text.
    QString btn_correctionClick();
    void btn_enlever_legendesClick();

    int nb_legendes() const { return static_cast<int>(legendes_.size()); }
    // Legend by its number, 1..nb_legendes.
    const Legende& legende(int k) const { return legendes_.at(k - 1); }
    Legende& legende(int k) { return legendes_.at(k - 1); }
    const Placement& placement(int k) const { return placements_.at(k - 1); }
    // Legend numbers in pile order (position 1 first).
    const std::vector<int>& ordre() const { return ordre_; }
    void definir_ordre(const std::vector<int>& ordre);
    const std::vector<Cible>& cibles() const { return cibles_; }
    bool en_deplacement() const { return en_deplacement_; }

private:
    std::vector<Cible> cibles_;
    std::vector<Legende> legendes_;
    std::vector<Placement> placements_;
    std::vector<int> ordre_;
    bool en_deplacement_ = false;
    int depart_x_ = 0;
    int depart_y_ = 0;
};

} // namespace quillon
