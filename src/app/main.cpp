#include "app/apparence.h"
#include "app/programme.h"
#include "app/taille_ecran.h"
#include "common/icones.h"

#include <QApplication>
#include <QTimer>

#ifdef QUILLON_BUS_DE_SESSION
#include <QDBusConnection>
#include <future>
#endif

int main(int argc, char* argv[])
{
    // The settings are found by the application's name; the display size
    // they keep is Qt's scale factor, which only applies from the start.
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    // A window larger than the screen is made at a size that fits, in this run.
    const std::unique_ptr<QApplication> application = quillon::application_a_la_taille(
        argc, argv, QSize(quillon::TForm1::largeur, quillon::TForm1::hauteur));
    QApplication& app = *application;
#ifdef QUILLON_BUS_DE_SESSION
    // The screen readers' bridge waits for the session bus when the first
    // control is named; the connection is opened meanwhile, while the fonts
    // are read. (Without a bus, D-Bus tries to start one: a fork of this process.)
    std::future<void> bus = std::async(std::launch::async, [] { QDBusConnection::sessionBus(); });
#endif
    quillon::preparer_application(app);
    // The icon is decoded in the first turn of the event loop, once the window shows.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(quillon::icone_programme()); });

    quillon::Services services;
    // A work file double-clicked comes as an argument (read as Unicode on
    // Windows too, Qt's own options taken out).
    services.ligne_de_commande = QCoreApplication::arguments();
    quillon::Programme programme(std::move(services));
    QObject::connect(&programme.Form1, &quillon::TForm1::ferme, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    programme.Form1.show();
    return app.exec(); // the bus thread, long finished, is joined before the application ends
}
