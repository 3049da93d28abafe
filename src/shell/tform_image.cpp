#include "tform_image.h"

#include "ui_tform_image.h"

#include "common/polices.h"

namespace quillon {

// The picture viewer: a picture with its title drawn over it.
TForm_image::TForm_image(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TForm_image>())
{
    ui_->setupUi(this);
    polices_en_pixels(this);
    setWindowFlags(Qt::Window);
}

TForm_image::~TForm_image() = default;

} // namespace quillon
