#pragma once
// Files as the program reads and replaces them. Only regular files are ever opened: a named
// pipe or a device under a file's name would block the caller for ever. A file is replaced by
// writing the new one beside it, flushing it and renaming it over the old one (then, unless
// asked not to, flushing the folder), so a power cut leaves the old file or the new one, never an
// empty or partial one.
// Failures throw std::filesystem::filesystem_error carrying the system's reason, except those of
// the sets of files and folders below, which throw WriteError.
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/files/Fd.h"
#include "core/text/Failure.h"

namespace yardmark {

// The reason given for a path that exists but is not a regular file.
std::error_code notRegularFile();

// Up to `count` bytes from the start of a regular file.
std::string readFileHead(const std::filesystem::path& file, std::size_t count);

// Makes `to` (which must not exist) holding the bytes of the regular file `from`.
void copyFileBytes(const std::filesystem::path& from, const std::filesystem::path& to);
// Makes `to` (which must not exist) holding the bytes.
void writeFileBytes(const std::filesystem::path& to, std::string_view bytes);

// A new file (which must not exist) written piece by piece, for bytes that come in a stream.
class FileOut {
 public:
  explicit FileOut(std::filesystem::path file);
  void write(std::string_view bytes);
  void finish();  // closed, its failure told

 private:
  std::filesystem::path m_file;
  Fd m_fd;
};

// Flushes the file system that holds the folder: once for many files rather than once a file.
void flushDisk(const std::filesystem::path& folder);

// How long a replace waits for the disk. Either way the new file is on the disk before it takes
// the old one's name, so a power cut leaves the old file or the new one, never a part of one.
// Durable also waits until the folder holds the new name (a few milliseconds, and far more while
// other programs write); Atomic leaves that to the system, so a power cut right after the
// replace may still show the old file: enough for a file that is made again from the games.
enum class Durability { Durable, Atomic };

// write(part) makes the new file under `part`, a hidden name beside the target that nothing
// uses (".NAME.XXXXXX.part"), by any means (bytes, a copy, a database). The new file is then
// flushed to the disk, renamed over the target and, when Durable, the folder flushed. On any
// failure `part` is removed, the target is left as it was and the first failure is rethrown.
void replaceFile(const std::filesystem::path& target,
                 const std::function<void(const std::filesystem::path& part)>& write,
                 Durability durability = Durability::Durable);

// Whether `entry` is a passing name that replaceFile gives a new `target` while it is written.
bool isPartOf(const std::filesystem::path& entry, const std::filesystem::path& target);

// Removes the ".NAME.XXXXXX.part" files of a folder that a killed writer left behind: only those
// last written before `minAge` ago, so a writer still at work keeps its file.
void removeLeftoverParts(const std::filesystem::path& folder, std::chrono::seconds minAge);

// A file or folder that could not be written: which, and why (the system's message).
class WriteError : public Failure {
 public:
  WriteError(std::filesystem::path file, std::string reason)
      : Failure(FailureKind::Write, reason, file, quoted(file, reason)) {}

 private:
  // Appended, not concatenated: GCC 12 at -O3 warns (-Wrestrict, a false alarm) on "'" + text.
  static std::string quoted(const std::filesystem::path& file, const std::string& reason) {
    std::string s(1, '\'');
    return s.append(file.string()).append("': ").append(reason);
  }
};

// A new file's name and bytes.
struct FileContent {
  std::filesystem::path path;
  std::string bytes;
};

// Writes all files, or when one cannot be written none of them: every new file is complete on
// the disk before the first is renamed into place. Throws WriteError.
void writeFilesSafely(const std::vector<FileContent>& files, Durability durability = Durability::Durable);

// A folder made when missing (with its parents). Throws WriteError.
void makeFolder(const std::filesystem::path& folder);

// Makes `folder` hold a new set of files, all or none: the set is written into a hidden folder
// beside it (".NAME.new-XXXXXX"), then the two folders are swapped by renames and the old set
// removed. Files of others in the old folder move into the new one. Hidden folders a run cut
// short left behind over a minute ago are cleared first. afterStep runs after each file and
// after the swap (a test stops the run there). Throws WriteError.
void replaceFolder(const std::filesystem::path& folder, const std::vector<FileContent>& files,
                   const std::function<void()>& afterStep = {});

}  // namespace yardmark
