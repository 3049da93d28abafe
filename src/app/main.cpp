#include "app/apparence.h"
#include "app/programme.h"
#include "common/controles.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    quillon::preparer_application(app);
    // The icon is decoded in the first turn of the event loop, once the window shows.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(quillon::icone_programme()); });

    quillon::Programme programme;
    QObject::connect(&programme.Form1, &quillon::TForm1::ferme, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    programme.Form1.show();
    return app.exec();
}
