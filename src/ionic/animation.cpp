#include "animation.h"

#include "common/aleatoire.h"
#include "common/dessin.h"
#include "common/nombres.h"
#include "ionic/etat_ionique.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace quillon {

namespace {

const QRgb noir = qRgb(0, 0, 0);
const QRgb rouge_k = qRgb(255, 0, 0);
const QRgb citron = qRgb(0, 255, 0);

// The particle's 5 x 5 box: what each pixel becomes.
enum class Pixel : std::uint8_t { Dehors, Contour, Dedans };
using Motif = std::array<std::array<Pixel, 5>, 5>;

// Drawn once: an ellipse's black outline, then a fill from its centre up to
// that outline. Every particle is this pattern copied, which leaves what
// lies around the ellipse as it was and covers what lies inside it.
const Motif& motif()
{
    static const Motif m = [] {
        QImage brouillon(5, 5, QImage::Format_RGB32);
        brouillon.fill(Qt::white);
        {
            QPainter p(&brouillon);
            dessin::ellipse(p, 0, 0, 5, 5, QPen(Qt::black), Qt::NoBrush);
        }
        dessin::remplir(brouillon, 2, 2, Qt::black, Qt::red);
        Motif resultat{};
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 5; ++x) {
                const QRgb c = brouillon.pixel(x, y) & 0xFFFFFFu;
                resultat[y][x] = c == (noir & 0xFFFFFFu)    ? Pixel::Contour
                                 : c == (rouge_k & 0xFFFFFFu) ? Pixel::Dedans
                                                            : Pixel::Dehors;
            }
        }
        return resultat;
    }();
    return m;
}

int centre_fleche(int largeur_fleche_moitie)
{
    return AnimationFlux::left_compartiments + AnimationFlux::largeur / 2 - largeur_fleche_moitie;
}

} // namespace

AnimationFlux::AnimationFlux() = default;

namespace {

// A picture's pixels, taken once for a whole tick.
struct Toile {
    explicit Toile(QImage& image)
        : bits(reinterpret_cast<QRgb*>(image.bits())),
          pas(static_cast<int>(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)))),
          w(image.width()), h(image.height())
    {
    }
    QRgb* bits;
    int pas;
    int w;
    int h;
};

// The pattern's pixels that a particle paints, as offsets in its box.
struct PointMotif {
    int dx;
    int dy;
    bool contour;
};

struct Points {
    std::array<PointMotif, 25> points{};
    int n = 0;
};

const Points& points_motif()
{
    static const Points p = [] {
        Points r;
        const Motif& m = motif();
        for (int j = 0; j < 5; ++j)
            for (int i = 0; i < 5; ++i)
                if (m[j][i] != Pixel::Dehors)
                    r.points[static_cast<std::size_t>(r.n++)] = {i, j, m[j][i] == Pixel::Contour};
        return r;
    }();
    return p;
}

void dessiner(const Toile& t, int x, int y, int numero, const Points& motif)
{
    const QRgb dedans = numero % 2 != 0 ? rouge_k : citron;
    const bool entier = x >= 0 && y >= 0 && x + 5 <= t.w && y + 5 <= t.h;
    for (int k = 0; k < motif.n; ++k) {
        const PointMotif& p = motif.points[static_cast<std::size_t>(k)];
        const int px = x + p.dx;
        const int py = y + p.dy;
        if (!entier && (px < 0 || px >= t.w || py < 0 || py >= t.h))
            continue;
        t.bits[static_cast<std::ptrdiff_t>(py) * t.pas + px] = p.contour ? noir : dedans;
    }
}

} // namespace

void AnimationFlux::dessiner_particule(QImage& image, int x, int y, int numero)
{
    if (image.depth() != 32)
        image = image.convertToFormat(QImage::Format_RGB32);
    dessiner(Toile(image), x, y, numero, points_motif());
}

void AnimationFlux::recopier(const QImage& sav, QImage& image)
{
    if (image.size() == sav.size() && image.format() == sav.format() && !image.isNull()) {
        // In place: the picture keeps its memory, nothing is allocated.
        std::memcpy(image.bits(), sav.constBits(), static_cast<std::size_t>(sav.sizeInBytes()));
    } else {
        image = sav.copy();
    }
}

void AnimationFlux::remise_zero_anim(const EtatIonique& etat, QImage& sav)
{
    dessiner_membrane(sav);
    remettre_a_zero(etat);
}

void AnimationFlux::dessiner_membrane(QImage& sav)
{
    // The dotted membrane line, one pixel in two.
    const int x = sav.width() / 2 + 3;
    if (x < sav.width()) {
        for (int y = 0; y < sav.height(); y += 2)
            sav.setPixel(x, y, noir);
    }
}

void AnimationFlux::remettre_a_zero(const EtatIonique& etat)
{
    flux_moyen = 0;
    nb_tops = 0;
    ecart_ = 0;
    x_membrane = static_cast<std::uint8_t>(largeur / 2);
    n_sorties = 0;
    n_entrees = 0;
    quota = 0;
    texte_em = QStringLiteral("Em=0.00"); // no ion has crossed
    fleches(etat.e_k);
    nb_part = static_cast<int>(std::min<long long>(
        2 * arrondi(etat.k_int / 2) + 2 * arrondi(etat.k_ext / 2), max_particules));
}

void AnimationFlux::fleches(double e_k)
{
    // The diffusion arrow shows the present gradient, none without one; the
    // electrical arrow points against the net count's charge (K+ gone out
    // leave the inside negative, which pulls K+ back in), ten pixels an ion.
    const int largeur_diffusion = static_cast<int>(std::abs(arrondi(e_k)));
    const int w = static_cast<int>(std::abs(arrondi(10 * flux_moyen)));
    const int cote = e_k < 0 ? -1 : e_k > 0 ? 1 : flux_moyen > 0 ? -1 : flux_moyen < 0 ? 1 : cote_;
    if (cote != 0)
        cote_ = cote;
    const Fleche diffusion{centre_fleche(largeur_diffusion / 2), largeur_diffusion};
    const bool oppose = cote < 0 ? flux_moyen > 0 : flux_moyen < 0;
    const Fleche electrique{centre_fleche(static_cast<int>(arrondi(w / 2.0))), oppose ? w : 0};
    if (cote < 0) {
        fleche_sortie = diffusion;
        fleche_entree = electrique;
        legende_haute = QCoreApplication::translate("AnimationFlux", "Forces de diffusion");
        legende_basse = QCoreApplication::translate("AnimationFlux", "Forces électriques");
    } else if (cote > 0) {
        fleche_entree = diffusion;
        fleche_sortie = electrique;
        legende_basse = QCoreApplication::translate("AnimationFlux", "Forces de diffusion");
        legende_haute = QCoreApplication::translate("AnimationFlux", "Forces électriques");
    } else {
        fleche_sortie.width = 0;
        fleche_entree.width = 0;
    }
}

void AnimationFlux::rempl_image(const EtatIonique& etat, Aleatoire& hasard, const QImage& sav, QImage& image)
{
    remplir(etat, hasard);
    dessiner_particules(sav, image);
}

void AnimationFlux::remplir(const EtatIonique& etat, Aleatoire& hasard)
{
    const int w = largeur;
    const int h = hauteur;
    const int interieur = static_cast<int>(std::min<long long>(arrondi(etat.k_int), max_particules));
    const int tous = static_cast<int>(std::min<long long>(arrondi(etat.k_ext + etat.k_int), max_particules));
    for (int i = 1; i <= interieur; ++i) {
        const int x = hasard.random(w / 2 - 10) + 5;
        const int y = hasard.random(h - 10) + 5;
        particules[static_cast<std::size_t>(i)] = {x, y};
    }
    for (int i = static_cast<int>(arrondi(etat.k_int + 1)); i <= tous; ++i) {
        const int x = hasard.random(w / 2 - 10) + w / 2 + 5;
        const int y = hasard.random(h - 10) + 5;
        particules[static_cast<std::size_t>(i)] = {x, y};
    }
}

void AnimationFlux::dessiner_particules(const QImage& sav, QImage& image) const
{
    recopier(sav, image);
    if (image.depth() != 32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const Toile toile(image);
    const Points& motif = points_motif();
    const int n = std::min(nb_part, static_cast<int>(max_particules));
    for (int i = 1; i <= n; ++i) {
        const Particule& p = particules[static_cast<std::size_t>(i)];
        dessiner(toile, p.x, p.y, i, motif);
    }
}

void AnimationFlux::tic(double e_k, Aleatoire& hasard)
{
    // The net count of K+ gone the way of diffusion (out when EK < 0) is
    // held at the quota: crossings that way while it is below, the other way
    // while it is above, none at the quota. 10 mV a net ion: EK / 10 ions
    // are wanted, rarely a whole number, so the quota is the whole number
    // below or above it, whichever brings the net count's running total
    // back to EK / 10 a tick; on average the net count is EK / 10. Held
    // from both sides, it never walks the wrong way, and with no gradient
    // it goes back to 0.
    const int sens = e_k > 0 ? -1 : 1; // +1: the way of diffusion is out
    const double cible = std::abs(e_k / 10);
    const int bas = static_cast<int>(std::floor(cible));
    const int haut = static_cast<int>(std::ceil(cible));
    const int net_depart = sens * (n_sorties - n_entrees);
    if (net_depart < bas) {
        quota = bas;
    } else if (net_depart > haut) {
        quota = haut;
    } else {
        ecart_ += cible - net_depart;
        quota = ecart_ > 0 ? haut : bas;
    }
    const int membrane = x_membrane;
    const int n = std::min(nb_part, static_cast<int>(max_particules));
    for (int i = 1; i <= n; ++i) {
        Particule& p = particules[static_cast<std::size_t>(i)];
        int x = p.x;
        int y = p.y;
        const int x0 = x;
        const int r = hasard.random(3);
        if (r == 1)
            x += 5;
        else if (r == 2)
            x -= 5;
        const int s = hasard.random(3);
        if (s == 1)
            y += 3;
        else if (s == 2)
            y -= 3;
        y = std::max(y, 3);
        y = std::min(y, hauteur - 3);
        // A move that would take the particle past a wall is undone: a
        // particle keeps its place on its 5-pixel grid (x0 mod 5), so that
        // it can still cross the membrane; one held at a wall would be put on
        // the multiples of 5, which land on the membrane line and never cross.
        if (x < 5 || x > largeur - 5)
            x = x0;
        // No particle rests on the membrane line.
        if (x == largeur / 2)
            x = x0;
        const bool k = i % 2 != 0;
        const bool entre = x0 > membrane && membrane > x;
        const bool sort = x0 < membrane && membrane < x;
        if (entre || sort) {
            const int net = sens * (n_sorties - n_entrees);
            const bool diffusion = (sort ? 1 : -1) == sens;
            if (!k || (diffusion ? net >= quota : net <= quota))
                x = x0; // a counter-ion, or the net count at its quota
            else if (sort)
                ++n_sorties;
            else
                ++n_entrees;
        }
        p = {x, y};
    }
    ++nb_tops;
    const int d = n_sorties - n_entrees;
    if (nb_tops == 50) {
        flux_moyen = (49 * flux_moyen + d) / 50;
        nb_tops = 49;
    } else {
        flux_moyen = ((nb_tops - 1) * flux_moyen + d) / nb_tops;
    }
    fleches(e_k);
    // K+ gone out leave the inside negative.
    const QString valeur = fixed(std::abs(10 * flux_moyen), 2, 2);
    const bool negatif = flux_moyen > 0 && valeur != QLatin1String("0.00");
    texte_em = (negatif ? QStringLiteral("Em=-") : QStringLiteral("Em=")) + valeur;
}

} // namespace quillon
