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
#include <sys/mount.h>
#include <unistd.h>
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
// the named files with known bytes, then filled to its last byte; `raison`
// says why there is none.
class DisquePlein {
public:
    inline static const QByteArray anciens_octets = "ancien\r\n";
    explicit DisquePlein(const QStringList& anciens)
    {
        if (geteuid() != 0) {
            raison = "not root: no tmpfs can be mounted";
            return;
        }
        if (mount("tmpfs", QFile::encodeName(dossier_.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k")
            != 0) {
            raison = std::string("no tmpfs mounted: ") + std::strerror(errno);
            return;
        }
        monte_ = true;
        for (const QString& nom : anciens)
            if (!ecrire(chemin(nom), anciens_octets))
                raison = "the old files could not be written";
        QFile plein(chemin(".plein"));
        plein.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        for (const QByteArray& bloc : {QByteArray(4096, 'x'), QByteArray(1, 'x')})
            while (plein.write(bloc) == bloc.size()) {
            }
    }
    ~DisquePlein()
    {
        if (monte_)
            umount2(QFile::encodeName(dossier_.path()).constData(), MNT_DETACH);
    }
    QString chemin(const QString& nom) const { return dossier_.filePath(nom); }
    // What the folder holds, the filling aside.
    QStringList noms() const
    {
        QStringList n = QDir(dossier_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        n.removeAll(QStringLiteral(".plein"));
        return n;
    }
    void vider() { QFile::remove(chemin(".plein")); }
    std::string raison;

private:
    QTemporaryDir dossier_;
    bool monte_ = false;
};

} // namespace quillon::essais
