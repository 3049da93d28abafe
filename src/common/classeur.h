#pragma once
// The notebook of the main window's pages.
#include "common/barre_onglets.h"
#include "common/page.h"

#include <QTabWidget>
#include <optional>

namespace quillon {

class Classeur : public QTabWidget {
    Q_OBJECT
public:
    explicit Classeur(QWidget* parent = nullptr);
    BarreOnglets* barre() const { return barre_; }
    // Selects the page whose caption equals the text; none selects nothing.
    bool selectionnerParLegende(const QString& legende);
    // The page shown (none before the first tab exists); shows a page.
    std::optional<Page> page() const { return page_de_l_onglet(currentIndex()); }
    void montrer(Page p) { setCurrentIndex(onglet(p)); }

protected:
    // Ctrl+Tab and its kin change the page like a click on its tab.
    void keyPressEvent(QKeyEvent* e) override;

private:
    BarreOnglets* barre_;
};

} // namespace quillon
