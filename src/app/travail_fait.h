#pragma once
// The work a report would hold, in a form that compares: the legends laid,
// the correction asked for, the answers typed and their correction, the
// steps recorded or programmed. Empty while nothing was done.
#include <QString>

namespace quillon {

class ExerciceLegendes;
class PageStimulation;
class EquilibresIoniques;

// The stimulation and ionic pages may not be built yet (null): nothing was done there.
QString empreinte_travail(const ExerciceLegendes& legendes, const PageStimulation* stimulation,
                          const EquilibresIoniques* ionique);

} // namespace quillon
