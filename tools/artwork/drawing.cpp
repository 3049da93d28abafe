// Drawing helpers shared by the artwork pictures.
#include "artwork.h"

#include <QPainter>
#include <QPen>

#include <cmath>
#include <numbers>

namespace artwork {

double Random::next()
{
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return double(z >> 11) * (1.0 / 9007199254740992.0);
}

QPainterPath smoothClosedPath(const std::vector<QPointF> &points)
{
    QPainterPath path;
    const auto n = points.size();
    if (n < 3)
        return path;
    auto at = [&](std::size_t i) { return points[i % n]; };
    path.moveTo(points[0]);
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF p0 = at(i + n - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

namespace {

QPointF bezierPoint(QPointF p0, QPointF c1, QPointF c2, QPointF p3, qreal t)
{
    const qreal u = 1 - t;
    return u * u * u * p0 + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * p3;
}

QPointF bezierTangent(QPointF p0, QPointF c1, QPointF c2, QPointF p3, qreal t)
{
    const qreal u = 1 - t;
    return 3 * u * u * (c1 - p0) + 6 * u * t * (c2 - c1) + 3 * t * t * (p3 - c2);
}

QPointF unit(QPointF v)
{
    const qreal len = std::hypot(v.x(), v.y());
    return len > 1e-9 ? v / len : QPointF(1, 0);
}

} // namespace

QPainterPath taperedLimb(QPointF p0, QPointF c1, QPointF c2, QPointF p3, qreal w0, qreal w1)
{
    constexpr int steps = 40;
    constexpr int capSteps = 10;
    std::vector<QPointF> left, right;
    left.reserve(steps + 1);
    right.reserve(steps + 1);
    QPointF firstTangent, lastTangent;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const QPointF pt = bezierPoint(p0, c1, c2, p3, t);
        const QPointF tan = unit(bezierTangent(p0, c1, c2, p3, t));
        if (i == 0)
            firstTangent = tan;
        lastTangent = tan;
        const QPointF normal(-tan.y(), tan.x());
        // Slightly faster narrowing near the root looks more natural.
        const qreal half = 0.5 * (w0 + (w1 - w0) * std::pow(t, 0.8));
        left.push_back(pt + normal * half);
        right.push_back(pt - normal * half);
    }

    QPainterPath path;
    path.moveTo(left.front());
    for (int i = 1; i <= steps; ++i)
        path.lineTo(left[i]);
    // Rounded tip: half circle from the left side to the right side.
    {
        const QPointF n(-lastTangent.y(), lastTangent.x());
        for (int k = 1; k < capSteps; ++k) {
            const qreal a = std::numbers::pi * k / capSteps;
            path.lineTo(p3 + 0.5 * w1 * (std::cos(a) * n + std::sin(a) * lastTangent));
        }
    }
    for (int i = steps; i >= 0; --i)
        path.lineTo(right[i]);
    // Rounded root.
    {
        const QPointF n(-firstTangent.y(), firstTangent.x());
        for (int k = 1; k < capSteps; ++k) {
            const qreal a = std::numbers::pi * k / capSteps;
            path.lineTo(p0 + 0.5 * w0 * (-std::cos(a) * n - std::sin(a) * firstTangent));
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath taperedLimb(QPointF from, QPointF to, qreal w0, qreal w1, qreal bow)
{
    const QPointF d = to - from;
    const QPointF n = unit(QPointF(d.y(), -d.x())); // left of travel (y axis down)
    return taperedLimb(from, from + d / 3.0 + n * bow, from + 2.0 * d / 3.0 + n * bow, to, w0, w1);
}

void paintTissue(QPainter &painter, const std::vector<TissuePart> &parts,
                 const QColor &outline, qreal outlineWidth)
{
    painter.save();
    // First pass: every part grown by the outline width, in the outline colour.
    QPen pen(outline, 2 * outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    for (const auto &part : parts) {
        painter.fillPath(part.path, outline);
        painter.strokePath(part.path, pen);
    }
    // Second pass: the fills, which cover the inner joints between parts.
    painter.setPen(Qt::NoPen);
    for (const auto &part : parts)
        painter.fillPath(part.path, part.brush);
    painter.restore();
}

} // namespace artwork
