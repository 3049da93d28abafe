#pragma once
// Options > "Taille d'affichage": the sizes that fit the screen, the choice
// kept in the user's settings, and the restart that applies it, asked for
// and never losing an unsaved sequence silently.
#include <QObject>
#include <QSize>
#include <QString>

class QAction;
class QMenu;

namespace quillon {

class TForm1;
class Lanceur;

// The menu's entries the command drives.
struct MenuTaille {
    QMenu* menu;
    QAction* taille100;
    QAction* taille125;
    QAction* taille150;
    QAction* taille200;
    QAction* agrandir;
    QAction* reduire;
    // The entry of a size (100 for any other).
    QAction* action(int taille) const;
};

class CommandeTaille : public QObject {
public:
    // The restart starts `programme` through `lanceur` (empty: this program).
    CommandeTaille(TForm1& fenetre, const MenuTaille& menu, Lanceur& lanceur, const QString& programme);

    // The menu's sizes, and Ctrl++ / Ctrl+- (the next size that fits).
    void choisir(int taille);
    void agrandir();
    void reduire();
    // Checks the size kept and enables the sizes whose window fits.
    void actualiser();
    // Starts the program again and closes this run; when it cannot, says
    // `echec` (by default, that the size applies at the next start).
    void redemarrer(const QString& echec = {});
    // Asks `question`; on "Oui", offers to save an unsaved sequence, then
    // starts again (saying `echec` when it cannot).
    void redemarrer_si_accepte(const QString& question, const QString& echec = {});

private:
    QSize fenetre_a_100() const;
    QSize ecran_a_100() const;

    TForm1& f_;
    MenuTaille menu_;
    Lanceur& lanceur_;
    QString programme_;
    int cochee_; // the size in effect, or the one chosen since
};

} // namespace quillon
