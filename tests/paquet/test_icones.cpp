// The unpacked package's icons are the program's own icon: the 32 x 32 one is
// the picture in the program, the other sizes and the SVG are the same drawing.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

const QString hicolor = QStringLiteral(QUILLON_PAQUET_RACINE "/usr/share/icons/hicolor/");

QImage icone(int n)
{
    return QImage(hicolor + QStringLiteral("%1x%1/apps/quillon.png").arg(n))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Mean difference of the premultiplied channels, 0 to 255.
double ecart(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    double somme = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            somme += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q))
                     + std::abs(qAlpha(p) - qAlpha(q));
        }
    return somme / (4.0 * a.width() * a.height());
}

QImage reduite(const QImage& grande, int n)
{
    return grande.scaledToWidth(n, Qt::SmoothTransformation) // a square stays square
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

TEST(PaquetIcones, EverySizeIsASquareTileWithTransparentCorners)
{
    for (int n : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(n);
        const QImage i = icone(n);
        ASSERT_FALSE(i.isNull());
        EXPECT_EQ(i.size(), QSize(n, n));
        EXPECT_EQ(qAlpha(i.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(i.pixel(n - 1, n - 1)), 0);
        EXPECT_EQ(qAlpha(i.pixel(n / 2, n / 2)), 255);
    }
}

TEST(PaquetIcones, The32PixelIconIsTheProgramsWindowIcon)
{
    const QImage programme = QImage(QStringLiteral(QUILLON_ICONE_PROGRAMME)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(programme.isNull());
    EXPECT_EQ(icone(32), programme);
}

TEST(PaquetIcones, EverySizeIsTheSameDrawing)
{
    const QImage grande = icone(256);
    ASSERT_FALSE(grande.isNull());
    for (int n : {16, 32, 48, 64, 128}) {
        SCOPED_TRACE(n);
        const QImage i = icone(n);
        const QImage attendue = reduite(grande, n);
        const double e = ecart(i, attendue);
        // The same drawing made at that size differs from the reduced big one
        // by its anti-aliasing only; a mirrored one differs much more.
        EXPECT_LT(e, 6.0);
        EXPECT_GT(ecart(i.mirrored(true, false), attendue), e + 10);
    }
}

TEST(PaquetIcones, TheScalableIconDrawsThe256PixelOne)
{
    QSvgRenderer svg(hicolor + "scalable/apps/quillon.svg");
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 256, 256));
    QImage rendue(256, 256, QImage::Format_ARGB32_Premultiplied);
    rendue.fill(Qt::transparent);
    QPainter p(&rendue);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    p.end();
    const QImage png = icone(256);
    const double e = ecart(rendue, png);
    EXPECT_LT(e, 0.5); // the same paths: only rounding differs
    EXPECT_GT(ecart(rendue.mirrored(true, false), png), e + 10);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
