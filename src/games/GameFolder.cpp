#include "games/GameFolder.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "gamedb/DataTree.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// -1, 0 or 1 as a reader orders the two names; 0 also for names that differ only in case or
// in leading zeros.
int naturalCompare(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      size_t ei = i, ej = j;
      while (ei < a.size() && isDigit(a[ei])) ++ei;
      while (ej < b.size() && isDigit(b[ej])) ++ej;
      std::string_view x = a.substr(i, ei - i), y = b.substr(j, ej - j);
      x.remove_prefix(std::min(x.find_first_not_of('0'), x.size()));
      y.remove_prefix(std::min(y.find_first_not_of('0'), y.size()));
      if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
      if (const int c = x.compare(y); c != 0) return c < 0 ? -1 : 1;
      i = ei;
      j = ej;
      continue;
    }
    const char x = lowerAscii(a[i]), y = lowerAscii(b[j]);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

template <class Keep>
std::vector<std::string> listFolder(const fs::path& folder, Keep keep) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.') continue;  // hidden, as the old lists left them out
    if (keep(*it, name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), naturalLess);
  return names;
}

}  // namespace

bool naturalLess(std::string_view a, std::string_view b) {
  const int c = naturalCompare(a, b);
  return c != 0 ? c < 0 : a < b;  // a fixed order for names a reader sees as equal
}

bool isGameFileName(std::string_view name) {
  constexpr std::string_view ext = ".mdb";
  if (name.size() <= ext.size()) return false;
  const std::string_view tail = name.substr(name.size() - ext.size());
  return std::equal(tail.begin(), tail.end(), ext.begin(), [](char x, char y) { return lowerAscii(x) == y; });
}

std::vector<std::string> listYearFolders(const fs::path& gamesFolder) {
  return listFolder(gamesFolder, [](const fs::directory_entry& e, const std::string&) {
    std::error_code ec;
    return e.is_directory(ec);
  });
}

std::vector<std::string> listGameFiles(const fs::path& folder) {
  return listFolder(folder, [](const fs::directory_entry& e, const std::string& name) {
    std::error_code ec;
    return isGameFileName(name) && e.is_regular_file(ec);
  });
}

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
