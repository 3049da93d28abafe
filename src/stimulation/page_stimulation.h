#pragma once
// The "Stimulation Nerf/Fibre" page: the electrodes dragged along the nerve
// (with the mouse, or moved with the Left and Right keys once focused), the
// stimulator's controls, the recording screen with its rulers, and the
// question sheet with its correction.
#include "common/papier.h"
#include "stimulation/electrodes.h"
#include "stimulation/questions.h"
#include "stimulation/reponse.h"

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

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
    const ReponseStimulation& reponse() const { return reponse_; }
    const PotentielEss0& pot_ess0() const { return pot_ess0_; }
    Forme* electrode(Electrode e) const;
    // The seven marks of the question sheet, in its order.
    std::array<Forme*, 7> cercles() const;

    // Draws the two rulers, once at start-up.
    void affich_grad();
    // Reads the recorded action potential "ess0.nst" of the program folder.
    void lec_fic_ess0(const QString& dossier_prog);

    // Recomputes the recording and draws it.
    void BitBtn22Click();
    void Scroll_i_stimChange();
    void CheckBox1Click();
    void Scroll_tempsChange();
    void Radio_nerfClick();
    void Shape_nerfMouseDown();
    void BitBtn19Click();
    // The pupil's answers as the sheet holds them, and whether "Correction" was pressed.
    ReponsesEleve reponses() const;
    bool correction_demandee() const { return correction_demandee_; }
    // The question sheet as the pupil left it, each answer with its state
    // against the last correction.
    std::vector<QuestionRemplie> feuille() const;

    bool deux_stim() const { return deux_stim_; }
    // The settings on the page now, those of the next recording.
    ReglagesStimulation reglages() const;
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
    PlaceElectrodes places() const;
    // The seven answers as typed, in the sheet's order.
    CorrectionFeuille::Textes textes_reponses() const;
    // The drag's rule: electrode e moved as by the mouse at x, pressed at prise_x.
    void glisser(Electrode e, int x, int prise_x);
    bool touche_electrode(Electrode e, QEvent* evenement);
    void realigner(Electrode e);
    void effacer_ecran();
    int dernier_echantillon() const;

    std::unique_ptr<Ui::PageStimulation> ui_;
    ReponseStimulation reponse_;
    PotentielEss0 pot_ess0_{};
    QImage save_ima_blanc_;
    // The settings of the recording on the screen, none while it is blank.
    std::optional<ReglagesStimulation> trace_;
    CalqueCurseurs* curseurs_;
    CorrectionFeuille correction_;
    bool deux_stim_ = false;
    bool correction_demandee_ = false;
    bool glisse_ = false;
    int prise_x_ = 0;
    int prise_y_ = 0;
};

} // namespace quillon
