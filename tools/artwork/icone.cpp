// Program icon (a stylised neurone on a rounded square), drawn once for the
// pictures of every size and for the scalable SVG, and small button glyphs.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>
#include <QSvgGenerator>

namespace artwork {

void paintIcon(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    // Rounded square background.
    const QRectF tile(10, 10, 236, 236);
    QLinearGradient bg(0, tile.top(), 0, tile.bottom());
    bg.setColorAt(0, QColor(0x5b, 0x9b, 0xea));
    bg.setColorAt(1, QColor(0x1f, 0x4f, 0xa3));
    p.setPen(QPen(QColor(0x17, 0x3a, 0x7a), 6));
    p.setBrush(bg);
    p.drawRoundedRect(tile, 52, 52);

    const QColor ink(0x14, 0x2a, 0x55);
    const QBrush cell(QColor(0xff, 0xe6, 0xdc));
    std::vector<TissuePart> parts;
    // Dendrites, the longer ones forked at the end.
    parts.push_back({taperedLimb(QPointF(96, 96), QPointF(58, 62), 28, 15, 4), cell});
    parts.push_back({taperedLimb(QPointF(58, 62), QPointF(30, 52), 14, 9, 3), cell});
    parts.push_back({taperedLimb(QPointF(58, 62), QPointF(50, 30), 14, 9, -3), cell});
    parts.push_back({taperedLimb(QPointF(106, 90), QPointF(116, 34), 24, 12, -6), cell});
    parts.push_back({taperedLimb(QPointF(90, 106), QPointF(36, 122), 24, 12, -6), cell});
    parts.push_back({taperedLimb(QPointF(116, 100), QPointF(160, 70), 24, 15, -4), cell});
    parts.push_back({taperedLimb(QPointF(160, 70), QPointF(194, 66), 14, 9, 3), cell});
    parts.push_back({taperedLimb(QPointF(160, 70), QPointF(170, 40), 14, 9, -3), cell});
    parts.push_back({taperedLimb(QPointF(100, 112), QPointF(70, 168), 22, 11, 6), cell});
    // Axon and its terminal branches ending in boutons.
    parts.push_back({taperedLimb(QPointF(110, 110), QPointF(190, 190), 18, 13, 0), cell});
    const QPointF boutons[] = {{222, 180}, {180, 222}, {216, 216}};
    for (QPointF b : boutons) {
        parts.push_back({taperedLimb(QPointF(188, 188), b, 12, 9, 0), cell});
        QPainterPath knob;
        knob.addEllipse(b, 11, 11);
        parts.push_back({knob, cell});
    }
    // Soma
    QRadialGradient soma(QPointF(96, 94), 44);
    soma.setColorAt(0, QColor(0xff, 0xf6, 0xf1));
    soma.setColorAt(1, QColor(0xff, 0xd9, 0xcb));
    parts.push_back({smoothClosedPath({{74, 84}, {96, 68}, {122, 76}, {134, 102}, {124, 126},
                                       {98, 134}, {74, 124}, {66, 104}}),
                     soma});
    paintTissue(p, parts, ink, 5);

    // Nucleus
    p.setPen(QPen(ink, 4));
    p.setBrush(QColor(0x8e, 0x62, 0xc2));
    p.drawEllipse(QPointF(100, 102), 15, 15);

    // Myelin sheath on the axon.
    p.save();
    p.translate(152, 152);
    p.rotate(45);
    p.setPen(QPen(ink, 5));
    p.setBrush(QColor(0xff, 0xd8, 0x4a));
    p.drawRoundedRect(QRectF(-26, -15, 52, 30), 14, 14);
    p.restore();
    p.restore();
}

QImage drawIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(size / 256.0, size / 256.0); // designed on a 256 x 256 grid
    paintIcon(p);
    p.end();
    return img;
}

bool writeIconSvg(const QString &path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Quillon"));
    svg.setDescription(QStringLiteral("Icône de Quillon : un neurone sur un carré arrondi"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    paintIcon(p);
    return p.end();
}

QImage drawCorrectionGlyph(int scale)
{
    // Two 16 x 16 states side by side: normal, then disabled.
    QImage img(32 * scale, 16 * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[2][2] = {
        {QColor(0x1d, 0x6b, 0x25), QColor(0x3c, 0xb5, 0x45)}, // outline, fill
        {QColor(0x8c, 0x8c, 0x8c), QColor(0xc4, 0xc4, 0xc4)},
    };
    QPainterPath tick;
    tick.moveTo(3.0, 8.6);
    tick.lineTo(6.6, 12.2);
    tick.lineTo(13.2, 4.0);
    for (int state = 0; state < 2; ++state) {
        p.save();
        p.translate(16 * state, 0);
        p.strokePath(tick, QPen(colours[state][0], 3.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.strokePath(tick, QPen(colours[state][1], 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.restore();
    }
    p.end();
    return img;
}

} // namespace artwork
