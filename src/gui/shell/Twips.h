#pragma once
// Forms place themselves in twips, as they were laid out: 15 twips to a pixel.
#include <QPoint>
#include <QSize>

namespace yardmark {

inline constexpr int kTwipsPerPixel = 15;

int pixelsFromTwips(int twips);
int twipsFromPixels(int pixels);
QPoint pixelsFromTwips(QPoint twips);
QSize twipsFromPixels(QSize pixels);

// Pixel position of a window of the given pixel size placed at a twips position inside an
// area, moved just enough to stay wholly visible (to the top left corner when it is larger).
QPoint placeInside(QPoint twips, QSize window, QSize area);

}  // namespace yardmark
