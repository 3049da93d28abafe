#include "tmise_couleur.h"

#include "ui_tmise_couleur.h"

#include "common/polices.h"

namespace quillon {

// The colour mixing dialog.
Tmise_couleur::Tmise_couleur(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::Tmise_couleur>())
{
    ui_->setupUi(this);
    polices_en_pixels(this);
    setFixedSize(388, 179);
    connect(ui_->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

Tmise_couleur::~Tmise_couleur() = default;

} // namespace quillon
