#include "common/dessin.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "impression.h"

using namespace quillon;

namespace {

QImage blanc(int w = 20, int h = 20)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The smallest rectangle that holds every pixel of the colour.
QRect etendue(const QImage& image, QColor couleur)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == couleur)
                r = r.united(QRect(x, y, 1, 1));
    return r;
}

} // namespace

TEST(Dessin, RectangleCoversX1ToX2MinusOne)
{
    QImage image = blanc();
    {
        QPainter p(&image);
        dessin::rectangle(p, 2, 3, 7, 9, QPen(Qt::black), QBrush(Qt::red));
    }
    EXPECT_EQ(etendue(image, Qt::black), QRect(QPoint(2, 3), QPoint(6, 8)));
    EXPECT_EQ(etendue(image, Qt::red), QRect(QPoint(3, 4), QPoint(5, 7)));
    EXPECT_EQ(image.pixelColor(7, 5), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(4, 9), QColor(Qt::white));
}

TEST(Dessin, RectangleWithoutPenIsOnlyItsBrush)
{
    QImage image = blanc();
    {
        QPainter p(&image);
        dessin::rectangle(p, 0, 0, 4, 4, Qt::NoPen, QBrush(Qt::blue));
        dessin::rectangle(p, 10, 10, 10, 15, QPen(Qt::black), QBrush(Qt::blue)); // empty
    }
    EXPECT_EQ(etendue(image, Qt::blue), QRect(0, 0, 4, 4));
    EXPECT_TRUE(etendue(image, Qt::black).isNull());
}

TEST(Dessin, EllipseStaysInsideItsArea)
{
    QImage image = blanc(30, 30);
    {
        QPainter p(&image);
        dessin::ellipse(p, 5, 5, 15, 15, QPen(Qt::black), QBrush(Qt::red));
    }
    QRect tout = etendue(image, Qt::black).united(etendue(image, Qt::red));
    EXPECT_EQ(tout, QRect(QPoint(5, 5), QPoint(14, 14)));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white)); // a corner is outside the ellipse
}

TEST(Dessin, LineStopsShortOfItsEnd)
{
    QImage image = blanc();
    {
        QPainter p(&image);
        dessin::ligne(p, 2, 5, 10, 5, Qt::black);
        dessin::ligne(p, 4, 12, 4, 6, Qt::blue);
        dessin::ligne(p, 12, 12, 16, 16, Qt::red);
        dessin::ligne(p, 18, 18, 18, 18, Qt::green); // nothing
    }
    EXPECT_EQ(etendue(image, Qt::black), QRect(QPoint(2, 5), QPoint(9, 5)));
    EXPECT_EQ(etendue(image, Qt::blue), QRect(QPoint(4, 7), QPoint(4, 12)));
    EXPECT_EQ(etendue(image, Qt::red), QRect(QPoint(12, 12), QPoint(15, 15)));
    EXPECT_EQ(image.pixelColor(14, 14), QColor(Qt::red));
    EXPECT_TRUE(etendue(image, Qt::green).isNull());
}

TEST(Dessin, WideLineReachesRightAndBelow)
{
    QImage image = blanc();
    {
        QPainter p(&image);
        dessin::ligne(p, 2, 5, 10, 5, Qt::black, 2);
        dessin::ligne(p, 4, 12, 4, 16, Qt::blue, 3);
    }
    EXPECT_EQ(etendue(image, Qt::black), QRect(QPoint(2, 5), QPoint(10, 6)));
    EXPECT_EQ(etendue(image, Qt::blue), QRect(QPoint(3, 11), QPoint(5, 16)));
}

TEST(Dessin, FillStaysInsideAClosedOutline)
{
    QImage image = blanc(30, 30);
    {
        QPainter p(&image);
        dessin::ellipse(p, 5, 5, 15, 15, QPen(Qt::black), Qt::NoBrush);
        dessin::rectangle(p, 18, 2, 28, 12, QPen(Qt::black), Qt::NoBrush);
    }
    dessin::remplir(image, 10, 10, Qt::black, Qt::red);
    EXPECT_EQ(etendue(image, Qt::red), QRect(QPoint(6, 6), QPoint(13, 13)));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white)) << "nothing leaks outside";
    EXPECT_EQ(image.pixelColor(22, 6), QColor(Qt::white)) << "nor into the other shape";
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white)) << "corner outside the ellipse's ring";

    // A concave region, filled around its inner wall.
    dessin::remplir(image, 20, 4, Qt::black, Qt::blue);
    EXPECT_EQ(etendue(image, Qt::blue), QRect(QPoint(19, 3), QPoint(26, 10)));
}

TEST(Dessin, FillStopsAtTheEdgesAndOnItsOwnColour)
{
    QImage image = blanc(12, 8);
    {
        QPainter p(&image);
        dessin::ligne(p, 6, 0, 6, 8, Qt::black);
    }
    dessin::remplir(image, 0, 0, Qt::black, Qt::green);
    EXPECT_EQ(etendue(image, Qt::green), QRect(0, 0, 6, 8));
    EXPECT_EQ(image.pixelColor(7, 3), QColor(Qt::white));

    // On a pixel of the fill colour or of the border: nothing.
    const QImage avant = image;
    dessin::remplir(image, 2, 2, Qt::black, Qt::green);
    dessin::remplir(image, 6, 2, Qt::black, Qt::red);
    dessin::remplir(image, -1, 2, Qt::black, Qt::red);
    dessin::remplir(image, 12, 2, Qt::black, Qt::red);
    EXPECT_EQ(image, avant);

    // A fill across the whole picture, left of nothing.
    QImage vide = blanc(40, 40);
    dessin::remplir(vide, 39, 39, Qt::black, Qt::red);
    EXPECT_EQ(etendue(vide, Qt::red), QRect(0, 0, 40, 40));
}
