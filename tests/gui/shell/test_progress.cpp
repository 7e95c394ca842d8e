// Long work under the progress dialog: its steps reach the dialog and Cancel stops it at once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "gui/shell/RunWithProgress.h"

namespace yardmark::test {
namespace {

using Clock = std::chrono::steady_clock;

TEST(RunWithProgress, StepsAreShownAndCancelStopsTheWorkAtOnce) {
  const struct {
    bool showsSteps;
    bool throwsOnStop;  // the work's own way to end when stopped
  } cases[] = {{true, true}, {true, false}, {false, true}};
  for (const auto& c : cases) {
    ProgressDialogSetup setup;
    setup.objectName = QStringLiteral("dlgTestProgress");
    setup.label = QStringLiteral("Working...");
    setup.showAfterMs = 0;
    setup.showsSteps = c.showsSteps;
    QString shown;
    int value = 0;
    std::optional<Clock::time_point> pressed;
    QTimer watcher;  // the user: presses Cancel once the dialog has shown a step (or is up a while)
    int ticks = 0;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* d = qobject_cast<QProgressDialog*>(w);
        if (!d || d->objectName() != setup.objectName || !d->isVisible() || pressed) continue;
        shown = d->labelText(), value = d->value();
        if (shown.startsWith("Step") || (!c.showsSteps && ++ticks > 5)) {
          pressed = Clock::now();
          QTest::mouseClick(d->findChild<QPushButton*>(), Qt::LeftButton);
        }
      }
    });
    watcher.start(10);
    const auto result = runWithProgress(setup, [&](Progress& progress) {
      int i = 0;
      for (const auto end = Clock::now() + std::chrono::seconds(5); !progress.stopRequested() && Clock::now() < end;) {
        ++i;
        progress.step(i / 1000.0, "Step " + std::to_string(i));
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
      }
      if (progress.stopRequested() && c.throwsOnStop) throw std::runtime_error("stopped");
      return i;
    });
    ASSERT_TRUE(pressed) << c.showsSteps;
    EXPECT_LT(Clock::now() - *pressed, std::chrono::milliseconds(500)) << c.showsSteps;
    EXPECT_EQ(result.has_value(), !c.throwsOnStop) << c.showsSteps;
    EXPECT_EQ(shown.startsWith("Step"), c.showsSteps) << shown.toStdString();
    EXPECT_EQ(value > 0, c.showsSteps) << value;
  }
}

}  // namespace
}  // namespace yardmark::test
