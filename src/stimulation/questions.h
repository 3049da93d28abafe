#pragma once
// The question sheet of the stimulation page and its correction. The
// accepted answers do not follow the simulation's settings: they accept both
// the textbook values and what a careful measurement gives on the page's
// own model.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace quillon {

struct ReponsesEleve {
    // The refractory periods, relative and absolute: the item each list
    // shows, -1 for none.
    int periode_relative = -1;
    int periode_absolue = -1;
    // The maximal frequencies those periods allow and the velocity, as typed.
    QString frequence_relative;
    QString frequence_absolue;
    QString vitesse;
    int electrode = -1;       // the stimulating electrode's item, -1 for none
    QString seuil;
};

// One verdict per question, in the sheet's order: relative and absolute
// refractory periods, the two maximal frequencies, the velocity, the
// stimulating electrode, the threshold.
std::array<bool, 7> corriger_reponses(const ReponsesEleve& r);

// The item of the refractory-period lists that a text names as a pupil
// writes a time ("3,33", "3.30", " 2 ms"), rounded to the nearest tenth
// within 0 to 4 ms; -1 when it names none.
int item_refractaire(const QString& texte);

// The item a typed text names among a list's items ("la cathode"), with or
// without its article ("la", "l'"), in any case, with or without accents
// and surrounding blanks; -1 when it names none.
int item_nomme(const QString& texte, const QStringList& items);

// The velocities (m/s, truncated) a careful measurement gives on the
// stimulation page's model, from the lowest to the highest.
struct BandeVitesses {
    int de = 0;
    int a = 0;
};
BandeVitesses vitesses_mesurables();

// The 41 times of the two refractory-period lists: "0", "0.1", ... "4".
QStringList temps_refractaires();

// An answer of the sheet against the last correction: not judged yet,
// judged right or wrong, or changed since it was judged (no verdict then).
enum class EtatReponse { non_corrigee, juste, fausse, modifiee };

// The last correction of the sheet: the answers as they were typed when it
// was asked for, and their verdicts. An answer typed again differently
// (blanks around it aside) no longer has a verdict.
class CorrectionFeuille {
public:
    using Textes = std::array<QString, 7>;
    void corriger(const Textes& textes, const std::array<bool, 7>& justes);
    EtatReponse etat(std::size_t question, const QString& texte) const;

private:
    std::optional<Textes> jugees_;
    std::array<bool, 7> justes_{};
};

// A question of the sheet as the pupil left it: its caption, the answer as
// typed, the unit printed after the box ("" for none) and its state.
struct QuestionRemplie {
    QString question;
    QString reponse;
    QString unite;
    EtatReponse etat = EtatReponse::non_corrigee;
};

} // namespace quillon
