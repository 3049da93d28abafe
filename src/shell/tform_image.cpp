#include "tform_image.h"

#include "ui_tform_image.h"

#include "common/lecture_image.h"
#include "common/polices.h"
#include "shell/jpeg.h"
#include "shell/visionneuse.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWindow>

namespace quillon {

TForm_image::TForm_image(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TForm_image>())
{
    ui_->setupUi(this);
    polices_en_pixels(this);
    setWindowFlags(Qt::Window);
    move(292, 128);
}

TForm_image::~TForm_image() = default;

void TForm_image::definir_titre(const QString& titre)
{
    ui_->Label1->setText(titre);
    ui_->Label1->adjustSize();
    // The picture is the figure the title names.
    ui_->Image1->setAccessibleName(titre.isEmpty() ? QCoreApplication::translate("TForm_image", "Figure") : titre);
}

std::optional<QString> TForm_image::lire_image(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("TForm_image", "Impossible d'ouvrir le fichier %1").arg(QDir::toNativeSeparators(chemin));
    const ImageJpeg lue = lire_jpeg(f.readAll());
    if (lue.image.isNull())
        return lue.erreur;
    ui_->Image1->setImage(lue.image);
    ui_->Image1->setGeometry(-1, -1, lue.image.width(), lue.image.height());
    taille_image_ = lue.image.size();

    QMargins cadre = cadre_habituel;
    if (isVisible() && windowHandle() != nullptr && !windowHandle()->frameMargins().isNull())
        cadre = windowHandle()->frameMargins();
    ajuster(cadre);
    ui_->Label1->raise();
    show();
    raise();
    activateWindow();
    return std::nullopt;
}

void TForm_image::ajuster(const QMargins& cadre)
{
    cadre_utilise_ = cadre;
    const GeometrieImage g = geometrie_image(taille_image_, cadre, ui_->Label1->width());
    setFixedSize(g.client);
    ui_->Label1->move(g.titre);
}

void TForm_image::suivre_cadre()
{
    if (!isVisible() || !taille_image_.isValid() || windowHandle() == nullptr)
        return;
    const QMargins cadre = windowHandle()->frameMargins();
    if (!cadre.isNull() && cadre != cadre_utilise_)
        ajuster(cadre);
}

void TForm_image::moveEvent(QMoveEvent* e)
{
    QDialog::moveEvent(e);
    suivre_cadre();
}

void TForm_image::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    suivre_cadre();
}

} // namespace quillon
