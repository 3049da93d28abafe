#pragma once
// The documents the window opens: the teachers' document, the test phases'
// script, and the stimulation page's two figures (pictures on recent
// systems, the acquisition program's experiments on older ones).
#include "shell/services.h"

#include <QString>
#include <functional>

class QWidget;

namespace quillon {

class CommandesDocuments {
public:
    // `erreur` says what could not be opened; `version_windows` is read at each opening.
    CommandesDocuments(QWidget* fenetre, const Services& services, const std::uint8_t& version_windows,
                       std::function<void(const QString&)> erreur)
        : fenetre_(fenetre), services_(services), version_windows_(version_windows), erreur_(std::move(erreur)) {}

    // "Informations sur le logiciel".
    void document_enseignants();
    // "Phases de test".
    void phases_de_test();
    void figure_refractaire();
    void figure_recrutement();

private:
    void document_stimulation(const QString& titre, const char* image, const char* experience);

    QWidget* fenetre_;
    const Services& services_;
    const std::uint8_t& version_windows_;
    std::function<void(const QString&)> erreur_;
};

} // namespace quillon
