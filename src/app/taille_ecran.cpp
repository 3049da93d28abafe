#include "taille_ecran.h"

#include <QScreen>

#include <vector>

namespace quillon {

namespace {

const char* const variable_qt = "QT_SCALE_FACTOR";
int en_cours = 100;
// The factor the sizes apply to, as QT_SCALE_FACTOR writes it (empty for
// none): the user's own, or the screen's own pixels when even 100 % on the
// user's is too large for the screen.
QByteArray base;

void mettre_facteur(const QByteArray& valeur)
{
    if (valeur.isEmpty())
        qunsetenv(variable_qt);
    else
        qputenv(variable_qt, valeur);
}

} // namespace

void appliquer_taille_affichage()
{
    base = qgetenv(variable_qt);
    en_cours = taille_affichage_retenue();
    mettre_facteur(en_cours == 100 ? base : facteur_echelle(base, en_cours));
}

int taille_affichage_en_cours()
{
    return en_cours;
}

bool ajuster_taille_de_depart(QSize fenetre, QSize ecran, double ratio)
{
    const double avant = facteur_ecrit(qgetenv(variable_qt));
    const double bureau = ratio / avant; // the desktop's own ratio, without QT_SCALE_FACTOR
    const TailleDepart d = taille_de_depart(fenetre, ecran, bureau, facteur_ecrit(base), en_cours);
    if (d.base != facteur_ecrit(base))
        base = QByteArray::number(d.base, 'g', 6);
    en_cours = d.taille;
    const QByteArray f = en_cours == 100 ? base : facteur_echelle(base, en_cours);
    mettre_facteur(f);
    return std::abs(facteur_ecrit(f) - avant) > 1e-6;
}

std::unique_ptr<QApplication> application_a_la_taille(int& argc, char** argv, QSize fenetre)
{
    // The application takes the options it reads out of argv: the second one reads them again.
    const int n = argc;
    const std::vector<char*> arguments(argv, argv + argc + 1);
    // Qt reads the factor as the application is made; what the program
    // opens or starts afterwards gets the environment it was started with.
    const QByteArray donne = qgetenv(variable_qt);
    appliquer_taille_affichage();
    auto app = std::make_unique<QApplication>(argc, argv);
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const double ratio = ecran != nullptr ? ecran->devicePixelRatio() : 1;
    if (ecran != nullptr
        && ajuster_taille_de_depart(fenetre, (QSizeF(ecran->availableGeometry().size()) * ratio).toSize(), ratio)) {
        app.reset();
        argc = n;
        std::copy(arguments.begin(), arguments.end(), argv);
        app = std::make_unique<QApplication>(argc, argv);
    }
    mettre_facteur(donne);
    return app;
}

QByteArray facteur_pour_relancer()
{
    const QByteArray avant = qgetenv(variable_qt);
    mettre_facteur(base);
    return avant;
}

void remettre_facteur(const QByteArray& avant)
{
    mettre_facteur(avant);
}

} // namespace quillon
