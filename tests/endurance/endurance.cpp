// Soak run: the program's windows, on the X server, driven for minutes of
// classroom use with real mouse and key events, over and over: every page,
// the legends of the home page, the electrodes and the stimulator, every bar
// of the ionic page over its whole range, a full recording, programming, a
// trial run, save and reopen, the equilibrium-potential animation at 600
// particles, colour mixing, the test phases' script and the picture viewer.
// Every 10 s it prints its resident memory; at the end it checks that the
// program still answers and that memory did not grow after the first minute.
//
//   quillon_endurance [seconds] [part...]
//
// 180 s by default; parts named (accueil, couleurs, ...) run alone, to find
// which one makes the memory grow. The growth is judged in the normal build
// only: under AddressSanitizer the quarantine makes the figure swing.
// QUILLON_CACHE_PIXMAPS_KO=<kB> sets the limit of Qt's pixmap cache (10 MB by
// default), where the style keeps its drawings of every new page colour: at
// 0, the memory no longer grows after the first minute at all.
// Exit status 0 when everything held, 1 otherwise.
#include "fenetre/gestes.h"

#include "app/apparence.h"
#include "app/commandes_fichiers.h"
#include "app/programme.h"
#include "colours/mise_en_couleur.h"
#include "common/controles.h"
#include "ionic/page_ionique.h"
#include "labelling/page_accueil.h"
#include "shell/lanceur.h"
#include "stimulation/page_stimulation.h"
#include "ui_page_ionique.h"
#include "ui_page_stimulation.h"
#include "ui_taboutbox.h"
#include "ui_tform1.h"
#include "ui_tform_richedit.h"
#include "ui_tmise_couleur.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <optional>
#include <random>
#include <span>
#include <unistd.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define QUILLON_ENDURANCE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLON_ENDURANCE_ASAN 1
#endif
#endif

using namespace quillon;
using namespace quillon::essais;

namespace {

constexpr double mo = 1024.0 * 1024.0;
// Growth allowed from the first minute to the end: 10 MB, or 5 % of the
// figure at the first minute when that is more.
constexpr double tolerance_mo = 10.0;
constexpr double tolerance_relative = 0.05;

// Resident memory of this process, in bytes (second field of /proc/self/statm).
double memoire_residente()
{
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (f == nullptr)
        return 0;
    long taille = 0, residente = 0;
    const int lus = std::fscanf(f, "%ld %ld", &taille, &residente);
    std::fclose(f);
    return lus == 2 ? static_cast<double>(residente) * static_cast<double>(sysconf(_SC_PAGESIZE)) : 0;
}

struct Echantillon {
    double secondes;
    double octets;
};

class Endurance {
public:
    Endurance(int duree_s, const QStringList& choisies) : duree_ms_(qint64(duree_s) * 1000), choisies_(choisies)
    {
        QDir::setCurrent(dossier_);
        faux_.brancher(p_.Form1);
        p_.Form1.afficher_erreur = [this](const QString& m) { anomalie("message d'erreur : " + m); };
        QObject::connect(p_.Form1.Timer_anim, &QTimer::timeout, [this] { ++tops_animation_; });
        QObject::connect(p_.Form1.Timer_courbe, &QTimer::timeout, [this] { ++tops_courbe_reels_; });
        QObject::connect(p_.Form1.Timer_reaff, &QTimer::timeout, [this] { ++tops_essai_reels_; });
    }

    // Whether every name is that of a part of the cycle.
    static bool parties_connues(const QStringList& noms)
    {
        for (const QString& n : noms)
            if (std::none_of(parties().begin(), parties().end(),
                             [&](const Partie& e) { return n == QLatin1String(e.nom); }))
                return false;
        return true;
    }
    static QString noms_parties()
    {
        QStringList l;
        for (const Partie& e : parties())
            l << QLatin1String(e.nom);
        return l.join(' ');
    }

    int executer()
    {
        chrono_.start();
        echantillonner(true);
        p_.Form1.Timer_debutTimer();
        p_.Form1.show();
        if (!QTest::qWaitForWindowExposed(&p_.Form1)) {
            std::printf("the main window was never shown\n");
            return 1;
        }
        while (true) {
            ++cycles_;
            cycle();
            if (fini())
                break;
        }
        const bool repond = repond_encore();
        souffler();
        const bool memoire = juger_memoire();
        bilan();
        p_.Form1.close();
        QCoreApplication::processEvents();
        const bool ok = repond && memoire && anomalies_.isEmpty();
        std::printf("%s\n", ok ? "ENDURANCE OK" : "ENDURANCE FAILED");
        std::fflush(stdout);
        return ok ? 0 : 1;
    }

private:
    // ---- Time, memory and checks -----------------------------------------------

    bool fini() const { return chrono_.elapsed() >= duree_ms_; }
    // The first cycle runs whole, so that even a short run drives everything.
    bool arreter() const { return cycles_ > 1 && fini(); }

    void echantillonner(bool force = false)
    {
        const qint64 t = chrono_.elapsed();
        if (!force && t < prochain_echantillon_ms_)
            return;
        prochain_echantillon_ms_ = (t / 10000 + 1) * 10000;
        const double rss = memoire_residente();
        echantillons_.push_back({t / 1000.0, rss});
        std::printf("[%6.1f s] RSS %7.1f MB  (cycle %d)\n", t / 1000.0, rss / mo, cycles_);
        std::fflush(stdout);
    }

    // Lets the window paint and the timers tick, then samples if it is time.
    void souffler()
    {
        QCoreApplication::processEvents();
        echantillonner();
    }

    // The real event loop for `ms` milliseconds (timers, painting), sampling.
    void boucle(int ms)
    {
        QEventLoop b;
        QTimer fin, garde;
        fin.setSingleShot(true);
        QObject::connect(&fin, &QTimer::timeout, &b, &QEventLoop::quit);
        QObject::connect(&garde, &QTimer::timeout, [this] { echantillonner(); });
        garde.start(100);
        fin.start(ms);
        b.exec();
    }

    void anomalie(const QString& texte)
    {
        const QString ligne = QStringLiteral("cycle %1, %2 s: %3")
                                  .arg(cycles_)
                                  .arg(chrono_.elapsed() / 1000.0, 0, 'f', 1)
                                  .arg(texte);
        if (anomalies_.size() < 50)
            std::printf("ANOMALY %s\n", qPrintable(ligne));
        anomalies_ << ligne;
    }
    void verifier(bool condition, const QString& texte)
    {
        if (!condition)
            anomalie(texte);
    }

    // ---- Real events ------------------------------------------------------------

    void cliquer(QWidget* w, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseClick(w, b);
        souffler();
    }
    void touche(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = {})
    {
        QTest::keyClick(w, k, m);
    }
    void onglet(int i)
    {
        cliquer_onglet(p_.Form1.ui()->Notebook1, i);
        souffler();
        verifier(p_.Form1.ui()->Notebook1->currentIndex() == i, QStringLiteral("tab %1 not shown").arg(i));
    }
    void fleche(QScrollBar* s, QStyle::SubControl quelle, int fois)
    {
        for (int k = 0; k < fois; ++k) {
            cliquer_fleche(s, quelle);
            souffler();
        }
    }
    int au_hasard(int min, int max) { return std::uniform_int_distribution<int>(min, max)(hasard_); }

    // ---- The cycle ----------------------------------------------------------------

    // The parts of a cycle, in their order, by the names the command line takes.
    struct Partie {
        const char* nom;
        void (Endurance::*faire)();
    };
    static std::span<const Partie> parties()
    {
        static constexpr Partie toutes[] = {
            {"accueil", &Endurance::accueil},
            {"phases", &Endurance::phases},
            {"stimulation", &Endurance::stimulation},
            {"questions", &Endurance::questions},
            {"images", &Endurance::visionneuse},
            {"barres", &Endurance::barres_ioniques},
            {"enregistrement", &Endurance::enregistrement},
            {"programmation", &Endurance::programmation},
            {"fichiers", &Endurance::enregistrer_rouvrir},
            {"animation", &Endurance::animation},
            {"couleurs", &Endurance::couleurs},
            {"apropos", &Endurance::apropos},
            {"pages", &Endurance::autres_pages},
        };
        return toutes;
    }

    void cycle()
    {
        for (const Partie& e : parties()) {
            if (arreter())
                return;
            if (!choisies_.isEmpty() && !choisies_.contains(QLatin1String(e.nom)))
                continue;
            (this->*e.faire)();
            souffler();
        }
    }

    // Home page: legends dragged onto places or beside them, corrected, removed.
    void accueil()
    {
        onglet(0);
        PageAccueil& a = p_.Form1.accueil();
        const std::vector<QWidget*> cibles = a.cibles();
        for (int n = 0; n < 50 && !arreter(); ++n) {
            const int k = au_hasard(1, a.nb_legendes());
            QPoint vise;
            if (au_hasard(0, 9) < 7)
                vise = cibles.at(static_cast<std::size_t>(au_hasard(0, int(cibles.size()) - 1)))->geometry().center();
            else
                vise = QPoint(au_hasard(20, 880), au_hasard(20, 480));
            glisser_legende(k, vise);
            if (n % 10 == 9) {
                cliquer(p_.Form1.ui()->BitBtn3);
                verifier(p_.Form1.ui()->lab_result->text().endsWith(QLatin1String(" %")),
                         "score after Correction: " + p_.Form1.ui()->lab_result->text());
            }
            if (n % 25 == 24)
                cliquer(p_.Form1.ui()->BitBtn23);
        }
        // The whole exercise by hand: one hundred per cent.
        for (int k = 1; k <= a.nb_legendes(); ++k)
            glisser_legende(k, cibles.at(static_cast<std::size_t>(k - 1))->geometry().center());
        cliquer(p_.Form1.ui()->BitBtn3);
        verifier(p_.Form1.ui()->lab_result->text() == QLatin1String("100 %"),
                 "every legend on its place scores " + p_.Form1.ui()->lab_result->text());
        // A legend carried from the keyboard: Space, an arrow, Space.
        Etiquette* e = a.legende(au_hasard(1, a.nb_legendes()));
        e->setFocus();
        touche(e, Qt::Key_Space);
        touche(e, Qt::Key_Right);
        touche(e, Qt::Key_Down);
        touche(e, Qt::Key_Space);
        cliquer(p_.Form1.ui()->BitBtn23);
        cliquer(p_.Form1.ui()->BitBtn3);
        verifier(p_.Form1.ui()->lab_result->text() == QLatin1String("0 %"),
                 "no legend placed scores " + p_.Form1.ui()->lab_result->text());
        // "Informations sur le logiciel": the teachers' document, to the fake.
        lanceur_.documents.clear();
        cliquer(p_.Form1.ui()->BitBtn2);
        verifier(lanceur_.documents.size() == 1, "Informations opened no document");
    }

    void glisser_legende(int k, QPoint centre)
    {
        glisser_vers(p_.Form1.accueil().legende(k), centre);
        ++glissements_legendes_;
        souffler();
    }

    // "Phases de test": the script stepped through to one end, then closed.
    void phases()
    {
        onglet(0);
        TForm_richedit& v = p_.Form_richedit();
        cliquer(p_.Form1.ui()->BitBtn24);
        verifier(v.isVisible(), "the test phases' viewer is not shown");
        QToolButton* bouton = phases_descendre_ ? v.ui()->btn_bas : v.ui()->BitBtn1;
        int precedente = -2;
        for (int n = 0; n < 400 && v.ligne_doc() != precedente; ++n) {
            precedente = v.ligne_doc();
            cliquer(bouton);
            ++pas_phases_;
        }
        const int lignes = static_cast<int>(v.lignes().size());
        if (phases_descendre_)
            verifier(v.ligne_doc() == lignes - 1, QStringLiteral("stepping stopped at line %1 of %2").arg(v.ligne_doc()).arg(lignes));
        else
            verifier(v.ligne_doc() == 0, QStringLiteral("stepping up stopped at line %1").arg(v.ligne_doc()));
        phases_descendre_ = !phases_descendre_;
        touche(&v, Qt::Key_Escape);
        souffler();
        if (v.isVisible()) {
            v.close();
            souffler();
        }
        verifier(!v.isVisible(), "the test phases' viewer stays open");
    }

    // Stimulation page: electrodes dragged, intensity and interval, two
    // stimulations, fibre and nerve, the nerve turned round.
    void stimulation()
    {
        onglet(1);
        Ui::PageStimulation* s = p_.Form1.stimulation().ui();
        fleche(s->Scroll_i_stim, QStyle::SC_ScrollBarSubLine, au_hasard(5, 30));
        for (int n = 0; n < 50 && !arreter(); ++n) {
            const Electrode e = static_cast<Electrode>(au_hasard(0, 3));
            glisser_electrode(e, au_hasard(-120, 120));
            switch (n % 10) {
            case 2:
                fleche(s->Scroll_i_stim, au_hasard(0, 1) ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine,
                       au_hasard(1, 12));
                break;
            case 4:
                s->Scroll_i_stim->setFocus();
                touche(s->Scroll_i_stim, au_hasard(0, 1) ? Qt::Key_PageUp : Qt::Key_PageDown);
                break;
            case 5:
                cliquer(s->CheckBox1);
                break;
            case 6:
                fleche(s->Scroll_temps, au_hasard(0, 1) ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine,
                       au_hasard(1, 8));
                break;
            case 7:
                s->Scroll_temps->setFocus();
                touche(s->Scroll_temps, au_hasard(0, 1) ? Qt::Key_Left : Qt::Key_Right);
                break;
            case 8:
                cliquer(au_hasard(0, 3) == 0 ? s->Radio_nerf_fibre : s->Radio_nerf_nerf);
                break;
            case 9:
                if (au_hasard(0, 4) == 0)
                    cliquer(s->Shape_nerf);
                break;
            default:
                break;
            }
            verifier(s->Lab_stim->text().endsWith(QLatin1String(" V")), "intensity label: " + s->Lab_stim->text());
        }
        // A focused electrode moved with the arrows.
        QWidget* e = p_.Form1.stimulation().electrode(static_cast<Electrode>(au_hasard(0, 3)));
        e->setFocus();
        for (int k = 0; k < 6; ++k)
            touche(e, k % 2 ? Qt::Key_Left : Qt::Key_Right, k < 2 ? Qt::ShiftModifier : Qt::NoModifier);
        cliquer(s->Radio_nerf_nerf);
        souffler();
    }

    void glisser_electrode(Electrode e, int dx)
    {
        glisser(p_.Form1.stimulation().electrode(e), QPoint(2, 10), QPoint(dx, 0), au_hasard(2, 5));
        ++glissements_electrodes_;
        souffler();
    }

    // The question sheet filled in (right or wrong) and corrected.
    void questions()
    {
        onglet(1);
        Ui::PageStimulation* s = p_.Form1.stimulation().ui();
        const bool juste = cycles_ % 2 == 1;
        choisir(s->pref_rel, juste ? s->pref_rel->findText("2") : au_hasard(0, s->pref_rel->count() - 1));
        choisir(s->pref_abs, juste ? s->pref_abs->findText("1.5") : au_hasard(0, s->pref_abs->count() - 1));
        choisir(s->combo_electrode, juste ? s->combo_electrode->findText(QStringLiteral("la cathode")) : 0);
        const struct {
            QLineEdit* champ;
            const char* juste;
        } champs[] = {{s->fib_lpr, "500"}, {s->fib_cpr, "666"}, {s->vit_influx, "40"}, {s->Edit_seuil, "0.20"}};
        for (const auto& c : champs) {
            c.champ->setFocus();
            c.champ->selectAll();
            QTest::keyClicks(c.champ, juste ? QString::fromLatin1(c.juste) : QString::number(au_hasard(1, 999)));
            souffler();
        }
        cliquer(s->BitBtn19);
        int vertes = 0;
        for (Forme* c : p_.Form1.stimulation().cercles()) {
            const QColor couleur = c->pinceau();
            verifier(couleur == QColor(0, 255, 0) || couleur == QColor(255, 0, 0),
                     "correction mark " + c->objectName() + " is " + couleur.name());
            vertes += couleur == QColor(0, 255, 0);
        }
        if (juste)
            verifier(vertes == 7, QStringLiteral("right answers: %1 green marks of 7").arg(vertes));
        ++corrections_;
    }

    // Item i of a list: a click on its arrow, then the keys of the open list.
    void choisir(QComboBox* c, int i)
    {
        if (const QString faute = choisir_element(c, i); !faute.isEmpty())
            anomalie(faute);
    }

    // The two pictures of the stimulation page, opened and closed.
    void visionneuse()
    {
        onglet(1);
        TForm_image& v = p_.Form_image();
        for (QPushButton* b : {p_.Form1.stimulation().ui()->BitBtn8, p_.Form1.stimulation().ui()->BitBtn9}) {
            cliquer(b);
            verifier(v.isVisible(), "the picture viewer is not shown after " + b->objectName());
            boucle(200);
            touche(&v, Qt::Key_Escape);
            souffler();
            verifier(!v.isVisible(), "Escape leaves the picture viewer open");
            if (v.isVisible())
                v.close();
            ++images_;
        }
    }

    // Ionic page: every bar over its whole range, the ion pictures, the option.
    void barres_ioniques()
    {
        onglet(2);
        PageIonique& page = p_.Form1.ionique();
        if (page.modele().mode_anim)
            cliquer(page.ui()->BitBtn13);
        const bool clavier = cycles_ % 2 == 1;
        for (int i = 0; i < nb_barres && !arreter(); ++i) {
            QScrollBar* s = page.barre(static_cast<Barre>(i));
            if (clavier) {
                s->setFocus();
                touche(s, Qt::Key_Home);
                for (int n = 0; n < 400 && s->value() < s->maximum(); ++n) {
                    touche(s, Qt::Key_Down);
                    ++pas_barres_;
                    souffler();
                }
                verifier(s->value() == s->maximum(), s->objectName() + " did not reach its end by the keys");
                touche(s, Qt::Key_PageUp);
            } else {
                const QPoint bas = rect_fleche(s, QStyle::SC_ScrollBarAddLine).center();
                const QPoint haut = rect_fleche(s, QStyle::SC_ScrollBarSubLine).center();
                for (int n = 0; n < 400 && s->value() < s->maximum(); ++n) {
                    QTest::mouseClick(s, Qt::LeftButton, {}, bas);
                    ++pas_barres_;
                    souffler();
                }
                verifier(s->value() == s->maximum(), s->objectName() + " did not reach its end by its arrow");
                for (int n = 0; n < 400 && s->value() > s->minimum(); ++n) {
                    QTest::mouseClick(s, Qt::LeftButton, {}, haut);
                    ++pas_barres_;
                    souffler();
                }
                verifier(s->value() == s->minimum(), s->objectName() + " did not reach its top by its arrow");
            }
        }
        // Back to the start-up values, from the keyboard, then the pictures.
        const int depart[nb_barres] = {292, 150, 294, 156, 100, 100}; // nai, ki, ke, nae, gk, gna
        for (int i = 0; i < nb_barres; ++i) {
            QScrollBar* s = page.barre(static_cast<Barre>(i));
            s->setFocus();
            touche(s, Qt::Key_End);
            for (int n = 0; n < 400 && s->value() > depart[i]; ++n)
                touche(s, Qt::Key_Up);
            souffler();
        }
        Ui::PageIonique* u = page.ui();
        for (ImageControle* im : {u->ima_ke, u->ima_ki, u->ima_nai, u->ima_nae}) {
            for (int k = 0; k < 3; ++k)
                cliquer(im, Qt::LeftButton);
            for (int k = 0; k < 3; ++k)
                cliquer(im, Qt::RightButton);
        }
        for (int k = 0; k < 2; ++k) {
            p_.Form1.ui()->Afficherlespotdquilibre1->trigger();
            souffler();
        }
        verifier(u->lab_gk->text() == QStringLiteral("GK=%1").arg(100 - page.barre(Barre::gk)->value()),
                 "GK label: " + u->lab_gk->text());
    }

    // A full recording of 83 steps: a few at the timer's own speed, the rest
    // ticked directly, the bars moved on the way.
    void enregistrement()
    {
        onglet(2);
        PageIonique& page = p_.Form1.ionique();
        Ui::PageIonique* u = page.ui();
        const EquilibresIoniques& m = page.modele();
        if (m.mode_anim)
            cliquer(u->BitBtn13);
        if (u->BitBtn16->text() != QLatin1String("Program.COURBE"))
            cliquer(u->BitBtn16);
        finir_essai();
        cliquer(u->BitBtn15); // EFFACER
        verifier(m.pas == 0 && m.pas_max == 0, "EFFACER left a sequence");
        cliquer(u->BitBtn14);
        verifier(u->BitBtn14->text() == QLatin1String("STOP") && p_.Form1.Timer_courbe->isActive(),
                 "Lancer COURBE did not start the recording");
        QScrollBar* gk = page.barre(Barre::gk);
        gk->setFocus();
        for (int k = 0; k < 5; ++k)
            touche(gk, Qt::Key_PageUp);
        boucle(1600); // three ticks of the real timer
        QScrollBar* ke = page.barre(Barre::ke);
        for (int n = 0; n < 200 && p_.Form1.Timer_courbe->isActive(); ++n) {
            if (n % 7 == 0) {
                QScrollBar* s = n % 14 ? gk : ke;
                s->setFocus();
                touche(s, au_hasard(0, 1) ? Qt::Key_Up : Qt::Key_Down);
            }
            p_.Form1.Timer_courbeTimer();
            souffler();
        }
        verifier(m.pas == EquilibresIoniques::dernier_pas, QStringLiteral("the recording ended at step %1").arg(m.pas));
        verifier(!p_.Form1.Timer_courbe->isActive() && u->BitBtn14->text() == QLatin1String("Lancer COURBE"),
                 "the recording did not stop after step 83");
        verifier(u->BitBtn12->isEnabled(), "the equilibrium switch stays disabled after the recording");
        ++enregistrements_;
    }

    // Programming over the recorded steps with "<--" and "-->", then the
    // trial run that follows "Fin program.".
    void programmation()
    {
        onglet(2);
        PageIonique& page = p_.Form1.ionique();
        Ui::PageIonique* u = page.ui();
        const EquilibresIoniques& m = page.modele();
        cliquer(u->BitBtn16);
        verifier(u->BitBtn16->text() == QLatin1String("Fin program.") && u->recule1->isVisible() && u->BitBtn17->isVisible(),
                 "Program.COURBE did not show its buttons");
        const int fin = m.pas_max;
        QScrollBar* gna = page.barre(Barre::gna);
        QScrollBar* ki = page.barre(Barre::ki);
        for (int n = 0; n < 30; ++n) {
            cliquer(u->recule1);
            if (n % 3 == 0) {
                QScrollBar* s = n % 2 ? gna : ki;
                s->setFocus();
                touche(s, au_hasard(0, 1) ? Qt::Key_Up : Qt::Key_Down);
                souffler();
            }
        }
        const int retour = std::max(1, fin - 30);
        verifier(m.pas == retour, QStringLiteral("<-- went back to step %1, not %2").arg(m.pas).arg(retour));
        for (int n = 0; n < 40; ++n)
            cliquer(u->BitBtn17);
        const int avance = std::min(retour + 40, int(EquilibresIoniques::dernier_pas));
        verifier(m.pas == avance, QStringLiteral("--> went to step %1, not %2").arg(m.pas).arg(avance));
        cliquer(u->BitBtn16); // "Fin program.": the trial run starts
        verifier(p_.Form1.Timer_reaff->isActive(), "Fin program. did not start the trial run");
        boucle(1200); // its real timer first
        finir_essai();
        ++essais_;
    }

    // The rest of a trial run, ticked directly.
    void finir_essai()
    {
        for (int n = 0; n < 1000 && p_.Form1.Timer_reaff->isActive(); ++n) {
            p_.Form1.Timer_reaffTimer();
            souffler();
        }
        verifier(!p_.Form1.Timer_reaff->isActive(), "the trial run never ended");
    }

    // Fichier > Enregistrer, EFFACER, Fichier > Ouvrir: the same sequence, replayed.
    void enregistrer_rouvrir()
    {
        onglet(2);
        PageIonique& page = p_.Form1.ionique();
        const EquilibresIoniques& m = page.modele();
        const SequenceNernst avant = m.sequence();
        const QString nom = temp_.filePath(QStringLiteral("sequence_%1.nst").arg(cycles_ % 3));
        QFile::remove(nom);
        dialogues_.demandes.clear();
        dialogues_.reponses = {nom};
        p_.Form1.ui()->Sauve1->trigger();
        souffler();
        verifier(QFileInfo::exists(nom), "Enregistrer wrote no file");
        cliquer(page.ui()->BitBtn15);
        verifier(m.sequence().etapes.empty(), "EFFACER kept the sequence");
        dialogues_.reponses = {nom};
        p_.Form1.ui()->Ouvrir1->trigger();
        souffler();
        const SequenceNernst relu = m.sequence();
        bool pareil = relu.etapes.size() == avant.etapes.size();
        for (std::size_t i = 0; pareil && i < relu.etapes.size(); ++i) {
            const EtapeNernst &a = avant.etapes[i], &b = relu.etapes[i];
            pareil = a.gk == b.gk && a.gna == b.gna && a.k_int == b.k_int && a.k_ext == b.k_ext && a.na_int == b.na_int
                     && a.na_ext == b.na_ext && std::abs(a.em - b.em) <= 1e-9 * (1 + std::abs(a.em));
        }
        verifier(pareil, QStringLiteral("reopened %1 steps, saved %2").arg(relu.etapes.size()).arg(avant.etapes.size()));
        verifier(p_.Form1.Timer_reaff->isActive(), "Ouvrir did not replay the sequence");
        finir_essai();
        verifier(dialogues_.messages.isEmpty(), "file messages: " + dialogues_.messages.join(" | "));
        dialogues_.messages.clear();
        ++sauvegardes_;
    }

    // The equilibrium-potential mode at 600 particles, running in the real
    // event loop for several seconds, then left.
    void animation()
    {
        onglet(2);
        PageIonique& page = p_.Form1.ionique();
        Ui::PageIonique* u = page.ui();
        const EquilibresIoniques& m = page.modele();
        if (!m.mode_anim)
            cliquer(u->BitBtn12);
        verifier(m.mode_anim, "the equilibrium-potential mode did not start");
        if (!m.mode_anim)
            return;
        for (QScrollBar* s : {page.barre(Barre::ki), page.barre(Barre::ke)}) {
            s->setFocus();
            touche(s, Qt::Key_Home);
            souffler();
        }
        verifier(m.anim.nb_part == 600, QStringLiteral("%1 particles, not 600").arg(m.anim.nb_part));
        cliquer(u->GO);
        verifier(u->GO->text() == QLatin1String("STOP") && p_.Form1.Timer_anim->isActive(), "LANCER did not start the animation");
        const long avant = tops_animation_;
        boucle(2000);
        // [K]e moved while it runs: a refill, then back to 300.
        QScrollBar* ke = page.barre(Barre::ke);
        ke->setFocus();
        touche(ke, Qt::Key_Down);
        boucle(300);
        touche(ke, Qt::Key_Home);
        boucle(2000);
        verifier(m.anim.nb_part == 600, QStringLiteral("%1 particles after the move, not 600").arg(m.anim.nb_part));
        const long tops = tops_animation_ - avant;
        verifier(tops >= 100, QStringLiteral("only %1 animation ticks in 4.3 s").arg(tops));
        cliquer(u->GO);
        verifier(!p_.Form1.Timer_anim->isActive(), "STOP left the animation running");
        cliquer(u->BitBtn13);
        verifier(!m.mode_anim, "leaving the equilibrium-potential mode failed");
        ++animations_;
    }

    // Options > Mise en couleur on three pages, mixed and accepted.
    void couleurs()
    {
        for (int page : {0, 1, 2}) {
            onglet(page);
            bool vu = false;
            QTimer::singleShot(0, [this, &vu] {
                Tmise_couleur& d = p_.mise_couleur();
                vu = d.isVisible();
                if (!vu)
                    return;
                auto* u = d.ui();
                for (QScrollBar* s : {u->scroll_rouge, u->Scroll_vert, u->Scroll_bleu}) {
                    s->setFocus();
                    QTest::keyClick(s, Qt::Key_Home);
                    const int fois = au_hasard(0, 12);
                    for (int k = 0; k < fois; ++k)
                        QTest::keyClick(s, Qt::Key_PageDown);
                }
                QTest::mouseClick(u->OKBtn, Qt::LeftButton);
            });
            p_.Form1.ui()->Miseencouleur1->trigger();
            souffler();
            verifier(vu, "the colour dialog was not shown");
            verifier(!p_.mise_couleur().isVisible(), "OK left the colour dialog open");
            ++couleurs_;
        }
        verifier(QFileInfo::exists(p_.Form1.couleurs().fichier), "the colours file was not written");
    }

    // "A propos": the about box, closed with its OK.
    void apropos()
    {
        bool vu = false;
        QTimer::singleShot(0, [this, &vu] {
            vu = p_.AboutBox().isVisible();
            QTest::mouseClick(p_.AboutBox().ui()->OKButton, Qt::LeftButton);
        });
        p_.Form1.ui()->Apropos1->trigger();
        souffler();
        verifier(vu && !p_.AboutBox().isVisible(), "the about box did not open and close");
    }

    // The blank pages, by mouse and by Ctrl+Tab.
    void autres_pages()
    {
        for (int i : {3, 4, 5, 0})
            onglet(i);
        Classeur* nb = p_.Form1.ui()->Notebook1;
        for (int k = 0; k < 6; ++k) {
            QTest::keyClick(nb, Qt::Key_Tab, Qt::ControlModifier);
            souffler();
        }
        verifier(nb->currentIndex() == 0, QStringLiteral("six Ctrl+Tab from the first page end on page %1").arg(nb->currentIndex()));
    }

    // ---- At the end ---------------------------------------------------------------

    // A click on a tab still runs its handler (the stimulation tab makes the
    // program folder current); a bar moved still updates its label.
    bool repond_encore()
    {
        bool ok = true;
        QDir::setCurrent(temp_.path());
        onglet(1);
        const bool dossier = QDir::current().canonicalPath() == QDir(dossier_).canonicalPath();
        std::printf("check: tab click runs its handler (program folder made current): %s\n", dossier ? "yes" : "NO");
        ok = ok && dossier;
        onglet(2);
        PageIonique& page = p_.Form1.ionique();
        if (page.modele().mode_anim)
            cliquer(page.ui()->BitBtn13);
        QScrollBar* gk = page.barre(Barre::gk);
        gk->setFocus();
        const Qt::Key k = gk->value() > gk->minimum() ? Qt::Key_Up : Qt::Key_Down;
        const QString avant = page.ui()->lab_gk->text();
        touche(gk, k);
        souffler();
        const QString apres = page.ui()->lab_gk->text();
        const bool barre = apres != avant && apres == QStringLiteral("GK=%1").arg(100 - gk->value());
        std::printf("check: a bar moved updates its label (%s -> %s): %s\n", qPrintable(avant), qPrintable(apres),
                    barre ? "yes" : "NO");
        ok = ok && barre;
        std::fflush(stdout);
        return ok;
    }

    // The resident memory at the end against the figure at the first minute.
    bool juger_memoire()
    {
        echantillonner(true);
        const double fin = echantillons_.back().octets;
        const double seuil_s = duree_ms_ >= 120000 ? 60.0 : duree_ms_ / 2000.0;
        const Echantillon* reference = nullptr;
        for (const Echantillon& e : echantillons_)
            if (e.secondes >= seuil_s) {
                reference = &e;
                break;
            }
        if (reference == nullptr)
            reference = &echantillons_.back();
        const double croissance = fin - reference->octets;
        const double permis = std::max(tolerance_mo * mo, tolerance_relative * reference->octets);
        double pic = 0;
        for (const Echantillon& e : echantillons_)
            pic = std::max(pic, e.octets);
        std::printf("memory: RSS at start %.1f MB, at %.0f s %.1f MB, at the end (%.0f s) %.1f MB, peak %.1f MB\n",
                    echantillons_.front().octets / mo, reference->secondes, reference->octets / mo,
                    echantillons_.back().secondes, fin / mo, pic / mo);
        std::printf("memory: growth since %.0f s %+.1f MB, allowed %.1f MB (10 MB or 5 %%, the larger)\n",
                    reference->secondes, croissance / mo, permis / mo);
#ifdef QUILLON_ENDURANCE_ASAN
        std::printf("memory: AddressSanitizer build, whose quarantine and shadow memory grow on their own: "
                    "growth reported, not judged\n");
        return true;
#else
        if (duree_ms_ < 120000) {
            std::printf("memory: run shorter than two minutes: growth reported, not judged\n");
            return true;
        }
        const bool ok = croissance <= permis;
        std::printf("memory: %s\n", ok ? "no growth beyond the tolerance" : "GROWTH BEYOND THE TOLERANCE");
        return ok;
#endif
    }

    void bilan()
    {
        std::printf("driven: %d cycles; %d legend drags; %d electrode drags; %d bar steps on the ionic page; "
                    "%d recordings of 83 steps (%ld real timer ticks); %d programmings with trial runs "
                    "(%ld real ticks); %d saves and reopenings; %d animation runs at 600 particles (%ld ticks); "
                    "%d colour mixes; %d question-sheet corrections; %d test-phase steps; %d pictures shown\n",
                    cycles_, glissements_legendes_, glissements_electrodes_, pas_barres_, enregistrements_,
                    tops_courbe_reels_, essais_, tops_essai_reels_, sauvegardes_, animations_, tops_animation_,
                    couleurs_, corrections_, pas_phases_, images_);
        std::printf("anomalies: %lld\n", static_cast<long long>(anomalies_.size()));
        std::fflush(stdout);
    }

    const qint64 duree_ms_;
    // The parts of the cycle to run; all when empty.
    const QStringList choisies_;
    const QString dossier_ = QStringLiteral(QUILLON_DOSSIER_TEST);
    Branchements faux_;
    QTemporaryDir& temp_ = faux_.annexe;
    DialoguesFactices& dialogues_ = faux_.dialogues;
    FauxLanceur& lanceur_ = faux_.lanceur;
    Programme p_{QStringLiteral(QUILLON_DOSSIER_TEST)};

    QElapsedTimer chrono_;
    qint64 prochain_echantillon_ms_ = 0;
    std::vector<Echantillon> echantillons_;
    QStringList anomalies_;
    std::mt19937 hasard_{20261207u};
    bool phases_descendre_ = true;

    int cycles_ = 0;
    int glissements_legendes_ = 0;
    int glissements_electrodes_ = 0;
    int pas_barres_ = 0;
    int enregistrements_ = 0;
    int essais_ = 0;
    int sauvegardes_ = 0;
    int animations_ = 0;
    int couleurs_ = 0;
    int corrections_ = 0;
    int pas_phases_ = 0;
    int images_ = 0;
    long tops_animation_ = 0;
    long tops_courbe_reels_ = 0;
    long tops_essai_reels_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    // quillon_endurance [seconds] [part...]: the parts alone, to find which
    // one makes the memory grow.
    int duree = 180;
    QStringList choisies;
    bool ok = true;
    if (argc > 1) {
        duree = QString::fromLocal8Bit(argv[1]).toInt(&ok);
        ok = ok && duree > 0;
    }
    for (int i = 2; i < argc; ++i)
        choisies << QString::fromLocal8Bit(argv[i]);
    if (!ok || !Endurance::parties_connues(choisies)) {
        std::fprintf(stderr, "usage: %s [seconds (180)] [part...]\nparts: %s\n", argv[0],
                     qPrintable(Endurance::noms_parties()));
        return 2;
    }
    // Settings go to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("QUILLON_CACHE_PIXMAPS_KO"))
        QPixmapCache::setCacheLimit(qEnvironmentVariableIntValue("QUILLON_CACHE_PIXMAPS_KO"));
    preparer_application(app);
    std::printf("quillon_endurance: %d s of classroom use%s\n", duree,
                choisies.isEmpty() ? "" : qPrintable(" (" + choisies.join(' ') + ")"));
    int resultat = 1;
    {
        Endurance e(duree, choisies);
        resultat = e.executer();
    }
    return resultat;
}
