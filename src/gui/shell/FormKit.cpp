#include "gui/shell/FormKit.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"

namespace yardmark {

void placeOverMainWindow(Form& form) {
  FormHost& host = form.app().forms();
  const QSize main = host.mainWindowTwips(), me = host.sizeTwips(form);
  host.place(form, {(main.width() - me.width()) / 2, (main.height() - me.height()) / 2 - 480});
}

QLabel* buddyLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  if (buddy) l->setBuddy(buddy);
  return l;
}

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

}  // namespace yardmark
