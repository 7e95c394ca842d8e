#pragma once
// A reader of old files that never answers, and a user who presses the progress dialog's button
// while it hangs: for checking that long work leaves the window alive and stops at once.
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <optional>

namespace yardmark::test {

class StopWhileHanging : public QObject {
 public:
  // Writes the helper into folder: it hangs on the files whose path contains hangOn (every file
  // when empty) and hands the others to the real reader. dialog: the progress dialog's name.
  StopWhileHanging(const std::filesystem::path& folder, const QString& dialog, const std::string& hangOn = {});

  std::string program() const { return m_program.string(); }

  // The button was pressed while the helper hung, the work ended within a second of it, and the
  // helper was killed and reaped.
  void expectStoppedAtOnce() const;

 private:
  void tick();
  int m_ticksWhileHanging = 0;
  std::optional<int> helperPid() const;

  std::filesystem::path m_program, m_pidFile;
  QString m_dialog;
  QTimer m_timer;
  std::optional<std::chrono::steady_clock::time_point> m_pressedAt;
};

}  // namespace yardmark::test
