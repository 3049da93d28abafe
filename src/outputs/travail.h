#pragma once
// What the outputs (the report, the pictures' menus) read of the practical,
// as the rules hold it: the legends' exercise, the stimulation's settings
// and question sheet, the ionic equilibria and their recorder, which pages
// were seen; the pictures each page draws for paper or offers to copy; the
// pupils' names, the dialogs and the printer check. The main window gives it.
#include "common/page.h"
#include "common/papier.h"
#include "ionic/equilibres.h"
#include "stimulation/questions.h"
#include "stimulation/reponse.h"

#include <QImage>
#include <vector>

class QWidget;

namespace quillon {

class Dialogues;
class ExerciceLegendes;
struct Identite;

class Travail {
public:
    virtual ~Travail() = default;
    // Whether the page was shown at least once, however it was reached.
    virtual bool page_vue(Page p) const = 0;
    // The labelling exercise; its drawing with every legend laid, in its colour.
    virtual const ExerciceLegendes& exercice_legendes() const = 0;
    virtual QImage dessin_legendes() const = 0;
    // The stimulation's settings now, its question sheet; the nerve and the screen for paper.
    virtual ReglagesStimulation reglages_stimulation() const = 0;
    virtual std::vector<QuestionRemplie> questions() const = 0;
    virtual std::vector<QImage> images_stimulation() const = 0;
    // The ionic equilibria and the recorder; the vessel and the chart for paper.
    virtual const EquilibresIoniques& equilibres() const = 0;
    virtual std::vector<QImage> images_ionique() const = 0;
    // The pictures the pages offer to copy, save and export.
    virtual std::vector<ImageExportee> images_exportees() const = 0;
    virtual Dialogues& dialogues() const = 0;
    // Whether a printer is installed.
    virtual bool imprimante_installee() const = 0;
    // Who hands the report in, remembered for the run.
    virtual Identite& eleves() = 0;
    // The window the dialogs open over.
    virtual QWidget* fenetre() = 0;
};

} // namespace quillon
