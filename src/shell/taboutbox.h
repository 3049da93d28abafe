#pragma once
#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBox;
}

namespace quillon {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;
    Ui::TAboutBox* ui() const { return ui_.get(); }

private:
    std::unique_ptr<Ui::TAboutBox> ui_;
};

} // namespace quillon
