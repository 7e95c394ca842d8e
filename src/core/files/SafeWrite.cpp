#include "core/files/SafeWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace yardmark {

namespace fs = std::filesystem;

namespace {

class NotRegularCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "yardmark.file"; }
  std::string message(int) const override { return "it is not a regular file"; }
};

[[noreturn]] void fail(const char* what, const fs::path& path, int error) {
  throw fs::filesystem_error(what, path, std::error_code(error, std::generic_category()));
}

// A descriptor closed when it goes; errno is read before any unwinding closes it.
class Fd {
 public:
  explicit Fd(int fd) : m_fd(fd) {}
  ~Fd() {
    if (m_fd >= 0) ::close(m_fd);
  }
  Fd(Fd&& other) noexcept : m_fd(other.release()) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return m_fd; }
  int release() { return std::exchange(m_fd, -1); }

 private:
  int m_fd;
};

// Opened without blocking, so a named pipe with no writer is refused rather than waited for.
Fd openRegular(const fs::path& file) {
  Fd fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) fail("open", file, errno);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) fail("open", file, errno);
  if (!S_ISREG(st.st_mode)) throw fs::filesystem_error("open", file, notRegularFile());
  return fd;
}

Fd createNew(const fs::path& file) {
  Fd fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (fd.get() < 0) fail("create", file, errno);
  return fd;
}

void writeAll(const Fd& out, const fs::path& file, const char* data, std::size_t size) {
  for (std::size_t done = 0; done < size;) {
    const ssize_t n = ::write(out.get(), data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail("write", file, errno);
    done += static_cast<std::size_t>(n);
  }
}

void closeChecked(Fd& fd, const fs::path& file) {
  if (::close(fd.release()) != 0) fail("write", file, errno);
}

void flushFile(const fs::path& file) {
  Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0 || ::fsync(fd.get()) != 0) fail("flush", file, errno);
}

// As SQLite does, a folder that cannot be flushed (some file systems refuse) does not undo a
// replace that is already done: the new file has its name.
void flushFolder(const fs::path& file) {
  const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  const Fd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

}  // namespace

std::error_code notRegularFile() {
  static const NotRegularCategory category;
  return {1, category};
}

std::string readFileHead(const fs::path& file, std::size_t count) {
  const Fd in = openRegular(file);
  std::string head(count, '\0');
  std::size_t got = 0;
  while (got < count) {
    const ssize_t n = ::read(in.get(), head.data() + got, count - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail("read", file, errno);
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  head.resize(got);
  return head;
}

void copyFileBytes(const fs::path& from, const fs::path& to) {
  const Fd in = openRegular(from);
  Fd out = createNew(to);
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(in.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail("read", from, errno);
    if (n == 0) break;
    writeAll(out, to, buffer, static_cast<std::size_t>(n));
  }
  closeChecked(out, to);
}

void writeFileBytes(const fs::path& to, std::string_view bytes) {
  Fd out = createNew(to);
  writeAll(out, to, bytes.data(), bytes.size());
  closeChecked(out, to);
}

void replaceFile(const fs::path& target, const fs::path& part, const std::function<void(const fs::path&)>& write) {
  try {
    write(part);
    flushFile(part);
    std::error_code ec;
    fs::rename(part, target, ec);
    if (ec) throw fs::filesystem_error("rename", part, target, ec);
  } catch (...) {
    std::error_code ignored;  // the first failure is the one to tell
    fs::remove(part, ignored);
    throw;
  }
  flushFolder(target);
}

void replaceFiles(const std::vector<NewFile>& files) {
  std::vector<fs::path> parts;
  const auto discard = [&] {
    std::error_code ignored;  // the first failure is the one to tell
    for (const fs::path& part : parts) fs::remove(part, ignored);
  };
  try {
    for (const NewFile& f : files) {
      // A folder in a file's place would stop the renames half-way.
      std::error_code ec;
      if (fs::is_directory(f.target, ec))
        throw fs::filesystem_error("write", f.target, std::make_error_code(std::errc::is_a_directory));
    }
    for (const NewFile& f : files) {
      std::string name(1, '.');  // appended: GCC 12 at -O3 warns (-Wrestrict) on "." + text
      parts.push_back(f.target.parent_path() / name.append(f.target.filename().string()).append(".part"));
      fs::remove(parts.back());  // left by a writer that was cut short
      writeFileBytes(parts.back(), f.bytes);
      flushFile(parts.back());
    }
    for (size_t i = 0; i < files.size(); ++i) {
      std::error_code ec;
      fs::rename(parts[i], files[i].target, ec);
      if (ec) throw fs::filesystem_error("rename", parts[i], files[i].target, ec);
    }
  } catch (...) {
    discard();  // those renamed already are complete and stay
    throw;
  }
  if (!files.empty()) flushFolder(files.front().target);
}

void removeLeftoverParts(const fs::path& folder, std::chrono::seconds minAge) {
  const auto before = fs::file_time_type::clock::now() - minAge;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() < 7 || name.front() != '.' || !name.ends_with(".part")) continue;
    std::error_code kind;
    if (!it->is_regular_file(kind) || it->is_symlink(kind)) continue;
    const auto written = it->last_write_time(kind);
    if (!kind && written < before) fs::remove(it->path(), kind);
  }
}

}  // namespace yardmark
