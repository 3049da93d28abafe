#include "enregistrement.h"

#include "common/dossiers_utilisateur.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace quillon {

namespace {

QString disque_plein()
{
    return QCoreApplication::translate("Enregistrement", "le disque est plein");
}

// A full disk is a resource error where Qt reads errno; on Windows it is a
// write error in the system's words: there the free space says it.
Enregistrement echec(const QFileDevice& f, qint64 taille = 0)
{
    bool plein = f.error() == QFileDevice::ResourceError;
#ifdef Q_OS_WIN
    const QStorageInfo disque(QFileInfo(f.fileName()).absolutePath());
    plein = plein || (f.error() == QFileDevice::WriteError && disque.isValid() && disque.bytesAvailable() < taille);
#else
    Q_UNUSED(taille);
#endif
    return {false, plein ? disque_plein() : f.errorString()};
}

// Every byte written, each write's count checked: a short write is a failure.
bool ecrire_tout(QFileDevice& f, const QByteArray& contenu)
{
    qint64 fait = 0;
    while (fait < contenu.size()) {
        const qint64 n = f.write(contenu.constData() + fait, contenu.size() - fait);
        if (n <= 0)
            return false;
        fait += n;
    }
    return f.flush() && f.error() == QFileDevice::NoError;
}

// A folder where nothing can be created (a read-only share) holding a file
// this user may write: the file is written in place, once the new content
// is known to fit, and its old bytes are put back when a write fails.
Enregistrement en_place(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return echec(f);
    const QByteArray ancien = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return echec(f);
    const QStorageInfo disque(QFileInfo(chemin).absolutePath());
    if (contenu.size() > ancien.size() && disque.isValid() && disque.bytesAvailable() < contenu.size() - ancien.size())
        return {false, disque_plein()};
    if (f.seek(0) && ecrire_tout(f, contenu) && f.resize(contenu.size()))
        return {true, {}};
    const Enregistrement e = echec(f, contenu.size() - ancien.size());
    f.unsetError();
    if (f.seek(0))
        ecrire_tout(f, ancien);
    f.resize(ancien.size());
    return e;
}

} // namespace

Enregistrement enregistrer_entier(const QString& chemin, const QByteArray& contenu)
{
    // No direct-write fallback: it would truncate the old file before the
    // first byte of the new one is known to fit.
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QFileInfo info(chemin);
        if (info.isFile() && info.isWritable() && !dossier_inscriptible(info.absolutePath()))
            return en_place(chemin, contenu);
        return echec(f);
    }
    if (ecrire_tout(f, contenu) && f.commit())
        return {true, {}};
    const Enregistrement e = echec(f, contenu.size());
    f.cancelWriting();
    return e;
}

QString message_enregistrement(const QString& chemin, const Enregistrement& e)
{
    return QCoreApplication::translate("Enregistrement", "Impossible d'enregistrer le fichier %1 : %2.")
        .arg(QDir::toNativeSeparators(chemin), e.raison);
}

} // namespace quillon
