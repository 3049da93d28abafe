#pragma once
// Parts of a page drawn again for paper, from the page's own widgets and
// pictures, at four device pixels per screen pixel (above 200 dots per inch
// at any size a report gives them), with nothing of the controls beside
// them; and the pictures a page offers to copy, save and export.
#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace quillon {

// A French document's notation: "-59.97" becomes "-59,97".
QString virgule_decimale(QString texte);

// Device pixels of a report's picture per pixel of the screen.
inline constexpr int pixels_papier = 4;

// A part of a page: the rectangle `zone` of `parent` with only the children
// `elements` drawn on its background, in that order (each at `place`, or
// `image` drawn there instead when it is not null); a label's decimal
// point becomes a comma, in the labels laid over a child too.
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

// The children shown of `parent` among `parmi`, in the order they are drawn on screen.
std::vector<VuePapier::Element> montres(QWidget* parent, const std::vector<QWidget*>& parmi);
// The rectangle the elements cover, `marge` wider on each side.
QRect etendue(const std::vector<VuePapier::Element>& elements, int marge);

// The picture, of device pixel ratio pixels_papier and of the zone's size.
QImage dessiner_pour_papier(const VuePapier& vue);

// A picture of a page offered to copy and save ("Copier l'image", ...):
// the widgets a right click or the Menu key opens the menu on, those drawn
// side by side into the picture, the name proposed for its files, and its
// values for a spreadsheet (none when empty).
struct ImageExportee {
    const char* nom; // QT_TRANSLATE_NOOP("NomsProposes", ...)
    std::vector<QWidget*> cibles;
    std::vector<QWidget*> vue;
    std::function<QByteArray()> valeurs;
};

} // namespace quillon
