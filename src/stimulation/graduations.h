#pragma once
// The two rulers of the stimulation page, drawn once: milliseconds under the
// recording screen (30 pixels per ms) and centimetres above the nerve (7.5
// pixels per cm).
#include <QRect>

class QImage;

namespace quillon {

struct Graduation {
    int x1, y1, x2, y2; // tick rectangle's corners as computed (x1 > x2)
};

// Tick i (a multiple of 10) of the time ruler and of the distance ruler, for
// a picture of height h.
Graduation graduation_temps(int i, int h);
Graduation graduation_distance(int i, int h);
// Top-left corner of label i (a multiple of 20), the same on both rulers.
int x_etiquette(int i);

// Draws both rulers on their pictures (402 x 19, white).
void affich_grad(QImage& regle_temps, QImage& regle_distance);

} // namespace quillon
