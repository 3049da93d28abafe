#pragma once
// What the report and the pictures' menus read of the main window's pages:
// the rules of each page, the pictures each draws for paper, the dialogs and
// the printer the window was given.
#include "outputs/travail.h"
#include "common/dialogues.h"
#include "shell/services.h"

namespace quillon {

class TForm1;

class TravailFenetre : public Travail {
public:
    TravailFenetre(TForm1& fenetre, const Services& services) : f_(fenetre), services_(services) {}

    bool page_vue(Page p) const override;
    const ExerciceLegendes& exercice_legendes() const override;
    QImage dessin_legendes() const override;
    ReglagesStimulation reglages_stimulation() const override;
    std::vector<QuestionRemplie> questions() const override;
    std::vector<QImage> images_stimulation() const override;
    const EquilibresIoniques& equilibres() const override;
    std::vector<QImage> images_ionique() const override;
    std::vector<ImageExportee> images_exportees() const override;
    Dialogues& dialogues() const override { return *services_.dialogues; }
    bool imprimante_installee() const override { return services_.imprimante_installee(); }
    // The names and class given for the report, kept for the run.
    Identite& eleves() override { return eleves_; }
    QWidget* fenetre() override;

private:
    TForm1& f_;
    const Services& services_;
    Identite eleves_;
};

} // namespace quillon
