#pragma once
// Files replaced only once their new contents are complete: each is written beside its final
// name, flushed to the disk, and then renamed over it.
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace yardmark {

// A file or folder that could not be written: which, and why (the system's message).
class WriteError : public std::runtime_error {
 public:
  WriteError(std::filesystem::path file, std::string reason)
      : std::runtime_error(quoted(file, reason)), m_file(std::move(file)), m_reason(std::move(reason)) {}
  const std::filesystem::path& file() const { return m_file; }
  const std::string& reason() const { return m_reason; }

 private:
  // Appended, not concatenated: GCC 12 at -O3 warns (-Wrestrict, a false alarm) on "'" + text.
  static std::string quoted(const std::filesystem::path& file, const std::string& reason) {
    std::string s(1, '\'');
    return s.append(file.string()).append("': ").append(reason);
  }
  std::filesystem::path m_file;
  std::string m_reason;
};

struct FileContent {
  std::filesystem::path path;
  std::string bytes;
};

// Writes all files, or when one cannot be written none of them: every new file is complete on
// the disk before the first is renamed into place. Throws WriteError.
void writeFilesSafely(const std::vector<FileContent>& files);

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
