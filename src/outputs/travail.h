#pragma once
// What the outputs (the report, the pictures' menus) read of the practical:
// the pages, the home page's drawing and score, the pupils' names and the
// dialogs. The main window gives it.
#include <QString>

class QWidget;

namespace quillon {

class Dialogues;
class PageAccueil;
class PageIonique;
class PageStimulation;
struct Identite;

class Travail {
public:
    virtual ~Travail() = default;
    virtual PageAccueil& accueil() const = 0;
    virtual PageStimulation& stimulation() const = 0;
    virtual PageIonique& ionique() const = 0;
    // Whether the page of that index was shown at least once.
    virtual bool page_vue(int i) const = 0;
    virtual Dialogues& dialogues() const = 0;
    // The home page's nerve-cell drawing and the score label's text.
    virtual QWidget* dessin_neurone() const = 0;
    virtual QString score() const = 0;
    // Who hands the report in, remembered for the run.
    virtual Identite& eleves() = 0;
    // The window the dialogs open over.
    virtual QWidget* fenetre() = 0;
};

} // namespace quillon
