#include "mise_en_page_rapport.h"

#include "common/langue.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <cmath>

namespace quillon {

namespace {

// Lays the report out page by page; with no painter it only counts pages.
class MiseEnPage {
public:
    MiseEnPage(QPagedPaintDevice& sortie, QPainter* p, const Identite& qui, const QDateTime& quand, int total,
               const QPageRanges& pages)
        : sortie_(sortie), p_(p), qui_(qui), quand_(quand), total_(total), pages_(pages)
    {
        const QPageLayout mise = sortie.pageLayout();
        zone_ = mise.paintRectPixels(sortie.logicalDpiX());
        zone_.moveTo(0, 0);
        mm_ = sortie.logicalDpiX() / 25.4;
    }

    int pages() const { return page_; }
    int pages_dessinees() const { return dessinees_; }

    // The next page; drawn only when it is in the range asked for.
    void nouvelle_page()
    {
        ++page_;
        trait_ = p_ != nullptr && (pages_.isEmpty() || pages_.contains(page_)) ? p_ : nullptr;
        if (trait_ != nullptr && dessinees_++ > 0)
            sortie_.newPage();
        y_ = 0;
        entete();
    }

    void titre(const QString& t)
    {
        texte(t, 14, true);
        y_ += mm(2);
    }

    void texte(const QString& t, double points = 10.5, bool gras = false)
    {
        QFont police(QStringLiteral("Liberation Sans"));
        police.setPointSizeF(points);
        police.setBold(gras);
        const QFontMetricsF m(police, &sortie_);
        const QRectF cadre = m.boundingRect(QRectF(0, 0, zone_.width(), 1e6), Qt::TextWordWrap, t);
        const double h = std::max(cadre.height(), m.height());
        place(h);
        if (trait_ != nullptr) {
            trait_->setFont(police);
            trait_->setPen(Qt::black);
            trait_->drawText(QRectF(0, y_, zone_.width(), h), Qt::TextWordWrap, t);
        }
        y_ += h + mm(0.8);
    }

    // A picture, as wide as the text at most and no taller than `hauteur_max` millimetres.
    void image(const QImage& image, double hauteur_max)
    {
        const QSizeF taille = image.deviceIndependentSize();
        const double echelle = std::min(zone_.width() / taille.width(), mm(hauteur_max) / taille.height());
        const double h = taille.height() * echelle;
        place(h);
        if (trait_ != nullptr)
            trait_->drawImage(QRectF((zone_.width() - taille.width() * echelle) / 2, y_, taille.width() * echelle, h),
                              image);
        y_ += h + mm(3);
    }

    void tableau(const QStringList& lignes)
    {
        QFont police(QStringLiteral("Liberation Sans"));
        police.setPointSizeF(8.5);
        const QFontMetricsF m(police, &sortie_);
        const double h = m.height() * 1.25;
        const double colonne = zone_.width() / std::max<qsizetype>(1, lignes.front().count(QLatin1Char(';')) + 1);
        // A table that does not fit in the room left but fits on a page
        // starts on a new one, rather than leave some of its rows apart; one
        // longer than a page starts where at least its header and three
        // rows fit, and leaves no fewer than three rows on its last page.
        const double hauteur = lignes.size() * h;
        if (y_ + hauteur > zone_.height() && y_ > debut_contenu_
            && (hauteur <= zone_.height() - debut_contenu_ || y_ + 4 * h > zone_.height()))
            nouvelle_page();
        for (int i = 0; i < lignes.size(); ++i) {
            const bool seules = lignes.size() - i == 3 && y_ + 3 * h > zone_.height() && y_ > debut_contenu_;
            if (seules)
                nouvelle_page();
            if ((seules || !place(h)) && i > 0) { // the header again on the next page
                if (trait_ != nullptr)
                    ligne_tableau(lignes.front(), h, colonne, police, true);
                y_ += h;
            }
            if (trait_ != nullptr)
                ligne_tableau(lignes[i], h, colonne, police, i == 0);
            y_ += h;
        }
        y_ += mm(3);
    }

private:
    double mm(double n) const { return n * mm_; }

    // Room for h more: a new page when the page is full; false then.
    bool place(double h)
    {
        if (y_ + h <= zone_.height() || y_ <= debut_contenu_)
            return true;
        nouvelle_page();
        return false;
    }

    void ligne_tableau(const QString& ligne, double h, double colonne, QFont police, bool gras)
    {
        police.setBold(gras);
        trait_->setFont(police);
        const QStringList cases = ligne.split(QLatin1Char(';'));
        for (int c = 0; c < cases.size(); ++c) {
            const QRectF r(c * colonne, y_, colonne, h);
            trait_->setPen(QPen(Qt::gray, 0));
            trait_->drawRect(r);
            trait_->setPen(Qt::black);
            trait_->drawText(r, Qt::AlignCenter, cases[c]);
        }
    }

    void entete()
    {
        QFont police(QStringLiteral("Liberation Sans"));
        police.setPointSizeF(8.5);
        const QFontMetricsF m(police, &sortie_);
        if (trait_ != nullptr) {
            trait_->setFont(police);
            trait_->setPen(Qt::black);
        }
        // The names wrap beside the date, never under it.
        const QString date = date_et_heure(quand_, langue_en_cours());
        const QString noms =
            QCoreApplication::translate("MiseEnPageRapport", "%1 — classe : %2")
                .arg(qui_.noms.isEmpty() ? QCoreApplication::translate("MiseEnPageRapport", "(sans nom)") : qui_.noms.simplified(),
                     qui_.classe.isEmpty() ? QStringLiteral("—") : qui_.classe.simplified());
        const double gauche = zone_.width() - m.horizontalAdvance(date) - mm(5);
        const int drapeaux = Qt::AlignLeft | Qt::TextWordWrap;
        const QRectF l2 = m.boundingRect(QRectF(0, m.height(), gauche, 1e6), drapeaux, noms);
        const double bas = m.height() + std::max(m.height(), l2.height());
        if (trait_ != nullptr) {
            const QRectF l1(0, 0, zone_.width(), m.height());
            trait_->drawText(l1, Qt::AlignLeft, QCoreApplication::translate("MiseEnPageRapport", "Quillon %1 — compte rendu").arg(QStringLiteral(QUILLON_VERSION)));
            trait_->drawText(l1, Qt::AlignRight, QCoreApplication::translate("MiseEnPageRapport", "page %1 / %2").arg(page_).arg(total_));
            trait_->drawText(QRectF(0, m.height(), gauche, bas), drapeaux, noms);
            trait_->drawText(QRectF(0, m.height(), zone_.width(), m.height()), Qt::AlignRight, date);
            trait_->setPen(QPen(Qt::black, 0));
            trait_->drawLine(QPointF(0, bas + mm(1)), QPointF(zone_.width(), bas + mm(1)));
        }
        y_ = bas + mm(5);
        debut_contenu_ = y_;
    }

    QPagedPaintDevice& sortie_;
    QPainter* p_;
    QPainter* trait_ = nullptr; // p_ on a page drawn
    const Identite& qui_;
    const QDateTime& quand_;
    int total_;
    QPageRanges pages_;
    int dessinees_ = 0;
    QRect zone_;
    double mm_ = 1;
    int page_ = 0;
    double y_ = 0;
    double debut_contenu_ = 0;
};

MiseEnPage mettre_en_page(QPagedPaintDevice& sortie, QPainter* p, const std::vector<SectionRapport>& sections,
                          const Identite& qui, const QDateTime& quand, int total, const QPageRanges& pages = {})
{
    MiseEnPage m(sortie, p, qui, quand, total, pages);
    if (sections.empty()) {
        m.nouvelle_page();
        m.titre(QCoreApplication::translate("MiseEnPageRapport", "Compte rendu"));
        m.texte(QCoreApplication::translate("MiseEnPageRapport", "Aucune partie du travail pratique n'a encore été faite : ni légendes placées, "
                               "ni stimulation, ni équilibres ioniques."));
        return m;
    }
    for (const SectionRapport& s : sections) {
        m.nouvelle_page();
        m.titre(s.titre);
        for (const QImage& i : s.images)
            m.image(i, s.images.size() > 1 ? 80 : 120);
        for (const QString& l : s.lignes)
            m.texte(l);
        if (!s.tableau.isEmpty())
            m.tableau(s.tableau);
    }
    return m;
}

} // namespace

int pages_compte_rendu(QPagedPaintDevice& sortie, const std::vector<SectionRapport>& sections, const Identite& qui,
                       const QDateTime& quand)
{
    return mettre_en_page(sortie, nullptr, sections, qui, quand, 0).pages();
}

int dessiner_compte_rendu(QPagedPaintDevice& sortie, const std::vector<SectionRapport>& sections,
                          const Identite& qui, const QDateTime& quand, const QPageRanges& pages)
{
    const int total = pages_compte_rendu(sortie, sections, qui, quand);
    QPainter p(&sortie); // painting starts at the margins' corner
    if (!p.isActive())
        return 0;
    return mettre_en_page(sortie, &p, sections, qui, quand, total, pages).pages_dessinees();
}

int imprimer_compte_rendu(QPrinter& imprimante, const std::vector<SectionRapport>& sections, const Identite& qui,
                          const QDateTime& quand)
{
    return dessiner_compte_rendu(imprimante, sections, qui, quand,
                                 imprimante.printRange() == QPrinter::PageRange ? imprimante.pageRanges()
                                                                                : QPageRanges());
}

bool ecrire_compte_rendu(QIODevice& fichier, const std::vector<SectionRapport>& sections, const Identite& qui,
                         const QDateTime& quand)
{
    {
        QPdfWriter pdf(&fichier);
        pdf.setResolution(300);
        pdf.setTitle(QCoreApplication::translate("MiseEnPageRapport", "Compte rendu Quillon — %1").arg(qui.noms));
        pdf.setCreator(QStringLiteral("Quillon"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 15),
                                      QPageLayout::Millimeter));
        if (dessiner_compte_rendu(pdf, sections, qui, quand) == 0)
            return false;
    }
    return true;
}

QString nom_compte_rendu(const Identite& qui, const QDate& jour)
{
    QString noms = qui.noms.simplified();
    noms.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\s]+")), QStringLiteral("_"));
    return QCoreApplication::translate("NomsProposes", "compte_rendu_%1%2.pdf")
        .arg(noms.isEmpty() ? QString() : noms + QLatin1Char('_'), jour.toString(Qt::ISODate));
}

} // namespace quillon
