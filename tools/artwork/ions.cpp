// Ion tiles (an.bmp, k.bmp, na.bmp) and flux arrows (fl_i_e.bmp, fl_e_i.bmp).
//
// The program stretches these pictures freely: an ion tile is shown as a
// rectangle whose area stands for a concentration, an arrow's length stands
// for a flux. The sources therefore keep the aspect ratio of their usual
// displayed size and use bold shapes that survive shrinking.
#include "artwork.h"

#include <QPainter>
#include <QPen>
#include <QRadialGradient>

namespace artwork {

namespace {

struct IonStyle {
    QSize size;
    int columns, rows;
    qreal radius;
    QColor fill, light, outline;
    bool positive;
};

IonStyle styleOf(Ion ion)
{
    switch (ion) {
    case Ion::Potassium: // shown 21 x 18
        return {QSize(64, 55), 4, 4, 5.4, QColor(0xdc, 0x32, 0x2c), QColor(0xff, 0x9a, 0x8c),
                QColor(0x7a, 0x12, 0x0e), true};
    case Ion::Sodium: // shown 32 x 18
        return {QSize(96, 54), 6, 4, 5.4, QColor(0x2f, 0x68, 0xd8), QColor(0x9c, 0xc2, 0xff),
                QColor(0x12, 0x32, 0x78), true};
    case Ion::Anion: // shown 20 x 17
        break;
    }
    return {QSize(60, 51), 4, 4, 5.1, QColor(0x84, 0xcc, 0x2c), QColor(0xd4, 0xf5, 0x9a),
            QColor(0x2a, 0x62, 0x12), false};
}

} // namespace

QImage drawIonTile(Ion ion)
{
    const IonStyle s = styleOf(ion);
    QImage img(s.size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Staggered rows of particles, like a sample seen under a lens.
    constexpr qreal margin = 1.5;
    const qreal pitchX = (s.size.width() - 2 * margin) / (s.columns + 0.5);
    const qreal pitchY = (s.size.height() - 2 * margin) / s.rows;
    for (int row = 0; row < s.rows; ++row) {
        for (int col = 0; col < s.columns; ++col) {
            const QPointF c(margin + pitchX * (col + 0.5 + (row % 2 ? 0.5 : 0.0)), margin + pitchY * (row + 0.5));
            QRadialGradient g(c - QPointF(s.radius * 0.35, s.radius * 0.4), s.radius * 1.3);
            g.setColorAt(0, s.light);
            g.setColorAt(0.55, s.fill);
            g.setColorAt(1, s.fill.darker(115));
            p.setPen(QPen(s.outline, 1.0));
            p.setBrush(g);
            p.drawEllipse(c, s.radius, s.radius);

            // Charge sign, in white, thick enough to stay visible when shrunk.
            const qreal arm = s.radius * 0.52;
            p.setPen(QPen(Qt::white, s.radius * 0.34, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(c - QPointF(arm, 0), c + QPointF(arm, 0));
            if (s.positive)
                p.drawLine(c - QPointF(0, arm), c + QPointF(0, arm));
        }
    }
    p.end();
    return img;
}

QImage drawFluxArrow(bool pointsRight)
{
    constexpr int w = 68, h = 22;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (!pointsRight) {
        p.translate(w, 0);
        p.scale(-1, 1);
    }
    // Drawn pointing right; the body is half the height of the head.
    QPainterPath arrow;
    arrow.moveTo(1, 6.5);
    arrow.lineTo(45, 6.5);
    arrow.lineTo(45, 0.5);
    arrow.lineTo(67, 11);
    arrow.lineTo(45, 21.5);
    arrow.lineTo(45, 15.5);
    arrow.lineTo(1, 15.5);
    arrow.closeSubpath();
    p.fillPath(arrow, QColor(0x22, 0x22, 0x22));
    p.end();
    return img;
}

} // namespace artwork
