#pragma once
// Measuring cursors on a plotted curve: up to two vertical cursors, each on
// one sample of the curve. A click puts the first, a second click the
// second, a third click starts again with a first one. From the keyboard,
// the current cursor moves by samples and Space fixes it and starts the
// second on the same sample. No widgets: the page draws and reads them.
#include <array>

namespace quillon {

class CurseursMesure {
public:
    // The samples a cursor may stand on: premier..dernier (none when dernier
    // < premier). Cursors beyond them are removed.
    void bornes(int premier, int dernier);
    int premier() const { return premier_; }
    int dernier() const { return dernier_; }

    // 0, 1 or 2 cursors.
    int nombre() const { return nombre_; }
    // Sample of cursor i (0 or 1); only meaningful for i < nombre().
    int position(int i) const { return positions_[static_cast<std::size_t>(i)]; }
    // The cursor the keys move: the last one put, -1 when none.
    int courant() const { return nombre_ - 1; }

    // A click on sample `echantillon` (brought within the bounds).
    void cliquer(int echantillon);
    // Left (-1) or Right (+1), ten with Shift: moves the current cursor,
    // stopping at the bounds; with no cursor yet, puts one on the first sample.
    void deplacer(int pas);
    // Space: a click where the current cursor stands (with one cursor, fixes
    // it and starts the second there); with none, puts one on the first sample.
    void fixer();
    // Escape: no cursor left.
    void effacer() { nombre_ = 0; }

private:
    bool vide() const { return dernier_ < premier_; }
    int borne(int echantillon) const;

    int premier_ = 1;
    int dernier_ = 0;
    int nombre_ = 0;
    std::array<int, 2> positions_{};
};

// The sample nearest to column x of a curve plotted `pas` pixels per sample,
// sample n centred on column pas * n + centre.
int echantillon_proche(int x, int pas, int centre);
// The last sample whose column lies on a curve `largeur` pixels wide.
int dernier_visible(int largeur, int pas, int centre);

} // namespace quillon

#include <QString>

namespace quillon {

// What the cursors read, as the page shows and says it: one text per
// cursor put, and the difference once there are two.
struct LecturesCurseurs {
    std::array<QString, 2> curseurs;
    QString difference;
};

// A reading with its decimals (one unless told) and a point, "0.0" rather
// than "-0.0".
QString texte_mesure(double x, int decimales = 1);
// The value a reading shows, as a pupil would take it to subtract.
double valeur_lue(double x, int decimales = 1);

} // namespace quillon
