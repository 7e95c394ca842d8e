#include "core/report/RunLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

namespace yardmark {

namespace {

// A folder where no file can be made cannot take the temporary database's journal either, so
// no run can write there; the run goes on and its own steps say what is wrong.
bool folderRefusesFiles(int error) {
  return error == EACCES || error == EPERM || error == EROFS || error == ENOENT || error == ENOSPC || error == EDQUOT;
}

}  // namespace

std::filesystem::path RunLock::lockFile(const std::filesystem::path& tmpDatabase) {
  return tmpDatabase.string() + ".lock";
}

RunLock::RunLock(const std::filesystem::path& tmpDatabase, std::chrono::milliseconds wait) {
  const std::string file = lockFile(tmpDatabase).string();
  m_fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (m_fd < 0 && errno != ENOENT) m_fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);  // made by another user
  if (m_fd < 0) {
    const int error = errno;
    if (folderRefusesFiles(error)) {
      m_state = State::Held;
    } else {
      m_reason = "Cannot make the lock file '" + file + "': " + std::strerror(error) + ".";
    }
    return;
  }
  const auto until = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
      m_state = State::Held;
      return;
    }
    const int error = errno;
    if (error == EINTR) continue;
    if (error != EWOULDBLOCK) {
      m_reason = "Cannot lock '" + file + "': " + std::strerror(error) + ".";
      return;
    }
    if (std::chrono::steady_clock::now() >= until) {
      m_state = State::Busy;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

RunLock::~RunLock() {
  if (m_fd >= 0) ::close(m_fd);  // closing lets the lock go
}

}  // namespace yardmark
