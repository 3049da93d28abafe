#include "lecture_image.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QResource>

#include <charconv>
#include <string_view>

namespace quillon {

namespace {

// An embedded, uncompressed binary PPM with 8-bit samples: its body is
// RGB888 rows as they stand, taken from the program's image without a copy
// (the painter converts what it draws) instead of Qt's reader converting it
// pixel by pixel into new memory. Anything else gives a null image.
QImage ppm_integre(const QString& chemin)
{
    const QResource ressource(chemin);
    if (!ressource.isValid() || ressource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const auto* debut = reinterpret_cast<const char*>(ressource.data());
    const std::string_view texte(debut, static_cast<std::size_t>(ressource.size()));
    // "P6", width, height, maximum sample, each after blanks, then one blank.
    if (!texte.starts_with("P6"))
        return {};
    std::size_t i = 2;
    long valeurs[3] = {};
    for (long& v : valeurs) {
        const std::size_t chiffre = texte.find_first_not_of(" \t\r\n", i);
        if (chiffre == std::string_view::npos || chiffre == i)
            return {};
        const auto [fin, erreur] = std::from_chars(texte.data() + chiffre, texte.data() + texte.size(), v);
        if (erreur != std::errc() || v <= 0 || v > 65535)
            return {};
        i = static_cast<std::size_t>(fin - texte.data());
    }
    const long largeur = valeurs[0], hauteur = valeurs[1];
    if (valeurs[2] != 255 || i >= texte.size() || std::string_view(" \t\r\n").find(texte[i]) == std::string_view::npos)
        return {};
    ++i;
    if (static_cast<long long>(texte.size() - i) < 3LL * largeur * hauteur)
        return {};
    // Read-only: whatever would write to it works on its own copy.
    return QImage(reinterpret_cast<const uchar*>(debut + i), static_cast<int>(largeur), static_cast<int>(hauteur),
                  static_cast<qsizetype>(3 * largeur), QImage::Format_RGB888);
}

} // namespace

QImage lire_image(const QString& chemin)
{
    const QString format = QFileInfo(chemin).suffix().toLower();
    if (format.isEmpty())
        return {};
    if (format == QLatin1String("ppm")) {
        if (QImage image = ppm_integre(chemin); !image.isNull())
            return image;
    }
    QImageReader lecteur(chemin, format.toLatin1());
    lecteur.setAutoDetectImageFormat(false);
    return lecteur.read();
}

QImage lire_image_affichee(const QString& chemin)
{
    const qsizetype point = chemin.lastIndexOf(QLatin1Char('.'));
    if (point > 0 && QGuiApplication::instance() != nullptr && qApp->devicePixelRatio() > 1) {
        QImage double_ = lire_image(chemin.left(point) + QLatin1String("@2x") + chemin.mid(point));
        if (!double_.isNull()) {
            double_.setDevicePixelRatio(2);
            return double_;
        }
    }
    return lire_image(chemin);
}

} // namespace quillon
