#pragma once
#include <QDialog>
#include <memory>

namespace Ui {
class Tmise_couleur;
}

namespace quillon {

class Tmise_couleur : public QDialog {
    Q_OBJECT
public:
    explicit Tmise_couleur(QWidget* parent = nullptr);
    ~Tmise_couleur() override;
    Ui::Tmise_couleur* ui() const { return ui_.get(); }

private:
    std::unique_ptr<Ui::Tmise_couleur> ui_;
};

} // namespace quillon
