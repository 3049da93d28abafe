// The JPEG reader and writer: pictures through libjpeg and back, the files
// that libjpeg itself would end the process on, and our own refusals.
#include "shell/jpeg.h"

#include <QBuffer>
#include <QPainter>

#include <cstdio> // before jpeglib.h
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <random>
#include <vector>

#include <jpeglib.h>

#include <gtest/gtest.h>

using quillon::ImageJpeg;
using quillon::ecrire_jpeg;
using quillon::lire_jpeg;

namespace {

// Test files made with libjpeg directly, for the layouts ecrire_jpeg never
// writes (CMYK, YCCK, progressive).
struct FichierLibjpeg {
    int largeur = 0, hauteur = 0, composantes = 3;
    J_COLOR_SPACE entree = JCS_RGB;
    J_COLOR_SPACE fichier = JCS_UNKNOWN; // JCS_UNKNOWN: libjpeg's default
    bool marqueur_adobe = true;
    bool progressif = false;
    std::vector<jpeg_scan_info> passes; // a scan script of our own
    int qualite = 95;
};

QByteArray encoder_libjpeg(const FichierLibjpeg& f, const std::vector<unsigned char>& pixels)
{
    jpeg_compress_struct info;
    jpeg_error_mgr erreurs;
    info.err = jpeg_std_error(&erreurs);
    jpeg_create_compress(&info);
    unsigned char* sortie = nullptr;
    unsigned long taille = 0;
    jpeg_mem_dest(&info, &sortie, &taille);
    info.image_width = static_cast<JDIMENSION>(f.largeur);
    info.image_height = static_cast<JDIMENSION>(f.hauteur);
    info.input_components = f.composantes;
    info.in_color_space = f.entree;
    jpeg_set_defaults(&info);
    if (f.fichier != JCS_UNKNOWN)
        jpeg_set_colorspace(&info, f.fichier);
    info.write_Adobe_marker = f.marqueur_adobe ? TRUE : FALSE;
    jpeg_set_quality(&info, f.qualite, TRUE);
    if (f.progressif)
        jpeg_simple_progression(&info);
    if (!f.passes.empty()) {
        info.scan_info = f.passes.data();
        info.num_scans = static_cast<int>(f.passes.size());
    }
    jpeg_start_compress(&info, TRUE);
    const std::size_t pas = static_cast<std::size_t>(f.largeur * f.composantes);
    while (info.next_scanline < info.image_height) {
        JSAMPROW ligne = const_cast<unsigned char*>(pixels.data() + info.next_scanline * pas);
        jpeg_write_scanlines(&info, &ligne, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray octets(reinterpret_cast<const char*>(sortie), static_cast<qsizetype>(taille));
    std::free(sortie);
    return octets;
}

// Four flat quarters and a dark disc in the middle, on white.
QImage image_dessinee(int l = 160, int h = 120)
{
    QImage image(l, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(0, 0, l / 2, h / 2, QColor(220, 30, 30));
    p.fillRect(l / 2, 0, l - l / 2, h / 2, QColor(20, 160, 40));
    p.fillRect(0, h / 2, l / 2, h - h / 2, QColor(30, 40, 200));
    p.fillRect(l / 2, h / 2, l - l / 2, h - h / 2, QColor(240, 220, 40));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(10, 10, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(l / 2, h / 2), l / 8, h / 8);
    return image;
}

// Every pixel slightly different, as a photograph: JPEG has real work to do.
QImage image_texturee(int l, int h, unsigned graine = 5)
{
    std::mt19937 hasard(graine);
    QImage image(l, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x)
            image.setPixel(x, y,
                           qRgb((x * 3 + static_cast<int>(hasard() % 60)) % 256,
                                (y * 2 + static_cast<int>(hasard() % 60)) % 256,
                                ((x + y) + static_cast<int>(hasard() % 60)) % 256));
    return image;
}

int ecart(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

double ecart_moyen(const QImage& a, const QImage& b)
{
    double somme = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            somme += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return somme / (3.0 * a.width() * a.height());
}

// Where the first marker FF <code> lies, -1 when absent.
qsizetype marqueur(const QByteArray& f, unsigned char code)
{
    for (qsizetype i = 0; i + 1 < f.size(); ++i)
        if (static_cast<unsigned char>(f[i]) == 0xFF && static_cast<unsigned char>(f[i + 1]) == code)
            return i;
    return -1;
}

void poser_16(QByteArray& f, qsizetype i, int v)
{
    f[i] = static_cast<char>((v >> 8) & 0xFF);
    f[i + 1] = static_cast<char>(v & 0xFF);
}

// The frame header of a baseline file: FF C0, length, precision, height, width, components.
struct EnTete {
    int precision, hauteur, largeur, composantes;
    int echantillonnage; // the first component's sampling factors, 0xHV
};
EnTete en_tete(const QByteArray& f)
{
    const qsizetype i = marqueur(f, 0xC0);
    EXPECT_GE(i, 0);
    if (i < 0)
        return {0, 0, 0, 0, 0};
    auto octet = [&](qsizetype k) { return static_cast<unsigned char>(f[i + k]); };
    return {octet(4), octet(5) * 256 + octet(6), octet(7) * 256 + octet(8), octet(9), octet(11)};
}

void attendre_echec(const ImageJpeg& r)
{
    EXPECT_TRUE(r.image.isNull());
    EXPECT_FALSE(r.erreur.isEmpty());
}

} // namespace

TEST(Jpeg, AllerRetourImageDessinee)
{
    const QImage originale = image_dessinee();
    const QByteArray fichier = ecrire_jpeg(originale, 90);
    ASSERT_FALSE(fichier.isEmpty());
    EXPECT_TRUE(fichier.startsWith("\xFF\xD8"));
    EXPECT_TRUE(fichier.endsWith("\xFF\xD9"));

    const ImageJpeg r = lire_jpeg(fichier);
    ASSERT_FALSE(r.image.isNull()) << r.erreur.toStdString();
    EXPECT_TRUE(r.erreur.isEmpty()) << r.erreur.toStdString();
    EXPECT_EQ(r.image.size(), originale.size());
    EXPECT_EQ(r.image.format(), QImage::Format_RGB32);
    // The middle of each flat region, away from the edges JPEG blurs.
    for (const QPoint p : {QPoint(20, 15), QPoint(140, 15), QPoint(20, 105), QPoint(140, 105), QPoint(80, 60)})
        EXPECT_LE(ecart(r.image.pixel(p), originale.pixel(p)), 10) << p.x() << "," << p.y();
    EXPECT_LT(ecart_moyen(r.image, originale), 4.0);
}

TEST(Jpeg, TaillesImpairesEtMinuscules)
{
    for (const QSize taille : {QSize(1, 1), QSize(17, 9), QSize(9, 17), QSize(3, 100)}) {
        QImage image(taille, QImage::Format_RGB32);
        image.fill(QColor(90, 140, 200));
        const ImageJpeg r = lire_jpeg(ecrire_jpeg(image, 95));
        ASSERT_FALSE(r.image.isNull()) << r.erreur.toStdString();
        EXPECT_EQ(r.image.size(), taille);
        EXPECT_LE(ecart(r.image.pixel(0, 0), image.pixel(0, 0)), 6);
        EXPECT_LE(ecart(r.image.pixel(taille.width() - 1, taille.height() - 1), image.pixel(0, 0)), 6);
    }
}

TEST(Jpeg, LaQualiteCompteDansLaTailleEtLaFidelite)
{
    const QImage originale = image_texturee(96, 96);
    const QByteArray faible = ecrire_jpeg(originale, 15);
    const QByteArray haute = ecrire_jpeg(originale, 95);
    ASSERT_FALSE(faible.isEmpty());
    ASSERT_FALSE(haute.isEmpty());
    EXPECT_LT(faible.size(), haute.size());
    const ImageJpeg rf = lire_jpeg(faible), rh = lire_jpeg(haute);
    ASSERT_FALSE(rf.image.isNull());
    ASSERT_FALSE(rh.image.isNull());
    EXPECT_LT(ecart_moyen(rh.image, originale), ecart_moyen(rf.image, originale));
    // Out of range qualities are clamped, not refused.
    EXPECT_FALSE(lire_jpeg(ecrire_jpeg(originale, -20)).image.isNull());
    EXPECT_FALSE(lire_jpeg(ecrire_jpeg(originale, 400)).image.isNull());
    EXPECT_EQ(ecrire_jpeg(originale, 400), ecrire_jpeg(originale, 100));
}

TEST(Jpeg, EcritureEnTeteDeTrame)
{
    const QImage couleur = image_dessinee(37, 21);
    const EnTete c = en_tete(ecrire_jpeg(couleur));
    EXPECT_EQ(c.precision, 8);
    EXPECT_EQ(c.largeur, 37);
    EXPECT_EQ(c.hauteur, 21);
    EXPECT_EQ(c.composantes, 3);
    // Colour at full resolution from quality 90, halved both ways below.
    EXPECT_EQ(c.echantillonnage, 0x11);
    EXPECT_EQ(en_tete(ecrire_jpeg(couleur, 89)).echantillonnage, 0x22);

    QImage grise(33, 12, QImage::Format_Grayscale8);
    for (int y = 0; y < grise.height(); ++y)
        for (int x = 0; x < grise.width(); ++x)
            grise.scanLine(y)[x] = static_cast<uchar>(x * 7);
    const QByteArray fichier = ecrire_jpeg(grise, 95);
    const EnTete g = en_tete(fichier);
    EXPECT_EQ(g.composantes, 1);
    EXPECT_EQ(g.largeur, 33);
    const ImageJpeg r = lire_jpeg(fichier);
    ASSERT_FALSE(r.image.isNull());
    for (int x = 0; x < grise.width(); ++x) {
        const QRgb p = r.image.pixel(x, 5);
        EXPECT_EQ(qRed(p), qGreen(p));
        EXPECT_EQ(qRed(p), qBlue(p));
        EXPECT_LE(std::abs(qRed(p) - x * 7), 8) << x;
    }
}

TEST(Jpeg, ImageNulleNonEcrite)
{
    EXPECT_TRUE(ecrire_jpeg(QImage(), 90).isEmpty());
}

TEST(Jpeg, TransparencePoseeSurBlanc)
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 0)); // transparent black
    for (int y = 0; y < 24; ++y)
        for (int x = 12; x < 24; ++x)
            image.setPixel(x, y, qRgba(0, 0, 200, 255));
    const ImageJpeg r = lire_jpeg(ecrire_jpeg(image, 95));
    ASSERT_FALSE(r.image.isNull());
    EXPECT_LE(ecart(r.image.pixel(2, 12), qRgb(255, 255, 255)), 6);
    EXPECT_LE(ecart(r.image.pixel(21, 12), qRgb(0, 0, 200)), 10);
}

TEST(Jpeg, FichierGris)
{
    FichierLibjpeg f;
    f.largeur = 64;
    f.hauteur = 32;
    f.composantes = 1;
    f.entree = JCS_GRAYSCALE;
    std::vector<unsigned char> px(64 * 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            px[static_cast<std::size_t>(y * 64 + x)] = static_cast<unsigned char>(x * 4);
    const QByteArray fichier = encoder_libjpeg(f, px);
    ASSERT_EQ(en_tete(fichier).composantes, 1);

    const ImageJpeg r = lire_jpeg(fichier);
    ASSERT_FALSE(r.image.isNull()) << r.erreur.toStdString();
    EXPECT_TRUE(r.erreur.isEmpty());
    EXPECT_EQ(r.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(r.image.size(), QSize(64, 32));
    int pire = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb p = r.image.pixel(x, y);
            ASSERT_EQ(qRed(p), qGreen(p));
            ASSERT_EQ(qRed(p), qBlue(p));
            pire = std::max(pire, std::abs(qRed(p) - x * 4));
        }
    EXPECT_LE(pire, 8);
}

namespace {

// Red, green, blue and mid grey quarters in ink values (0 = no ink), each
// 16 x 16, stored as written: inverted for Adobe's convention.
std::vector<unsigned char> quarts_cmjn(bool inverse)
{
    const unsigned char encres[4][4] = {{0, 255, 255, 0}, {255, 0, 255, 0}, {255, 255, 0, 0}, {0, 0, 0, 128}};
    std::vector<unsigned char> px(32 * 32 * 4);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const unsigned char* e = encres[(y / 16) * 2 + x / 16];
            for (int k = 0; k < 4; ++k)
                px[static_cast<std::size_t>((y * 32 + x) * 4 + k)] = inverse ? 255 - e[k] : e[k];
        }
    return px;
}

void verifier_quarts(const ImageJpeg& r)
{
    ASSERT_FALSE(r.image.isNull()) << r.erreur.toStdString();
    EXPECT_EQ(r.image.size(), QSize(32, 32));
    EXPECT_LE(ecart(r.image.pixel(8, 8), qRgb(255, 0, 0)), 8);
    EXPECT_LE(ecart(r.image.pixel(24, 8), qRgb(0, 255, 0)), 8);
    EXPECT_LE(ecart(r.image.pixel(8, 24), qRgb(0, 0, 255)), 8);
    EXPECT_LE(ecart(r.image.pixel(24, 24), qRgb(127, 127, 127)), 8);
}

} // namespace

TEST(Jpeg, FichiersQuatreComposantes)
{
    // Adobe's marker tells inverted inks; without it they are stored as they are.
    const struct {
        const char* nom;
        J_COLOR_SPACE fichier;
        bool marqueur_adobe;
        bool encres_inversees;
    } cas[] = {
        {"CMJN inversé, marqueur Adobe", JCS_CMYK, true, true},
        {"YCCK inversé, marqueur Adobe", JCS_YCCK, true, true},
        {"CMJN sans marqueur Adobe", JCS_CMYK, false, false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        FichierLibjpeg f;
        f.largeur = f.hauteur = 32;
        f.composantes = 4;
        f.entree = JCS_CMYK;
        f.fichier = c.fichier;
        f.marqueur_adobe = c.marqueur_adobe;
        verifier_quarts(lire_jpeg(encoder_libjpeg(f, quarts_cmjn(c.encres_inversees))));
    }
}

// A file cut short after its header: libjpeg warns and completes the picture;
// the rows before the cut are those of the whole file.
TEST(Jpeg, FichierTronqueDonneSonImageEtUnAvertissement)
{
    const QByteArray entier = ecrire_jpeg(image_texturee(128, 128), 90);
    const ImageJpeg complet = lire_jpeg(entier);
    ASSERT_FALSE(complet.image.isNull());

    const QByteArray tronque = entier.left(entier.size() * 6 / 10);
    const ImageJpeg r = lire_jpeg(tronque);
    ASSERT_FALSE(r.image.isNull()) << r.erreur.toStdString();
    EXPECT_EQ(r.image.size(), QSize(128, 128));
    EXPECT_TRUE(r.erreur.contains(QLatin1String("Premature end of JPEG file"))) << r.erreur.toStdString();
    for (int y = 0; y < 32; ++y)
        ASSERT_EQ(std::memcmp(r.image.constScanLine(y), complet.image.constScanLine(y), 128 * 4), 0) << y;
    // The lost part is not the original's.
    EXPECT_NE(std::memcmp(r.image.constScanLine(127), complet.image.constScanLine(127), 128 * 4), 0);
}

// Without its final EOI marker every row is still there: the same picture,
// with the warning.
TEST(Jpeg, FinManquanteAvertitSeulement)
{
    const QByteArray entier = ecrire_jpeg(image_dessinee(), 90);
    const ImageJpeg complet = lire_jpeg(entier);
    const ImageJpeg r = lire_jpeg(entier.left(entier.size() - 2));
    ASSERT_FALSE(r.image.isNull());
    EXPECT_EQ(r.image, complet.image);
    EXPECT_FALSE(r.erreur.isEmpty());
}

// A broken segment after the last row (here a Huffman table segment too
// short, between the scan and EOI): libjpeg stops with an error when it
// finishes, but the picture is whole, so it is kept, with the message.
TEST(Jpeg, ErreurApresLaDerniereLigne)
{
    const QByteArray entier = ecrire_jpeg(image_dessinee(), 90);
    ASSERT_TRUE(entier.endsWith("\xFF\xD9"));
    QByteArray casse = entier;
    casse.insert(casse.size() - 2, "\xFF\xC4\x00\x03\x00", 5);
    const ImageJpeg r = lire_jpeg(casse);
    ASSERT_FALSE(r.image.isNull()) << r.erreur.toStdString();
    EXPECT_EQ(r.image, lire_jpeg(entier).image);
    EXPECT_FALSE(r.erreur.isEmpty());
}

TEST(Jpeg, TronqueDansLEnTete)
{
    const QByteArray entier = ecrire_jpeg(image_dessinee(), 90);
    const qsizetype sos = marqueur(entier, 0xDA);
    ASSERT_GT(sos, 40);
    for (const qsizetype n : {qsizetype(2), qsizetype(3), qsizetype(30), sos / 2, sos, sos + 5})
        attendre_echec(lire_jpeg(entier.left(n)));
}

TEST(Jpeg, EnTeteCorrompu)
{
    const QByteArray entier = ecrire_jpeg(image_dessinee(64, 48), 90);
    const qsizetype sof = marqueur(entier, 0xC0);
    const qsizetype dqt = marqueur(entier, 0xDB);
    ASSERT_GE(sof, 0);
    ASSERT_GE(dqt, 0);

    QByteArray precision = entier;
    precision[sof + 4] = 9;
    QByteArray hauteur_nulle = entier;
    poser_16(hauteur_nulle, sof + 5, 0);
    QByteArray sans_composante = entier;
    sans_composante[sof + 9] = 0;
    QByteArray sans_perte = entier; // lossless frames: not for libjpeg
    sans_perte[sof + 1] = static_cast<char>(0xC3);
    QByteArray table = entier; // quantization table 15 of 4
    table[dqt + 4] = 0x0F;
    QByteArray longueur = entier; // the frame header longer than the file
    poser_16(longueur, sof + 2, 0xFFF0);

    for (const QByteArray* f : {&precision, &hauteur_nulle, &sans_composante, &sans_perte, &table, &longueur}) {
        const ImageJpeg r = lire_jpeg(*f);
        attendre_echec(r);
        EXPECT_TRUE(r.erreur.startsWith(QStringLiteral("Image JPEG illisible"))) << r.erreur.toStdString();
    }
}

TEST(Jpeg, OctetsParasitesAvertissentSansInterrompre)
{
    const QByteArray entier = ecrire_jpeg(image_dessinee(), 90);
    const qsizetype sos = marqueur(entier, 0xDA);
    ASSERT_GT(sos, 0);
    QByteArray parasite = entier;
    parasite.insert(sos, "\x01\x02\x03", 3);
    const ImageJpeg r = lire_jpeg(parasite);
    ASSERT_FALSE(r.image.isNull()) << r.erreur.toStdString();
    EXPECT_EQ(r.image, lire_jpeg(entier).image);
    EXPECT_TRUE(r.erreur.contains(QLatin1String("extraneous bytes"))) << r.erreur.toStdString();
}

TEST(Jpeg, EntreeVide)
{
    attendre_echec(lire_jpeg(QByteArray()));
    attendre_echec(lire_jpeg(QByteArray("\xFF\xD8", 2)));
    attendre_echec(lire_jpeg(QByteArray("\xFF\xD8\xFF\xD9", 4)));
}

TEST(Jpeg, OctetsAleatoires)
{
    std::mt19937 hasard(77);
    for (int essai = 0; essai < 300; ++essai) {
        QByteArray octets(static_cast<qsizetype>(1 + hasard() % 3000), '\0');
        for (char& c : octets)
            c = static_cast<char>(hasard());
        attendre_echec(lire_jpeg(octets));
        attendre_echec(lire_jpeg(QByteArray("\xFF\xD8", 2) + octets));
    }
}

TEST(Jpeg, FichierPngRefuse)
{
    QByteArray png;
    QBuffer tampon(&png);
    ASSERT_TRUE(tampon.open(QIODevice::WriteOnly));
    ASSERT_TRUE(image_dessinee(32, 32).save(&tampon, "PNG"));
    ASSERT_TRUE(png.startsWith("\x89PNG"));
    const ImageJpeg r = lire_jpeg(png);
    attendre_echec(r);
    EXPECT_TRUE(r.erreur.contains(QLatin1String("Not a JPEG file"))) << r.erreur.toStdString();
}

// The sides a frame header announces, tried before any allocation: up to
// 20000 pixels decoded (here from the data of a far smaller picture, so
// libjpeg warns of the missing end), beyond that refused.
TEST(Jpeg, DimensionsExcessives)
{
    const QByteArray petit = ecrire_jpeg(image_dessinee(16, 16), 90);
    const qsizetype sof = marqueur(petit, 0xC0);
    ASSERT_GE(sof, 0);

    QByteArray limite = petit;
    poser_16(limite, sof + 5, 8);
    poser_16(limite, sof + 7, quillon::jpeg_cote_maxi);
    const ImageJpeg r = lire_jpeg(limite);
    ASSERT_FALSE(r.image.isNull()) << r.erreur.toStdString();
    EXPECT_EQ(r.image.size(), QSize(quillon::jpeg_cote_maxi, 8));
    EXPECT_FALSE(r.erreur.isEmpty());

    for (const QSize taille : {QSize(20001, 8), QSize(8, 20001), QSize(30000, 30000), QSize(65500, 65500)}) {
        QByteArray grand = petit;
        poser_16(grand, sof + 5, taille.height());
        poser_16(grand, sof + 7, taille.width());
        const ImageJpeg g = lire_jpeg(grand);
        attendre_echec(g);
        EXPECT_TRUE(g.erreur.contains(QStringLiteral("%1 x %2").arg(taille.width()).arg(taille.height())))
            << g.erreur.toStdString();
    }
    // Beyond libjpeg's own limit, its message.
    QByteArray enorme = petit;
    poser_16(enorme, sof + 5, 65535);
    poser_16(enorme, sof + 7, 65535);
    attendre_echec(lire_jpeg(enorme));
}

// A real progressive file decodes; one of 704 scans (the most libjpeg's
// encoder can write for one component) is refused before it wears the
// decoder out.
TEST(Jpeg, PassesProgressives)
{
    std::vector<unsigned char> px(16 * 16);
    for (std::size_t i = 0; i < px.size(); ++i)
        px[i] = static_cast<unsigned char>(i);
    FichierLibjpeg f;
    f.largeur = f.hauteur = 16;
    f.composantes = 1;
    f.entree = JCS_GRAYSCALE;
    f.progressif = true;
    const ImageJpeg normal = lire_jpeg(encoder_libjpeg(f, px));
    ASSERT_FALSE(normal.image.isNull()) << normal.erreur.toStdString();
    EXPECT_TRUE(normal.erreur.isEmpty());
    EXPECT_LE(std::abs(qRed(normal.image.pixel(5, 3)) - (3 * 16 + 5)), 8);

    f.progressif = false;
    for (int s = 0; s < 64; ++s) {
        f.passes.push_back({1, {0, 0, 0, 0}, s, s, 0, 10});
        for (int al = 9; al >= 0; --al)
            f.passes.push_back({1, {0, 0, 0, 0}, s, s, al + 1, al});
    }
    ASSERT_EQ(f.passes.size(), 704u);
    const QByteArray fichier = encoder_libjpeg(f, px);
    EXPECT_GE(fichier.count("\xFF\xDA"), 704);
    const ImageJpeg r = lire_jpeg(fichier);
    attendre_echec(r);
    EXPECT_TRUE(r.erreur.contains(QLatin1String("progressive"))) << r.erreur.toStdString();
}
