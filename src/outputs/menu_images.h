#pragma once
// Pictures and values out of the pages, for worksheets and reports: a
// context menu on a picture with "Copier l'image", "Enregistrer l'image..."
// (PNG) and, where the page has values behind the picture, "Exporter les
// valeurs..." (a table for French spreadsheets). It opens with the right
// button, or with the Menu key or Shift+F10 on the picture, which Tab and a
// click give the focus to. The picture is the one on screen, with the marks,
// rulers and scale that belong to it. Files are written whole or not at all.
#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace quillon {

class Dialogues;
class Travail;

class MenuSorties : public QObject {
    Q_OBJECT
public:
    struct Source {
        const char* page;                    // begins the names proposed, translated ("stimulation")
        std::function<QImage()> image;       // the picture as shown
        std::function<QByteArray()> valeurs; // the table, empty when there is none now; no function: no item
    };

    // The menu on each of the controls (one at a time shows the picture).
    MenuSorties(const std::vector<QWidget*>& controles, Source source, std::function<Dialogues*()> dialogues,
                QObject* parent);

    // The part of the window that the controls cover, as it shows, with
    // whatever lies over them there (only the visible ones count).
    static QImage vue(const std::vector<QWidget*>& controles);

    QMenu* menu() const { return menu_; }
    void copier();
    void enregistrer_image();
    void exporter_valeurs();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void ouvrir(QWidget* controle, QPoint position);
    void enregistrer(const QString& nom_dialogue, const QString& extension, const QString& filtre,
                     const std::function<bool(QIODevice&)>& ecrire);

    Source source_;
    std::function<Dialogues*()> dialogues_;
    QMenu* menu_;
    QAction* exporter_ = nullptr;
};

// The menus of the main window's pictures: the stimulation screen and the
// recorder's chart (with their values), the home page's nerve cell and the
// animation's compartments; the file dialogs and messages go through the
// file commands' ones.
void brancher_sorties(Travail& f);

} // namespace quillon
