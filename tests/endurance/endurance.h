#pragma once
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
#include "endurance/banc_endurance.h"
#include "fenetre/gestes.h"

#include "app/apparence.h"
#include "app/commandes_fichiers.h"
#include "app/programme.h"
#include "colours/mise_en_couleur.h"
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


namespace quillon::essais {

class Endurance : public BancEndurance {
public:
    Endurance(int duree_s, const QStringList& choisies) : BancEndurance(duree_s), choisies_(choisies)
    {
        QDir::setCurrent(dossier_);
        QObject::connect(p_.Form1.ionique().minuteries().Timer_anim, &QTimer::timeout, [this] { tops_animation_ = static_cast<long>(p_.Form1.ionique().ticks_animation()); });
        QObject::connect(p_.Form1.ionique().minuteries().Timer_courbe, &QTimer::timeout, [this] { ++tops_courbe_reels_; });
        QObject::connect(p_.Form1.ionique().minuteries().Timer_reaff, &QTimer::timeout, [this] { ++tops_essai_reels_; });
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

    void cycle();

    // Home page: legends dragged onto places or beside them, corrected, removed.
    void accueil();

    void glisser_legende(int k, QPoint centre);

    // "Phases de test": the script stepped through to one end, then closed.
    void phases();

    // Stimulation page: electrodes dragged, intensity and interval, two
    // stimulations, fibre and nerve, the nerve turned round.
    void stimulation();

    void glisser_electrode(Electrode e, int dx);

    // The question sheet filled in (right or wrong) and corrected.
    void questions();

    // Item i of a list: a click on its arrow, then the keys of the open list.
    void choisir(QComboBox* c, int i);

    // The two pictures of the stimulation page, opened and closed.
    void visionneuse();

    // Ionic page: every bar over its whole range, the ion pictures, the option.
    void barres_ioniques();

    // A full recording of 83 steps: a few at the timer's own speed, the rest
    // ticked directly, the bars moved on the way.
    void enregistrement();

    // Programming over the recorded steps with "<--" and "-->", then the
    // trial run that follows "Fin program.".
    void programmation();

    // The rest of a trial run, ticked directly.
    void finir_essai();

    // Fichier > Enregistrer, EFFACER, Fichier > Ouvrir: the same sequence, replayed.
    void enregistrer_rouvrir();

    // The equilibrium-potential mode at 600 particles, running in the real
    // event loop for several seconds, then left.
    void animation();

    // Options > Mise en couleur on three pages, mixed and accepted.
    void couleurs();

    // "A propos": the about box, closed with its OK.
    void apropos();

    // The blank pages, by mouse and by Ctrl+Tab.
    void autres_pages();

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

    // The fakes, and an error message counted as an anomaly.
    Services services()
    {
        Services s = faux_.services(dossier_);
        s.afficher_erreur = [this](const QString& m) { anomalie("message d'erreur : " + m); };
        return s;
    }

    // The parts of the cycle to run; all when empty.
    const QStringList choisies_;
    const QString dossier_ = QStringLiteral(QUILLON_DOSSIER_TEST);
    Branchements faux_;
    QTemporaryDir& temp_ = faux_.annexe;
    DialoguesFactices& dialogues_ = faux_.dialogues;
    FauxLanceur& lanceur_ = faux_.lanceur;
    Programme p_{services()};

    std::mt19937 hasard_{20261207u};
    bool phases_descendre_ = true;

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
    long tops_animation_ = 0; // animation ticks so far
    long tops_courbe_reels_ = 0;
    long tops_essai_reels_ = 0;
};

} // namespace quillon::essais
