#pragma once
// JPEG pictures decoded and encoded with libjpeg itself (not Qt's image
// plugins), for the picture viewer and the figures of the stimulation page.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace quillon {

// Largest width and largest height a decoded picture may have.
inline constexpr int jpeg_cote_maxi = 20000;

struct ImageJpeg {
    QImage image;   // Format_RGB32; null when the decoding failed
    QString erreur; // why it failed (then never empty), or the decoder's
                    // first warning when the picture was still decoded;
                    // empty after a clean decoding
};

// Decodes a whole JPEG file's bytes; a corrupt or truncated file gives the
// decoder's message, never an end of the process.
// - Colour, grayscale and CMYK/YCCK files (Adobe-inverted CMYK when the file
//   carries Adobe's marker, plain CMYK otherwise) all give RGB32 pictures.
// - A file cut short after its header still gives its picture: libjpeg warns
//   ("Premature end of JPEG file") and fills the missing part with a flat
//   continuation; the warning is then in erreur. A file cut inside its header
//   gives a null picture and an error.
// - Other warnings (stray bytes between markers...) do not stop the decoding
//   either; the first one is kept in erreur.
// - Empty input, a picture wider or taller than jpeg_cote_maxi pixels, or one
//   whose pixels would not fit in memory, give a null picture and a French
//   error message.
ImageJpeg lire_jpeg(const QByteArray& octets);

// Encodes a picture at the given quality (clamped to 0..100; baseline JPEG,
// colour subsampled 4:2:0 below quality 90, full resolution 4:4:4 from 90 on,
// for figures with coloured text). Grayscale8 pictures give a one-component grayscale file; pictures
// with transparency are first laid on white. Empty for a null picture or
// when libjpeg refuses it (sides beyond 65500 pixels).
QByteArray ecrire_jpeg(const QImage& image, int qualite = 90);

} // namespace quillon
