#pragma once
// The program's windows: the main one, built at once, and the four others,
// each built at its first use and living until the end.
#include "app/tform1.h"
#include "colours/tmise_couleur.h"
#include "shell/taboutbox.h"
#include "shell/tform_image.h"
#include "shell/tform_richedit.h"

#include <memory>

namespace quillon {

class Programme final : public FenetresAnnexes {
public:
    // The main window is given the other windows with `services`.
    explicit Programme(Services services = {}) : Form1(avec_fenetres(std::move(services), this)) {}

    TForm1 Form1;

    TAboutBox& AboutBox() override { return fenetre(AboutBox_); }
    Tmise_couleur& mise_couleur() override { return fenetre(mise_couleur_); }
    TForm_image& Form_image() override { return fenetre(Form_image_); }
    TForm_richedit& Form_richedit() override
    {
        const bool nouvelle = !Form_richedit_;
        TForm_richedit& f = fenetre(Form_richedit_);
        if (nouvelle)
            QObject::connect(&f, &TForm_richedit::erreur, &Form1, [this](const QString& m) { Form1.afficher_erreur(m); });
        return f;
    }

private:
    static Services avec_fenetres(Services s, FenetresAnnexes* fenetres)
    {
        s.fenetres = fenetres;
        return s;
    }
    template <class Fenetre>
    static Fenetre& fenetre(std::unique_ptr<Fenetre>& f)
    {
        if (!f)
            f = std::make_unique<Fenetre>();
        return *f;
    }

    // Declared after Form1: closed before it.
    std::unique_ptr<TAboutBox> AboutBox_;
    std::unique_ptr<Tmise_couleur> mise_couleur_;
    std::unique_ptr<TForm_image> Form_image_;
    std::unique_ptr<TForm_richedit> Form_richedit_;
};

} // namespace quillon
