// Ticks per second and processor share of the running ion-flux animation in
// a real window, at each of its three paces: run on an X server
// (xvfb-run -a build/bin/quillon_mesure_animation), also with
// QT_SCALE_FACTOR=2 for a dense screen. "rapide" asks for one tick per
// millisecond, "moyenne" for one per 16 ms, "lente" for one per 67 ms; the
// timer wakes once a refresh of the screen at "rapide" and makes up the ticks.
// The processor share is this process's time (all its threads) over the
// time measured; the X server's own share is not in it.
#include "app/apparence.h"
#include "app/tform1.h"
#include "ionic/page_ionique.h"
#include "ui_page_ionique.h"
#include "ui_tform1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

void attendre(int ms)
{
    QEventLoop boucle;
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    boucle.exec();
}

} // namespace

int main(int argc, char** argv)
{
    // The pace is chosen through the menu's command, which keeps it: not in the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    quillon::preparer_application(app);
    quillon::Services services;
    services.dossier_prog = QStringLiteral(QUILLON_DOSSIER_BENCH);
    quillon::TForm1 f{services};
    f.show();
    f.Timer_debutTimer();
    f.ui()->Notebook1->setCurrentIndex(2);
    quillon::PageIonique& page = f.ionique();
    page.BitBtn12Click();
    // The largest animation: 300 K+ on each side, 600 particles.
    page.ui()->Scroll_ki->setValue(0);
    page.ui()->Scroll_ke->setValue(0);

    int reveils = 0;
    QObject::connect(f.ionique().minuteries().Timer_anim, &QTimer::timeout, [&reveils] { ++reveils; });
    attendre(300);

    const int duree = 2000;
    for (quillon::Vitesse v : {quillon::Vitesse::rapide, quillon::Vitesse::moyenne, quillon::Vitesse::lente}) {
        f.VitesseClick(v);
        page.GOClick();
        attendre(200); // settled at the new pace
        reveils = 0;
        const qint64 ticks_avant = page.ticks_animation();
        QElapsedTimer chrono;
        chrono.start();
        const std::clock_t processeur = std::clock();
        attendre(duree);
        const double secondes = static_cast<double>(chrono.nsecsElapsed()) / 1e9;
        const double occupe = static_cast<double>(std::clock() - processeur) / CLOCKS_PER_SEC;
        const auto ticks = static_cast<double>(page.ticks_animation() - ticks_avant);
        page.GOClick();
        std::printf("%-8s %d particles, %.0f ticks in %.3f s: %.0f ticks and %.0f wake-ups per second, "
                    "processor %.0f %% (device pixel ratio %g)\n",
                    qPrintable(quillon::nom_vitesse(v)), page.modele().anim.nb_part, ticks, secondes,
                    ticks / secondes, reveils / secondes, 100 * occupe / secondes, f.devicePixelRatioF());
        attendre(300);
    }
    return 0;
}
