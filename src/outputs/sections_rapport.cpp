#include "sections_rapport.h"

#include "common/controles.h"
#include "common/tableur.h"
#include "ionic/page_ionique.h"
#include "labelling/page_accueil.h"
#include "outputs/images_compte_rendu.h"
#include "outputs/travail.h"
#include "stimulation/page_stimulation.h"
#include "stimulation/valeurs_stimulation.h"
#include "ui_page_ionique.h"
#include "ui_page_stimulation.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QCheckBox>
#include <QScrollBar>
#include <cmath>

namespace quillon {

namespace {

// A French document: a decimal comma, whatever the screen or the system writes.
QString virgule(double x, int decimales)
{
    return TableurCsv::nombre(x, decimales);
}

// The distance between two electrodes on the centimetre ruler.
QString cm(int left1, int left2)
{
    return virgule(std::abs(position_cm(left1) - position_cm(left2)), 1) + QStringLiteral(" cm");
}

QString texte_reponse(const QWidget* w)
{
    if (const auto* c = qobject_cast<const QComboBox*>(w))
        return c->currentText();
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    return {};
}

SectionRapport legendes(Travail& f)
{
    SectionRapport s;
    s.titre = QStringLiteral("Légendes du neurone");
    s.images.push_back(image_legendes(f));
    // The score label reads "0 %" from the start: only a correction asked for gives a score.
    const QString score = f.score().trimmed();
    s.lignes << (f.accueil().exercice().correction_demandee() && !score.isEmpty()
                     ? QStringLiteral("Correction : %1").arg(score)
                     : QStringLiteral("Correction : pas encore demandée"));
    return s;
}

SectionRapport stimulation(Travail& f)
{
    PageStimulation& page = f.stimulation();
    Ui::PageStimulation& u = *page.ui();
    SectionRapport s;
    s.titre = QStringLiteral("Stimulation d'un nerf ou d'une fibre");
    s.images.push_back(image_nerf(page));
    s.images.push_back(image_ecran(page));
    const int anode = page.electrode(Electrode::anode)->x();
    const int cathode = page.electrode(Electrode::cathode)->x();
    const int enr1 = page.electrode(Electrode::enr1)->x();
    const int enr2 = page.electrode(Electrode::enr2)->x();
    s.lignes << QStringLiteral("Intensité de stimulation : %1").arg(u.Lab_stim->text().trimmed())
             << QStringLiteral("Polarité : anode à %1 de la cathode").arg(anode < cathode ? "gauche" : "droite")
             << QStringLiteral("Stimulation : %1").arg(u.Radio_nerf_fibre->isChecked() ? "Fibre" : "Nerf")
             << (page.deux_stim()
                     ? QStringLiteral("Seconde stimulation : oui, %1 ms après la première")
                           .arg(virgule(temps_ms(u.Scroll_temps->value()), 2))
                     : QStringLiteral("Seconde stimulation : non"))
             << QStringLiteral("Anode - cathode : %1").arg(cm(cathode, anode))
             << QStringLiteral("Cathode - électrode d'enregistrement 1 : %1").arg(cm(enr1, cathode))
             << QStringLiteral("Électrode d'enregistrement 1 - électrode 2 : %1").arg(cm(enr2, enr1));
    const struct {
        const QWidget* question;
        const QWidget* reponse;
        const QWidget* unite;
    } feuille[] = {{u.Label5, u.pref_rel, u.Label17},     {u.Label6, u.pref_abs, u.Label18},
                   {u.Label7, u.fib_lpr, u.Label19},      {u.Label8, u.fib_cpr, u.Label20},
                   {u.Label23, u.vit_influx, u.Label24},  {u.Label27, u.combo_electrode, nullptr},
                   {u.Label28, u.Edit_seuil, u.Label29}};
    const std::array<Forme*, 7> marques = page.cercles();
    s.lignes << QString();
    for (std::size_t i = 0; i < std::size(feuille); ++i) {
        const auto* q = qobject_cast<const QLabel*>(feuille[i].question);
        const QString reponse = texte_reponse(feuille[i].reponse).trimmed();
        QString ligne = QStringLiteral("%1 %2").arg(q != nullptr ? q->text().trimmed() : QString(),
                                                    reponse.isEmpty() ? QStringLiteral("(sans réponse)") : reponse);
        if (const auto* unite = qobject_cast<const QLabel*>(feuille[i].unite); unite != nullptr && !reponse.isEmpty())
            ligne += QLatin1Char(' ') + unite->text().trimmed();
        const QString verdict = marques[i]->accessibleDescription();
        if (!verdict.isEmpty())
            ligne += QStringLiteral(" — ") + verdict;
        s.lignes << ligne;
    }
    for (QString& l : s.lignes)
        l = virgule_decimale(l);
    return s;
}

SectionRapport ionique(Travail& f)
{
    PageIonique& page = f.ionique();
    Ui::PageIonique& u = *page.ui();
    SectionRapport s;
    s.titre = QStringLiteral("Équilibres ioniques");
    // The values as the page shows them, with their units.
    const struct {
        const Etiquette* etiquette;
        const char* unite;
    } valeurs[] = {{u.lab_ki, ""},  {u.lab_ke, ""},     {u.lab_nai, ""},     {u.lab_nae, ""}, {u.lab_gk, ""},
                   {u.lab_gna, ""}, {u.Label9, " mV"}, {u.Label10, " mV"}, {u.Lab_em, " mV"}};
    for (const auto& v : valeurs) {
        const QString texte = v.etiquette->text().simplified();
        if (v.etiquette->isVisibleTo(u.Ima_pa->parentWidget()) && !texte.isEmpty())
            s.lignes << virgule_decimale(texte.endsWith(QLatin1String(v.unite).trimmed())
                                             ? texte
                                             : texte + QLatin1String(v.unite));
    }
    s.images.push_back(image_cuve(page));
    s.images.push_back(image_graphe(page));
    // The steps the chart holds, recorded or programmed, with the potential it plotted.
    const std::vector<EquilibresIoniques::PasTrace> etapes = page.modele().pas_du_graphe();
    if (!etapes.empty()) {
        s.tableau << EquilibresIoniques::entetes_pas().join(QLatin1Char(';'));
        for (const EquilibresIoniques::PasTrace& e : etapes)
            s.tableau << EquilibresIoniques::cases_pas(e, QStringLiteral("—")).join(QLatin1Char(';'));
    }
    return s;
}

} // namespace

std::vector<SectionRapport> sections_utilisees(Travail& f)
{
    std::vector<SectionRapport> sections;
    const ExerciceLegendes& e = f.accueil().exercice();
    // The score shows from the start: only legends laid on the drawing count.
    bool posees = false;
    for (int k = 1; k <= e.nb_legendes(); ++k)
        posees = posees || e.placement(k).posee != 0;
    if (posees)
        sections.push_back(legendes(f));
    if (f.page_vue(1))
        sections.push_back(stimulation(f));
    if (f.page_vue(2))
        sections.push_back(ionique(f));
    return sections;
}

} // namespace quillon
