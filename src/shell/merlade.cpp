#include "merlade.h"

#include "common/chemins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>
#include <array>

namespace quillon {

namespace {

const QLatin1String fichier_lancement("merlade.pif");

// A name in a folder, joined with the folder's own separator (a Windows
// folder such as "c:\mrl" keeps its backslashes on every system).
QString dans(const QString& dossier, const QString& nom)
{
    const QChar separateur = dossier.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/');
    return dossier.endsWith(separateur) ? dossier + nom : dossier + separateur + nom;
}

} // namespace

QString dossier_mrl()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\mrl");
#else
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return QDir(base).filePath(QStringLiteral("mrl"));
#endif
}

bool copier(const QString& source, const QString& destination)
{
    QFile entree(source);
    if (!entree.open(QIODevice::ReadOnly))
        return true;
    QFile sortie(destination);
    if (!sortie.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    std::array<char, 10100> tampon{};
    for (;;) {
        const qint64 lus = entree.read(tampon.data(), 10000);
        if (lus < 0)
            return false;
        if (lus > 0 && sortie.write(tampon.data(), lus) != lus)
            return false;
        if (lus < 10000)
            break;
    }
    return true;
}

QStringList lignes_modele(const QByteArray& octets)
{
    QStringList lignes;
    QTextStream flux(octets);
    flux.setEncoding(QStringConverter::Latin1);
    QString ligne;
    while (flux.readLineInto(&ligne))
        lignes << ligne;
    return lignes;
}

ResultatMerlade adap_merlade(const QString& dossier_prog, const QString& mrl)
{
    ResultatMerlade r;
    QFile modele(chemin_fichier(dossier_prog, QStringLiteral("\\merlade\\merlade.sav")));
    if (!modele.exists() || !modele.open(QIODevice::ReadOnly))
        return r;
    QStringList lignes = lignes_modele(modele.readAll());
    // A line the template lacks reads as empty: it never matches.
    for (int i = 1; i <= 4 && i < lignes.size(); ++i) {
        if (!lignes[i].contains(QLatin1String("SET CHEM_MRL")))
            continue;
        lignes[i] = QStringLiteral("SET CHEM_MRL=") + dossier_prog + QStringLiteral("\\MERLADE\\");
        r.chemin_merlade = dossier_prog + QStringLiteral("\\MERLADE\\");
        QDir().mkpath(mrl); // an existing folder is fine
        const QString bat = dans(mrl, QStringLiteral("merlade.bat"));
        QSaveFile sortie(bat);
        bool ecrit = sortie.open(QIODevice::WriteOnly);
        for (const QString& l : std::as_const(lignes))
            ecrit = ecrit && sortie.write(l.toLatin1() + "\r\n") >= 0;
        if (!ecrit || !sortie.commit()) {
            r.erreur = QCoreApplication::translate("Merlade", "Impossible de créer le fichier %1").arg(QDir::toNativeSeparators(bat));
            return r;
        }
        r.prepare = true;
        const QString pif = dans(mrl, fichier_lancement);
        if (!copier(chemin_fichier(r.chemin_merlade, QStringLiteral("merlade.ppp")), pif)) {
            r.erreur = QCoreApplication::translate("Merlade", "Erreur d'écriture du fichier %1").arg(QDir::toNativeSeparators(pif));
            return r;
        }
    }
    return r;
}

QString LancementMerlade::ligne() const
{
    return programme + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
}

LancementMerlade commande_merlade(const QString& mrl, const QString& courant, const QString& experience)
{
    LancementMerlade l;
    l.programme = dans(mrl, fichier_lancement);
    l.arguments << courant + QStringLiteral("\\merlade\\electro\\") + experience;
    l.dossier = mrl;
    return l;
}

std::optional<LancementMerlade> lancement_merlade(const QString& mrl, const QString& courant,
                                                  const QString& experience)
{
    if (!QFile::exists(dans(mrl, fichier_lancement)))
        return std::nullopt;
    return commande_merlade(mrl, courant, experience);
}

void nettoyer_merlade(const QString& mrl)
{
    if (!QFile::exists(dans(mrl, fichier_lancement)))
        return;
    QDir dossier(mrl);
    for (const QString& f : dossier.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dossier.remove(f);
    QDir().rmdir(dossier.absolutePath());
}

} // namespace quillon
