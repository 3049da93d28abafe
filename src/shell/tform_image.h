#pragma once
#include <QDialog>
#include <memory>

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

private:
    std::unique_ptr<Ui::TForm_image> ui_;
};

} // namespace quillon
