#pragma once
// Small widgets and helpers of the entry form's frames.
#include <QIcon>
#include <QLabel>

#include "core/games/GameTables.h"
#include "gui/shell/FormKit.h"

class QLineEdit;

class QPushButton;

namespace yardmark {

// The picture of every section's Save button.
QIcon saveIcon();
// A section's Save button: the caption and the icon the form's note points at.
QPushButton* saveButton(QWidget* parent, const char* name);

// A number box taking its keys by isItNumber, yardsKey or sacksKey.
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
