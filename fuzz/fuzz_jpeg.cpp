// Fuzz entry of the JPEG reader: whatever the bytes, either a picture of a
// sane size or a message, never an end of the process (libjpeg's default
// error handler would exit).
#include "entrees.h"

#include "shell/jpeg.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The largest picture one frame header of the bytes announces (every FF Cn
// frame marker counted, wherever it lies): a few bytes can announce
// 20000 x 20000 pixels, legitimately decoded, but slowly.
long long pixels_annonces(const QByteArray& o)
{
    long long plus_grand = 0;
    for (qsizetype i = 0; i + 8 < o.size(); ++i) {
        const unsigned char a = static_cast<unsigned char>(o[i]), b = static_cast<unsigned char>(o[i + 1]);
        if (a != 0xFF || b < 0xC0 || b > 0xCF || b == 0xC4 || b == 0xC8 || b == 0xCC)
            continue;
        auto octet = [&](qsizetype k) { return static_cast<long long>(static_cast<unsigned char>(o[i + k])); };
        plus_grand = std::max(plus_grand, (octet(5) * 256 + octet(6)) * (octet(7) * 256 + octet(8)));
    }
    return plus_grand;
}

void verifier_decodage(const QByteArray& octets, bool aller_retour)
{
    if (pixels_annonces(octets) > 1 << 22)
        return;
    const quillon::ImageJpeg r = quillon::lire_jpeg(octets);
    if (r.image.isNull()) {
        verifier(!r.erreur.isEmpty());
        return;
    }
    verifier(r.image.width() >= 1 && r.image.width() <= quillon::jpeg_cote_maxi);
    verifier(r.image.height() >= 1 && r.image.height() <= quillon::jpeg_cote_maxi);
    verifier(r.image.format() == QImage::Format_RGB32);

    // The same bytes, the same picture.
    const quillon::ImageJpeg encore = quillon::lire_jpeg(octets);
    verifier(encore.image == r.image && encore.erreur == r.erreur);

    // Whatever was decoded can be written and read again, cleanly.
    if (aller_retour && r.image.width() * r.image.height() <= 256 * 256) {
        const QByteArray fichier = quillon::ecrire_jpeg(r.image, 75);
        verifier(fichier.startsWith("\xFF\xD8"));
        const quillon::ImageJpeg relu = quillon::lire_jpeg(fichier);
        verifier(!relu.image.isNull() && relu.erreur.isEmpty());
        verifier(relu.image.size() == r.image.size());
    }
}

} // namespace

void fuzz_jpeg(const QByteArray& octets)
{
    if (octets.startsWith("\xFF\xD8")) {
        verifier_decodage(octets, true);
        // Cut short: the same invariants.
        verifier_decodage(octets.left(octets.size() / 2), false);
        verifier_decodage(octets.left(octets.size() - 1), false);
        return;
    }
    // Anything else is refused at its first two bytes; with a start of image
    // before it, the bytes reach the marker parser.
    verifier_decodage(QByteArray("\xFF\xD8", 2) + octets, false);
}
