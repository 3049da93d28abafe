#pragma once
// The start-up sequence of the main window: each step done by the page or
// the service that owns it, in the sequence's fixed order.
#include "app/demarrage.h"
#include "shell/services.h"

#include <QString>

namespace quillon {

class TForm1;

class DemarrageFenetre : public EtapesDemarrage {
public:
    // `chemin_merlade` receives the folder the acquisition program's launch file was copied from.
    DemarrageFenetre(TForm1& fenetre, const Services& services, QString& chemin_merlade)
        : f_(fenetre), services_(services), chemin_merlade_(chemin_merlade) {}

    void arreter_timer_debut() override;
    void sonder_version() override;
    void double_tampon() override;
    void semer_aleatoire() override;
    void lec_couleurs() override;
    void Scroll_gkChange() override;
    void Scroll_gnaChange() override;
    void adap_merlade() override;
    void rapports_images() override;
    void concentrations_depart() override;
    void calcul_images() override;
    void charger_images() override;
    void Notebook1Click() override;
    void construire_legendes() override;
    void melanger_legendes() override;
    void affichage_legendes() override;

private:
    TForm1& f_;
    const Services& services_;
    QString& chemin_merlade_;
};

} // namespace quillon
