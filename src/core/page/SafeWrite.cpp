#include "core/page/SafeWrite.h"

#include <fcntl.h>
#include <stdlib.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "core/files/SafeWrite.h"

namespace yardmark {

namespace fs = std::filesystem;

void writeFilesSafely(const std::vector<FileContent>& files) {
  std::vector<NewFile> all;
  for (const FileContent& f : files) all.push_back({f.path, f.bytes});
  try {
    replaceFiles(all);
  } catch (const fs::filesystem_error& e) {
    // Told by the file's own name, not by the passing name it was written under.
    fs::path file = e.path2().empty() ? e.path1() : e.path2();
    const std::string name = file.filename().string();
    if (name.size() > 6 && name.front() == '.' && name.ends_with(".part"))
      file = file.parent_path() / name.substr(1, name.size() - 6);
    throw WriteError(file, e.code().message());
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

// Appended, not concatenated: GCC 12 at -O3 warns (-Wrestrict, a false alarm) on "." + text.
std::string dotted(const std::string& name, std::string_view suffix) {
  return std::string(1, '.').append(name).append(suffix);
}

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
    fs::remove(hidden / dotted(name, ".part"), ec);
  }
  std::vector<fs::path> others;
  for (fs::directory_iterator it(hidden, ec), end; !ec && it != end; it.increment(ec)) others.push_back(it->path());
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
