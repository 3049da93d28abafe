#pragma once
// The colour mixing dialog: three sliders (red, green, blue; full intensity
// at the top) and a preview of the mixed colour.
#include <QDialog>
#include <cstdint>
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

    // The colour last produced by the sliders (0x00BBGGRR).
    std::int32_t couleur = 0;

    // Recomputes the mixed colour from the three sliders and paints the preview.
    void mise_en_couleur();
    // Paints the preview with the mixed colour.
    void peindre_apercu();
    // Shows `couleur`: the preview, and the three sliders at its components.
    void montrer_couleur();

private:
    std::unique_ptr<Ui::Tmise_couleur> ui_;
};

} // namespace quillon
