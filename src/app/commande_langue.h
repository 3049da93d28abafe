#pragma once
// Options > "Langue": one entry per language the program folder has a
// translation for, each named in its own language; the choice is kept in
// the user's settings and applies through the same restart as the display
// size, asked for and never losing an unsaved sequence silently.
#include <QObject>
#include <QString>

class QMenu;

namespace quillon {

class TForm1;
class CommandeTaille;

class CommandeLangue : public QObject {
public:
    // The entries go into `menu`, one per translation in the program folder `dossier_prog`.
    CommandeLangue(TForm1& fenetre, QMenu* menu, CommandeTaille& redemarrage, const QString& dossier_prog);

    // "fr", "en", ...
    void choisir(const QString& code);

private:
    TForm1& f_;
    CommandeTaille& redemarrage_;
    QString dossier_prog_;
};

} // namespace quillon
