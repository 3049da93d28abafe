#pragma once
#include <QDialog>
#include <memory>

namespace Ui {
class TForm_richedit;
}

namespace quillon {

class TForm_richedit : public QDialog {
    Q_OBJECT
public:
    explicit TForm_richedit(QWidget* parent = nullptr);
    ~TForm_richedit() override;
    Ui::TForm_richedit* ui() const { return ui_.get(); }

private:
    std::unique_ptr<Ui::TForm_richedit> ui_;
};

} // namespace quillon
