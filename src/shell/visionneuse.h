#pragma once
// Where the picture viewer puts its window and its title for a picture.
#include <QMargins>
#include <QPoint>
#include <QSize>

namespace quillon {

struct GeometrieImage {
    QSize exterieur; // the window with its frame: the picture + 15 x 40
    QSize client;    // inside the frame
    QPoint titre;    // the title's top-left: centred, 25 pixels above the bottom
};

// The frame a window manager usually draws, used until the real one is known.
inline constexpr QMargins cadre_habituel{8, 30, 8, 8};

GeometrieImage geometrie_image(const QSize& image, const QMargins& cadre, int largeur_titre);

} // namespace quillon
