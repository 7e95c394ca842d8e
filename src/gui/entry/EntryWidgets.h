#pragma once
// Small widgets and helpers of the entry form's frames.
#include <QIcon>
#include <QLabel>

#include "gui/shell/FormKit.h"

class QLineEdit;

namespace yardmark {

// The picture of every section's Save button.
QIcon saveIcon();

// What a number box accepts: digits only, at most five (isItNumber); yards, which may be lost
// (yardsKey); sacks, which may be shared (sacksKey).
enum class BoxKeys { Digits, Yards, Sacks };
QLineEdit* numberBox(QWidget* parent, const QString& name, BoxKeys keys = BoxKeys::Digits);

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
