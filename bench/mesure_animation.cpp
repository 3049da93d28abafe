// Ticks per second of the running ion-flux animation in a real window:
// run on an X server (xvfb-run -a build/bin/quillon_mesure_animation), also
// with QT_SCALE_FACTOR=2 for a dense screen.
// The animation timer asks for one tick per millisecond.
#include "app/apparence.h"
#include "app/tform1.h"
#include "ionic/page_ionique.h"
#include "ui_page_ionique.h"
#include "ui_tform1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    quillon::preparer_application(app);
    quillon::TForm1 f(QStringLiteral(QUILLON_DOSSIER_BENCH));
    f.show();
    f.Timer_debutTimer();
    f.ui()->Notebook1->setCurrentIndex(2);
    quillon::PageIonique& page = f.ionique();
    page.BitBtn12Click();
    // The largest animation: 300 K+ on each side, 600 particles.
    page.ui()->Scroll_ki->setValue(0);
    page.ui()->Scroll_ke->setValue(0);

    int ticks = 0;
    QObject::connect(f.Timer_anim, &QTimer::timeout, [&ticks] { ++ticks; });
    QEventLoop attente;
    QTimer::singleShot(300, &attente, &QEventLoop::quit);
    attente.exec();

    page.GOClick();
    QElapsedTimer chrono;
    chrono.start();
    QEventLoop boucle;
    QTimer::singleShot(2000, &boucle, &QEventLoop::quit);
    boucle.exec();
    const double secondes = static_cast<double>(chrono.nsecsElapsed()) / 1e9;
    std::printf("%d particles, %d ticks in %.3f s: %.0f ticks per second (device pixel ratio %g)\n",
                page.modele().anim.nb_part, ticks, secondes, ticks / secondes, f.devicePixelRatioF());
    return 0;
}
