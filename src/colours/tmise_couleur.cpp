#include "tmise_couleur.h"

#include "ui_tmise_couleur.h"

#include "colours/couleurs.h"
#include "common/focus.h"
#include "common/polices.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace quillon {

Tmise_couleur::Tmise_couleur(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::Tmise_couleur>())
{
    ui_->setupUi(this);
    polices_en_pixels(this);
    setFixedSize(388, 179);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->geometry().center() - rect().center());
    connect(ui_->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->HelpBtn, &QPushButton::clicked, this, [this] {
        auto* aide = new QMessageBox(QMessageBox::Information, QCoreApplication::translate("Tmise_couleur", "Aide"),
                                     QCoreApplication::translate("Tmise_couleur", "Les trois barres mélangent du rouge, du vert et du bleu : "
                                                    "la case montre la couleur obtenue (plus un curseur est haut, "
                                                    "plus sa couleur est forte : les trois en haut donnent le "
                                                    "blanc, les trois en bas le noir).\n\n"
                                                    "« OK » peint le fond de la page affichée de cette couleur ; "
                                                    "elle est gardée et revient au prochain démarrage. "
                                                    "« Annuler » laisse la couleur d'avant."),
                                     QMessageBox::Ok, this);
        aide->setObjectName(QStringLiteral("AideCouleurs"));
        aide->setAttribute(Qt::WA_DeleteOnClose);
        aide->open();
    });
    for (QScrollBar* s : {ui_->scroll_rouge, ui_->Scroll_vert, ui_->Scroll_bleu}) {
        connect(s, &QScrollBar::valueChanged, this, &Tmise_couleur::mise_en_couleur);
        montrer_focus(s);
    }
    ui_->OKBtn->setFocus();
}

Tmise_couleur::~Tmise_couleur() = default;

void Tmise_couleur::mise_en_couleur()
{
    couleur = melange(ui_->scroll_rouge->value(), ui_->Scroll_vert->value(), ui_->Scroll_bleu->value());
    peindre_apercu();
}

void Tmise_couleur::montrer_couleur()
{
    peindre_apercu();
    const Composantes k = decomposer(couleur);
    ui_->scroll_rouge->setValue(position_curseur(k.rouge));
    ui_->Scroll_vert->setValue(position_curseur(k.vert));
    ui_->Scroll_bleu->setValue(position_curseur(k.bleu));
}

void Tmise_couleur::peindre_apercu()
{
    QPalette p = ui_->Group_ess_coul->palette();
    p.setColor(QPalette::Window, couleur_rgb(couleur, QColor(240, 240, 240)));
    ui_->Group_ess_coul->setPalette(p);
}

} // namespace quillon
