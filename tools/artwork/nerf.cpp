// The nerve cross-section picture (image1.ppm): on the left a transverse
// section of a whole nerve (epineurium, fascicles wrapped in perineurium,
// fibres dotted inside), on the right an enlargement of a small area of one
// fascicle showing myelinated and unmyelinated fibres.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artwork {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 312;
constexpr qreal kPi = std::numbers::pi;

const QColor kNerfInk(0x2a, 0x22, 0x22);
const QColor kEpineurium(0xf2, 0xd6, 0xc2);
const QColor kEpineuriumLight(0xfb, 0xee, 0xe4);
const QColor kPerineurium(0xe3, 0xa9, 0x92);
const QColor kEndoneurium(0xfd, 0xf3, 0xec);
const QColor kNerfMyelin(0xec, 0xc7, 0x62);
const QColor kNerfMyelinLight(0xfa, 0xec, 0xb8);
const QColor kAxoplasm(0xfb, 0xe4, 0xda);
const QColor kSchwann(0xf5, 0xd9, 0xcb);
const QColor kSchwannNucleus(0x9c, 0x7b, 0xbd);
const QColor kVessel(0xc9, 0x45, 0x3f);

struct Circle {
    QPointF c;
    qreal r;
};

// Slightly irregular round outline, so that the section looks like tissue.
QPainterPath wobblyCircle(QPointF c, qreal rx, qreal ry, Random &rnd, qreal wobble, int points = 14)
{
    std::vector<QPointF> pts;
    const qreal phase = rnd.range(0, 2 * kPi);
    for (int i = 0; i < points; ++i) {
        const qreal a = phase + 2 * kPi * i / points;
        const qreal k = 1 + rnd.range(-wobble, wobble);
        pts.emplace_back(c.x() + rx * k * std::cos(a), c.y() + ry * k * std::sin(a));
    }
    return smoothClosedPath(pts);
}

// Whole nerve, transverse section.
const QPointF kNerveCentre(126, 158);
constexpr qreal kNerveRx = 106, kNerveRy = 128;

const Circle kFascicles[] = {
    {{84, 100}, 34}, {{160, 90}, 30}, {{60, 170}, 28}, {{140, 166}, 42},
    {{88, 236}, 26}, {{160, 236}, 26}, {{205, 150}, 16},
};
constexpr int kMagnifiedFascicle = 3;
const QRectF kMagnifiedSquare(149, 149, 20, 20);

const Circle kVessels[] = {{{205, 112}, 5.5}, {{44, 128}, 5}, {{124, 266}, 4.5}, {{113, 46}, 4}};

// Enlarged view.
const QPointF kLensCentre(368, 158);
constexpr qreal kLensRadius = 102;

struct Fibre {
    QPointF c;
    qreal r;
    bool schwannNucleus;
    qreal nucleusAngle; // degrees
};
const Fibre kMyelinated[] = {
    {{318, 108}, 28, true, 140}, {{392, 94}, 24, false, 0}, {{433, 162}, 24, true, 10},
    {{330, 198}, 32, false, 0},  {{402, 224}, 22, false, 0}, {{283, 153}, 13, false, 0},
    {{352, 64}, 9, false, 0},
};
const QPointF kRemakCentre(378, 158);

void drawVessel(QPainter &p, const Circle &v)
{
    p.setPen(QPen(kNerfInk, 0.9));
    p.setBrush(kVessel);
    p.drawEllipse(v.c, v.r, v.r * 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf7, 0xc8, 0xc0));
    p.drawEllipse(v.c, v.r * 0.5, v.r * 0.42);
}

void drawNerve(QPainter &p)
{
    Random rnd(2024);

    // Epineurium: the outer connective sheath of the nerve.
    const QPainterPath nerve = wobblyCircle(kNerveCentre, kNerveRx, kNerveRy, rnd, 0.012, 18);
    QRadialGradient epi(kNerveCentre - QPointF(20, 30), kNerveRy * 1.2);
    epi.setColorAt(0, kEpineuriumLight);
    epi.setColorAt(1, kEpineurium);
    p.setPen(QPen(kNerfInk, 1.6));
    p.setBrush(epi);
    p.drawPath(nerve);

    // Faint wavy collagen in the epineurium.
    p.save();
    p.setClipPath(nerve);
    p.setPen(QPen(QColor(0xe2, 0xbd, 0xa6, 150), 0.7));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 40; ++i) {
        const QPointF s(rnd.range(20, 232), rnd.range(30, 286));
        const qreal a = rnd.range(0, kPi);
        const QPointF d(std::cos(a) * 9, std::sin(a) * 9);
        const QPointF n(-d.y() * 0.25, d.x() * 0.25);
        QPainterPath w;
        w.moveTo(s - d);
        w.cubicTo(s - d / 2 + n, s + d / 2 - n, s + d);
        p.drawPath(w);
    }
    p.restore();

    for (const Circle &v : kVessels)
        drawVessel(p, v);

    // Fascicles: perineurium ring around the endoneurium full of fibres.
    for (int f = 0; f < int(std::size(kFascicles)); ++f) {
        const Circle &fc = kFascicles[f];
        const QPainterPath outer = wobblyCircle(fc.c, fc.r, fc.r * 0.95, rnd, 0.04, 10);
        QPainterPath inner;
        {
            QTransform t;
            t.translate(fc.c.x(), fc.c.y());
            const qreal k = (fc.r - 3.2) / fc.r;
            t.scale(k, k);
            t.translate(-fc.c.x(), -fc.c.y());
            inner = t.map(outer);
        }
        p.setPen(QPen(kNerfInk, 1.2));
        p.setBrush(kPerineurium);
        p.drawPath(outer);
        p.setPen(QPen(kNerfInk, 0.7));
        p.setBrush(kEndoneurium);
        p.drawPath(inner);

        // Fibres: small myelin rings packed at random.
        std::vector<Circle> fibres;
        const int wanted = int(fc.r * fc.r * 0.16);
        for (int tries = 0; tries < wanted * 30 && int(fibres.size()) < wanted; ++tries) {
            const qreal r = rnd.range(1.5, 3.1);
            const qreal a = rnd.range(0, 2 * kPi);
            const qreal d = std::sqrt(rnd.next()) * (fc.r - 5.5 - r);
            const QPointF c = fc.c + QPointF(d * std::cos(a), d * std::sin(a));
            if (f == kMagnifiedFascicle && kMagnifiedSquare.adjusted(-r - 1, -r - 1, r + 1, r + 1).contains(c)
                && !kMagnifiedSquare.adjusted(r + 1, r + 1, -r - 1, -r - 1).contains(c))
                continue; // keep the square's outline readable
            bool free = true;
            for (const Circle &o : fibres)
                if (QLineF(c, o.c).length() < r + o.r + 1.0) {
                    free = false;
                    break;
                }
            if (free)
                fibres.push_back({c, r});
        }
        for (const Circle &o : fibres) {
            p.setPen(QPen(QColor(0x9a, 0x75, 0x2c), 0.5));
            p.setBrush(kNerfMyelin);
            p.drawEllipse(o.c, o.r, o.r);
            p.setPen(Qt::NoPen);
            p.setBrush(kAxoplasm);
            p.drawEllipse(o.c, o.r * 0.45, o.r * 0.45);
        }
    }
}

// Tangent point on the lens circle seen from `from`; `upper` picks the
// tangent that passes above the circle centre.
QPointF lensTangent(QPointF from, bool upper)
{
    const QPointF v = from - kLensCentre;
    const qreal d = std::hypot(v.x(), v.y());
    const qreal base = std::atan2(v.y(), v.x());
    const qreal spread = std::acos(kLensRadius / d);
    const QPointF a = kLensCentre + kLensRadius * QPointF(std::cos(base + spread), std::sin(base + spread));
    const QPointF b = kLensCentre + kLensRadius * QPointF(std::cos(base - spread), std::sin(base - spread));
    return (a.y() < b.y()) == upper ? a : b;
}

void drawMyelinatedFibre(QPainter &p, const Fibre &f)
{
    const qreal axonR = f.r * 0.52;
    const qreal myelinR = f.r - 2.2;

    // Schwann cell cytoplasm, with its nucleus bulging on one side.
    if (f.schwannNucleus) {
        p.save();
        p.translate(f.c);
        p.rotate(f.nucleusAngle);
        p.setPen(QPen(kNerfInk, 0.9));
        p.setBrush(kSchwann);
        p.drawEllipse(QPointF(f.r - 1, 0), 6.5, 13);
        p.setBrush(kSchwannNucleus);
        p.setPen(QPen(kNerfInk, 0.7));
        p.drawEllipse(QPointF(f.r + 0.5, 0), 3.4, 9);
        p.restore();
    }
    p.setPen(QPen(kNerfInk, 0.9));
    p.setBrush(kSchwann);
    p.drawEllipse(f.c, f.r, f.r);

    // Myelin: compact concentric lamellae.
    QRadialGradient g(f.c, myelinR);
    g.setColorAt(axonR / myelinR, kNerfMyelinLight);
    g.setColorAt(1, kNerfMyelin);
    p.setPen(QPen(kNerfInk, 0.8));
    p.setBrush(g);
    p.drawEllipse(f.c, myelinR, myelinR);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xc2, 0x98, 0x3a, 150), 0.5));
    const int lamellae = f.r > 15 ? 3 : 1;
    for (int i = 1; i <= lamellae; ++i) {
        const qreal r = axonR + (myelinR - axonR) * i / (lamellae + 1);
        p.drawEllipse(f.c, r, r);
    }

    // Axon with neurofilaments and a mitochondrion or two.
    p.setPen(QPen(kNerfInk, 0.9));
    p.setBrush(kAxoplasm);
    p.drawEllipse(f.c, axonR, axonR);
    Random rnd(std::uint64_t(f.c.x() * 1000 + f.c.y()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0xa5, 0x9c));
    const int dots = int(axonR * axonR * 0.12);
    for (int i = 0; i < dots; ++i) {
        const qreal a = rnd.range(0, 2 * kPi);
        const qreal d = std::sqrt(rnd.next()) * (axonR - 2);
        p.drawEllipse(f.c + QPointF(d * std::cos(a), d * std::sin(a)), 0.6, 0.6);
    }
    if (axonR > 10) {
        p.setBrush(QColor(0xe8, 0xb4, 0xa4));
        p.setPen(QPen(QColor(0xa8, 0x6a, 0x5c), 0.6));
        p.drawEllipse(f.c + QPointF(-axonR * 0.35, axonR * 0.25), 3.2, 2.0);
    }
}

void drawLens(QPainter &p)
{
    QPainterPath lens;
    lens.addEllipse(kLensCentre, kLensRadius, kLensRadius);

    p.save();
    p.setClipPath(lens);
    p.fillPath(lens, kEndoneurium);

    Random rnd(77);
    // Thin collagen fibrils of the endoneurium.
    p.setPen(QPen(QColor(0xec, 0xcf, 0xbe), 0.8));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 70; ++i) {
        const QPointF s(rnd.range(266, 470), rnd.range(56, 260));
        const qreal a = rnd.range(0, kPi);
        const QPointF d(std::cos(a) * 7, std::sin(a) * 7);
        const QPointF n(-d.y() * 0.3, d.x() * 0.3);
        QPainterPath w;
        w.moveTo(s - d);
        w.cubicTo(s - d / 2 + n, s + d / 2 - n, s + d);
        p.drawPath(w);
    }

    // A Remak bundle: one Schwann cell holding several unmyelinated axons.
    {
        const std::vector<QPointF> blob = {
            {358, 150}, {366, 138}, {381, 136}, {395, 144}, {399, 160},
            {393, 176}, {378, 182}, {363, 176},
        };
        p.setPen(QPen(kNerfInk, 0.9));
        p.setBrush(kSchwann);
        p.drawPath(smoothClosedPath(blob));
        p.setBrush(kSchwannNucleus);
        p.setPen(QPen(kNerfInk, 0.7));
        p.drawEllipse(QPointF(388, 166), 5.0, 3.0);
        const Circle axons[] = {{{369, 152}, 5.6}, {{382, 146}, 5.0}, {{372, 167}, 5.2}, {{391, 155}, 4.0},
                                {{383, 173}, 3.2}};
        p.setPen(QPen(kNerfInk, 0.8));
        p.setBrush(kAxoplasm);
        for (const Circle &a : axons)
            p.drawEllipse(a.c, a.r, a.r);
    }

    for (const Fibre &f : kMyelinated)
        drawMyelinatedFibre(p, f);

    // Isolated small unmyelinated fibres scattered in the gaps.
    std::vector<Circle> taken;
    for (const Fibre &f : kMyelinated)
        taken.push_back({f.c, f.r + (f.schwannNucleus ? 6 : 0)});
    taken.push_back({kRemakCentre + QPointF(0, 1), 24});
    for (int tries = 0, placed = 0; tries < 3000 && placed < 16; ++tries) {
        const qreal r = rnd.range(3.2, 5.2);
        const qreal a = rnd.range(0, 2 * kPi);
        const qreal d = std::sqrt(rnd.next()) * (kLensRadius - r - 6);
        const QPointF c = kLensCentre + QPointF(d * std::cos(a), d * std::sin(a));
        bool free = true;
        for (const Circle &o : taken)
            if (QLineF(c, o.c).length() < r + o.r + 6) {
                free = false;
                break;
            }
        if (!free)
            continue;
        taken.push_back({c, r});
        ++placed;
        p.setPen(QPen(kNerfInk, 0.8));
        p.setBrush(kSchwann);
        p.drawEllipse(c, r + 1.8, r + 1.6);
        p.setBrush(kAxoplasm);
        p.drawEllipse(c, r, r);
    }
    p.restore();

    p.setPen(QPen(kNerfInk, 1.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lens);
}

void drawMagnifier(QPainter &p)
{
    const QPointF topLeft = kMagnifiedSquare.topLeft();
    const QPointF bottomLeft = kMagnifiedSquare.bottomLeft();
    QPen pen(QColor(0x40, 0x40, 0x48), 1.0);
    pen.setStyle(Qt::SolidLine);
    p.setPen(pen);
    p.drawLine(topLeft, lensTangent(topLeft, true));
    p.drawLine(bottomLeft, lensTangent(bottomLeft, false));
    p.setPen(QPen(kNerfInk, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kMagnifiedSquare);
}

} // namespace

QImage drawNerveSection(int scale)
{
    QImage img(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    drawNerve(p);
    drawMagnifier(p);
    drawLens(p);
    p.end();
    return img;
}

} // namespace artwork
