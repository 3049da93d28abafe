#pragma once
// The one-shot start-up sequence: the steps that put every page into its
// first state, always in the same order. A step that fails throws; the
// sequence then stops at that step and the message is handed back.
#include <QString>
#include <optional>
#include <stdexcept>

namespace quillon {

// A failure that stops the start-up sequence with a message for the user.
class ErreurDemarrage : public std::runtime_error {
public:
    explicit ErreurDemarrage(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// What the main window does at each step.
class EtapesDemarrage {
public:
    virtual ~EtapesDemarrage() = default;
    virtual void arreter_timer_debut() = 0;        // 1
    virtual void sonder_version() = 0;             // 2
    virtual void double_tampon() = 0;              // 3, nothing to do: Qt paints through a back buffer
    virtual void semer_aleatoire() = 0;            // 4 and 14
    virtual void lec_couleurs() = 0;               // 5
    virtual void Scroll_gkChange() = 0;            // 6
    virtual void Scroll_gnaChange() = 0;           // 6
    virtual void adap_merlade() = 0;               // 7
    virtual void rapports_images() = 0;            // 8
    virtual void concentrations_depart() = 0;      // 9
    virtual void calcul_images() = 0;              // 10
    // 10: each page draws its own rulers as it is built
    virtual void charger_images() = 0;             // 11
    virtual void Notebook1Click() = 0;             // 12
    virtual void construire_legendes() = 0;        // 13
    virtual void melanger_legendes() = 0;          // 14
    virtual void affichage_legendes() = 0;         // 15
};

// Runs the sequence; returns the message of the step that stopped it, if any.
std::optional<QString> executer_demarrage(EtapesDemarrage& etapes);

} // namespace quillon
