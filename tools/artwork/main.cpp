// quillon_artwork: writes the pictures used by Quillon into a folder.
//
//   quillon_artwork <output-folder> [--check-image <file.png>]
//   quillon_artwork --icons <theme-folder>
//   quillon_artwork --ico <file.ico>
//
// --check-image also writes an enlarged copy of the nerve cell picture with
// the caption places outlined and captioned, for reviewing it by eye.
// --icons writes the program icon for the desktop's hicolor theme instead:
// <theme-folder>/<n>x<n>/apps/quillon.png at every size of kIconSizes and
// <theme-folder>/scalable/apps/quillon.svg, all from the same drawing.
// --ico writes it as a Windows icon, every size of kIconSizes in one file.
#include "artwork.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

void complain(const QString &message)
{
    std::fprintf(stderr, "quillon_artwork: %s\n", qPrintable(message));
}

bool save(const QImage &image, const QString &path, const char *format)
{
    if (image.isNull() || !image.save(path, format)) {
        complain(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

bool makeFolder(const QString &path)
{
    if (!QDir().mkpath(path)) {
        complain(QStringLiteral("cannot create folder %1").arg(path));
        return false;
    }
    return true;
}

// The program icon at every size of the hicolor theme, and as SVG.
bool writeIcons(const QString &themeDir)
{
    const QDir theme(themeDir);
    for (int size : artwork::kIconSizes) {
        const QString folder = theme.filePath(QStringLiteral("%1x%1/apps").arg(size));
        if (!makeFolder(folder)
            || !save(artwork::drawIcon(size), QDir(folder).filePath(QStringLiteral("quillon.png")), "PNG"))
            return false;
    }
    const QString scalable = theme.filePath(QStringLiteral("scalable/apps"));
    const QString svg = QDir(scalable).filePath(QStringLiteral("quillon.svg"));
    if (!makeFolder(scalable) || !artwork::writeIconSvg(svg)) {
        complain(QStringLiteral("cannot write %1").arg(svg));
        return false;
    }
    return true;
}

// A Windows icon file: a directory of entries, each a PNG picture (read by
// Windows since Vista). Qt's own ICO writer keeps one size a file.
bool writeIco(const QString &path)
{
    QByteArray directory, pictures;
    const auto word = [](QByteArray &b, quint16 v) { b.append(char(v & 0xff)).append(char(v >> 8)); };
    const auto dword = [&](QByteArray &b, quint32 v) { word(b, quint16(v & 0xffff)); word(b, quint16(v >> 16)); };
    const int count = int(std::size(artwork::kIconSizes));
    word(directory, 0);
    word(directory, 1); // an icon
    word(directory, quint16(count));
    const int offset = 6 + 16 * count;
    for (int size : artwork::kIconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        if (!buffer.open(QIODevice::WriteOnly) || !artwork::drawIcon(size).save(&buffer, "PNG"))
            return false;
        directory.append(char(size >= 256 ? 0 : size)).append(char(size >= 256 ? 0 : size));
        directory.append(char(0)).append(char(0)); // no palette, reserved
        word(directory, 1); // planes
        word(directory, 32); // bits per pixel
        dword(directory, quint32(png.size()));
        dword(directory, quint32(offset + pictures.size()));
        pictures += png;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(directory + pictures) != directory.size() + pictures.size()) {
        complain(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Runs during the build, with no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("--icons"))
        return writeIcons(args[1]) ? 0 : 1;
    if (args.size() == 2 && args[0] == QLatin1String("--ico"))
        return writeIco(args[1]) ? 0 : 1;
    QString outDir, checkImage;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--check-image") && i + 1 < args.size())
            checkImage = args[++i];
        else if (outDir.isEmpty() && !args[i].startsWith(QLatin1Char('-')))
            outDir = args[i];
        else {
            complain(QStringLiteral("unexpected argument %1").arg(args[i]));
            outDir.clear();
            break;
        }
    }
    if (outDir.isEmpty()) {
        std::fprintf(stderr, "usage: quillon_artwork <output-folder> [--check-image <file.png>]\n"
                             "       quillon_artwork --icons <theme-folder>\n");
        return 2;
    }
    QDir dir(outDir);
    if (!dir.exists() && !QDir().mkpath(outDir)) {
        complain(QStringLiteral("cannot create folder %1").arg(outDir));
        return 1;
    }

    using namespace artwork;

    // The nerve cell picture must leave every caption place blank.
    const QImage neurone = drawNeurone();
    if (!checkImage.isEmpty() && !save(drawNeuroneCheckImage(neurone), checkImage, "PNG"))
        return 1;
    if (const QString fault = checkCaptionPlacesBlank(neurone); !fault.isEmpty()) {
        complain(fault);
        return 1;
    }

    struct Output {
        const char *name;
        QImage image;
        const char *format;
    };
    // The two large pictures are raw PPM, read at start-up ten times faster
    // than PNG; the resource compiler compresses them in the program.
    const Output outputs[] = {
        {"image2.ppm", neurone, "PPM"},
        {"image1.ppm", drawNerveSection(), "PPM"},
        {"an.bmp", drawIonTile(Ion::Anion), "BMP"},
        {"k.bmp", drawIonTile(Ion::Potassium), "BMP"},
        {"na.bmp", drawIonTile(Ion::Sodium), "BMP"},
        {"fl_i_e.bmp", drawFluxArrow(true), "BMP"},
        {"fl_e_i.bmp", drawFluxArrow(false), "BMP"},
        {"quillon.png", drawIcon(32), "PNG"},
        {"quillon_48.png", drawIcon(48), "PNG"},
        {"correction.png", drawCorrectionGlyph(), "PNG"},
        {"refractaire.png", drawDocumentGlyph(false), "PNG"},
        {"recrutement.png", drawDocumentGlyph(true), "PNG"},
        {"information.png", drawInformationGlyph(), "PNG"},
        // Twice as large, from the same drawing, for the dense screens: the
        // pictures shown as they are, never drawn on by the program.
        {"image2@2x.ppm", drawNeurone(2), "PPM"},
        {"image1@2x.ppm", drawNerveSection(2), "PPM"},
        {"quillon@2x.png", drawIcon(64), "PNG"},
        {"quillon_48@2x.png", drawIcon(96), "PNG"},
        {"correction@2x.png", drawCorrectionGlyph(2), "PNG"},
        {"refractaire@2x.png", drawDocumentGlyph(false, 2), "PNG"},
        {"recrutement@2x.png", drawDocumentGlyph(true, 2), "PNG"},
        {"information@2x.png", drawInformationGlyph(2), "PNG"},
    };
    for (const Output &out : outputs)
        if (!save(out.image, dir.filePath(QString::fromLatin1(out.name)), out.format))
            return 1;
    return 0;
}
