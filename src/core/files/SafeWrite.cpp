#include "core/files/SafeWrite.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

#include "core/files/Fd.h"

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

// Appended, not concatenated: GCC 12 at -O3 warns (-Wrestrict, a false alarm) on "." + text.
std::string dotted(const std::string& name, std::string_view suffix) {
  return std::string(1, '.').append(name).append(suffix);
}

constexpr std::string_view kPartTail = ".XXXXXX.part";

// A hidden name beside the target that no file has: made, then left for the writer to create.
fs::path partName(const fs::path& target) {
  std::string name = (target.parent_path() / dotted(target.filename().string(), kPartTail)).string();
  const Fd made(::mkstemps(name.data(), 5));
  if (made.get() < 0) fail("create", target, errno);
  ::unlink(name.c_str());
  return name;
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

FileOut::FileOut(fs::path file) : m_file(std::move(file)), m_fd(createNew(m_file)) {}

void FileOut::write(std::string_view bytes) { writeAll(m_fd, m_file, bytes.data(), bytes.size()); }

void FileOut::finish() { closeChecked(m_fd, m_file); }

void flushDisk(const fs::path& folder) {
#ifdef __linux__
  const Fd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0 && ::syncfs(fd.get()) == 0) return;
#endif
  ::sync();
}

bool isPartOf(const fs::path& entry, const fs::path& target) {
  const std::string name = entry.filename().string(), prefix = dotted(target.filename().string(), ".");
  return name.size() == prefix.size() + kPartTail.size() - 1 && name.starts_with(prefix) && name.ends_with(".part");
}

// The target's passing files that a killed writer left over a minute ago (one at work keeps its own).
void removeStaleParts(const fs::path& target) {
  const auto before = fs::file_time_type::clock::now() - std::chrono::minutes(1);
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  std::error_code ec;
  std::vector<fs::path> stale;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code kind;
    if (isPartOf(it->path(), target) && !it->is_symlink(kind) && it->is_regular_file(kind) &&
        it->last_write_time(kind) < before && !kind)
      stale.push_back(it->path());
  }
  for (const fs::path& p : stale) fs::remove(p, ec);
}

void replaceFile(const fs::path& target, const std::function<void(const fs::path&)>& write, Durability durability) {
  removeStaleParts(target);
  const fs::path part = partName(target);
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
  if (durability == Durability::Durable) flushFolder(target);
}

void writeFilesSafely(const std::vector<FileContent>& files, Durability durability) {
  std::vector<fs::path> parts;
  const auto discard = [&] {
    std::error_code ignored;  // the first failure is the one to tell
    for (const fs::path& part : parts) fs::remove(part, ignored);
  };
  try {
    for (const FileContent& f : files) {
      // A folder in a file's place would stop the renames half-way.
      std::error_code ec;
      if (fs::is_directory(f.path, ec)) throw WriteError(f.path, std::strerror(EISDIR));
    }
    for (const FileContent& f : files) {
      try {
        parts.push_back(partName(f.path));
        writeFileBytes(parts.back(), f.bytes);
        flushFile(parts.back());
      } catch (const fs::filesystem_error& e) {
        throw WriteError(f.path, e.code().message());  // told by its own name, not the passing one
      }
    }
    for (size_t i = 0; i < files.size(); ++i) {
      std::error_code ec;
      fs::rename(parts[i], files[i].path, ec);
      if (ec) throw WriteError(files[i].path, ec.message());
    }
  } catch (...) {
    discard();  // those renamed already are complete and stay
    throw;
  }
  if (!files.empty() && durability == Durability::Durable) flushFolder(files.front().path);
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

void makeFolder(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) throw WriteError(folder, ec.message());
  // An existing file of that name is no folder to write into.
  if (!fs::is_directory(folder, ec)) throw WriteError(folder, std::strerror(ENOTDIR));
}

namespace {

std::string hiddenPrefix(const fs::path& folder) { return dotted(folder.filename().string(), ".new-"); }

bool isHidden(const fs::path& entry, const fs::path& folder) {
  std::error_code ec;
  return entry.filename().string().starts_with(hiddenPrefix(folder)) && fs::is_directory(fs::symlink_status(entry, ec));
}

// Clears a hidden folder of a set's files (and their passing names); anything else, a coach's
// own file, moves into the set's folder rather than being lost. Removed once empty.
void retire(const fs::path& hidden, const fs::path& folder, const std::vector<FileContent>& files) {
  std::error_code ec;
  for (const FileContent& f : files) {
    const std::string name = f.path.filename().string();
    fs::remove(hidden / name, ec);
  }
  std::vector<fs::path> others;
  for (fs::directory_iterator it(hidden, ec), end; !ec && it != end; it.increment(ec)) {
    const bool part =
        std::any_of(files.begin(), files.end(), [&](const FileContent& f) { return isPartOf(it->path(), f.path); });
    if (part)
      fs::remove(it->path(), ec);
    else
      others.push_back(it->path());
  }
  for (const fs::path& other : others)
    if (!fs::exists(fs::symlink_status(folder / other.filename(), ec)))
      fs::rename(other, folder / other.filename(), ec);
  fs::remove(hidden, ec);  // only when empty
}

// Hidden folders of runs cut short over a minute ago (a run at work keeps its own). One stopped
// between the two renames of the fallback swap left the old set under ".old": it goes back.
void clearLeftovers(const fs::path& folder, const std::vector<FileContent>& files) {
  const auto before = fs::file_time_type::clock::now() - std::chrono::minutes(1);
  std::error_code ec;
  std::vector<fs::path> left;
  for (fs::directory_iterator it(folder.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code age;
    if (isHidden(it->path(), folder) && fs::last_write_time(it->path(), age) < before && !age)
      left.push_back(it->path());
  }
  for (const fs::path& hidden : left) {
    if (hidden.extension() == ".old" && !fs::exists(fs::symlink_status(folder, ec)))
      fs::rename(hidden, folder, ec);
    else
      retire(hidden, folder, files);
  }
}

void renameOrThrow(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::rename(from, to, ec);
  if (ec) throw WriteError(to, ec.message());
}

void swapIn(const fs::path& fresh, const fs::path& folder, const std::vector<FileContent>& files,
            const std::function<void()>& afterStep) {
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(folder, ec))) {
    renameOrThrow(fresh, folder);
    if (afterStep) afterStep();
    return;
  }
  // One atomic exchange where the file system has it; else two renames, the old set kept aside.
  fs::path old = fresh;
  if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, folder.c_str(), RENAME_EXCHANGE) != 0) {
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) throw WriteError(folder, std::strerror(errno));
    old += ".old";
    renameOrThrow(folder, old);
    fs::rename(fresh, folder, ec);
    if (ec) {
      const std::string reason = ec.message();
      fs::rename(old, folder, ec);
      throw WriteError(folder, reason);
    }
  }
  if (afterStep) afterStep();
  retire(old, folder, files);
}

}  // namespace

void replaceFolder(const fs::path& folder, const std::vector<FileContent>& files,
                   const std::function<void()>& afterStep) {
  makeFolder(folder.parent_path());
  std::error_code ec;
  if (fs::exists(fs::symlink_status(folder, ec)) && !fs::is_directory(folder, ec))
    throw WriteError(folder, std::strerror(ENOTDIR));
  clearLeftovers(folder, files);
  std::string name = (folder.parent_path() / (hiddenPrefix(folder) + "XXXXXX")).string();
  if (!::mkdtemp(name.data())) throw WriteError(folder.parent_path(), std::strerror(errno));
  const fs::path fresh(name);
  try {
    for (const FileContent& f : files) {
      writeFilesSafely({{fresh / f.path.filename(), f.bytes}});
      if (afterStep) afterStep();
    }
    swapIn(fresh, folder, files, afterStep);
  } catch (...) {
    retire(fresh, folder, files);
    throw;
  }
}

}  // namespace yardmark
