#include "core/page/SafeWrite.h"

#include <cerrno>
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

}  // namespace yardmark
