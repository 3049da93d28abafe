#include "jpeg.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <csetjmp>
#include <cstdio> // before jpeglib.h, which uses FILE
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace quillon {

namespace {

// Beyond this many scans a progressive file is refused: each scan runs over
// the whole picture, so a few bytes per scan could keep the decoder busy for
// minutes. Real files have about ten.
constexpr int scans_maxi = 500;

// The memory libjpeg may take for a progressive file's coefficients.
constexpr long memoire_maxi = 512L * 1024 * 1024;

// From this quality up, colour is not subsampled (4:4:4 instead of 4:2:0).
constexpr int qualite_sans_sous_echantillonnage = 90;

// libjpeg's largest side, for the encoder.
constexpr int cote_maxi_libjpeg = 65500;

// The error manager: libjpeg's own, whose error_exit jumps back to the
// decoding function instead of ending the process, and whose warnings are
// kept instead of printed.
struct Erreurs {
    jpeg_error_mgr pub;
    std::jmp_buf retour;
    char message[JMSG_LENGTH_MAX];       // the error that stopped the work
    char avertissement[JMSG_LENGTH_MAX]; // the first warning
};

// Our own reasons to stop, beside libjpeg's errors.
enum class Refus { aucun, trop_grande, memoire, trop_de_scans };

void fin_sur_erreur(j_common_ptr info)
{
    Erreurs* e = reinterpret_cast<Erreurs*>(info->err);
    (*info->err->format_message)(info, e->message);
    std::longjmp(e->retour, 1);
}

void message_libjpeg(j_common_ptr info, int niveau)
{
    Erreurs* e = reinterpret_cast<Erreurs*>(info->err);
    if (niveau >= 0)
        return; // trace messages: nothing
    if (e->pub.num_warnings == 0)
        (*info->err->format_message)(info, e->avertissement);
    ++e->pub.num_warnings;
}

void preparer_erreurs(Erreurs* e)
{
    std::memset(e, 0, sizeof *e);
    jpeg_std_error(&e->pub);
    e->pub.error_exit = fin_sur_erreur;
    e->pub.emit_message = message_libjpeg;
}

enum class Genre { couleur, gris, cmjn };

// Everything the decoding function works on, kept by its caller: nothing in
// the function that calls setjmp has a destructor.
struct Decodage {
    jpeg_decompress_struct info;
    Erreurs erreurs;
    jpeg_progress_mgr progression;
    const unsigned char* octets = nullptr;
    unsigned long taille = 0;
    QImage* image = nullptr; // filled row by row
    Refus refus = Refus::aucun;
    unsigned largeur = 0, hauteur = 0;
    bool lignes_lues = false; // every row decoded
};

// The picture the rows go into (a C++ object, made outside the function that
// calls setjmp); null when it does not fit in memory.
unsigned char* preparer_image(QImage* image, unsigned largeur, unsigned hauteur, Genre genre, std::size_t* pas)
{
    const QImage::Format format = genre == Genre::gris ? QImage::Format_Grayscale8
        : genre == Genre::cmjn                         ? QImage::Format_RGB32
                                                       : QImage::Format_RGB888;
    *image = QImage(static_cast<int>(largeur), static_cast<int>(hauteur), format);
    if (image->isNull())
        return nullptr;
    *pas = static_cast<std::size_t>(image->bytesPerLine());
    return image->bits();
}

// One row of 4-byte CMYK pixels made into RGB32 in place. Adobe's
// applications write inverted values (0 = full ink), which their marker tells.
void cmjn_vers_rgb(unsigned char* ligne, unsigned largeur, bool inverse)
{
    for (unsigned i = 0; i < largeur; ++i) {
        unsigned char* p = ligne + 4 * static_cast<std::size_t>(i);
        int c = p[0], m = p[1], j = p[2], n = p[3];
        if (!inverse) {
            c = 255 - c;
            m = 255 - m;
            j = 255 - j;
            n = 255 - n;
        }
        const QRgb v = qRgb((c * n + 127) / 255, (m * n + 127) / 255, (j * n + 127) / 255);
        std::memcpy(p, &v, sizeof v);
    }
}

void suivre_progression(j_common_ptr info)
{
    if (!info->is_decompressor)
        return;
    const j_decompress_ptr d = reinterpret_cast<j_decompress_ptr>(info);
    if (d->input_scan_number > scans_maxi) {
        // Stopped as libjpeg stops on its own errors.
        Decodage* dec = static_cast<Decodage*>(info->client_data);
        dec->refus = Refus::trop_de_scans;
        std::longjmp(dec->erreurs.retour, 1);
    }
}

// The decoding itself, C style: returns false on an error (its message in
// d->erreurs.message, or d->refus). The caller destroys d->info afterwards.
bool decoder(Decodage* d)
{
    if (setjmp(d->erreurs.retour))
        return false;

    jpeg_create_decompress(&d->info);
    d->info.client_data = d;
    d->info.mem->max_memory_to_use = memoire_maxi;
    d->progression.progress_monitor = suivre_progression;
    d->info.progress = &d->progression;
    jpeg_mem_src(&d->info, d->octets, d->taille);
    jpeg_read_header(&d->info, TRUE);

    d->largeur = d->info.image_width;
    d->hauteur = d->info.image_height;
    if (d->largeur > static_cast<unsigned>(jpeg_cote_maxi) || d->hauteur > static_cast<unsigned>(jpeg_cote_maxi)) {
        d->refus = Refus::trop_grande;
        return false;
    }

    Genre genre = Genre::couleur;
    switch (d->info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        genre = Genre::gris;
        d->info.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        genre = Genre::cmjn;
        d->info.out_color_space = JCS_CMYK; // libjpeg turns YCCK into CMYK
        break;
    default:
        d->info.out_color_space = JCS_RGB; // unknown layouts: libjpeg refuses
        break;
    }
    jpeg_start_decompress(&d->info);

    const int composantes = genre == Genre::gris ? 1 : genre == Genre::cmjn ? 4 : 3;
    if (d->info.output_components != composantes) {
        std::snprintf(d->erreurs.message, sizeof d->erreurs.message, "%d components", d->info.output_components);
        return false;
    }
    std::size_t pas = 0;
    unsigned char* bits = preparer_image(d->image, d->info.output_width, d->info.output_height, genre, &pas);
    if (!bits) {
        d->refus = Refus::memoire;
        return false;
    }
    const bool adobe_inverse = d->info.saw_Adobe_marker;
    while (d->info.output_scanline < d->info.output_height) {
        JSAMPROW ligne = bits + static_cast<std::size_t>(d->info.output_scanline) * pas;
        if (jpeg_read_scanlines(&d->info, &ligne, 1) != 1) {
            std::snprintf(d->erreurs.message, sizeof d->erreurs.message, "no scanline");
            return false;
        }
        if (genre == Genre::cmjn)
            cmjn_vers_rgb(ligne, d->info.output_width, adobe_inverse);
    }
    // The whole picture is there: an error in what follows it only warns.
    d->lignes_lues = true;
    jpeg_finish_decompress(&d->info);
    return true;
}

QString texte_libjpeg(const char* message)
{
    return QString::fromLatin1(message, static_cast<qsizetype>(strnlen(message, JMSG_LENGTH_MAX)));
}

struct Encodage {
    jpeg_compress_struct info;
    Erreurs erreurs;
    const unsigned char* bits = nullptr;
    std::size_t pas = 0;
    unsigned largeur = 0, hauteur = 0;
    int composantes = 3;
    int qualite = 90;
    unsigned char* sortie = nullptr;
    unsigned long taille = 0;
    bool ecriture_commencee = false;
};

// The encoding, C style as the decoding; false on an error.
bool encoder(Encodage* e)
{
    if (setjmp(e->erreurs.retour))
        return false;

    jpeg_create_compress(&e->info);
    jpeg_mem_dest(&e->info, &e->sortie, &e->taille);
    e->info.image_width = e->largeur;
    e->info.image_height = e->hauteur;
    e->info.input_components = e->composantes;
    e->info.in_color_space = e->composantes == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&e->info);
    jpeg_set_quality(&e->info, e->qualite, TRUE);
    if (e->composantes == 3 && e->qualite >= qualite_sans_sous_echantillonnage) {
        // Full-resolution colour: coloured text and thin lines stay sharp.
        e->info.comp_info[0].h_samp_factor = 1;
        e->info.comp_info[0].v_samp_factor = 1;
    }
    jpeg_start_compress(&e->info, TRUE);
    e->ecriture_commencee = true;
    while (e->info.next_scanline < e->info.image_height) {
        JSAMPROW ligne = const_cast<unsigned char*>(e->bits + static_cast<std::size_t>(e->info.next_scanline) * e->pas);
        jpeg_write_scanlines(&e->info, &ligne, 1);
    }
    jpeg_finish_compress(&e->info);
    return true;
}

} // namespace

ImageJpeg lire_jpeg(const QByteArray& octets)
{
    ImageJpeg resultat;
    if (octets.isEmpty()) {
        resultat.erreur = QCoreApplication::translate("Jpeg", "Fichier JPEG vide.");
        return resultat;
    }

    QImage brute;
    Decodage d;
    std::memset(&d.info, 0, sizeof d.info);
    std::memset(&d.progression, 0, sizeof d.progression);
    preparer_erreurs(&d.erreurs);
    d.info.err = &d.erreurs.pub;
    d.octets = reinterpret_cast<const unsigned char*>(octets.constData());
    d.taille = static_cast<unsigned long>(octets.size());
    d.image = &brute;

    const bool lue = decoder(&d);
    const bool image_entiere = lue || (d.lignes_lues && d.refus == Refus::aucun);
    jpeg_destroy_decompress(&d.info);

    if (!image_entiere) {
        switch (d.refus) {
        case Refus::trop_grande:
            resultat.erreur = QCoreApplication::translate("Jpeg", "Image JPEG trop grande : %1 x %2 pixels (%3 x %3 au plus).")
                                  .arg(d.largeur)
                                  .arg(d.hauteur)
                                  .arg(jpeg_cote_maxi);
            break;
        case Refus::memoire:
            resultat.erreur = QCoreApplication::translate("Jpeg", "Mémoire insuffisante pour une image JPEG de %1 x %2 pixels.")
                                  .arg(d.largeur)
                                  .arg(d.hauteur);
            break;
        case Refus::trop_de_scans:
            resultat.erreur = QCoreApplication::translate("Jpeg", "Image JPEG progressive refusée : plus de %1 passes.").arg(scans_maxi);
            break;
        case Refus::aucun:
            resultat.erreur = QCoreApplication::translate("Jpeg", "Image JPEG illisible : %1").arg(texte_libjpeg(d.erreurs.message));
            break;
        }
        return resultat;
    }

    resultat.image = brute.format() == QImage::Format_RGB32 ? std::move(brute) : brute.convertToFormat(QImage::Format_RGB32);
    if (resultat.image.isNull()) {
        resultat.erreur = QCoreApplication::translate("Jpeg", "Mémoire insuffisante pour une image JPEG de %1 x %2 pixels.")
                              .arg(d.largeur)
                              .arg(d.hauteur);
        return resultat;
    }
    if (!lue) // the rows were all there, what followed them was not
        resultat.erreur = QCoreApplication::translate("Jpeg", "Image JPEG endommagée : %1").arg(texte_libjpeg(d.erreurs.message));
    else if (d.erreurs.pub.num_warnings > 0)
        resultat.erreur = QCoreApplication::translate("Jpeg", "Image JPEG endommagée : %1").arg(texte_libjpeg(d.erreurs.avertissement));
    return resultat;
}

QByteArray ecrire_jpeg(const QImage& image, int qualite)
{
    if (image.isNull() || image.width() > cote_maxi_libjpeg || image.height() > cote_maxi_libjpeg)
        return QByteArray();

    QImage source;
    int composantes = 3;
    if (image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_Grayscale16) {
        source = image.convertToFormat(QImage::Format_Grayscale8);
        composantes = 1;
    } else if (image.hasAlphaChannel()) {
        // Laid on white, as a viewer shows it, not on whatever colour the
        // transparent pixels hold.
        source = QImage(image.size(), QImage::Format_RGB888);
        if (!source.isNull()) {
            source.fill(Qt::white);
            QPainter p(&source);
            p.drawImage(0, 0, image);
        }
    } else {
        source = image.convertToFormat(QImage::Format_RGB888);
    }
    if (source.isNull())
        return QByteArray();

    Encodage e;
    std::memset(&e.info, 0, sizeof e.info);
    preparer_erreurs(&e.erreurs);
    e.info.err = &e.erreurs.pub;
    e.bits = source.constBits();
    e.pas = static_cast<std::size_t>(source.bytesPerLine());
    e.largeur = static_cast<unsigned>(source.width());
    e.hauteur = static_cast<unsigned>(source.height());
    e.composantes = composantes;
    e.qualite = std::clamp(qualite, 0, 100);

    const bool ecrite = encoder(&e);
    jpeg_destroy_compress(&e.info);
    QByteArray fichier;
    if (ecrite)
        fichier = QByteArray(reinterpret_cast<const char*>(e.sortie), static_cast<qsizetype>(e.taille));
    // jpeg_mem_dest's buffer is ours to free; once the writing has begun a
    // failure (only a lack of memory) may have moved it where we cannot
    // reach it: better a leak then than freeing a stale pointer.
    if (ecrite || !e.ecriture_commencee)
        std::free(e.sortie);
    return fichier;
}

} // namespace quillon
