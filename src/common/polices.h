#pragma once
// Font sizes of the window designs, in pixels whatever the desktop's DPI.
class QWidget;

namespace quillon {

// The designs give font sizes in points at 96 pixels per inch: turns every
// explicitly set point size below `racine` into the matching pixel size, so
// the fixed layout holds whatever the desktop's DPI setting.
void polices_en_pixels(QWidget* racine);

// Pixel size of a design point size (12 points = 16 pixels).
int pixels_de_points(double points);

} // namespace quillon
