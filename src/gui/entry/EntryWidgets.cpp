#include "gui/entry/EntryWidgets.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextLayout>

#include "gui/shell/KeyFilter.h"

namespace yardmark {

QIcon saveIcon() { return QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton); }

QPushButton* saveButton(QWidget* parent, const char* name) {
  QPushButton* b = namedButton(parent, name, QStringLiteral("Save"));
  b->setIcon(saveIcon());
  return b;
}

QLineEdit* numberBox(QWidget* parent, const QString& name, BoxKeys keys) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setMaximumWidth(70);
  box->setAlignment(Qt::AlignRight);
  switch (keys) {
    case BoxKeys::Digits:
      installKeyFilter(box, isItNumber);
      break;
    case BoxKeys::Yards:
      installKeyFilter(box, TextKeyRule(yardsKey));
      break;
    case BoxKeys::Sacks:
      installKeyFilter(box, TextKeyRule(sacksKey));
      break;
  }
  return box;
}

SaveNoteLabel::SaveNoteLabel(QWidget* parent) : QLabel(parent) {
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void SaveNoteLabel::setPicture(QLabel* picture, const QString& afterWord) {
  m_picture = picture;
  m_afterWord = afterWord;
  placePicture();
}

void SaveNoteLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  placePicture();
}

// Lays the text out as the label wraps it and puts the picture in the middle of the blanks.
void SaveNoteLabel::placePicture() {
  if (!m_picture) return;
  const QString t = text();
  const int word = static_cast<int>(t.indexOf(m_afterWord));
  if (word < 0) return;
  int start = word + static_cast<int>(m_afterWord.size());
  int end = start;
  while (end < t.size() && t.at(end) == ' ') ++end;

  QTextLayout layout(t, font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  qreal y = 0;
  QTextLine found;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(contentsRect().width());
    line.setPosition(QPointF(0, y));
    y += line.height();
    if (start >= line.textStart() && start < line.textStart() + line.textLength()) found = line;
  }
  layout.endLayout();
  if (!found.isValid()) return;
  const qreal left = found.cursorToX(start),
              right = found.cursorToX(std::min<int>(end, found.textStart() + found.textLength()));
  const QSize size = m_picture->sizeHint();
  m_picture->resize(size);
  m_picture->move(contentsRect().left() + static_cast<int>((left + right - size.width()) / 2),
                  contentsRect().top() + static_cast<int>(found.y() + (found.height() - size.height()) / 2));
}

}  // namespace yardmark
