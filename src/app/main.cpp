#include "app/apparence.h"
#include "app/programme.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    quillon::preparer_application(app);
    QIcon icone;
    for (const char* nom : {":/art/quillon.png", ":/art/quillon_48.png", ":/art/quillon_256.png"})
        icone.addFile(QString::fromLatin1(nom));
    QApplication::setWindowIcon(icone);

    quillon::Programme programme;
    QObject::connect(&programme.Form1, &quillon::TForm1::ferme, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    programme.Form1.show();
    return app.exec();
}
