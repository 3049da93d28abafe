// A bare Qt window, started the way Quillon is: the yardstick of its start-up.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Fenêtre nue"));
    fenetre.resize(940, 597);
    fenetre.show();
    return app.exec();
}
