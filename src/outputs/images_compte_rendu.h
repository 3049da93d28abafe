#pragma once
// The report's pictures: parts of the pages drawn again for paper, from the
// page's own widgets and pictures, at four device pixels per screen pixel
// (above 200 dots per inch at any size the report gives them), with nothing
// of the controls beside them.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

class QWidget;

namespace quillon {

class PageAccueil;
class PageIonique;
class PageStimulation;
class Travail;

// A French document's notation: "-59.97" becomes "-59,97".
QString virgule_decimale(QString texte);

// Device pixels of a report's picture per pixel of the screen.
inline constexpr int pixels_papier = 4;

// A part of a page: the rectangle `zone` of `parent` with only the children
// `elements` drawn on its background, in that order (each at `place`, or
// `image` drawn there instead when it is not null); a label's decimal
// point becomes a comma.
struct VuePapier {
    struct Element {
        QWidget* widget;
        QPoint place;
        QImage image;
    };
    QWidget* parent;
    QRect zone;
    std::vector<Element> elements;
};

// The picture, of device pixel ratio pixels_papier and of the zone's size.
QImage dessiner_pour_papier(const VuePapier& vue);

// The nerve-cell drawing with its blank places and every legend laid on it,
// in its verdict colour; the legends of the pile left out.
QImage image_legendes(Travail& f);
// The recording screen with its marks and its whole millisecond ruler; the
// nerve with its electrodes and its whole centimetre ruler.
QImage image_ecran(PageStimulation& page);
QImage image_nerf(PageStimulation& page);
// The vessel with its ions and values; the chart with its Em scale.
QImage image_cuve(PageIonique& page);
QImage image_graphe(PageIonique& page);

} // namespace quillon
