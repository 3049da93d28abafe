#include "taboutbox.h"

#include "ui_taboutbox.h"

#include "common/polices.h"
#include "common/icones.h"

#include <QGuiApplication>
#include <QScreen>

namespace quillon {

// The about box: product and version lines beside the program icon.
TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TAboutBox>())
{
    ui_->setupUi(this);
    polices_en_pixels(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(317, 165);
    ui_->OKButton->setIcon(icone_deux_etats(QStringLiteral(":/art/correction.png")));
    connect(ui_->OKButton, &QPushButton::clicked, this, &QDialog::accept);
    if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
        const QRect r = ecran->geometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
}

TAboutBox::~TAboutBox() = default;

} // namespace quillon
