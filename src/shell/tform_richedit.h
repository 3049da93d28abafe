#pragma once
// The viewer that steps through the test phases' script line by line: the
// current line yellow, passed numbered items silver, other passed lines white.
#include "shell/pas_a_pas.h"

#include <QDialog>
#include <QTextCursor>
#include <memory>
#include <optional>

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

    // The index of the highlighted line, -1 before the first step; it
    // survives closing and reloading.
    int ligne_doc() const { return pas_.ligne_doc; }

    // "Phases de test": loads "phases_demo.rtf" of the program folder (the
    // user's copy instead, once saved, when the program folder cannot be
    // written), puts the viewer at the top-left of the screen and the main
    // window beside it.
    // A file missing or that cannot be opened is reported.
    void ouvrir_phases(const QString& dossier_prog, QWidget* fenetre_principale);
    void BitBtn1Click() { bas_haut(-1); }
    void btn_basClick() { bas_haut(+1); }
    void bas_haut(int d);
    // Pop-up "Enregistrer": the text back into the file, as rich text (the
    // user's copy when the program folder cannot be written); the message to
    // show when it cannot be written.
    std::optional<QString> Enregistrer1Click();

    // The user's copy of the script, in the user's data folder.
    static QString copie_utilisateur();

    // Left edge of a main window `largeur_principale` wide placed beside the
    // viewer, on a screen whose available area is `ecran`.
    static int position_a_cote(int largeur_visionneuse, int largeur_principale, const QRect& ecran);
    // The viewer's client width beside a main window `largeur_principale`
    // wide on a screen `ecran` wide, its frame adding `cadre`: at most its
    // design's width, at least a readable one; 0 when there is no room.
    static int largeur_a_cote(int ecran, int largeur_principale, int cadre);
    static constexpr int largeur_dessin = 359, hauteur_dessin = 442, largeur_lisible = 280;

    // The text box's laid-out lines.
    QStringList lignes() const;

signals:
    void erreur(const QString& message);

protected:
    // A window manager gives the window its frame after it has shown: the
    // main window is placed beside the frame once it is known.
    void moveEvent(QMoveEvent* e) override;
    // The arrow keys step as the two buttons do.
    bool eventFilter(QObject* objet, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // The main window beside the viewer's outer width, when that changed.
    void placer_principale();
    // The viewer's width for the screen and the main window; true when it changed.
    bool retrecir();
    int largeur_placee_ = -1;
    bool a_cote_ = false; // beside the main window, nothing over it
    bool garder_clavier_ = false; // a step from the viewer's keys

    std::unique_ptr<Ui::TForm_richedit> ui_;
    PasAPas pas_;
    QString fichier_; // where "Enregistrer" writes
    QWidget* fenetre_principale_ = nullptr;
    QTextCursor selection_; // the line highlighted by the last step
};

} // namespace quillon
