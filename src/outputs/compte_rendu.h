#pragma once
// The pupil's report ("compte rendu") from the "Fichier" menu.

namespace quillon {

class Travail;

// "Fichier" > "Compte rendu..." and "Imprimer le compte rendu...": the
// names asked for (remembered for the run), then the PDF saved where work
// files go, or the pages sent to a printer; with no printer installed, the
// PDF is offered instead.
// True when the report was saved or printed.
bool Compterendu1Click(Travail& f);
bool Imprimercompterendu1Click(Travail& f);

} // namespace quillon
