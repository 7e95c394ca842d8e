#pragma once
// Forms place themselves in twips, as they were laid out: 15 twips to a pixel.
#include <QMargins>
#include <QPoint>
#include <QRect>
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

// Where the main window goes on a screen: its designed client size, centred in the available area
// when that size and the window frame fit, otherwise maximised, so that no edge and no menu is
// ever off a small screen. geometry is the client rectangle.
struct MainWindowPlace {
  QRect geometry;
  bool maximised = false;
};
MainWindowPlace fitMainWindow(QRect available, QSize designed, QMargins frame);

}  // namespace yardmark
