#pragma once
// The "Stimulation Nerf/Fibre" page: the electrodes dragged along the nerve
// (with the mouse, or moved with the Left and Right keys once focused), the
// stimulator's controls, the recording screen with its rulers, and the
// question sheet with its correction.
#include "common/papier.h"
#include "stimulation/simulation_nerf.h"

#include <QWidget>
#include <array>
#include <memory>

namespace Ui {
class PageStimulation;
}

namespace quillon {

class CalqueCurseurs;
class Forme;

class PageStimulation : public QWidget {
    Q_OBJECT
public:
    explicit PageStimulation(QWidget* parent);
    ~PageStimulation() override;

    Ui::PageStimulation* ui() const { return ui_.get(); }
    // The page's state: what it shows, what the report and the outputs read.
    const SimulationNerf& modele() const { return modele_; }
    const ReponseStimulation& reponse() const { return modele_.reponse(); }
    const PotentielEss0& pot_ess0() const { return modele_.pot_ess0(); }
    Forme* electrode(Electrode e) const;
    // The seven marks of the question sheet, in its order.
    std::array<Forme*, 7> cercles() const;

    // Shows the model's state: electrodes and their wires, the stimulator,
    // the screen and its marks, the sheet's marks.
    void actualiser();
    // Reads the recorded action potential "ess0.nst" of the program folder.
    void lec_fic_ess0(const QString& dossier_prog);

    // The pupil's actions, each handed to the model, then shown.
    // Recomputes the recording and draws it.
    void BitBtn22Click();
    void Scroll_i_stimChange(int position);
    void CheckBox1Click();
    void Scroll_tempsChange(int position);
    void Radio_nerfClick(bool fibre);
    void Shape_nerfMouseDown();
    void BitBtn19Click();
    // The pupil's answers as the sheet holds them, and whether "Correction" was pressed.
    ReponsesEleve reponses() const { return modele_.reponses(); }
    bool correction_demandee() const { return modele_.correction_demandee(); }
    // The question sheet as the pupil left it, each answer with its state
    // against the last correction.
    std::vector<QuestionRemplie> feuille() const;

    bool deux_stim() const { return modele_.deux_stim(); }
    // The settings on the page now, those of the next recording.
    ReglagesStimulation reglages() const { return modele_.reglages(); }
    // For paper: the nerve with its electrodes and its whole centimetre
    // ruler; the recording screen with its marks and whole millisecond ruler.
    QImage image_nerf_papier() const;
    QImage image_ecran_papier() const;
    // The recording screen offered to copy, save and export.
    ImageExportee image_exportee() const;
    // The group boxes the colour mixing paints with the page.
    std::vector<QWidget*> boites_a_colorer() const;
    // The screen's settings and samples for a spreadsheet; empty while the
    // screen is blank.
    QByteArray valeurs() const;

    // Options > "Curseurs de mesure": the cursors on the recording screen.
    void activer_curseurs(bool actifs);
    CalqueCurseurs* curseurs() const { return curseurs_; }

signals:
    // "ess0", the two figures' buttons: the main window opens them.
    void ess0_demande();
    void figure_refractaire_demandee();
    void figure_recrutement_demandee();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // Draws the two rulers.
    void affich_grad();
    template <typename F>
    void faire(F&& action);
    void relier_reponses();
    bool touche_electrode(Electrode e, QEvent* evenement);
    void realigner(Electrode e);
    void montrer_ecran();
    int dernier_echantillon() const;

    std::unique_ptr<Ui::PageStimulation> ui_;
    SimulationNerf modele_;
    QImage save_ima_blanc_;
    CalqueCurseurs* curseurs_;
    unsigned version_montree_ = ~0u;
    int gauche_lab_a_ = 0; // the nerve's end names where the design puts them
    int gauche_lab_b_ = 0;
};

} // namespace quillon
