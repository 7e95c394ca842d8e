#pragma once
// The main window on a fresh root, shown, for the game dialogs.
#include <QCoreApplication>
#include <ostream>

#include "support/GameFiles.h"
#include "support/GuiFixture.h"
#include "support/ReportsTestKit.h"

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
  // Forms that were unloaded are gone once their deferred deletion has run.
  static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

}  // namespace yardmark::test
