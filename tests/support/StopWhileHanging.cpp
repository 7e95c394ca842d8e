#include "support/StopWhileHanging.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest/QTest>
#include <cerrno>
#include <csignal>
#include <fstream>

#include "core/jet/JetFile.h"
#include "support/TempRoot.h"

namespace yardmark::test {

namespace fs = std::filesystem;

namespace {
// Long enough to tell a live event loop from one that ran once by chance.
constexpr int kTicksBeforePress = 5;
}  // namespace

StopWhileHanging::StopWhileHanging(const fs::path& folder, const QString& dialog, const std::string& hangOn)
    : m_program(folder / "hanging-jetread"), m_pidFile(folder / "hanging-jetread.pid"), m_dialog(dialog) {
  fs::create_directories(folder);
  {
    std::ofstream script(m_program);
    script << "#!/bin/sh\ncase \"$*\" in *" << hangOn << "*)\n  echo $$ > '" << m_pidFile.string()
           << "'\n  exec sleep 60;;\nesac\nexec '" << defaultJetreadPath() << "' \"$@\"\n";
  }
  fs::permissions(m_program, fs::perms::owner_all);
  connect(&m_timer, &QTimer::timeout, this, &StopWhileHanging::tick);
  m_timer.start(10);
}

std::optional<int> StopWhileHanging::helperPid() const {
  std::ifstream in(m_pidFile);
  int pid = 0;
  if (in >> pid && pid > 0) return pid;
  return std::nullopt;
}

void StopWhileHanging::tick() {
  if (!helperPid()) return;
  ++m_ticksWhileHanging;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* progress = qobject_cast<QProgressDialog*>(w);
    if (!progress || progress->objectName() != m_dialog || !progress->isVisible()) continue;
    if (m_ticksWhileHanging < kTicksBeforePress) return;
    m_timer.stop();
    m_pressedAt = std::chrono::steady_clock::now();
    QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    return;
  }
}

void StopWhileHanging::expectStoppedAtOnce() const {
  ASSERT_TRUE(m_pressedAt) << "the progress dialog's button was never pressed";
  EXPECT_LT(std::chrono::steady_clock::now() - *m_pressedAt, std::chrono::seconds(1));
  const auto pid = helperPid();
  EXPECT_TRUE(pid && ::kill(*pid, 0) != 0 && errno == ESRCH) << "the hanging helper still runs";
}

}  // namespace yardmark::test
