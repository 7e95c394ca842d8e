#pragma once
// The program's own pictures, painted rather than shipped as files.
#include <QPixmap>
#include <QSize>

namespace yardmark {

// A football on a green square.
QPixmap programIcon(int size = 64);
// A football field seen from above, filling the given size; the main window's background.
QPixmap backgroundPicture(QSize size);

}  // namespace yardmark
