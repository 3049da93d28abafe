// Quillon artwork generator: pictures used by the lessons, drawn with QPainter.
//
// Every picture is produced by plain vector code so that the artwork can be
// regenerated at build time and stays consistent from one build to the next.
#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

class QPainter;

namespace artwork {

// ---------------------------------------------------------------------------
// Nerve cell picture (image2.ppm)

inline constexpr int kNeuroneWidth = 404;
inline constexpr int kNeuroneHeight = 531;

// A place on the nerve cell picture where the program lays a caption.
// Nothing may be drawn inside it: the program writes "*****" there and the
// pupil drops a legend of exactly that size on it.
struct CaptionPlace {
    QRect rect;          // picture coordinates (may start just outside it)
    const char *caption; // French caption, shown only on the check image
};

std::span<const CaptionPlace> neuroneCaptionPlaces();

// `scale` 2 draws the same picture twice as large, for dense screens.
QImage drawNeurone(int scale = 1);

// Returns an empty string when every pixel of every caption place (clipped
// to the picture) is pure white, otherwise a description of the first fault.
QString checkCaptionPlacesBlank(const QImage &neurone);

// Enlarged copy of the picture with the caption places outlined and the
// captions written in them, for reviewing the leader lines by eye.
QImage drawNeuroneCheckImage(const QImage &neurone);

// ---------------------------------------------------------------------------
// Nerve cross-section (image1.ppm)

QImage drawNerveSection(int scale = 1);

// ---------------------------------------------------------------------------
// Ion tiles and flux arrows (BMP pictures stretched by the program)

enum class Ion { Anion, Potassium, Sodium };

QImage drawIonTile(Ion ion);
QImage drawFluxArrow(bool pointsRight);

// ---------------------------------------------------------------------------
// Program icon and button glyphs (`scale` 2: twice as large, same drawing)

// The icon on its 256 x 256 design grid; scale the painter for other sizes.
void paintIcon(QPainter &painter);
QImage drawIcon(int size);
// The same drawing as a scalable SVG picture of 256 x 256 units.
bool writeIconSvg(const QString &path);
// Sizes of the desktop's hicolor theme at which the icon is drawn.
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
QImage drawCorrectionGlyph(int scale = 1);

// Glyphs of the stimulation page's document buttons, 59 x 30 (documents.cpp).
QImage drawDocumentGlyph(bool recruitment, int scale = 1);
// The home page's "Informations sur le logiciel" glyph, 16 x 16: a written sheet.
QImage drawInformationGlyph(int scale = 1);

// ---------------------------------------------------------------------------
// Drawing helpers shared by the pictures (drawing.cpp)

// Small deterministic random generator (splitmix64) so that scattered
// details are identical on every build and every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    double next();                     // uniform in [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::uint64_t state_;
};

// Closed outline through the given points, smoothed with Catmull-Rom curves.
QPainterPath smoothClosedPath(const std::vector<QPointF> &points);

// A tapering limb (dendrite, axon branch...) following a cubic curve, with
// rounded ends. Width goes from w0 at p0 to w1 at p3.
QPainterPath taperedLimb(QPointF p0, QPointF c1, QPointF c2, QPointF p3, qreal w0, qreal w1);

// Same, with control points derived from the chord: `bow` pushes the curve
// sideways (positive = to the left of the direction of travel).
QPainterPath taperedLimb(QPointF from, QPointF to, qreal w0, qreal w1, qreal bow);

// One piece of a cell body: a shape and the brush that fills it.
struct TissuePart {
    QPainterPath path;
    QBrush brush;
};

// Paints the parts as one organic mass: the outline is drawn around the
// union of all the parts, so joints between limbs show no seams.
void paintTissue(QPainter &painter, const std::vector<TissuePart> &parts,
                 const QColor &outline, qreal outlineWidth);

} // namespace artwork
