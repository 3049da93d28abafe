// Starts the unpacked program as a user would and judges from outside, on the
// X display, whether it found its data files:
//
//   quillon_paquet_ecran <unpacked-root> <screenshot.png> [--sans-potassium | --taille <percent>]
//
// With --taille, the user's settings keep that display size before the start:
// every size and distance below is then that much larger.
// It runs <unpacked-root>/usr/bin/quillon (with --sans-potassium, a copy of the
// unpacked prefix without share/quillon/k.bmp), then every 200 ms lists the
// program's mapped top-level windows (X property _NET_WM_PID) and grabs the
// screen. A good start shows one window, 956 x 635 outer (940 x 597 without a
// window manager), centred on the screen, with the home page's ten legends:
// light blue (166, 202, 240) rectangles in columns 120 pixels apart (3, 3, 3
// and 1 legends), from 370 pixels down the page. A failed start shows the
// error box, a second window, and no legend, since the legends are built
// after the pictures are loaded. The expected outcome (the legends, or with
// --sans-potassium the error box) must appear within 20 s; the program is
// killed in every case and the last screenshot is kept.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr QRgb bleu_clair = qRgb(166, 202, 240);
constexpr int largeur = 956, hauteur = 635;       // outer size of the main window
constexpr int largeur_client = 940, hauteur_client = 597; // the same without a frame
double echelle = 1; // the display size kept in the settings, as a factor

// Within the rounding of a scaled size.
bool vaut(int mesure, int taille_a_100)
{
    return std::abs(mesure - taille_a_100 * echelle) <= 2;
}

void dire(const QString& texte)
{
    std::fprintf(stderr, "%s\n", qPrintable(texte));
}

struct Fenetre {
    QRect cadre; // the top-level window (the frame when a window manager adds one)
    QString titre;
};

class X {
public:
    X()
    {
        int ecran = 0;
        c_ = xcb_connect(nullptr, &ecran);
        if (xcb_connection_has_error(c_))
            return;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c_));
        for (int i = 0; i < ecran; ++i)
            xcb_screen_next(&it);
        racine_ = it.data->root;
        taille_ = QSize(it.data->width_in_pixels, it.data->height_in_pixels);
        pid_ = atome("_NET_WM_PID");
        nom_ = atome("_NET_WM_NAME");
        utf8_ = atome("UTF8_STRING");
    }
    ~X()
    {
        if (c_ != nullptr)
            xcb_disconnect(c_);
    }
    bool ok() const { return c_ != nullptr && !xcb_connection_has_error(c_); }
    QSize taille() const { return taille_; }

    // Mapped top-level windows of a process (the window or its first-level child
    // carrying the process id, for window managers that add a frame).
    std::vector<Fenetre> fenetres(qint64 pid)
    {
        std::vector<Fenetre> r;
        for (xcb_window_t w : enfants(racine_)) {
            if (!visible(w))
                continue;
            std::optional<xcb_window_t> client;
            if (pid_de(w) == pid)
                client = w;
            else
                for (xcb_window_t e : enfants(w))
                    if (pid_de(e) == pid)
                        client = e;
            if (!client)
                continue;
            xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c_, xcb_get_geometry(c_, w), nullptr);
            if (g == nullptr)
                continue;
            r.push_back({QRect(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width),
                         titre(*client)});
            std::free(g);
        }
        return r;
    }

private:
    xcb_atom_t atome(const char* nom)
    {
        xcb_intern_atom_reply_t* r =
            xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(std::strlen(nom)), nom), nullptr);
        const xcb_atom_t a = r != nullptr ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(r);
        return a;
    }
    std::vector<xcb_window_t> enfants(xcb_window_t w)
    {
        std::vector<xcb_window_t> r;
        xcb_query_tree_reply_t* t = xcb_query_tree_reply(c_, xcb_query_tree(c_, w), nullptr);
        if (t == nullptr)
            return r;
        const xcb_window_t* e = xcb_query_tree_children(t);
        r.assign(e, e + xcb_query_tree_children_length(t));
        std::free(t);
        return r;
    }
    bool visible(xcb_window_t w)
    {
        xcb_get_window_attributes_reply_t* a =
            xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, w), nullptr);
        const bool v = a != nullptr && a->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(a);
        return v;
    }
    qint64 pid_de(xcb_window_t w)
    {
        xcb_get_property_reply_t* p =
            xcb_get_property_reply(c_, xcb_get_property(c_, 0, w, pid_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        qint64 r = -1;
        if (p != nullptr && xcb_get_property_value_length(p) == 4)
            r = *static_cast<const uint32_t*>(xcb_get_property_value(p));
        std::free(p);
        return r;
    }
    QString titre(xcb_window_t w)
    {
        xcb_get_property_reply_t* p =
            xcb_get_property_reply(c_, xcb_get_property(c_, 0, w, nom_, utf8_, 0, 256), nullptr);
        QString r;
        if (p != nullptr)
            r = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(p)), xcb_get_property_value_length(p));
        std::free(p);
        return r;
    }

    xcb_connection_t* c_ = nullptr;
    xcb_window_t racine_ = 0;
    QSize taille_;
    xcb_atom_t pid_ = XCB_ATOM_NONE, nom_ = XCB_ATOM_NONE, utf8_ = XCB_ATOM_NONE;
};

// Bounding boxes of the light blue areas of at least 200 pixels inside a
// rectangle of the screenshot (4-connected).
std::vector<QRect> taches_bleues(const QImage& image, QRect zone)
{
    zone &= image.rect();
    std::vector<QRect> r;
    std::vector<char> vu(static_cast<size_t>(zone.width()) * zone.height(), 0);
    const auto indice = [&](int x, int y) { return static_cast<size_t>(y - zone.top()) * zone.width() + (x - zone.left()); };
    const auto bleu = [&](int x, int y) { return (image.pixel(x, y) & 0xffffff) == (bleu_clair & 0xffffff); };
    std::vector<QPoint> pile;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x) {
            if (vu[indice(x, y)] || !bleu(x, y))
                continue;
            int aire = 0;
            QRect boite(x, y, 1, 1);
            pile.assign(1, QPoint(x, y));
            vu[indice(x, y)] = 1;
            while (!pile.empty()) {
                const QPoint p = pile.back();
                pile.pop_back();
                ++aire;
                boite |= QRect(p, QSize(1, 1));
                for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (zone.contains(q) && !vu[indice(q.x(), q.y())] && bleu(q.x(), q.y())) {
                        vu[indice(q.x(), q.y())] = 1;
                        pile.push_back(q);
                    }
                }
            }
            if (aire >= 200)
                r.push_back(boite);
        }
    return r;
}

// Empty when the areas are the ten legends laid out as at the start, else why not.
QString juger_legendes(std::vector<QRect> t, const QRect& fenetre)
{
    if (t.size() != 10)
        return QStringLiteral("%1 light blue areas, not the 10 legends").arg(t.size());
    std::sort(t.begin(), t.end(), [](const QRect& a, const QRect& b) {
        return a.left() != b.left() ? a.left() < b.left() : a.top() < b.top();
    });
    // Columns: lefts within 2 pixels of each other.
    std::vector<std::vector<QRect>> colonnes;
    for (const QRect& r : t) {
        if (colonnes.empty() || r.left() - colonnes.back().front().left() > 2)
            colonnes.emplace_back();
        colonnes.back().push_back(r);
    }
    QString disposition;
    for (const auto& c : colonnes)
        disposition += QStringLiteral(" [x %1: %2]").arg(c.front().left()).arg(c.size());
    if (colonnes.size() != 4 || colonnes[0].size() != 3 || colonnes[1].size() != 3 || colonnes[2].size() != 3
        || colonnes[3].size() != 1)
        return QStringLiteral("the legends are not in columns of 3, 3, 3 and 1:") + disposition;
    for (size_t i = 1; i < colonnes.size(); ++i) {
        const int ecart = colonnes[i].front().left() - colonnes[i - 1].front().left();
        if (!vaut(ecart, 120))
            return QStringLiteral("columns %1 pixels apart, not 120 x %2:").arg(ecart).arg(echelle) + disposition;
        if (std::abs(colonnes[i].front().top() - colonnes[0].front().top()) > 2)
            return QStringLiteral("the columns do not start at the same height");
    }
    for (const auto& c : colonnes)
        for (size_t i = 1; i < c.size(); ++i)
            if (c[i].top() <= c[i - 1].bottom())
                return QStringLiteral("legends of a column overlap");
    const int haut = colonnes[0].front().top() - fenetre.top();
    if (haut < 370 * echelle || colonnes[0].front().left() - fenetre.left() < 30 * echelle)
        return QStringLiteral("the legends start %1 pixels down the window, above the page's 370").arg(haut);
    for (const QRect& r : t)
        if (!fenetre.contains(r))
            return QStringLiteral("a legend lies outside the window");
    return {};
}

bool copier_sans_potassium(const QString& racine, const QString& copie)
{
    if (!QDir().mkpath(copie + "/usr/bin") || !QDir().mkpath(copie + "/usr/share/quillon"))
        return false;
    if (!QFile::copy(racine + "/usr/bin/quillon", copie + "/usr/bin/quillon"))
        return false;
    const QString source = racine + "/usr/share/quillon/";
    for (const QString& f : QDir(source).entryList(QDir::Files))
        if (f != QLatin1String("k.bmp") && !QFile::copy(source + f, copie + "/usr/share/quillon/" + f))
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const bool sans_potassium = args.size() == 3 && args[2] == QLatin1String("--sans-potassium");
    const int taille = args.size() == 4 && args[2] == QLatin1String("--taille") ? args[3].toInt() : 100;
    if (args.size() < 2 || (args.size() == 3 && !sans_potassium) || (args.size() == 4 && taille <= 100)
        || args.size() > 4) {
        dire("usage: quillon_paquet_ecran <unpacked-root> <screenshot.png> [--sans-potassium | --taille <percent>]");
        return 2;
    }
    echelle = taille / 100.0;
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        dire("needs an X display (platform " + QGuiApplication::platformName() + ")");
        return 2;
    }
    X x;
    if (!x.ok()) {
        dire("cannot reach the X display");
        return 2;
    }

    QTemporaryDir annexe;
    QString racine = args[0];
    if (sans_potassium) {
        racine = annexe.path() + "/prefixe";
        if (!copier_sans_potassium(args[0], racine)) {
            dire("cannot copy the unpacked prefix from " + args[0]);
            return 2;
        }
    }
    const QString programme = racine + "/usr/bin/quillon";
    if (!QFile::exists(programme)) {
        dire(programme + " is missing (test Paquet.Construction)");
        return 1;
    }

    // The program's settings and runtime files go to a scratch folder.
    QDir(annexe.path()).mkpath("config/Quillon");
    if (taille != 100) {
        QFile reglages(annexe.path() + "/config/Quillon/reglages.ini");
        if (!reglages.open(QIODevice::WriteOnly) || reglages.write(QStringLiteral("[affichage]\ntaille=%1\n").arg(taille).toUtf8()) < 0) {
            dire("cannot write the settings");
            return 2;
        }
    }
    QDir(annexe.path()).mkpath("run");
    QFile::setPermissions(annexe.path() + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("XDG_CONFIG_HOME", annexe.path() + "/config");
    env.insert("XDG_RUNTIME_DIR", annexe.path() + "/run");
    env.remove("QT_QPA_PLATFORMTHEME");

    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.setWorkingDirectory(annexe.path());
    // Whatever happens below, the program does not outlive this check.
    const auto arreter = [&p] {
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished(5000);
        }
    };
    struct Fin {
        std::function<void()> f;
        ~Fin() { f(); }
    } fin{arreter};

    p.start(programme, {});
    if (!p.waitForStarted(5000)) {
        dire("cannot start " + programme + ": " + p.errorString());
        return 1;
    }
    const qint64 pid = p.processId();
    const QSize ecran = x.taille();
    // Where the program centres its window: by its outer size, frame or not.
    const QPoint centre(int((ecran.width() - largeur * echelle) / 2), int((ecran.height() - hauteur * echelle) / 2));
    QScreen* s = QGuiApplication::primaryScreen();

    QString dernier = QStringLiteral("no window of the program appeared");
    QImage image;
    QElapsedTimer minuterie;
    minuterie.start();
    bool reussi = false;
    while (minuterie.elapsed() < 20000) {
        QThread::msleep(200);
        if (p.state() == QProcess::NotRunning) {
            dernier = QStringLiteral("the program ended (exit code %1)").arg(p.exitCode());
            break;
        }
        const std::vector<Fenetre> f = x.fenetres(pid);
        if (f.empty())
            continue;
        image = s->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        const auto principale = std::find_if(f.begin(), f.end(), [](const Fenetre& w) {
            return (vaut(w.cadre.width(), largeur) && vaut(w.cadre.height(), hauteur))
                   || (vaut(w.cadre.width(), largeur_client) && vaut(w.cadre.height(), hauteur_client));
        });
        QString windows;
        for (const Fenetre& w : f)
            windows += QStringLiteral(" [\"%1\" %2,%3 %4x%5]")
                           .arg(w.titre)
                           .arg(w.cadre.x())
                           .arg(w.cadre.y())
                           .arg(w.cadre.width())
                           .arg(w.cadre.height());
        if (principale == f.end()) {
            dernier = "no window of the main window's size:" + windows;
            continue;
        }
        const std::vector<QRect> taches = taches_bleues(image, principale->cadre);
        const QString legendes = juger_legendes(taches, principale->cadre);
        if (sans_potassium) {
            dernier = QStringLiteral("windows:%1; legends: %2").arg(windows, legendes.isEmpty() ? "shown" : legendes);
            if (f.size() >= 2 && taches.empty()) {
                reussi = true;
                break;
            }
            continue;
        }
        if ((principale->cadre.topLeft() - centre).manhattanLength() > (taille == 100 ? 0 : 2)) {
            dernier = QStringLiteral("the main window is at %1,%2, not centred at %3,%4:%5")
                          .arg(principale->cadre.x())
                          .arg(principale->cadre.y())
                          .arg(centre.x())
                          .arg(centre.y())
                          .arg(windows);
            continue;
        }
        if (f.size() != 1) {
            dernier = "the program shows more than its main window (an error box?):" + windows;
            // The error box does not go away by itself.
            if (minuterie.elapsed() > 3000)
                break;
            continue;
        }
        dernier = legendes;
        if (legendes.isEmpty()) {
            reussi = true;
            break;
        }
    }
    if (!image.isNull())
        image.save(args[1]);
    arreter();
    if (!reussi) {
        dire((sans_potassium ? QStringLiteral("the error box of a missing picture was not seen: ")
                             : QStringLiteral("the program did not start with its legends: "))
             + dernier + " (screenshot " + args[1] + ")");
        return 1;
    }
    std::printf("%s\n", sans_potassium ? "error box shown, no legend" : "main window centred with its ten legends");
    return 0;
}
