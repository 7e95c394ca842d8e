#pragma once
// Small helpers the game and report forms' tests share (with the widgets they drive): the main
// window shown, and their lists read and picked as a user picks them.
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <ostream>

#include "support/GuiFixture.h"

// Failures show texts, not bytes.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace yardmark::test {

// The main window on a fresh root, shown at a size the dialogs fit in.
class ShownShellTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    window->resize(1000, 760);
    window->show();
  }
  // Forms that were unloaded are gone once their deferred deletion has run.
  static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

inline QString selected(const QListWidget* list) {
  const QList<QListWidgetItem*> items = list->selectedItems();
  return items.isEmpty() ? QString() : items.front()->text();
}

// Clicks the row showing this text.
inline void pick(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
}

}  // namespace yardmark::test
