#include "dossiers_utilisateur.h"

#include "common/dossier.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quillon {

namespace {

QString dossier_cree(QStandardPaths::StandardLocation ou)
{
    const QString dossier = QStandardPaths::writableLocation(ou);
    return !dossier.isEmpty() && QDir().mkpath(dossier) ? dossier : QString();
}

} // namespace

QString fichier_reglages()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(QLatin1String(reglages::fichier));
}

QSettings reglages_utilisateur()
{
    return QSettings(fichier_reglages(), QSettings::IniFormat);
}

Enregistrement garder_reglage(const QString& cle, const QVariant& valeur)
{
    if (reglages_utilisateur().value(cle).toString() == valeur.toString() && reglages_utilisateur().contains(cle))
        return {true, {}};
    // QSettings writes through a buffered file whose failed writes go unseen:
    // the new settings are made in a copy, read back whole, then saved the
    // one sound way.
    const QString chemin = fichier_reglages();
    const QTemporaryDir temp;
    const QString copie = temp.filePath(QLatin1String(reglages::fichier));
    const Enregistrement illisible{false, QCoreApplication::translate("DossiersUtilisateur", "le dossier temporaire est plein ou n'accepte pas d'écriture")};
    if (!temp.isValid() || (QFile::exists(chemin) && !QFile::copy(chemin, copie)))
        return illisible;
    QMap<QString, QString> attendu;
    {
        QSettings s(copie, QSettings::IniFormat);
        s.setValue(cle, valeur);
        for (const QString& k : s.allKeys())
            attendu.insert(k, s.value(k).toString());
    }
    // Read back under another name: QSettings would answer from what it
    // keeps in memory for the name it wrote.
    const QString relue = temp.filePath(QStringLiteral("relue.ini"));
    if (!QFile::rename(copie, relue))
        return illisible;
    QSettings relu(relue, QSettings::IniFormat);
    for (auto k = attendu.cbegin(); k != attendu.cend(); ++k)
        if (relu.status() != QSettings::NoError || !relu.contains(k.key()) || relu.value(k.key()).toString() != k.value())
            return illisible;
    QFile f(relue);
    if (!f.open(QIODevice::ReadOnly))
        return illisible;
    const QByteArray contenu = f.readAll();
    if (!QDir().mkpath(QFileInfo(chemin).absolutePath()))
        return {false, QCoreApplication::translate("DossiersUtilisateur", "son dossier ne peut pas être créé")};
    return enregistrer_entier(chemin, contenu);
}

namespace {

// The kept value as text; none when absent or a list ("a, b" in the file).
std::optional<QString> texte_garde(const char* cle)
{
    const QVariant v = reglages_utilisateur().value(QLatin1String(cle));
    if (!v.isValid() || v.typeId() == QMetaType::QStringList || v.typeId() == QMetaType::QVariantList)
        return std::nullopt;
    return v.toString();
}

} // namespace

bool lire_reglage(const Reglage<bool>& r)
{
    const QString t = texte_garde(r.cle).value_or(QString()).toLower();
    return t == u"true" || t == u"1" ? true : t == u"false" || t == u"0" ? false : r.defaut;
}

int lire_reglage(const Reglage<int>& r)
{
    bool ok = false;
    const int n = texte_garde(r.cle).value_or(QString()).toInt(&ok);
    return ok ? n : r.defaut;
}

QString lire_reglage(const Reglage<const char*>& r)
{
    return texte_garde(r.cle).value_or(QString::fromUtf8(r.defaut));
}

Enregistrement garder_reglage(const Reglage<bool>& r, bool valeur)
{
    return garder_reglage(QLatin1String(r.cle), valeur);
}

Enregistrement garder_reglage(const Reglage<int>& r, int valeur)
{
    return garder_reglage(QLatin1String(r.cle), valeur);
}

Enregistrement garder_reglage(const Reglage<const char*>& r, const QString& valeur)
{
    return garder_reglage(QLatin1String(r.cle), valeur);
}

QString message_reglages(const Enregistrement& e)
{
    return QCoreApplication::translate("DossiersUtilisateur",
                                       "Quillon ne peut pas garder ses réglages : %1 (%2). Ceux de cette séance valent "
                                       "jusqu'à la fermeture de Quillon.")
        .arg(e.raison, QDir::toNativeSeparators(fichier_reglages()));
}

bool dossier_inscriptible(const QString& dossier)
{
    const QString chemin = QDir::fromNativeSeparators(dossier);
#ifdef Q_OS_UNIX
    // The effective user: QFileInfo asks for the real one, which a program
    // started through a setuid wrapper, or root acting as another user, is not.
    return faccessat(AT_FDCWD, QFile::encodeName(chemin).constData(), W_OK | X_OK, AT_EACCESS) == 0;
#else
    // Windows grants writing through the folder's access list, which the
    // read-only attribute Qt reads does not show (Program Files for a
    // pupil): a file is made there and removed.
    if (!QFileInfo(chemin).isDir())
        return false;
    QTemporaryFile essai(QDir(chemin).filePath(QStringLiteral("quillon_XXXXXX.tmp")));
    return essai.open();
#endif
}

QString dossier_documents()
{
    const QString d = dossier_cree(QStandardPaths::DocumentsLocation);
    return d.isEmpty() ? QDir::homePath() : d;
}

QString dossier_travail()
{
    const QString dernier = lire_reglage(reglages::dossier_travail);
    if (!dernier.isEmpty() && QFileInfo(dernier).isDir())
        return dernier;
    return dossier_documents();
}

Enregistrement retenir_dossier_travail(const QString& dossier)
{
    return garder_reglage(reglages::dossier_travail, dossier);
}

namespace {

bool dossier_du_programme(const QString& dossier)
{
    const QString d = QFileInfo(dossier).canonicalFilePath();
    return !d.isEmpty()
        && (d == QFileInfo(dossier_programme()).canonicalFilePath()
            || d == QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath());
}

} // namespace

QString dossier_pour_enregistrer(const QString& propose)
{
    for (const QString& d : {propose, dossier_travail(), dossier_documents(), QDir::homePath(), QDir::tempPath()}) {
        if (!d.isEmpty() && QFileInfo(d).isDir() && dossier_inscriptible(d) && !dossier_du_programme(d))
            return d;
    }
    return {};
}

QString avis_dossier_de_repli(const QString& nom)
{
    const QString habituel = dossier_travail();
    const QString dossier = QFileInfo(nom).absolutePath();
    const auto meme = [](const QString& a, const QString& b) {
        return !b.isEmpty() && QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
    };
    if (dossier_inscriptible(habituel) || !meme(dossier, dossier_pour_enregistrer(habituel)))
        return {};
    if (meme(dossier, QDir::tempPath()))
        return QCoreApplication::translate("DossiersUtilisateur",
                                           "Le fichier %1 a été enregistré dans le dossier temporaire, car le dossier %2 "
                                           "n'accepte pas de fichier. Le dossier temporaire peut être vidé à tout moment : "
                                           "copiez ce fichier sur une clé USB ou un partage.")
            .arg(QDir::toNativeSeparators(nom), QDir::toNativeSeparators(habituel));
    return QCoreApplication::translate("DossiersUtilisateur",
                                       "Le fichier %1 a été enregistré dans le dossier %2, car le dossier %3 n'accepte pas de fichier.")
        .arg(QDir::toNativeSeparators(nom), QDir::toNativeSeparators(dossier), QDir::toNativeSeparators(habituel));
}

QString aucun_dossier_pour_enregistrer()
{
    return QCoreApplication::translate("DossiersUtilisateur", "Aucun dossier ne peut recevoir de fichier : le dossier de travail, les documents, le "
                          "dossier personnel et le dossier temporaire sont en lecture seule. Choisissez un dossier "
                          "où enregistrer (une clé USB, un partage).");
}

bool fichier_du_programme(const QString& chemin)
{
    const QFileInfo f(chemin);
    return f.exists() && dossier_du_programme(f.absolutePath());
}

QString refus_fichier_du_programme(const QString& chemin)
{
    return QCoreApplication::translate("DossiersUtilisateur", "Le fichier %1 fait partie de Quillon : il ne peut pas être remplacé. Choisissez un autre "
                          "nom ou un autre dossier.")
        .arg(QDir::toNativeSeparators(chemin));
}

} // namespace quillon
