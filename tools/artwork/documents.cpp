// Glyphs of the stimulation page's two document buttons (59 x 30): a small
// recording screen with two action potentials, close together for the
// refractory period, growing for the recruitment of fibres.
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace artwork {

namespace {

// One action potential whose foot is at x, of the given height, on baseline y.
void spike(QPainterPath &path, double x, double baseline, double height)
{
    path.lineTo(x, baseline);
    path.cubicTo(x + 2, baseline, x + 2.5, baseline - height, x + 4, baseline - height);
    path.cubicTo(x + 5.5, baseline - height, x + 6, baseline + 3, x + 8, baseline + 3);
    path.cubicTo(x + 10, baseline + 3, x + 11, baseline, x + 13, baseline);
}

} // namespace

QImage drawDocumentGlyph(bool recruitment, int scale)
{
    QImage image(59 * scale, 30 * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    // The screen.
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(250, 250, 235));
    p.drawRoundedRect(QRectF(0.5, 0.5, 58, 29), 3, 3);
    const double baseline = 21;
    p.setPen(QPen(QColor(190, 190, 170), 1, Qt::DotLine));
    p.drawLine(QPointF(3, baseline), QPointF(56, baseline));

    QPainterPath trace(QPointF(3, baseline));
    if (recruitment) {
        spike(trace, 6, baseline, 5);
        spike(trace, 22, baseline, 10);
        spike(trace, 38, baseline, 15);
    } else {
        spike(trace, 8, baseline, 15);
        spike(trace, 24, baseline, 9);
    }
    trace.lineTo(56, baseline);
    p.setPen(QPen(QColor(0, 0, 128), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trace);

    // The stimulation marks under the baseline.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const double marks[] = {5, 21, recruitment ? 37.0 : -10.0};
    for (double m : marks)
        if (m > 0)
            p.drawRect(QRectF(m, baseline + 2, 1.5, 5));
    return image;
}

QImage drawInformationGlyph(int scale)
{
    // A sheet with its corner folded down and four lines of text.
    QImage image(16 * scale, 16 * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(scale, scale);
    QPainterPath feuille;
    feuille.moveTo(2.5, 0.5);
    feuille.lineTo(10.5, 0.5);
    feuille.lineTo(13.5, 3.5);
    feuille.lineTo(13.5, 15.5);
    feuille.lineTo(2.5, 15.5);
    feuille.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawPath(feuille);
    p.setBrush(QColor(200, 200, 200));
    p.drawPolygon(QPolygonF({QPointF(10.5, 0.5), QPointF(10.5, 3.5), QPointF(13.5, 3.5)}));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0, 0, 128));
    for (int y : {5, 7, 9, 11, 13})
        p.drawLine(4, y, y == 13 ? 8 : 11, y);
    return image;
}

} // namespace artwork
