// A run whose display size was made to fit hands the documents and programs
// it opens the environment it was started with: the factor the user gave it
// (argument 1, empty for none), not its own. Exit status 0 when so.
#include "app/taille_ecran.h"
#include "app/tform1.h"
#include "shell/lanceur.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

int main(int argc, char* argv[])
{
    const QByteArray donne = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    QTemporaryDir d;
    const auto ecrire = [&](const QString& nom, const QByteArray& texte) {
        QFile f(d.filePath(nom));
        return f.open(QIODevice::WriteOnly) && f.write(texte) == texte.size() && f.setPermissions(f.permissions() | QFile::ExeOwner);
    };
    // 125 % kept; the desktop's tools stand-ins write down the factor they see.
    if (!QDir(d.path()).mkpath("Quillon") || !QDir(d.path()).mkpath("bin")
        || !ecrire("Quillon/reglages.ini", "[affichage]\ntaille=125\n")
        || !ecrire("bin/xdg-mime", "#!/bin/sh\necho lecteur.desktop\n")
        || !ecrire("bin/xdg-open", "#!/bin/sh\nprintf '%s' \"${QT_SCALE_FACTOR-aucun}\" > \"$VU.tmp\" && mv \"$VU.tmp\" \"$VU\"\n")
        || !ecrire("document.pdf", "%PDF-1.4\n"))
        return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(d.path()));
    qputenv("VU", QFile::encodeName(d.filePath("vu")));
    qputenv("PATH", QFile::encodeName(d.filePath("bin")) + ':' + qgetenv("PATH"));
    donne.isEmpty() ? qunsetenv("QT_SCALE_FACTOR") : qputenv("QT_SCALE_FACTOR", donne);

    QApplication::setApplicationName(QStringLiteral("Quillon"));
    const auto app = quillon::application_a_la_taille(argc, argv, {quillon::TForm1::largeur, quillon::TForm1::hauteur});
    const qreal ratio = app->devicePixelRatio();
    quillon::LanceurSysteme().ouvrir_document(d.filePath("document.pdf"));
    QFile vu(d.filePath("vu"));
    QElapsedTimer t;
    t.start();
    while (!vu.exists() && t.elapsed() < 10000)
        QThread::msleep(20);
    const QByteArray lu = vu.open(QIODevice::ReadOnly) ? vu.readAll() : QByteArray("(rien)");
    const QByteArray attendu = donne.isEmpty() ? QByteArray("aucun") : donne;
    std::printf("started with \"%s\", shown at %g, the viewer saw \"%s\"\n", donne.constData(), ratio, lu.constData());
    return lu == attendu && ratio != (donne.isEmpty() ? 1.0 : donne.toDouble()) ? 0 : 1;
}
