#pragma once
// The notebook's tab row: tabs share one row evenly and report a click
// when the button is released.
#include <QTabBar>

namespace quillon {

class BarreOnglets : public QTabBar {
    Q_OBJECT
public:
    explicit BarreOnglets(QWidget* parent = nullptr);
    int ongletsParLigne = 6;
    // Reports the pupil's choice when the page is no longer `avant`.
    void signalerChangement(int avant);

signals:
    // The pupil chose a tab: the left button was released over a tab, after
    // its page was shown (also when it was shown already), or a key or the
    // wheel changed the page. A page set by the program says nothing.
    void clicOnglet(int index);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
#if QT_CONFIG(wheelevent)
    void wheelEvent(QWheelEvent* e) override;
#endif
};

} // namespace quillon
