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

// What a screen reader says of a legend of that colour: the verdict of the
// correction (yellow right, red wrong), nothing for an uncorrected one.
QString verdict(CouleurLegende c);

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
    // A press on a legend carried with the keyboard takes it from where it
    // is; on another legend, leaves the carried one where it is (laisser).
    void labelMouseDown(int k, int x, int y);
    // Returns true if the legend moved.
    bool labelMouseMove(int k, int x, int y);
    void labelMouseup(int k);
    bool deplace_label(int k, int x, int y);

    // ---- Keyboard -------------------------------------------------------------
    // A legend is picked (Space), carried from blank place to blank place
    // (arrows), then dropped (Space) with the mouse's drop test, or put back
    // where it was (Escape).

    // Target numbers in reading order: by top, then by left.
    std::vector<int> ordre_places() const;
    // Legend numbers in the reading order of the pile: its first row (the
    // first legend of each column of three) from left to right, then the
    // second row, then the third.
    std::vector<int> ordre_lecture() const;
    // Target t is blank for legend k when no other legend lies on it.
    bool place_libre(int t, int k) const;
    // The first blank place for legend k after target `depuis` in reading
    // order (sens > 0) or before it (sens < 0), going round; from 0 (on no
    // place) the first or the last blank one. 0 when none is blank.
    int place_voisine(int k, int depuis, int sens) const;

    // Picks legend k (another one carried is put back first).
    void prendre(int k);
    // Carries the picked legend to the next (sens > 0) or previous blank
    // place: its centre on the place's centre. False when none is blank.
    bool porter(int sens);
    // Drops the picked legend where it is, as a mouse release does.
    void poser();
    // Puts the picked legend back where it was when picked.
    void reposer();
    // The pupil turns to something else: the picked legend stays where it
    // shows, dropped there when it was carried away, untouched otherwise.
    void laisser();
    // The legend carried, 0 when none; the place it is on, 0 in none.
    int legende_portee() const { return portee_; }
    int place_portee() const { return place_portee_; }

    // Colours the legends lying on targets and returns the score text.
    QString btn_correctionClick();
    // "Correction" pressed since the legends were last taken off.
    bool correction_demandee() const { return correction_demandee_; }
    void btn_enlever_legendesClick();
    // Legend k lies elsewhere than when "Correction" was last pressed (laid,
    // taken off or on another place): its colour no longer is a verdict.
    bool modifiee_apres_correction(int k) const;
    // The score of the last correction while it is the score of the legends
    // as they lie; empty before any correction and once one has moved.
    QString score_valable() const;

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
    // Where legend k stands in the pile.
    Rect place_en_pile(int k) const;

    std::vector<Cible> cibles_;
    std::vector<Legende> legendes_;
    std::vector<Placement> placements_;
    std::vector<int> ordre_;
    bool en_deplacement_ = false;
    bool correction_demandee_ = false;
    std::vector<Placement> placements_corriges_;
    QString score_;
    int depart_x_ = 0;
    int depart_y_ = 0;
    int portee_ = 0;
    int place_portee_ = 0;
    Rect rect_avant_prise_;
};

} // namespace quillon
