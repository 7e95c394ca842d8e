#include "gui/shell/Twips.h"

#include <algorithm>
#include <cmath>

namespace yardmark {

int pixelsFromTwips(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel)); }
int twipsFromPixels(int pixels) { return pixels * kTwipsPerPixel; }

QPoint pixelsFromTwips(QPoint twips) { return {pixelsFromTwips(twips.x()), pixelsFromTwips(twips.y())}; }
QSize twipsFromPixels(QSize pixels) { return {twipsFromPixels(pixels.width()), twipsFromPixels(pixels.height())}; }

QPoint placeInside(QPoint twips, QSize window, QSize area) {
  const QPoint p = pixelsFromTwips(twips);
  const auto keep = [](int pos, int size, int room) { return std::max(0, std::min(pos, room - size)); };
  return {keep(p.x(), window.width(), area.width()), keep(p.y(), window.height(), area.height())};
}

MainWindowPlace fitMainWindow(QRect available, QSize designed, QMargins frame) {
  const QSize outer = designed.grownBy(frame);
  if (outer.width() > available.width() || outer.height() > available.height())
    return {available.marginsRemoved(frame), true};
  const QPoint corner =
      available.topLeft() + QPoint((available.width() - outer.width()) / 2, (available.height() - outer.height()) / 2);
  return {QRect(corner + QPoint(frame.left(), frame.top()), designed), false};
}

}  // namespace yardmark
