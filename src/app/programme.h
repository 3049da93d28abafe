#pragma once
// The program's five windows, created in this order and living until the end.
#include "app/tform1.h"
#include "colours/tmise_couleur.h"
#include "shell/taboutbox.h"
#include "shell/tform_image.h"
#include "shell/tform_richedit.h"

namespace quillon {

struct Programme {
    explicit Programme(const QString& dossier = dossier_programme()) : Form1(dossier)
    {
        Form1.definir_fenetres(&AboutBox, &mise_couleur, &Form_image, &Form_richedit);
    }
    TForm1 Form1;
    Tmise_couleur mise_couleur;
    TAboutBox AboutBox;
    TForm_image Form_image;
    TForm_richedit Form_richedit;
};

} // namespace quillon
