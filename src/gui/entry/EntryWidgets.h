#pragma once
// Small widgets and helpers of the entry form's frames.
#include <QIcon>
#include <QLabel>

#include "gui/shell/FormKit.h"

class QLineEdit;

namespace yardmark {

// The picture of every section's Save button.
QIcon saveIcon();

// A number box: digits only, at most five (isItNumber).
QLineEdit* numberBox(QWidget* parent, const QString& name);

// A word-wrapped note with a picture standing in the blanks that follow a word of its text.
class SaveNoteLabel : public QLabel {
 public:
  explicit SaveNoteLabel(QWidget* parent);
  void setPicture(QLabel* picture, const QString& afterWord);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placePicture();
  QLabel* m_picture = nullptr;
  QString m_afterWord;
};

}  // namespace yardmark
