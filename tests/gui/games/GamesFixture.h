#pragma once
// The main window on a fresh root, with helpers to drive the game dialogs' lists as a user does.
#include <QCoreApplication>
#include <QListWidget>
#include <QtTest/QTest>
#include <ostream>

#include "support/GameFiles.h"
#include "support/GuiFixture.h"

// Failures show texts, not bytes.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace yardmark::test {

class GamesTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    window->resize(1000, 760);
    window->show();
  }

  // Clicks the row showing this text.
  static void pick(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
  }
  static QStringList rows(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
  }
  static QString selected(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? QString() : items.front()->text();
  }
  // The object names of the widgets that Tab reaches after the given one, within its form.
  static QStringList tabOrderFrom(QWidget* first, qsizetype count) {
    QStringList order;
    for (QWidget* w = first->nextInFocusChain(); w != first && order.size() < count; w = w->nextInFocusChain())
      if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && first->window()->isAncestorOf(w) &&
          w->isVisibleTo(first->window()))
        order << w->objectName();
    return order;
  }
  // Forms that were unloaded are gone once their deferred deletion has run.
  static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

}  // namespace yardmark::test
