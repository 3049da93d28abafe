#pragma once
// The work a report would hold, in a form that compares: the legends laid,
// the correction asked for, the answers typed and their correction, the
// steps recorded or programmed. Empty while nothing was done.
#include <QString>
#include <functional>

namespace quillon {

class ExerciceLegendes;
class PageStimulation;
class EquilibresIoniques;
class Dialogues;

// The stimulation and ionic pages may not be built yet (null): nothing was done there.
QString empreinte_travail(const ExerciceLegendes& legendes, const PageStimulation* stimulation,
                          const EquilibresIoniques* ionique);

// What is asked before the work of the window's pages is lost (a close, a
// restart): the sequence no file holds, then the work no report holds.
class GardeTravail {
public:
    // `empreinte` gives the work now; `sequence_gardee` asks about the
    // sequence (true when it may go); `compte_rendu` saves the report.
    GardeTravail(std::function<QString()> empreinte, std::function<bool(const QString&)> sequence_gardee,
                 std::function<bool()> compte_rendu, Dialogues& dialogues)
        : empreinte_(std::move(empreinte)), sequence_gardee_(std::move(sequence_gardee)),
          compte_rendu_(std::move(compte_rendu)), dialogues_(dialogues) {}
    // A report saved or printed (`fait`) holds the work as it is now.
    void compte_rendu_fait(bool fait);
    // The two questions, in their order (the second offers "Compte rendu...");
    // false when the pupil keeps the window.
    bool rien_a_perdre(const QString& question_sequence, const QString& question_compte_rendu);

private:
    std::function<QString()> empreinte_;
    std::function<bool(const QString&)> sequence_gardee_;
    std::function<bool()> compte_rendu_;
    Dialogues& dialogues_;
    QString au_compte_rendu_;
};

} // namespace quillon
