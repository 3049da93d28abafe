// The nerve cell picture (image2.ppm): a motor neurone standing upright,
// dendritic tree at the top, myelinated axon running down the middle and
// terminal arborisation at the bottom, with ten leader lines going to the
// places where the program lays its captions.
#include "artwork.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>
#include <QLinearGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace artwork {

namespace {

// The caption places, in picture coordinates (x, y, width, height). The
// program shows them in this order; the structure each one names is drawn
// below and its leader line ends on the edge of the place.
enum Place {
    MyelinSheath,
    Axon,
    RanvierNode,
    AfferentTerminal,
    Synapse,
    Nucleus,
    InitialSegment,
    TerminalArborisation,
    AxonTerminal,
    DendriticTree,
    PlaceCount
};

const std::array<CaptionPlace, PlaceCount> kPlaces = {{
    {QRect(53, 326, 75, 41), "Gaine de myéline"},
    {QRect(292, 324, 52, 37), "Axone"},
    {QRect(60, 395, 78, 44), "Noeud de Ranvier"},
    {QRect(-1, 111, 91, 40), "Terminaison afférente"},
    {QRect(316, 1, 67, 31), "Synapse"},
    {QRect(12, 220, 116, 40), "Noyau du corps cellulaire"},
    {QRect(303, 220, 72, 39), "Segment initial"},
    {QRect(252, 470, 107, 41), "Arborisation terminale"},
    {QRect(54, 489, 98, 43), "Terminaison axonale"},
    {QRect(3, 28, 80, 38), "Arbre dendritique"},
}};

// Palette: soft textbook colours with near-black outlines.
const QColor kInk(0x26, 0x1e, 0x1e);
const QColor kCellLight(0xfd, 0xee, 0xe6);
const QColor kCell(0xf3, 0xc9, 0xb8);
const QColor kCellDark(0xe8, 0xae, 0x98);
const QColor kNissl(0xd9, 0x94, 0x8a);
const QColor kNucleusLight(0xd8, 0xc0, 0xe6);
const QColor kNucleus(0xa9, 0x86, 0xc6);
const QColor kNucleolus(0x5a, 0x37, 0x74);
const QColor kMyelinLight(0xff, 0xf8, 0xdc);
const QColor kMyelin(0xf6, 0xe1, 0x96);
const QColor kMyelinDark(0xe4, 0xc2, 0x64);
const QColor kOtherCell(0xc9, 0xdd, 0xee);
const QColor kOtherCellDark(0xa4, 0xc3, 0xdd);
const QColor kVesicle(0x5d, 0x80, 0xa6);

constexpr qreal kOutline = 1.15;  // outline width of the cells
constexpr qreal kLeaderWidth = 1.2;

// Axon geometry.
constexpr qreal kAxonX = 202;
constexpr qreal kAxonTop = 262;
constexpr qreal kAxonBottom = 450;
constexpr qreal kAxonWidth = 5;
constexpr qreal kMyelinWidth = 19;
constexpr qreal kMyelinLength = 46;
constexpr std::array<qreal, 3> kMyelinTops = {292, 345, 398}; // nodes at 338-345 and 391-398

const QPointF kSomaCentre(203, 192);
const QPointF kNucleusCentre(199, 193);
constexpr qreal kNucleusRadius = 17;

// A limb of a dendritic or axonal tree.
struct Limb {
    QPointF from, to;
    qreal w0, w1, bow;
};

// Dendrites, from the roots inside the soma to the fine tips.
const Limb kDendrites[] = {
    // upper left trunk
    {{174, 164}, {131, 113}, 10.5, 5.5, 5},
    {{131, 113}, {104, 76}, 5.5, 3.2, -4},
    {{104, 76}, {97, 36}, 3.2, 1.6, 4},
    {{104, 76}, {124, 44}, 2.8, 1.5, -3},
    // top trunk
    {{203, 150}, {198, 97}, 11, 5.5, -3},
    {{198, 97}, {166, 60}, 5.2, 3.0, 4},
    {{166, 60}, {150, 19}, 3.0, 1.5, -4},
    {{166, 60}, {131, 46}, 2.6, 1.4, 3},
    {{198, 97}, {221, 52}, 4.6, 2.6, -3},
    {{221, 52}, {206, 14}, 2.6, 1.4, 4},
    {{221, 52}, {254, 24}, 2.4, 1.4, -3},
    // upper right trunk
    {{236, 162}, {279, 114}, 10, 5, -4},
    {{279, 114}, {292, 72}, 5.6, 4.2, 3},
    {{279, 114}, {330, 100}, 4.2, 2.2, -3},
    {{330, 100}, {366, 76}, 2.3, 1.3, 3},
    {{330, 100}, {378, 118}, 2.1, 1.3, -3},
    // right trunk
    {{250, 200}, {300, 187}, 9, 4.6, 3},
    {{300, 187}, {350, 168}, 3.6, 1.5, -3},
    {{300, 187}, {340, 207}, 3.0, 1.4, 3},
    // left trunk
    {{158, 198}, {120, 185}, 9, 4.6, -3},
    {{120, 185}, {76, 174}, 3.6, 1.5, 3},
    {{120, 185}, {92, 207}, 3.0, 1.4, -2},
    // small twigs along the branches
    {{209, 76}, {236, 70}, 2.2, 1.1, 2},
    {{304, 107}, {320, 127}, 2.0, 1.0, 2},
    {{96, 179}, {78, 192}, 1.8, 1.0, -1},
    {{324, 196}, {336, 182}, 1.6, 0.9, 1},
    // short lower dendrites
    {{180, 226}, {152, 250}, 6.5, 2.2, 2},
    {{226, 226}, {258, 248}, 6.5, 2.2, -2},
};

// The synapse at the top right: a small bouton pressed on the tip of the
// dendrite that ends at (292, 72). The leader line ends on the contact zone,
// where the bouton meets the tip, reached from its open right side; it
// passes clear of the bouton, so it does not read as "Terminaison afférente".
const QPointF kSynapseFibreStart(262, -6);
const QPointF kSynapseBouton(291.6, 63.0);
constexpr qreal kSynapseBoutonRx = 5.8;
constexpr qreal kSynapseBoutonRy = 4.9;
constexpr qreal kSynapseBoutonAngle = 17;
const QPointF kSynapseCleft(294.2, 69.3);

// Terminal arborisation: branches and the bouton at the end of each tip.
const Limb kArborisation[] = {
    {{kAxonX, 444}, {184, 468}, 4.6, 3.0, 3},
    {{184, 468}, {164, 474}, 2.8, 1.9, -2},
    {{184, 468}, {180, 494}, 2.8, 1.9, 2},
    {{kAxonX, 444}, {206, 480}, 3.8, 2.6, -2},
    {{206, 480}, {198, 505}, 2.6, 1.9, -2},
    {{206, 480}, {222, 500}, 2.6, 1.9, 2},
    {{kAxonX, 444}, {226, 462}, 4.2, 2.8, -3},
    {{226, 462}, {245, 457}, 2.6, 1.9, 2},
    {{226, 462}, {240, 482}, 2.6, 1.9, -2},
};
const QPointF kBoutons[] = {{161, 475}, {180, 498}, {197, 509}, {224, 503}, {248, 456}, {242, 486}};
constexpr qreal kBoutonRadius = 4.6;

// Leader line from a structure toward the row of stars that the program
// writes at the top of its caption place; the line stops where it meets the
// place, one and a half pixels short, so that not even its antialiasing
// touches the blank area.
void drawLeader(QPainter &painter, QPointF from, Place place)
{
    const QRectF r = QRectF(kPlaces[place].rect).adjusted(-1.5, -1.5, 1.5, 1.5);
    const QRectF place_rect(kPlaces[place].rect);
    const QPointF aim(place_rect.center().x(), place_rect.top() + std::min(11.0, place_rect.height() / 2));
    // Where the segment from -> aim enters the rectangle (Liang-Barsky).
    const qreal dx = aim.x() - from.x();
    const qreal dy = aim.y() - from.y();
    qreal entry = 0;
    const qreal p[4] = {-dx, dx, -dy, dy};
    const qreal q[4] = {from.x() - r.left(), r.right() - from.x(), from.y() - r.top(), r.bottom() - from.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] < 0)
            entry = std::max(entry, q[i] / p[i]);
    }
    QPointF to(from.x() + entry * dx, from.y() + entry * dy);
    // Keep nearly horizontal leaders on pixel centres so they stay crisp.
    if (std::abs(to.y() - from.y()) < 1.0) {
        from.setY(std::floor(from.y()) + 0.5);
        to.setY(from.y());
    }
    QPen pen(Qt::black, kLeaderWidth, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(from, to);
}

QPainterPath somaOutline()
{
    // Stellate outline: lobes where the dendrites and the axon leave.
    const std::vector<QPointF> pts = {
        {158, 149}, {181, 154}, {203, 135}, {226, 152}, {251, 149}, {252, 175},
        {263, 203}, {246, 222}, {226, 236}, {203, 242}, {180, 236}, {160, 224},
        {143, 201}, {152, 176},
    };
    return smoothClosedPath(pts);
}

void drawNeuroneCell(QPainter &p)
{
    std::vector<TissuePart> parts;
    const QBrush cell(kCell);

    for (const Limb &d : kDendrites)
        parts.push_back({taperedLimb(d.from, d.to, d.w0, d.w1, d.bow), cell});

    // Axon hillock narrowing into the initial segment, then the axon itself.
    parts.push_back({taperedLimb(QPointF(kAxonX, 226), QPointF(kAxonX, 245), QPointF(kAxonX, 255),
                                 QPointF(kAxonX, kAxonTop + 4), 30, kAxonWidth),
                     cell});
    parts.push_back({taperedLimb(QPointF(kAxonX, kAxonTop), QPointF(kAxonX, kAxonBottom), kAxonWidth,
                                 kAxonWidth - 0.5, 0),
                     cell});
    for (const Limb &b : kArborisation)
        parts.push_back({taperedLimb(b.from, b.to, b.w0, b.w1, b.bow), cell});
    for (QPointF b : kBoutons) {
        QPainterPath bouton;
        bouton.addEllipse(b, kBoutonRadius, kBoutonRadius);
        QRadialGradient g(b - QPointF(1.3, 1.3), kBoutonRadius * 1.4);
        g.setColorAt(0, kCellLight);
        g.setColorAt(1, kCellDark);
        parts.push_back({bouton, g});
    }

    // Cell body with a soft light in the middle.
    QRadialGradient somaLight(kSomaCentre - QPointF(6, 10), 62);
    somaLight.setColorAt(0, kCellLight);
    somaLight.setColorAt(0.65, QColor(0xf7, 0xd8, 0xca));
    somaLight.setColorAt(1, kCell);
    parts.push_back({somaOutline(), somaLight});

    paintTissue(p, parts, kInk, kOutline);

    // Nissl bodies: small granular clumps scattered in the cytoplasm.
    Random rnd(1897);
    const QPainterPath soma = somaOutline();
    p.setPen(Qt::NoPen);
    QColor nissl = kNissl;
    nissl.setAlpha(150);
    p.setBrush(nissl);
    int placed = 0;
    for (int tries = 0; tries < 400 && placed < 26; ++tries) {
        const QPointF c(rnd.range(148, 258), rnd.range(140, 240));
        if (QLineF(c, kNucleusCentre).length() < kNucleusRadius + 6)
            continue;
        // keep away from the outline
        if (!soma.contains(QRectF(c - QPointF(7, 7), QSizeF(14, 14))))
            continue;
        const qreal a = rnd.range(0, 180);
        p.save();
        p.translate(c);
        p.rotate(a);
        p.drawEllipse(QPointF(0, 0), rnd.range(1.6, 2.8), rnd.range(0.9, 1.4));
        p.restore();
        ++placed;
    }

    // Nucleus and nucleolus.
    QRadialGradient nucleusLight(kNucleusCentre - QPointF(5, 6), kNucleusRadius * 1.5);
    nucleusLight.setColorAt(0, kNucleusLight);
    nucleusLight.setColorAt(1, kNucleus);
    p.setBrush(nucleusLight);
    p.setPen(QPen(kInk, kOutline));
    p.drawEllipse(kNucleusCentre, kNucleusRadius, kNucleusRadius - 1);
    // faint chromatin
    Random chromatin(311);
    QColor grain = kNucleolus;
    grain.setAlpha(70);
    p.setPen(Qt::NoPen);
    p.setBrush(grain);
    for (int i = 0; i < 14; ++i) {
        const qreal a = chromatin.range(0, 2 * std::numbers::pi);
        const qreal r = std::sqrt(chromatin.next()) * (kNucleusRadius - 4);
        p.drawEllipse(kNucleusCentre + QPointF(r * std::cos(a), r * std::sin(a)), 1.1, 1.1);
    }
    p.setBrush(kNucleolus);
    p.setPen(QPen(kInk, 0.8));
    p.drawEllipse(kNucleusCentre + QPointF(4, 3), 4.6, 4.2);
    QColor shine(255, 255, 255, 110);
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(kNucleusCentre + QPointF(2.8, 1.8), 1.4, 1.2);
}

void drawMyelin(QPainter &p)
{
    for (qreal top : kMyelinTops) {
        const QRectF r(kAxonX - kMyelinWidth / 2, top, kMyelinWidth, kMyelinLength);
        QLinearGradient g(r.left(), 0, r.right(), 0);
        QColor edge = kMyelinDark, mid = kMyelinLight, side = kMyelin;
        // Translucent in the middle, so the axon shows through the sheath.
        edge.setAlpha(235);
        mid.setAlpha(120);
        side.setAlpha(175);
        g.setColorAt(0, edge);
        g.setColorAt(0.25, side);
        g.setColorAt(0.5, mid);
        g.setColorAt(0.75, side);
        g.setColorAt(1, edge);
        p.setBrush(g);
        p.setPen(QPen(kInk, kOutline));
        p.drawRoundedRect(r, kMyelinWidth / 2 - 1, kMyelinWidth / 2 - 1);
    }
}

// An axon ending of another neurone: a fibre coming from outside the
// picture and swelling into a bouton full of synaptic vesicles.
void drawIncomingEnding(QPainter &p, QPointF start, QPointF c1, QPointF c2, QPointF bouton,
                        qreal boutonRx, qreal boutonRy, qreal angle)
{
    std::vector<TissuePart> parts;
    parts.push_back({taperedLimb(start, c1, c2, bouton, 3.4, 3.0), QBrush(kOtherCell)});
    QPainterPath b;
    QTransform t;
    t.translate(bouton.x(), bouton.y());
    t.rotate(angle);
    QPainterPath e;
    e.addEllipse(QPointF(0, 0), boutonRx, boutonRy);
    b = t.map(e);
    QRadialGradient g(bouton, std::max(boutonRx, boutonRy) * 1.2);
    g.setColorAt(0, QColor(0xe4, 0xee, 0xf7));
    g.setColorAt(1, kOtherCellDark);
    parts.push_back({b, g});
    paintTissue(p, parts, kInk, kOutline);

    // Vesicles
    p.setPen(QPen(kVesicle, 0.6));
    p.setBrush(QColor(0xf4, 0xf8, 0xfc));
    const QPointF offsets[] = {{-2.2, -1.5}, {1.6, -2.0}, {0.2, 1.2}, {-1.0, 2.9}, {2.6, 1.6}};
    for (QPointF o : offsets)
        p.drawEllipse(bouton + t.map(o) - t.map(QPointF(0, 0)), 1.1, 1.1);
}

} // namespace

std::span<const CaptionPlace> neuroneCaptionPlaces()
{
    return kPlaces;
}

QImage drawNeurone(int scale)
{
    QImage img(kNeuroneWidth * scale, kNeuroneHeight * scale, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    drawNeuroneCell(p);
    drawMyelin(p);

    // Afferent ending, arriving from the left on a dendrite tip.
    drawIncomingEnding(p, QPointF(-6, 92), QPointF(50, 86), QPointF(108, 98), QPointF(132, 137.5), 6.4,
                       5.0, 52);
    // Synapse at the top right: a fibre coming down from the top edge ends
    // in a bouton pressed on the tip of a dendrite.
    drawIncomingEnding(p, kSynapseFibreStart, QPointF(266, 24), QPointF(277, 47), kSynapseBouton,
                       kSynapseBoutonRx, kSynapseBoutonRy, kSynapseBoutonAngle);

    // Leader lines.
    drawLeader(p, QPointF(97, 52), DendriticTree);
    drawLeader(p, QPointF(127, 138), AfferentTerminal);
    drawLeader(p, kSynapseCleft, Synapse);
    drawLeader(p, kNucleusCentre + QPointF(-9, 10), Nucleus);
    drawLeader(p, QPointF(kAxonX + 2, 276), InitialSegment);
    drawLeader(p, QPointF(kAxonX + 1, 328), Axon);
    drawLeader(p, QPointF(kAxonX - 7, 362), MyelinSheath);
    drawLeader(p, QPointF(kAxonX - 1, 394.5), RanvierNode);
    drawLeader(p, QPointF(224, 463), TerminalArborisation);
    drawLeader(p, QPointF(178, 499), AxonTerminal);

    p.end();
    return img;
}

QString checkCaptionPlacesBlank(const QImage &neurone)
{
    const QRect bounds = neurone.rect();
    for (const CaptionPlace &place : kPlaces) {
        const QRect r = place.rect.intersected(bounds);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if ((neurone.pixel(x, y) & 0xffffff) != 0xffffff)
                    return QStringLiteral("caption place \"%1\" is not blank: pixel (%2, %3) is #%4")
                        .arg(QString::fromUtf8(place.caption))
                        .arg(x)
                        .arg(y)
                        .arg(neurone.pixel(x, y) & 0xffffff, 6, 16, QLatin1Char('0'));
    }
    return {};
}

QImage drawNeuroneCheckImage(const QImage &neurone)
{
    constexpr int scale = 2;
    QImage img(neurone.width() * scale, neurone.height() * scale, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.drawImage(img.rect(), neurone);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    p.setFont(font);
    for (const CaptionPlace &place : kPlaces) {
        const QRectF r(place.rect.x() * scale, place.rect.y() * scale, place.rect.width() * scale,
                       place.rect.height() * scale);
        p.setPen(QPen(QColor(80, 150, 230), 1.5));
        p.setBrush(QColor(225, 238, 252, 140));
        p.drawRect(r);
        p.setPen(QColor(30, 70, 140));
        p.drawText(r.adjusted(3, 2, -3, -2), Qt::AlignCenter | Qt::TextWordWrap,
                   QString::fromUtf8(place.caption));
    }
    p.end();
    return img;
}

} // namespace artwork
