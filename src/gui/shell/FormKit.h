#pragma once
// Small pieces every form uses: its place over the main window, labels that name their boxes,
// and the wait cursor for long work.
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace yardmark {

class Form;

// Over the main window: top = (main height - own height) / 2 - 480, left = (main width - own width) / 2, in twips.
void placeOverMainWindow(Form& form);

// A label that names a box: the box is its buddy, so the label's access key and screen readers reach it.
QLabel* buddyLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy);

// A button carrying its caption, found by its name.
QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption);

// The wait cursor for the whole screen while it lives.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace yardmark
