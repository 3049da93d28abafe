// Time from a program's launch to its first window mapped on the X display,
// for Quillon and for a bare Qt window started the same way, alternately:
//   xvfb-run -a build/bin/quillon_mesure_lancement [runs]
// or, as on a desktop, with a session bus:
//   dbus-run-session -- xvfb-run -a build/bin/quillon_mesure_lancement [runs]
// The X server reports the mapping; nothing is polled.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using horloge = std::chrono::steady_clock;

// Milliseconds until the program's first top-level window is mapped; -1 on failure.
double lancer(xcb_connection_t* x, const std::string& programme)
{
    char* argv[] = {const_cast<char*>(programme.c_str()), nullptr};
    const auto debut = horloge::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, programme.c_str(), nullptr, nullptr, argv, environ) != 0)
        return -1;
    double ms = -1;
    while (xcb_generic_event_t* e = xcb_wait_for_event(x)) {
        const bool carte = (e->response_type & 0x7f) == XCB_MAP_NOTIFY
            && !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect;
        std::free(e);
        if (carte) {
            ms = std::chrono::duration<double, std::milli>(horloge::now() - debut).count();
            break;
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return ms;
}

double mediane(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int essais = argc > 1 ? std::atoi(argv[1]) : 15;
    std::string dossier = argv[0];
    dossier = dossier.substr(0, dossier.find_last_of('/') + 1);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t masque = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, racine, XCB_CW_EVENT_MASK, &masque);
    xcb_flush(x);

    std::vector<double> quillon, nue;
    for (int i = 0; i < essais; ++i) {
        // Alternately, so that both see the same state of the machine.
        quillon.push_back(lancer(x, dossier + "quillon"));
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        nue.push_back(lancer(x, dossier + "quillon_fenetre_nue"));
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
    if (std::count(quillon.begin(), quillon.end(), -1.0) + std::count(nue.begin(), nue.end(), -1.0) > 0) {
        std::fprintf(stderr, "a program did not start\n");
        return 1;
    }
    const double q = mediane(quillon);
    const double n = mediane(nue);
    // Each launch against the bare one next to it: the machine's speed drifting
    // during the run moves both.
    std::vector<double> rapports;
    for (std::size_t i = 0; i < quillon.size(); ++i)
        rapports.push_back(quillon[i] / nue[i]);
    std::printf("launch to window shown, median of %d: Quillon %.1f ms, bare Qt window %.1f ms, ratio %.2f;"
                " median of the %d side-by-side ratios %.2f\n",
                essais, q, n, q / n, essais, mediane(rapports));
    xcb_disconnect(x);
    return 0;
}
