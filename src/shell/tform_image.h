#pragma once
// The picture viewer: a JPEG picture with its title drawn over its bottom.
#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class TForm_image;
}

namespace quillon {

class TForm_image : public QDialog {
    Q_OBJECT
public:
    explicit TForm_image(QWidget* parent = nullptr);
    ~TForm_image() override;
    Ui::TForm_image* ui() const { return ui_.get(); }

    // Shows the picture under the title already set; the message to show
    // instead when the file cannot be opened or decoded.
    std::optional<QString> lire_image(const QString& chemin);
    void definir_titre(const QString& titre);

protected:
    // The real frame is known only once the window manager has framed the
    // window: the outer size is set again with it.
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void ajuster(const QMargins& cadre);
    void suivre_cadre();

    std::unique_ptr<Ui::TForm_image> ui_;
    QSize taille_image_;
    QMargins cadre_utilise_;
};

} // namespace quillon
