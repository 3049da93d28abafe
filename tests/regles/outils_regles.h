#pragma once
// Helpers of every test program, with no display and no test framework:
// files read and written whole, the text of a ".nst" work file, pixels of a
// colour counted in a picture.
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <string>
#ifdef Q_OS_WIN
#include <QDirIterator>
#else
#include <sys/mount.h>
#include <unistd.h>
#endif
#include <array>
#include <limits>
#include <vector>

namespace quillon::essais {

// The file's bytes; empty when it cannot be read.
inline QByteArray lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes the bytes, making the folders on the way; false when it fails.
[[nodiscard]] inline bool ecrire(const QString& chemin, const QByteArray& octets)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size();
}

// One step of a ".nst" file: GK, GNa, [K]i, [K]e, [Na]i, [Na]e.
using PasNst = std::array<int, 6>;

// A ".nst" text: the count, six whole numbers per step, then the potential
// of each step in its 23 characters (" 0.00000000000000E+0000" unless given).
inline QByteArray texte_nst(const std::vector<PasNst>& pas, const std::vector<QByteArray>& potentiels = {})
{
    QByteArray t = QByteArray::number(static_cast<int>(pas.size())) + "\r\n";
    for (const PasNst& p : pas)
        for (int v : p)
            t += QByteArray::number(v) + "\r\n";
    for (std::size_t i = 0; i < pas.size(); ++i)
        t += (i < potentiels.size() ? potentiels[i] : QByteArray(" 0.00000000000000E+0000")) + "\r\n";
    return t;
}

// Pixels of that colour in the rectangle (the whole picture when empty).
inline int compter(const QImage& image, const QColor& c, QRect r = QRect())
{
    r = r.isEmpty() ? image.rect() : r.intersected(image.rect());
    const QRgb cherche = c.rgb();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += (image.pixel(x, y) | 0xff000000u) == cherche;
    return n;
}

// A spreadsheet table read back: its lines (CR LF) split at ";" (no quoted
// field); nothing without the UTF-8 byte-order mark and the last line's end.
inline std::vector<QStringList> lire_csv(const QByteArray& octets)
{
    std::vector<QStringList> lignes;
    if (octets.startsWith("\xEF\xBB\xBF") && octets.endsWith("\r\n"))
        for (const QString& l : QString::fromUtf8(octets.mid(3).chopped(2)).split(QStringLiteral("\r\n")))
            lignes.push_back(l.split(u';'));
    return lignes;
}

// A number with a decimal comma (NaN for a point or no number).
inline double reel_fr(QString champ)
{
    bool ok = false;
    const double x = champ.contains(u'.') ? 0 : champ.replace(u',', u'.').toDouble(&ok);
    return ok ? x : std::numeric_limits<double>::quiet_NaN();
}

// A real 64 KiB tmpfs mounted for the test (root only, as CI runs), holding
// the named files ("ancien\r\n") and filled to its last byte; `raison`
// says why there is none. On Windows (under Wine) the small disk is a drive
// that scripts/windows.sh maps to a tmpfs, named by QUILLON_DISQUE_PLEIN
// ("P:/"), emptied for each test.
struct DisquePlein {
#ifdef Q_OS_WIN
    QString racine = qEnvironmentVariable("QUILLON_DISQUE_PLEIN");
    std::string raison = racine.isEmpty() ? "no small disk given (QUILLON_DISQUE_PLEIN)" : "";
    bool monte = raison.empty() && vider();
    bool vider() const
    {
        for (QDirIterator it(racine, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot); it.hasNext();) {
            const QFileInfo f(it.next());
            if (f.isDir() ? !QDir(f.filePath()).removeRecursively() : !QFile::remove(f.filePath()))
                return false;
        }
        return true;
    }
#else
    QTemporaryDir dossier;
    std::string raison = geteuid() != 0 ? "not root: no tmpfs can be mounted" : "";
    bool monte = raison.empty()
        && mount("tmpfs", QFile::encodeName(dossier.path()).constData(), "tmpfs", 0, "size=64k") == 0;
#endif
    explicit DisquePlein(const QStringList& anciens)
    {
        if (!monte && raison.empty())
            raison = std::string("no tmpfs mounted: ") + std::strerror(errno);
        for (const QString& nom : anciens)
            if (monte && !ecrire(chemin(nom), "ancien\r\n"))
                raison = "the old files were not written";
        QFile plein(chemin(".plein"));
        if (monte && plein.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            while (plein.write("x", 1) == 1) {
            }
    }
#ifdef Q_OS_WIN
    ~DisquePlein()
    {
        if (monte)
            vider();
    }
    QString chemin(const QString& nom) const { return QDir(racine).filePath(nom); }
    QString dossier_monte() const { return QDir(racine).absolutePath(); }
#else
    ~DisquePlein()
    {
        if (monte)
            umount2(QFile::encodeName(dossier.path()).constData(), MNT_DETACH);
    }
    QString chemin(const QString& nom) const { return dossier.filePath(nom); }
    QString dossier_monte() const { return dossier.path(); }
#endif
};

// Whether this process may write where its permissions say it may not:
// root on Linux. Windows has no such bits on folders (an access list), so
// the tests of a protected folder are Linux's.
inline bool ecrit_malgre_les_droits()
{
#ifdef Q_OS_WIN
    return true;
#else
    return geteuid() == 0;
#endif
}

} // namespace quillon::essais
