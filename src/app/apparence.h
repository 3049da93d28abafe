#pragma once
// Look of the program: fonts, palette, style and Qt's own French texts.
class QApplication;

namespace quillon {

// Registers the fonts the windows are designed in ("Tahoma", "MS Sans Serif",
// "System") when the system ships them, and maps "Arial" and "Times New
// Roman" to their metric-compatible twins.
void enregistrer_polices();

// Classic light look, French standard dialogs; calls enregistrer_polices.
void preparer_application(QApplication& app);

} // namespace quillon
