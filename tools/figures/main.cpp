// quillon_figures: draws the two figures that the stimulation page opens in
// its picture viewer, from the page's own response model and recorded action
// potential:
//
//   quillon_figures <ess0.nst> <output folder> [--png] [--traduction <quillon_xx.qm>]
//
// writes refract.jpg (refractory period) and recrut.jpg (recruitment of
// fibres), JPEG quality 90; --png also writes PNG copies, for looking at them;
// --traduction draws the captions in the language of that translation.
//
// Both recordings are monophasic: recording electrode 2 is taken off the
// nerve (enr2 = bout_nerf), so the trace is the potential under electrode 1
// alone, as on the page when the pupil moves that electrode away. Time 0 is
// the (first) stimulation: on the page's screen sample s lies at x = 5 s + 6
// and the time ruler puts 0 ms at x 10, 30 pixels per ms, so sample s is at
// (5 s - 4) / 30 ms; the second stimulation, pos samples later, at pos / 6 ms.
// The potentials drawn are those the screen shows: ampl (voie1 - voie2). The
// screen has no millivolt scale, so neither have the figures: their vertical
// axes are in the screen's arbitrary units. Decimals are written with a point,
// as on the page and in the accompanying documents, and the electrodes are
// named as on the page ("électrode 1", "électrode 2").
#include "shell/jpeg.h"
#include "stimulation/ess0.h"
#include "stimulation/reponse.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using quillon::PotentielEss0;
using quillon::ReglagesStimulation;
using quillon::ReponseStimulation;

const QColor encre(25, 25, 35);
const QColor gris_texte(70, 70, 80);
const QColor gris_axe(110, 110, 120);
const QColor gris_grille(228, 230, 236);
const QColor marine(0, 0, 128);                // the page's own trace colour
const QColor orange(214, 100, 0);               // relative refractory period
const QColor rouge(200, 20, 40);                // absolute refractory period
const QColor vert_stimulation(0, 140, 70);      // stimulation marks

QFont police(int pixels, bool gras = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

// Whether the texts are translated (--traduction): else French.
bool traduit = false;

// The French spaces: a no-break space before the two-part punctuation.
QString fr(QString s)
{
    if (traduit)
        return s;
    static const QRegularExpression espace(QStringLiteral(" ([:;?!])"));
    return s.replace(espace, QStringLiteral("\u00a0\\1"));
}

// Text placed by an anchor point: the alignment says which side of the text
// the point is on (AlignLeft: the text starts there, AlignVCenter: its middle
// height, AlignBottom: its bottom...).
void texte(QPainter& p, QPointF ancre, const QString& brut, Qt::Alignment alignement, const QFont& f,
           const QColor& couleur)
{
    p.setFont(f);
    p.setPen(couleur);
    const QString s = fr(brut);
    const QFontMetricsF m(f);
    QRectF r(0, 0, m.horizontalAdvance(s) + 2, m.height());
    double x = ancre.x(), y = ancre.y();
    if (alignement & Qt::AlignHCenter)
        x -= r.width() / 2;
    else if (alignement & Qt::AlignRight)
        x -= r.width();
    if (alignement & Qt::AlignVCenter)
        y -= r.height() / 2;
    else if (alignement & Qt::AlignBottom)
        y -= r.height();
    r.moveTo(x, y);
    p.drawText(r, Qt::AlignCenter, s);
}

void texte_vertical(QPainter& p, QPointF centre, const QString& s, const QFont& f, const QColor& couleur)
{
    p.save();
    p.translate(centre);
    p.rotate(-90);
    texte(p, QPointF(0, 0), s, Qt::AlignCenter, f, couleur);
    p.restore();
}

QString decimale(double v, int chiffres)
{
    return QString::number(v, 'f', chiffres);
}


void titre(QPainter& p, int largeur, const QString& titre, const QString& sous_titre)
{
    texte(p, QPointF(largeur / 2.0, 10), titre, Qt::AlignHCenter | Qt::AlignTop, police(19, true), encre);
    texte(p, QPointF(largeur / 2.0, 36), sous_titre, Qt::AlignHCenter | Qt::AlignTop, police(13), gris_texte);
}

// A stimulation: a small upward triangle under the baseline, and its name.
void stimulation(QPainter& p, double x, double y_base, const QString& nom)
{
    QPainterPath fleche;
    fleche.moveTo(x, y_base + 2);
    fleche.lineTo(x - 4.5, y_base + 11);
    fleche.lineTo(x + 4.5, y_base + 11);
    fleche.closeSubpath();
    p.fillPath(fleche, vert_stimulation);
    texte(p, QPointF(x + 6, y_base + 7), nom, Qt::AlignLeft | Qt::AlignVCenter, police(11, true), vert_stimulation);
}

// One recording of the model.
struct Enregistrement {
    std::array<double, ReponseStimulation::affiches + 1> mv{}; // [1..80]
    double ampl = 0;
    double fact2 = 0;
    bool seconde_reponse = false;
    double crete = 0;    // highest potential
    int j_crete = 0;     // its sample
};

Enregistrement enregistrer(const PotentielEss0& pot, int intensite, bool deux_stim, int pos)
{
    ReglagesStimulation r;
    r.enr2 = r.bout_nerf; // electrode 2 off the nerve: monophasic
    r.position_i_stim = 100 - intensite;
    r.deux_stim = deux_stim;
    r.pos = pos;
    ReponseStimulation rep;
    rep.calculer(r, pot);
    Enregistrement e;
    e.ampl = rep.ampl;
    e.fact2 = rep.fact2;
    e.seconde_reponse = rep.seconde_reponse;
    const double a = r.fibre ? 0.7 : rep.ampl;
    for (int j = 1; j <= ReponseStimulation::affiches; ++j) {
        const quillon::Echantillon& s = rep.enreg[static_cast<std::size_t>(j)];
        e.mv[static_cast<std::size_t>(j)] = a * (s.voie1 - s.voie2);
        if (e.mv[static_cast<std::size_t>(j)] > e.crete) {
            e.crete = e.mv[static_cast<std::size_t>(j)];
            e.j_crete = j;
        }
    }
    return e;
}

double temps_ms(int j)
{
    return (5.0 * j - 4) / 30;
}

// A time axis under a plot: ticks every ms, numbers, title.
void axe_temps(QPainter& p, double x0, double px_ms, double t_max, double y, const QString& nom)
{
    p.setPen(QPen(gris_axe, 1.2));
    p.drawLine(QPointF(x0, y), QPointF(x0 + t_max * px_ms, y));
    for (int t = 0; t <= static_cast<int>(t_max); ++t) {
        const double x = x0 + t * px_ms;
        p.setPen(QPen(gris_axe, 1.2));
        p.drawLine(QPointF(x, y), QPointF(x, y + 5));
        texte(p, QPointF(x, y + 6), QString::number(t), Qt::AlignHCenter | Qt::AlignTop, police(12), encre);
    }
    texte(p, QPointF(x0 + t_max * px_ms / 2, y + 24), nom, Qt::AlignHCenter | Qt::AlignTop, police(13), encre);
}

QPolygonF courbe(const Enregistrement& e, double x0, double px_ms, double y0, double px_mv)
{
    QPolygonF points;
    for (int j = 1; j <= ReponseStimulation::affiches; ++j)
        points << QPointF(x0 + temps_ms(j) * px_ms, y0 - e.mv[static_cast<std::size_t>(j)] * px_mv);
    return points;
}

void elements_legende(QPainter& p, double y, const std::vector<std::pair<QColor, QString>>& elements,
                      double largeur_totale)
{
    const QFont f = police(12);
    const QFontMetricsF m(f);
    double largeur = 0;
    for (const auto& [c, s] : elements)
        largeur += 28 + m.horizontalAdvance(s) + 22;
    double x = (largeur_totale - largeur + 22) / 2;
    for (const auto& [c, s] : elements) {
        if (c == vert_stimulation) {
            stimulation(p, x + 11, y - 8, QString());
        } else {
            p.setPen(QPen(c, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x, y), QPointF(x + 22, y));
        }
        texte(p, QPointF(x + 28, y), s, Qt::AlignLeft | Qt::AlignVCenter, f, encre);
        x += 28 + m.horizontalAdvance(s) + 22;
    }
}

// Paired supramaximal stimulations at shrinking intervals.
QImage figure_refractaire(const PotentielEss0& pot)
{
    const int largeur = 760, hauteur = 550;
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    titre(p, largeur, QCoreApplication::translate("Figures", "Période réfractaire : deux stimulations supramaximales rapprochées"),
          QCoreApplication::translate("Figures", "Nerf stimulé deux fois à 1.00 V ; électrode 2 hors du nerf : enregistrement "
                         "monophasique sous l'électrode 1"));

    const int intervalles[] = {40, 20, 19, 15, 11, 10, 6}; // samples, 6 per ms: both limits and either side
    const int lignes = static_cast<int>(std::size(intervalles));
    const double x0 = 82, px_ms = 38, t_max = 13.5;
    const double haut = 68, pas_ligne = 55, px_mv = 0.62, base_dans_ligne = 41;
    const double bas = haut + lignes * pas_ligne;
    const double x_fin = x0 + t_max * px_ms;

    // Every other row on a faint band, to tell the rows apart.
    for (int i = 1; i < lignes; i += 2)
        p.fillRect(QRectF(x0 - 50, haut + i * pas_ligne - 4, x_fin + 170 - x0, pas_ligne), QColor(245, 246, 250));

    // Grid: every ms across all traces.
    p.setPen(QPen(gris_grille, 1));
    for (int t = 0; t <= static_cast<int>(t_max); ++t)
        p.drawLine(QPointF(x0 + t * px_ms, haut - 4), QPointF(x0 + t * px_ms, bas + 2));

    for (int i = 0; i < lignes; ++i) {
        const int pos = intervalles[i];
        const Enregistrement e = enregistrer(pot, 100, true, pos);
        const double y0 = haut + i * pas_ligne + base_dans_ligne;
        const bool relative = e.seconde_reponse && e.fact2 < 1;
        const QColor couleur = !e.seconde_reponse ? rouge : relative ? orange : marine;

        // The row's own axis: 0 and 50 units of the screen.
        const double x_axe = x0 - 12;
        p.setPen(QPen(gris_axe, 1.2));
        p.drawLine(QPointF(x_axe, y0 + 5), QPointF(x_axe, y0 - 60 * px_mv));
        for (int mv : {0, 50}) {
            const double y = y0 - mv * px_mv;
            p.drawLine(QPointF(x_axe - 4, y), QPointF(x_axe, y));
            texte(p, QPointF(x_axe - 6, y), QString::number(mv), Qt::AlignRight | Qt::AlignVCenter, police(11),
                  gris_texte);
        }
        // The baseline, then the trace.
        p.setPen(QPen(QColor(205, 208, 216), 1, Qt::DashLine));
        p.drawLine(QPointF(x0, y0), QPointF(x_fin, y0));
        p.setPen(QPen(couleur, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(courbe(e, x0, px_ms, y0, px_mv));

        stimulation(p, x0, y0, QStringLiteral("S1"));
        stimulation(p, x0 + pos / 6.0 * px_ms, y0, QStringLiteral("S2"));

        // What the row shows.
        const double x_texte = x_fin + 16;
        texte(p, QPointF(x_texte, y0 - 30), QCoreApplication::translate("Figures", "intervalle %1 ms").arg(decimale(pos / 6.0, 1)),
              Qt::AlignLeft | Qt::AlignVCenter, police(13, true), encre);
        const QString seconde = e.seconde_reponse
            ? QCoreApplication::translate("Figures", "2\u1d49 réponse : %1 %").arg(static_cast<int>(std::lround(100 * e.fact2)))
            : QCoreApplication::translate("Figures", "pas de 2\u1d49 réponse");
        texte(p, QPointF(x_texte, y0 - 12), seconde, Qt::AlignLeft | Qt::AlignVCenter, police(12, true), couleur);
    }

    texte_vertical(p, QPointF(20, (haut + bas) / 2), QCoreApplication::translate("Figures", "potentiel enregistré (unités arbitraires)"),
                   police(13), encre);
    axe_temps(p, x0, px_ms, t_max, bas + 6, QCoreApplication::translate("Figures", "temps après la première stimulation S1 (ms)"));

    elements_legende(p, hauteur - 20,
                     {{marine, QCoreApplication::translate("Figures", "réponse normale")},
                      {orange, QCoreApplication::translate("Figures", "période réfractaire relative")},
                      {rouge, QCoreApplication::translate("Figures", "période réfractaire absolue")},
                      {vert_stimulation, QCoreApplication::translate("Figures", "S1, S2 : stimulations")}},
                     largeur);
    return image;
}

// Single stimulations at growing intensities, overlaid, with the amplitude
// against the intensity in an inset.
QImage figure_recrutement(const PotentielEss0& pot)
{
    const int largeur = 760, hauteur = 520;
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    titre(p, largeur, QCoreApplication::translate("Figures", "Recrutement des fibres : intensité croissante"),
          QCoreApplication::translate("Figures", "Une stimulation par enregistrement ; électrode 2 hors du nerf : enregistrement "
                         "monophasique sous l'électrode 1"));

    const int intensites[] = {15, 20, 30, 40, 50, 60, 70, 100}; // hundredths of a volt
    const int n = static_cast<int>(std::size(intensites));
    std::vector<Enregistrement> enr;
    for (int i : intensites)
        enr.push_back(enregistrer(pot, i, false, 50));
    const double crete_maxi = enr.back().crete;

    // Main plot, the whole width: the inset lies in its upper right corner,
    // where every trace is back under 0 mV.
    const double x0 = 80, t_max = 9, x_fin = 744;
    const double px_ms = (x_fin - x0) / t_max;
    const double mv_min = -10, mv_max = 65, haut = 74, bas = 420;
    const double px_mv = (bas - haut) / (mv_max - mv_min);
    const double y0 = bas + mv_min * px_mv; // 0 mV
    auto y_mv = [&](double mv) { return y0 - mv * px_mv; };

    p.setPen(QPen(gris_grille, 1));
    for (int t = 0; t <= static_cast<int>(t_max); ++t)
        p.drawLine(QPointF(x0 + t * px_ms, haut), QPointF(x0 + t * px_ms, bas));
    for (int mv = -10; mv <= 60; mv += 10)
        p.drawLine(QPointF(x0, y_mv(mv)), QPointF(x_fin, y_mv(mv)));
    p.setPen(QPen(gris_axe, 1.2));
    p.drawLine(QPointF(x0, haut - 4), QPointF(x0, bas));
    for (int mv = -10; mv <= 60; mv += 10) {
        p.setPen(QPen(gris_axe, 1.2));
        p.drawLine(QPointF(x0 - 5, y_mv(mv)), QPointF(x0, y_mv(mv)));
        texte(p, QPointF(x0 - 8, y_mv(mv)), QString::number(mv), Qt::AlignRight | Qt::AlignVCenter, police(12),
              encre);
    }
    p.setPen(QPen(QColor(160, 160, 170), 1));
    p.drawLine(QPointF(x0, y0), QPointF(x_fin, y0));
    texte_vertical(p, QPointF(22, (haut + bas) / 2), QCoreApplication::translate("Figures", "potentiel enregistré (unités arbitraires)"),
                   police(13), encre);
    axe_temps(p, x0, px_ms, t_max, bas, QCoreApplication::translate("Figures", "temps après la stimulation S (ms)"));
    stimulation(p, x0, y0, QStringLiteral("S"));

    // From light to dark as the intensity grows; below the threshold, grey.
    auto couleur = [&](int k) {
        if (enr[static_cast<std::size_t>(k)].crete <= 0)
            return QColor(150, 150, 150);
        const double f = std::clamp((intensites[k] - 20) / 50.0, 0.0, 1.0);
        return QColor(static_cast<int>(std::lround(110 - 110 * f)), static_cast<int>(std::lround(175 - 175 * f)),
                      static_cast<int>(std::lround(235 - 107 * f)));
    };

    // Labels on the left of the rising phase, where every trace is still flat.
    const double x_etiquette = x0 + 3.85 * px_ms;
    p.save();
    p.setClipRect(QRectF(x0, haut - 10, x_fin - x0, bas - haut + 10));
    for (int k = 0; k < n; ++k) {
        const Enregistrement& e = enr[static_cast<std::size_t>(k)];
        const bool identique_precedente = k > 0 && e.mv == enr[static_cast<std::size_t>(k - 1)].mv;
        QPen trait(couleur(k), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        if (identique_precedente) {
            // The same trace as the one before (the maximum): dashed on it.
            trait.setColor(encre);
            trait.setWidthF(1.6);
            trait.setDashPattern({3, 3});
        }
        p.setPen(trait);
        p.drawPolyline(courbe(e, x0, px_ms, y0, px_mv));
    }
    p.restore();
    for (int k = 0; k < n; ++k) {
        const Enregistrement& e = enr[static_cast<std::size_t>(k)];
        const bool identique_precedente = k > 0 && e.mv == enr[static_cast<std::size_t>(k - 1)].mv;
        const QString volts = decimale(intensites[k] / 100.0, 2) + QStringLiteral(" V");
        if (e.crete <= 0) {
            texte(p, QPointF(x_etiquette, y_mv(4)), volts + QCoreApplication::translate("Figures", " : pas de réponse"),
                  Qt::AlignRight | Qt::AlignVCenter, police(12, true), couleur(k));
            continue;
        }
        if (k + 1 < n && enr[static_cast<std::size_t>(k + 1)].mv == e.mv)
            continue; // labelled with the next one
        const double xc = x0 + temps_ms(e.j_crete) * px_ms, yc = y_mv(e.crete);
        p.setPen(QPen(QColor(150, 150, 160), 1, Qt::DotLine));
        p.drawLine(QPointF(x_etiquette + 3, yc), QPointF(xc - 5, yc));
        QString nom = volts;
        if (identique_precedente)
            nom = decimale(intensites[k - 1] / 100.0, 2) + QCoreApplication::translate("Figures", " V et ") + volts;
        texte(p, QPointF(x_etiquette, yc),
              QCoreApplication::translate("Figures", "%1 : %2 u. a.").arg(nom).arg(static_cast<int>(std::lround(e.crete))),
              Qt::AlignRight | Qt::AlignVCenter, police(12, true), identique_precedente ? encre : couleur(k));
    }

    // The inset: amplitude against intensity.
    const QRectF cadre(x0 + 5.6 * px_ms, haut + 2, x_fin - 2 - (x0 + 5.6 * px_ms), 262);
    p.setPen(QPen(QColor(180, 184, 196), 1));
    p.setBrush(QColor(248, 249, 252));
    p.drawRoundedRect(cadre, 6, 6);
    p.setBrush(Qt::NoBrush);
    texte(p, QPointF(cadre.center().x(), cadre.top() + 8), QCoreApplication::translate("Figures", "Amplitude de la réponse"),
          Qt::AlignHCenter | Qt::AlignTop, police(13, true), encre);
    texte(p, QPointF(cadre.center().x(), cadre.top() + 26), QCoreApplication::translate("Figures", "selon l'intensité de stimulation"),
          Qt::AlignHCenter | Qt::AlignTop, police(12), gris_texte);

    const double ix0 = cadre.left() + 46, ix1 = cadre.right() - 16;
    const double iy0 = cadre.bottom() - 44, iy1 = cadre.top() + 62; // 0 and 70 units
    auto ix = [&](double volts) { return ix0 + volts * (ix1 - ix0); };
    auto iy = [&](double mv) { return iy0 - mv / 70 * (iy0 - iy1); };
    p.setPen(QPen(gris_grille, 1));
    for (int mv = 20; mv <= 60; mv += 20)
        p.drawLine(QPointF(ix0, iy(mv)), QPointF(ix1, iy(mv)));
    p.setPen(QPen(gris_axe, 1.2));
    p.drawLine(QPointF(ix0, iy0), QPointF(ix1, iy0));
    p.drawLine(QPointF(ix0, iy0), QPointF(ix0, iy1 - 4));
    for (int d = 0; d <= 10; d += 2) {
        const double x = ix(d / 10.0);
        p.setPen(QPen(gris_axe, 1.2));
        p.drawLine(QPointF(x, iy0), QPointF(x, iy0 + 4));
        texte(p, QPointF(x, iy0 + 5), d == 0 ? QStringLiteral("0") : d == 10 ? QStringLiteral("1") : decimale(d / 10.0, 1),
              Qt::AlignHCenter | Qt::AlignTop, police(11), encre);
    }
    for (int mv = 0; mv <= 60; mv += 20) {
        p.setPen(QPen(gris_axe, 1.2));
        p.drawLine(QPointF(ix0 - 4, iy(mv)), QPointF(ix0, iy(mv)));
        texte(p, QPointF(ix0 - 6, iy(mv)), QString::number(mv), Qt::AlignRight | Qt::AlignVCenter, police(11), encre);
    }
    texte(p, QPointF((ix0 + ix1) / 2, iy0 + 21), QCoreApplication::translate("Figures", "intensité (V)"), Qt::AlignHCenter | Qt::AlignTop,
          police(12), encre);
    texte_vertical(p, QPointF(cadre.left() + 12, (iy0 + iy1) / 2), QCoreApplication::translate("Figures", "amplitude (u. a.)"), police(12), encre);

    // Threshold and maximum.
    p.setPen(QPen(rouge, 1.2, Qt::DashLine));
    p.drawLine(QPointF(ix(0.20), iy0), QPointF(ix(0.20), iy(crete_maxi + 6)));
    texte(p, QPointF(ix(0.20) + 4, iy(crete_maxi + 6)), QCoreApplication::translate("Figures", "seuil"), Qt::AlignLeft | Qt::AlignVCenter,
          police(11, true), rouge);
    p.setPen(QPen(marine, 1.2, Qt::DashLine));
    p.drawLine(QPointF(ix(0.70), iy(crete_maxi)), QPointF(ix(0.70), iy0));
    texte(p, QPointF(ix(0.70), iy(crete_maxi) - 4), QCoreApplication::translate("Figures", "maximum"), Qt::AlignHCenter | Qt::AlignBottom,
          police(11, true), marine);

    // The model at every whole hundredth of a volt, broken at the threshold.
    QPolygonF trace;
    double precedente = 0;
    p.setPen(QPen(QColor(120, 150, 200), 1.6));
    for (int i = 0; i <= 100; ++i) {
        const double a = enregistrer(pot, i, false, 50).crete;
        if (i > 0 && std::abs(a - precedente) > 4) {
            p.drawPolyline(trace);
            trace.clear();
        }
        trace << QPointF(ix(i / 100.0), iy(a));
        precedente = a;
    }
    p.drawPolyline(trace);
    for (int k = 0; k < n; ++k) {
        p.setPen(QPen(Qt::white, 1.2));
        p.setBrush(enr[static_cast<std::size_t>(k)].crete <= 0 ? QColor(150, 150, 150) : couleur(k));
        p.drawEllipse(QPointF(ix(intensites[k] / 100.0), iy(enr[static_cast<std::size_t>(k)].crete)), 4.5, 4.5);
    }
    p.setBrush(Qt::NoBrush);

    // What to read in it.
    const QRectF explication(40, bas + 48, largeur - 80, hauteur - bas - 52);
    p.setFont(police(13));
    p.setPen(encre);
    p.drawText(explication, Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop,
               fr(QCoreApplication::translate("Figures", "Sous le seuil (0.20 V), aucune fibre ne répond. Au seuil, la réponse vaut déjà 0.2 / 0.7, "
                                 "environ 29\u00a0% de la réponse maximale dans ce modèle ; au-delà, elle croît avec l'intensité : de "
                                 "plus en plus de fibres sont recrutées. À partir de 0.70 V, toutes les fibres "
                                 "répondent : l'amplitude ne change plus. Unités arbitraires, comme à l'écran.")));
    return image;
}

// The viewer writes the picture's title over its lowest 30 pixels: they
// are left blank below the figure.
QImage avec_bande_titre(const QImage& figure)
{
    QImage image(figure.width(), figure.height() + 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.drawImage(0, 0, figure);
    return image;
}

bool ecrire(const QImage& figure, const QString& chemin, bool png)
{
    const QImage image = avec_bande_titre(figure);
    const QByteArray jpeg = quillon::ecrire_jpeg(image, 90);
    QFile f(chemin);
    if (jpeg.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(jpeg) != jpeg.size()) {
        std::fprintf(stderr, "quillon_figures: cannot write %s\n", qPrintable(chemin));
        return false;
    }
    if (png) {
        const QString nom_png = chemin.left(chemin.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".png");
        if (!image.save(nom_png, "PNG")) {
            std::fprintf(stderr, "quillon_figures: cannot write %s\n", qPrintable(nom_png));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Runs during the build, with no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments().mid(1);
    const bool png = args.contains(QStringLiteral("--png"));
    QStringList chemins = args;
    chemins.removeAll(QStringLiteral("--png"));
    // The captions in another language: the program's translation of them.
    QTranslator traducteur;
    if (const qsizetype i = chemins.indexOf(QStringLiteral("--traduction")); i >= 0 && i + 1 < chemins.size()) {
        if (!traducteur.load(chemins[i + 1])) {
            std::fprintf(stderr, "quillon_figures: cannot read %s\n", qPrintable(chemins[i + 1]));
            return 1;
        }
        QCoreApplication::installTranslator(&traducteur);
        traduit = true;
        chemins.remove(i, 2);
    }
    if (chemins.size() != 2) {
        std::fprintf(stderr, "usage: quillon_figures <ess0.nst> <output folder> [--png] [--traduction <quillon_xx.qm>]\n");
        return 2;
    }
    PotentielEss0 pot{};
    if (!quillon::lec_fic_ess0(chemins[0], pot)) {
        std::fprintf(stderr, "quillon_figures: cannot read %s\n", qPrintable(chemins[0]));
        return 1;
    }
    const QDir dossier(chemins[1]);
    if (!dossier.exists() && !QDir().mkpath(chemins[1])) {
        std::fprintf(stderr, "quillon_figures: cannot create folder %s\n", qPrintable(chemins[1]));
        return 1;
    }
    const bool ok = ecrire(figure_refractaire(pot), dossier.filePath(QStringLiteral("refract.jpg")), png)
        && ecrire(figure_recrutement(pot), dossier.filePath(QStringLiteral("recrut.jpg")), png);
    return ok ? 0 : 1;
}
