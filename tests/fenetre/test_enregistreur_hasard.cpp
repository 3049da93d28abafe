// The recorder driven at random as a pupil would drive it: its buttons, the
// six bars, the ion pictures, the two mode switches and "LANCER", the timers'
// ticks, and a save then open of a work file. After each action the step
// counts stay inside the sequence's 83 steps and a saved file holds the
// program; a failing run prints its seed and the shortest list of actions
// found that still fails.
#include "outils.h"

#include "common/aleatoire.h"
#include "common/image_controle.h"
#include "ionic/page_ionique.h"
#include "ui_page_ionique.h"
#include "workfiles/fichiers_travail.h"

#include <algorithm>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

using namespace quillon;
using namespace quillon::essais;

namespace {

enum class Geste { bouton, barre, image, bascule, tics_courbe, tics_essai, tic_relaxation, tic_anim, sauver_ouvrir };

struct Action {
    Geste geste;
    int a = 0;
    int b = 0;
};

// The action's target and values are drawn here, whatever the page shows
// then: an action the pupil could not do at that moment does nothing.
Action tirer(Aleatoire& h)
{
    const int t = h.random(100);
    if (t < 32)
        return {Geste::bouton, h.random(7)};
    if (t < 50)
        return {Geste::barre, h.random(nb_barres), h.random(301)};
    if (t < 58)
        return {Geste::image, h.random(4), h.random(4)};
    if (t < 61)
        return {Geste::bascule, h.random(3)};
    if (t < 73)
        return {Geste::tics_courbe, 1 + h.random(20)};
    if (t < 91)
        return {Geste::tics_essai, 1 + h.random(30)};
    if (t < 95)
        return {Geste::tic_relaxation};
    if (t < 98)
        return {Geste::tic_anim};
    return {Geste::sauver_ouvrir};
}

std::string decrire(const Action& a)
{
    static const char* const boutons[] = {"Lancer COURBE/STOP", "EFFACER", "Program.COURBE/Fin program.", "<--",
                                          "-->", "+1", "Essai COURBE"};
    static const char* const bascules[] = {"BitBtn12", "BitBtn13", "LANCER/STOP"};
    std::ostringstream o;
    switch (a.geste) {
    case Geste::bouton: o << '"' << boutons[a.a] << '"'; break;
    case Geste::barre: o << "bar " << a.a << " to position " << a.b; break;
    case Geste::image: o << "picture " << a.a << (a.b % 2 ? " right" : " left") << (a.b >= 2 ? " double" : "")
                         << " click"; break;
    case Geste::bascule: o << bascules[a.a]; break;
    case Geste::tics_courbe: o << a.a << " recording ticks"; break;
    case Geste::tics_essai: o << a.a << " trial-run ticks"; break;
    case Geste::tic_relaxation: o << "relaxation tick"; break;
    case Geste::tic_anim: o << "animation tick"; break;
    case Geste::sauver_ouvrir: o << "save, then open"; break;
    }
    return o.str();
}

bool meme_programme(const SequenceNernst& a, const SequenceNernst& b)
{
    if (a.etapes.size() != b.etapes.size())
        return false;
    for (std::size_t i = 0; i < a.etapes.size(); ++i) {
        EtapeNernst x = a.etapes[i];
        const EtapeNernst& y = b.etapes[i];
        // The potentials go through the 23-character reals of the file.
        if (std::abs(x.em - y.em) > 1e-9 * std::max(1.0, std::abs(x.em)))
            return false;
        x.em = y.em;
        if (!(x == y))
            return false;
    }
    return true;
}

// A fresh main window on the ionic page, its timers ticked by the actions only.
class Banc {
public:
    explicit Banc(const QString& fichier) : fichier_(fichier)
    {
        Aleatoire::programme().semer(7);
        f.Timer_debutTimer();
        pret = montrer(f);
        cliquer_onglet(f, 2);
    }

    // Plays the action; the broken rule, or nothing.
    std::string jouer(const Action& a)
    {
        Ui::PageIonique* p = f.ionique().ui();
        const auto presser = [](QPushButton* b) {
            if (b->isVisible() && b->isEnabled())
                QTest::mouseClick(b, Qt::LeftButton);
        };
        const auto tics = [](QTimer* t, int n, auto tic) {
            for (int i = 0; i < n && t->isActive(); ++i)
                tic();
        };
        switch (a.geste) {
        case Geste::bouton: {
            QPushButton* const boutons[] = {p->BitBtn14, p->BitBtn15, p->BitBtn16, p->recule1, p->BitBtn17};
            if (a.a < 5)
                presser(boutons[a.a]);
            else if (a.a == 5)
                p->avance1->click(); // hidden: its routine, as "-->" reaches it
            else
                presser(p->BitBtn18);
            break;
        }
        case Geste::barre: {
            QScrollBar* s = f.ionique().barre(static_cast<Barre>(a.a));
            if (s->isVisible() && s->isEnabled())
                s->setValue(std::min(a.b, s->maximum()));
            break;
        }
        case Geste::image: {
            ImageControle* i = f.ionique().image(static_cast<ImageIon>(a.a));
            const Qt::MouseButton b = a.b % 2 ? Qt::RightButton : Qt::LeftButton;
            if (i->isVisible())
                a.b >= 2 ? double_clic(i, b) : QTest::mouseClick(i, b);
            break;
        }
        case Geste::bascule: presser(a.a == 0 ? p->BitBtn12 : a.a == 1 ? p->BitBtn13 : p->GO); break;
        case Geste::tics_courbe: tics(f.ionique().minuteries().Timer_courbe, a.a, [&] { f.ionique().tic_enregistrement(); }); break;
        case Geste::tics_essai: tics(f.ionique().minuteries().Timer_reaff, a.a, [&] { f.ionique().tic_essai(); }); break;
        case Geste::tic_relaxation: tics(f.ionique().minuteries().Timer_k, 1, [&] { f.ionique().calcul_em(); }); break;
        case Geste::tic_anim: tics(f.ionique().minuteries().Timer_anim, 1, [&] { f.ionique().Timer_animTimer(); }); break;
        case Geste::sauver_ouvrir: {
            if (std::string e = sauver_ouvrir(); !e.empty())
                return e;
            break;
        }
        }
        return invariants();
    }

    bool pret = false;

private:
    std::string invariants() const
    {
        const EquilibresIoniques& m = f.ionique().modele();
        std::ostringstream o;
        if (m.enregistreur.pas < 0 || m.enregistreur.pas > Enregistreur::dernier_pas || m.enregistreur.pas_max < 0
            || m.enregistreur.pas_max > Enregistreur::dernier_pas)
            o << "pas " << m.enregistreur.pas << " or pas_max " << m.enregistreur.pas_max << " outside 0..83";
        else if ((m.enregistreur.essai_en_cours() || m.enregistreur.bouton(BoutonCourbe::programmer).legende == "Fin program.")
                 && m.enregistreur.pas > m.enregistreur.pas_max)
            o << "pas " << m.enregistreur.pas << " past pas_max " << m.enregistreur.pas_max << " while programming or playing";
        else if (m.enregistreur.x_courant > Enregistreur::pixels_par_pas * Enregistreur::dernier_pas)
            o << "a point plotted at x " << m.enregistreur.x_courant;
        else if (!faux.messages.isEmpty())
            o << "message: " << faux.messages.join(' ').toStdString();
        return o.str();
    }

    std::string sauver_ouvrir()
    {
        // The steps the chart holds, programmed or recorded.
        const SequenceNernst avant = f.ionique().modele().enregistreur.sequence_tracee();
        const int pas_max = std::max(f.ionique().modele().enregistreur.pas_max, f.ionique().modele().enregistreur.pas);
        QFile::remove(fichier_);
        faux.dialogues.reponses = {fichier_};
        faux.dialogues.messages.clear();
        f.Sauve1Click();
        if (avant.etapes.empty())
            return QFile::exists(fichier_) || faux.dialogues.messages.size() != 1 ? "nothing to save, yet a file or no word"
                                                                                : "";
        const ResultatNernst lu = lire_nernst(fichier_);
        std::ostringstream o;
        if (lu.etat != LectureNernst::Lue)
            o << "the saved file cannot be read back";
        else if (static_cast<int>(lu.sequence.etapes.size()) != pas_max)
            o << "saved " << lu.sequence.etapes.size() << " steps, steps shown " << pas_max;
        else if (!meme_programme(lu.sequence, avant))
            o << "the saved file is not the program";
        if (!o.str().empty())
            return o.str();
        faux.dialogues.reponses = {fichier_};
        f.Ouvrir1Click();
        if (!meme_programme(f.ionique().modele().enregistreur.sequence(), avant))
            return "the opened file is not the program saved";
        return {};
    }

    QString fichier_;
    Branchements faux;
    TForm1 f{faux.services(dossier_construit())};
};

struct Echec {
    std::size_t actions = 0; // played up to the failing one, included
    std::string regle;
};

std::optional<Echec> rejouer(const std::vector<Action>& actions, const QString& fichier)
{
    Banc banc(fichier);
    if (!banc.pret)
        return Echec{0, "the window did not show"};
    for (std::size_t i = 0; i < actions.size(); ++i)
        if (std::string e = banc.jouer(actions[i]); !e.empty())
            return Echec{i + 1, e};
    return std::nullopt;
}

// Takes away runs of actions, longest first, while the list still fails.
std::vector<Action> reduire(std::vector<Action> l, const QString& fichier)
{
    int rejeux = 0;
    for (std::size_t n = l.size() / 2; n >= 1 && rejeux < 600; n /= 2) {
        for (std::size_t i = 0; i + n <= l.size() && rejeux < 600;) {
            std::vector<Action> essai = l;
            essai.erase(essai.begin() + static_cast<std::ptrdiff_t>(i),
                        essai.begin() + static_cast<std::ptrdiff_t>(i + n));
            ++rejeux;
            if (const std::optional<Echec> e = rejouer(essai, fichier)) {
                essai.resize(e->actions);
                l = essai;
            } else {
                i += n;
            }
        }
    }
    return l;
}

class EnregistreurAuHasard : public FenetreDemarree {};

} // namespace

TEST_F(EnregistreurAuHasard, ThousandsOfPupilActionsKeepTheSequenceWhole)
{
    QTemporaryDir temp;
    const QString fichier = temp.filePath("hasard.nst");
    for (const std::uint64_t graine : {1u, 2u, 3u}) {
        // Seen first, should a sanitizer stop the run.
        std::cerr << "recorder at random, seed " << graine << '\n';
        Aleatoire h(graine);
        std::vector<Action> actions;
        for (int i = 0; i < 1500; ++i)
            actions.push_back(tirer(h));
        const std::optional<Echec> e = rejouer(actions, fichier);
        if (!e)
            continue;
        actions.resize(e->actions);
        const std::vector<Action> court = reduire(actions, fichier);
        const std::optional<Echec> fin = rejouer(court, fichier);
        std::ostringstream o;
        o << "seed " << graine << ", action " << e->actions << ": " << e->regle << "\nshortest list found ("
          << court.size() << " actions, " << (fin ? fin->regle : std::string("passes alone")) << "):";
        for (const Action& a : court)
            o << "\n  " << decrire(a);
        ADD_FAILURE() << o.str();
    }
}
