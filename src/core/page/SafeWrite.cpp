#include "core/page/SafeWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace yardmark {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const fs::path& file, int err) { throw WriteError(file, std::strerror(err)); }

fs::path partialName(const fs::path& target) {
  std::random_device rd;
  std::string name(1, '.');  // appended: GCC 12 -O3 warns (-Wrestrict) on "." + text
  name.append(target.filename().string()).append(".").append(std::to_string(rd())).append(".part");
  return target.parent_path() / name;
}

// Writes and flushes one file; returns 0 or the error number.
int writeFlushed(const fs::path& file, const std::string& bytes) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return errno;
  int err = 0;
  for (size_t done = 0; done < bytes.size() && err == 0;) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno != EINTR) err = errno;
    if (n > 0) done += static_cast<size_t>(n);
  }
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  return err;
}

// So that the renames themselves survive a power cut.
void flushFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void writeFilesSafely(const std::vector<FileContent>& files) {
  std::vector<fs::path> partials;
  const auto discard = [&] {
    std::error_code ec;
    for (const fs::path& p : partials) fs::remove(p, ec);
  };
  // A folder in a file's place would stop the renames half-way.
  std::error_code ec;
  for (const FileContent& f : files)
    if (fs::is_directory(f.path, ec)) fail(f.path, EISDIR);
  for (const FileContent& f : files) {
    partials.push_back(partialName(f.path));
    if (const int err = writeFlushed(partials.back(), f.bytes)) {
      discard();
      fail(f.path, err);
    }
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (::rename(partials[i].c_str(), files[i].path.c_str()) != 0) {
      const int err = errno;
      discard();  // those renamed already are complete and stay
      fail(files[i].path, err);
    }
  }
  if (!files.empty()) flushFolder(files.front().path.parent_path());
}

void makeFolder(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) throw WriteError(folder, ec.message());
  // An existing file of that name is no folder to write into.
  if (!fs::is_directory(folder, ec)) throw WriteError(folder, std::strerror(ENOTDIR));
}

}  // namespace yardmark
