#pragma once
// Controls of the roster forms, named as the forms name them.
#include <QLabel>
#include <QListWidgetItem>
#include <QPushButton>
#include <algorithm>

namespace yardmark {

// A command button. A caption without a word (a picture, ">>") is read out by its tool tip.
inline QPushButton* rosterButton(QWidget* parent, const char* name, const QString& caption, const QString& tip = {}) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  if (!tip.isEmpty()) {
    b->setToolTip(tip);
    if (std::none_of(caption.begin(), caption.end(), [](QChar c) { return c.isLetter(); })) b->setAccessibleName(tip);
  }
  b->setAutoDefault(false);
  return b;
}

inline QLabel* rosterLabel(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  return l;
}

// The sorted lists of the roster forms order their entries by text without regard to letter
// case, as a coach reads a list of names; names that differ in case only keep one fixed order.
class RosterListItem : public QListWidgetItem {
 public:
  using QListWidgetItem::QListWidgetItem;
  QListWidgetItem* clone() const override { return new RosterListItem(*this); }
  bool operator<(const QListWidgetItem& other) const override {
    const int byCase = text().compare(other.text(), Qt::CaseInsensitive);
    return byCase != 0 ? byCase < 0 : text() < other.text();
  }
};

}  // namespace yardmark
