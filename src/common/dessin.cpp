#include "dessin.h"

#include <QImage>
#include <QPainter>
#include <utility>
#include <vector>
#include <algorithm>
#include <cstdlib>

namespace quillon::dessin {

namespace {

// Keeps the painter's pen, brush, antialiasing and clipping as they were,
// and turns antialiasing off: these figures are measured to the pixel.
// (Cheaper than QPainter::save, which the plots call hundreds of times.)
class Crayon {
public:
    explicit Crayon(QPainter& p)
        : p_(p), pen_(p.pen()), brush_(p.brush()), lisse_(p.testRenderHint(QPainter::Antialiasing))
    {
        if (lisse_)
            p_.setRenderHint(QPainter::Antialiasing, false);
    }
    ~Crayon()
    {
        p_.setPen(pen_);
        p_.setBrush(brush_);
        if (lisse_)
            p_.setRenderHint(QPainter::Antialiasing, true);
    }
    Crayon(const Crayon&) = delete;
    Crayon& operator=(const Crayon&) = delete;

private:
    QPainter& p_;
    QPen pen_;
    QBrush brush_;
    bool lisse_;
};

// Pixels of a line, gathered to be painted in one call.
thread_local std::vector<QPoint> points_ligne;
thread_local std::vector<QRect> carres_ligne;

void ordonner(int& a, int& b)
{
    if (b < a)
        std::swap(a, b);
}

} // namespace

void rectangle(QPainter& p, int x1, int y1, int x2, int y2, const QPen& trait, const QBrush& fond)
{
    ordonner(x1, x2);
    ordonner(y1, y2);
    if (x2 <= x1 || y2 <= y1)
        return;
    Crayon c(p);
    if (fond.style() != Qt::NoBrush)
        p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), fond);
    if (trait.style() != Qt::NoPen) {
        QPen un(trait);
        un.setWidth(1);
        p.setPen(un);
        p.setBrush(Qt::NoBrush);
        if (x2 - x1 == 1 || y2 - y1 == 1)
            p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), trait.color());
        else
            p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    }
}

void ellipse(QPainter& p, int x1, int y1, int x2, int y2, const QPen& trait, const QBrush& fond)
{
    ordonner(x1, x2);
    ordonner(y1, y2);
    if (x2 <= x1 || y2 <= y1)
        return;
    Crayon c(p);
    QPen un(trait);
    if (trait.style() != Qt::NoPen)
        un.setWidth(1);
    p.setPen(trait.style() == Qt::NoPen ? QPen(Qt::NoPen) : un);
    p.setBrush(fond);
    // With a 1-pixel pen and no antialiasing the ellipse stays inside x1..x2-1, y1..y2-1.
    p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void ligne(QPainter& p, int x1, int y1, int x2, int y2, const QColor& couleur, int epaisseur)
{
    // Bresenham by hand: QPainter draws the end point, these figures do not.
    Crayon c(p);
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int erreur = dx + dy;
    int x = x1;
    int y = y1;
    const int recul = (std::max(epaisseur, 1) - 1) / 2;
    const int cote = std::max(epaisseur, 1);
    points_ligne.clear();
    carres_ligne.clear();
    while (x != x2 || y != y2) {
        if (cote == 1)
            points_ligne.emplace_back(x, y);
        else
            carres_ligne.emplace_back(x - recul, y - recul, cote, cote);
        const int e2 = 2 * erreur;
        if (e2 >= dy) {
            erreur += dy;
            x += sx;
        }
        if (e2 <= dx) {
            erreur += dx;
            y += sy;
        }
    }
    if (!points_ligne.empty()) {
        p.setPen(QPen(couleur, 1));
        p.drawPoints(points_ligne.data(), static_cast<int>(points_ligne.size()));
    }
    if (!carres_ligne.empty()) {
        // drawRects with no pen fills each square exactly.
        p.setPen(Qt::NoPen);
        p.setBrush(couleur);
        p.drawRects(carres_ligne.data(), static_cast<int>(carres_ligne.size()));
    }
}

void remplir(QImage& image, int x, int y, const QColor& bordure, const QColor& couleur)
{
    // Qt draws and fills shapes but has no fill bounded by what is already
    // on a picture: a scanline fill by hand.
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return;
    if (image.depth() != 32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const QRgb b = bordure.rgb() & 0xFFFFFFu;
    const QRgb c = couleur.rgb() & 0xFFFFFFu;
    const QRgb peint = couleur.rgb() | 0xFF000000u;
    const int w = image.width();
    const int h = image.height();
    const auto libre = [&](const QRgb* ligne, int i) {
        const QRgb p = ligne[i] & 0xFFFFFFu;
        return p != b && p != c;
    };
    std::vector<std::pair<int, int>> graines{{x, y}};
    while (!graines.empty()) {
        const auto [gx, gy] = graines.back();
        graines.pop_back();
        QRgb* ligne = reinterpret_cast<QRgb*>(image.scanLine(gy));
        if (!libre(ligne, gx))
            continue;
        int gauche = gx;
        while (gauche > 0 && libre(ligne, gauche - 1))
            --gauche;
        int droite = gx;
        while (droite + 1 < w && libre(ligne, droite + 1))
            ++droite;
        for (int i = gauche; i <= droite; ++i)
            ligne[i] = peint;
        for (const int ny : {gy - 1, gy + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            const QRgb* voisine = reinterpret_cast<const QRgb*>(image.constScanLine(ny));
            bool dans_plage = false;
            for (int i = gauche; i <= droite; ++i) {
                const bool l = libre(voisine, i);
                if (l && !dans_plage)
                    graines.emplace_back(i, ny);
                dans_plage = l;
            }
        }
    }
}

} // namespace quillon::dessin
