#include "icones.h"

#include "common/lecture_image.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace quillon {

namespace {

// Qt's own icons read their files, or at least their headers, when made.
class EngineDiffere : public QIconEngine {
public:
    explicit EngineDiffere(std::function<QIcon()> fabrique) : fabrique_(std::move(fabrique)) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icone().paint(p, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& taille, QIcon::Mode mode, QIcon::State state) override
    {
        return icone().pixmap(taille, mode, state);
    }
    QPixmap scaledPixmap(const QSize& taille, QIcon::Mode mode, QIcon::State state, qreal echelle) override
    {
        return icone().pixmap(taille, echelle, mode, state);
    }
    QSize actualSize(const QSize& taille, QIcon::Mode mode, QIcon::State state) override
    {
        return icone().actualSize(taille, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icone().availableSizes(mode, state);
    }
    // Asked by buttons measuring themselves: answered without making it.
    bool isNull() override { return !fabrique_ && icone_.isNull(); }
    QString key() const override { return QStringLiteral("quillon-differee"); }
    QIconEngine* clone() const override { return new EngineDiffere(*this); }

private:
    const QIcon& icone()
    {
        if (fabrique_) {
            icone_ = fabrique_();
            fabrique_ = nullptr;
        }
        return icone_;
    }

    std::function<QIcon()> fabrique_;
    QIcon icone_;
};

} // namespace

QIcon icone_differee(std::function<QIcon()> fabrique)
{
    return QIcon(new EngineDiffere(std::move(fabrique)));
}

QIcon icone_programme()
{
    QIcon icone;
    for (const char* nom : {":/art/quillon.png", ":/art/quillon_48.png"})
        icone.addPixmap(QPixmap::fromImage(lire_image_affichee(QString::fromLatin1(nom))));
    return icone;
}

QIcon icone_deux_etats(const QString& chemin)
{
    const QImage image = lire_image_affichee(chemin);
    QIcon icone;
    if (image.isNull())
        return icone;
    const int moitie = image.width() / 2;
    // copy() keeps the device pixel ratio.
    icone.addPixmap(QPixmap::fromImage(image.copy(0, 0, moitie, image.height())), QIcon::Normal);
    icone.addPixmap(QPixmap::fromImage(image.copy(moitie, 0, moitie, image.height())), QIcon::Disabled);
    return icone;
}

} // namespace quillon
