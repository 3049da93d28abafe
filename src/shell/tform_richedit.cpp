#include "tform_richedit.h"

#include "ui_tform_richedit.h"

#include "common/polices.h"

namespace quillon {

// The rich-text viewer that steps through a document line by line.
TForm_richedit::TForm_richedit(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TForm_richedit>())
{
    ui_->setupUi(this);
    polices_en_pixels(this);
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
}

TForm_richedit::~TForm_richedit() = default;

} // namespace quillon
