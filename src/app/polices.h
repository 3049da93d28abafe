#pragma once
// Look of the program: fonts, palette, style and Qt's own French texts.
class QApplication;
class QWidget;

namespace quillon {

// Registers the fonts the windows are designed in ("Tahoma", "MS Sans Serif",
// "System") when the system ships them, and maps "Arial" and "Times New
// Roman" to their metric-compatible twins.
void enregistrer_polices();

// Classic light look, French standard dialogs; calls enregistrer_polices.
void preparer_application(QApplication& app);

// The designs give font sizes in points at 96 pixels per inch: turns every
// explicitly set point size below `racine` into the matching pixel size, so
// the fixed layout holds whatever the desktop's DPI setting.
void polices_en_pixels(QWidget* racine);

// Pixel size of a design point size (12 points = 16 pixels).
int pixels_de_points(double points);

} // namespace quillon
