#pragma once
// Handing a document to the desktop and starting an outside program: behind
// an interface, so that tests see what would be started without starting it.
#include "shell/merlade.h"

#include <QString>

namespace quillon {

class Lanceur {
public:
    virtual ~Lanceur() = default;
    // Opens a document with the program the desktop associates with it;
    // false when no program is there to open it.
    virtual bool ouvrir_document(const QString& chemin) = 0;
    // Starts a program without waiting for it, maximised where the system
    // allows; false when it could not be started.
    virtual bool demarrer(const LancementMerlade& l) = 0;
};

// The desktop's own association and the system's process start.
class LanceurSysteme : public Lanceur {
public:
    bool ouvrir_document(const QString& chemin) override;
    bool demarrer(const LancementMerlade& l) override;
};

} // namespace quillon
