#pragma once
// One report run at a time over a temporary database: the window's "Generate Reports" and
// yardmark-report (or two copies of the program) share it, and a run empties, fills, reads and
// empties it again. The run holds a lock on a file beside it for all of that; the system lets
// the lock go when its holder ends, killed or not.
#include <chrono>
#include <filesystem>
#include <string>

namespace yardmark {

class RunLock {
 public:
  enum class State { Held, Busy, Failed };

  // Takes the lock, waiting up to `wait` while another run holds it.
  RunLock(const std::filesystem::path& tmpDatabase, std::chrono::milliseconds wait);
  ~RunLock();
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;

  State state() const { return m_state; }
  // Why the lock could not be taken when it Failed.
  const std::string& reason() const { return m_reason; }

  static std::filesystem::path lockFile(const std::filesystem::path& tmpDatabase);

 private:
  int m_fd = -1;
  State m_state = State::Failed;
  std::string m_reason;
};

}  // namespace yardmark
