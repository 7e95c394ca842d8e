#include "core/games/GameFolder.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "core/files/DataTree.h"
#include "core/files/FolderListing.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool isGameFileName(std::string_view name) { return hasExtension(name, ".mdb"); }

std::vector<std::string> listYearFolders(const fs::path& gamesFolder) { return listSubfolders(gamesFolder); }

std::vector<std::string> listGameFiles(const fs::path& folder) { return listFilesWithExtension(folder, ".mdb"); }

std::string handOverPath(const fs::path& file) {
  std::string text = file.string();
  std::transform(text.begin(), text.end(), text.begin(), lowerAscii);
  return text;
}

namespace {

// Read and write by hand, so that a failure carries the system's own reason (a full disk says
// so) and the copy is on the disk before it takes the game's name.
class File {
 public:
  File(const fs::path& path, int flags) : m_path(path), m_fd(::open(path.c_str(), flags | O_CLOEXEC, 0644)) {
    if (m_fd < 0) fail();
  }
  ~File() {
    if (m_fd >= 0) ::close(m_fd);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  int fd() const { return m_fd; }
  // errno is read before the unwinding closes any file.
  [[noreturn]] void fail() const {
    throw fs::filesystem_error("copy", m_path, std::error_code(errno, std::generic_category()));
  }
  void close() {
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0) fail();
  }

 private:
  fs::path m_path;
  int m_fd;
};

void copyBytes(const fs::path& from, const fs::path& to) {
  File in(from, O_RDONLY);
  File out(to, O_WRONLY | O_CREAT | O_EXCL);
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(in.fd(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) in.fail();
    if (n == 0) break;
    for (ssize_t done = 0; done < n;) {
      const ssize_t written = ::write(out.fd(), buffer + done, static_cast<size_t>(n - done));
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) out.fail();
      done += written;
    }
  }
  if (::fsync(out.fd()) != 0) out.fail();
  out.close();
}

}  // namespace

void copyTemplateTo(const fs::path& masterTemplate, const fs::path& gameFile) {
  const fs::path part = gameFile.string() + ".new";
  try {
    fs::remove(part);  // left by a copy that was cut short
    copyBytes(masterTemplate, part);
    fs::rename(part, gameFile);
  } catch (const fs::filesystem_error&) {
    std::error_code ignored;
    fs::remove(part, ignored);
    throw;
  }
}

std::error_code deleteGameFile(const fs::path& file) {
  std::error_code ec;
  if (fs::is_directory(file, ec)) return std::make_error_code(std::errc::is_a_directory);  // never a folder
  if (!fs::remove(file, ec)) return ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory);
  for (const char* side : {"-journal", "-wal", "-shm"}) fs::remove(file.string() + side, ec);
  return {};
}

bool isSameGameFile(const fs::path& openFile, const fs::path& handedOver) {
  if (openFile.empty() || handedOver.empty()) return false;
  std::error_code ec;
  return fs::equivalent(openFile, findPathCaseInsensitive(handedOver), ec);
}

}  // namespace yardmark
