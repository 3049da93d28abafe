#pragma once
// The soak run's bench: its clock, the resident memory sampled every 10 s
// and judged at the end, the anomalies noted as the cycle goes.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

// Set where it is used: under AddressSanitizer the resident memory is reported, not judged.
#if defined(__SANITIZE_ADDRESS__)
#define QUILLON_ENDURANCE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLON_ENDURANCE_ASAN 1
#endif
#endif

namespace quillon::essais {

constexpr double mo = 1024.0 * 1024.0;
// Growth allowed from the first minute to the end: 10 MB, or 5 % of the
// figure at the first minute when that is more.
constexpr double tolerance_mo = 10.0;
constexpr double tolerance_relative = 0.05;

// Resident memory of this process, in bytes (second field of /proc/self/statm).
inline double memoire_residente()
{
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (f == nullptr)
        return 0;
    long taille = 0, residente = 0;
    const int lus = std::fscanf(f, "%ld %ld", &taille, &residente);
    std::fclose(f);
    return lus == 2 ? static_cast<double>(residente) * static_cast<double>(sysconf(_SC_PAGESIZE)) : 0;
}

struct Echantillon {
    double secondes;
    double octets;
};

class BancEndurance {
public:
    explicit BancEndurance(int duree_s) : duree_ms_(qint64(duree_s) * 1000) {}

protected:
    // ---- Time, memory and checks -----------------------------------------------

    bool fini() const { return chrono_.elapsed() >= duree_ms_; }
    // The first cycle runs whole, so that even a short run drives everything.
    bool arreter() const { return cycles_ > 1 && fini(); }

    void echantillonner(bool force = false)
    {
        const qint64 t = chrono_.elapsed();
        if (!force && t < prochain_echantillon_ms_)
            return;
        prochain_echantillon_ms_ = (t / 10000 + 1) * 10000;
        const double rss = memoire_residente();
        echantillons_.push_back({t / 1000.0, rss});
        std::printf("[%6.1f s] RSS %7.1f MB  (cycle %d)\n", t / 1000.0, rss / mo, cycles_);
        std::fflush(stdout);
    }

    // Lets the window paint and the timers tick, then samples if it is time.
    void souffler()
    {
        QCoreApplication::processEvents();
        echantillonner();
    }

    // The real event loop for `ms` milliseconds (timers, painting), sampling.
    void boucle(int ms)
    {
        QEventLoop b;
        QTimer fin, garde;
        fin.setSingleShot(true);
        QObject::connect(&fin, &QTimer::timeout, &b, &QEventLoop::quit);
        QObject::connect(&garde, &QTimer::timeout, [this] { echantillonner(); });
        garde.start(100);
        fin.start(ms);
        b.exec();
    }

    void anomalie(const QString& texte)
    {
        const QString ligne = QStringLiteral("cycle %1, %2 s: %3")
                                  .arg(cycles_)
                                  .arg(chrono_.elapsed() / 1000.0, 0, 'f', 1)
                                  .arg(texte);
        if (anomalies_.size() < 50)
            std::printf("ANOMALY %s\n", qPrintable(ligne));
        anomalies_ << ligne;
    }
    void verifier(bool condition, const QString& texte)
    {
        if (!condition)
            anomalie(texte);
    }

    // The resident memory at the end against the figure at the first minute.
    bool juger_memoire()
    {
        echantillonner(true);
        const double fin = echantillons_.back().octets;
        const double seuil_s = duree_ms_ >= 120000 ? 60.0 : duree_ms_ / 2000.0;
        const Echantillon* reference = nullptr;
        for (const Echantillon& e : echantillons_)
            if (e.secondes >= seuil_s) {
                reference = &e;
                break;
            }
        if (reference == nullptr)
            reference = &echantillons_.back();
        const double croissance = fin - reference->octets;
        const double permis = std::max(tolerance_mo * mo, tolerance_relative * reference->octets);
        double pic = 0;
        for (const Echantillon& e : echantillons_)
            pic = std::max(pic, e.octets);
        std::printf("memory: RSS at start %.1f MB, at %.0f s %.1f MB, at the end (%.0f s) %.1f MB, peak %.1f MB\n",
                    echantillons_.front().octets / mo, reference->secondes, reference->octets / mo,
                    echantillons_.back().secondes, fin / mo, pic / mo);
        std::printf("memory: growth since %.0f s %+.1f MB, allowed %.1f MB (10 MB or 5 %%, the larger)\n",
                    reference->secondes, croissance / mo, permis / mo);
#ifdef QUILLON_ENDURANCE_ASAN
        std::printf("memory: AddressSanitizer build, whose quarantine and shadow memory grow on their own: "
                    "growth reported, not judged\n");
        return true;
#else
        if (duree_ms_ < 120000) {
            std::printf("memory: run shorter than two minutes: growth reported, not judged\n");
            return true;
        }
        const bool ok = croissance <= permis;
        std::printf("memory: %s\n", ok ? "no growth beyond the tolerance" : "GROWTH BEYOND THE TOLERANCE");
        return ok;
#endif
    }

    const qint64 duree_ms_;
    QElapsedTimer chrono_;
    qint64 prochain_echantillon_ms_ = 0;
    std::vector<Echantillon> echantillons_;
    QStringList anomalies_;
    int cycles_ = 0;
};

} // namespace quillon::essais
