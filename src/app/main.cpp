#include "app/apparence.h"
#include "app/programme.h"
#include "common/controles.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    quillon::preparer_application(app);
    QApplication::setWindowIcon(quillon::icone_programme());

    quillon::Programme programme;
    QObject::connect(&programme.Form1, &quillon::TForm1::ferme, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    programme.Form1.show();
    return app.exec();
}
