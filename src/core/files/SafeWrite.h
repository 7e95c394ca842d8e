#pragma once
// Files as the program reads and replaces them. Only regular files are ever opened: a named
// pipe or a device under a file's name would block the caller for ever. A file is replaced by
// writing the new one beside it, flushing it, renaming it over the old one and flushing the
// folder, so a power cut leaves the old file or the new one, never an empty or partial one.
// Failures throw std::filesystem::filesystem_error carrying the system's reason.
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace yardmark {

// The reason given for a path that exists but is not a regular file.
std::error_code notRegularFile();

// Up to `count` bytes from the start of a regular file.
std::string readFileHead(const std::filesystem::path& file, std::size_t count);

// Makes `to` (which must not exist) holding the bytes of the regular file `from`.
void copyFileBytes(const std::filesystem::path& from, const std::filesystem::path& to);
// Makes `to` (which must not exist) holding the bytes.
void writeFileBytes(const std::filesystem::path& to, std::string_view bytes);

// write(part) makes the new file under the temporary name `part`, beside the target, by any
// means (bytes, a copy, a database). The new file is then flushed to the disk, renamed over
// the target and the folder flushed. On any failure `part` is removed, the target is left as
// it was and the first failure is rethrown.
void replaceFile(const std::filesystem::path& target, const std::filesystem::path& part,
                 const std::function<void(const std::filesystem::path& part)>& write);

// Several files replaced together: every new file is complete on the disk before the first is
// renamed into place, so a failure while writing leaves every old file as it was.
struct NewFile {
  std::filesystem::path target;
  std::string bytes;
};
void replaceFiles(const std::vector<NewFile>& files);

// Removes the ".NAME.part" files of a folder that a killed writer left behind: only those
// last written before `minAge` ago, so a writer still at work keeps its file.
void removeLeftoverParts(const std::filesystem::path& folder, std::chrono::seconds minAge);

}  // namespace yardmark
