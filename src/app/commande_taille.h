#pragma once
// Options > "Taille d'affichage": the sizes that fit the screen, the choice
// kept in the user's settings, and the restart that applies it, asked for
// and never losing an unsaved sequence silently.
#include <QObject>
#include <QSize>
#include <QString>

namespace quillon {

class TForm1;

class CommandeTaille : public QObject {
public:
    explicit CommandeTaille(TForm1& fenetre);

    // The menu's sizes, and Ctrl++ / Ctrl+- (the next size that fits).
    void choisir(int taille);
    void agrandir();
    void reduire();
    // Checks the size kept and enables the sizes whose window fits.
    void actualiser();
    // The program the restart starts: this one, unless another is named.
    QString programme;
    // Starts the program again and closes this run; when it cannot, says
    // `echec` (by default, that the size applies at the next start).
    void redemarrer(const QString& echec = {});

private:
    QSize fenetre_a_100() const;
    QSize ecran_a_100() const;

    TForm1& f_;
    int cochee_; // the size in effect, or the one chosen since
};

} // namespace quillon
