#include "support/StopWhileHanging.h"

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
  ++ticksWhileHanging;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* progress = qobject_cast<QProgressDialog*>(w);
    if (!progress || progress->objectName() != m_dialog || !progress->isVisible()) continue;
    if (ticksWhileHanging < kTicksBeforePress) return;
    m_timer.stop();
    m_pressedAt = std::chrono::steady_clock::now();
    QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    return;
  }
}

std::chrono::milliseconds StopWhileHanging::sincePressed() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - *m_pressedAt);
}

bool StopWhileHanging::helperGone() const {
  const auto pid = helperPid();
  return pid && ::kill(*pid, 0) != 0 && errno == ESRCH;
}

}  // namespace yardmark::test
