#include "controles.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QResource>

#include <charconv>
#include <string_view>

namespace quillon {

QColor couleur_contrastee(const QColor& fond)
{
    // Relative luminance after ITU-R BT.709, on 0..255.
    const double luminance = 0.2126 * fond.red() + 0.7152 * fond.green() + 0.0722 * fond.blue();
    return luminance >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

void cadre_focus(QPainter& p, int x1, int y1, int x2, int y2, const QColor& couleur)
{
    if (x2 - x1 < 3 || y2 - y1 < 3)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(couleur, 1, Qt::CustomDashLine);
    pen.setDashPattern({1, 1});
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // A stroked rectangle reaches one pixel past its width: x1 + 1 to x2 - 2.
    p.drawRect(QRect(x1 + 1, y1 + 1, x2 - x1 - 3, y2 - y1 - 3));
    p.restore();
}

namespace {

// Paints the control first, then its focus frame over it.
class IndicateurFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        auto* w = qobject_cast<QWidget*>(objet);
        if (w == nullptr || evenement->type() != QEvent::Paint || !w->hasFocus())
            return QObject::eventFilter(objet, evenement);
        // The control's own painting, as without this filter.
        static_cast<QObject*>(w)->event(evenement);
        QPainter p(w);
        cadre_focus(p, 0, 0, w->width(), w->height(), couleur_contrastee(w->palette().color(QPalette::Button)));
        return true;
    }
};

} // namespace

void montrer_focus(QWidget* controle)
{
    static IndicateurFocus* indicateur = new IndicateurFocus(QCoreApplication::instance());
    controle->installEventFilter(indicateur);
}

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

// ---- Panneau ---------------------------------------------------------------

Panneau::Panneau(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    setCouleur(couleur_);
}

void Panneau::setCouleur(const QColor& c)
{
    couleur_ = c;
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

} // namespace quillon
