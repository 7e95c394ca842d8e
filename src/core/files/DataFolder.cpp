#include "core/files/DataFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "core/files/DataTree.h"

namespace yardmark {

namespace fs = std::filesystem;

fs::path programDirectory(const ProgramPlace& place) {
  if (place.executableDirWritable && !place.installedBin) return place.executableDir;
  // A relative value is ignored, as the XDG base directory rules ask.
  if (const fs::path xdg = place.xdgDataHome; xdg.is_absolute()) return xdg;
  if (const fs::path home = place.home; home.is_absolute()) return home / ".local" / "share";
  throw DataFolderError("Cannot find a folder for the data: neither XDG_DATA_HOME nor HOME names one.");
}

fs::path installedBinDir() { return YARDMARK_INSTALL_BINDIR; }

ProgramPlace placeOf(const fs::path& dir) {
  ProgramPlace place;
  place.executableDir = dir;
  place.executableDirWritable = ::access(dir.c_str(), W_OK) == 0;
  std::error_code ec;  // a bin folder that does not exist holds no executable
  place.installedBin = fs::equivalent(dir, installedBinDir(), ec);
  if (const char* xdg = std::getenv("XDG_DATA_HOME")) place.xdgDataHome = xdg;
  if (const char* home = std::getenv("HOME"); home && *home) {
    place.home = home;
  } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
    place.home = pw->pw_dir;
  }
  return place;
}

fs::path executableDir() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::current_path(ec) : exe.parent_path();
}

fs::path openProgramDirectory(const ProgramPlace& place) {
  const fs::path dir = programDirectory(place);
  const fs::path data = DataTree(dir).dataFolder();
  const auto failure = [&](const std::string& why) {
    return DataFolderError("Cannot make the data folder " + data.string() + ": " + why);
  };
  std::error_code ec;
  if (fs::exists(data, ec) && !fs::is_directory(data, ec)) throw failure("a file of that name is in the way.");
  try {
    layOutTree(dir);
  } catch (const fs::filesystem_error& e) {
    const std::string where = e.path1() == data ? "" : e.path1().string() + ": ";
    throw failure(where + e.code().message() + ".");
  } catch (const std::exception& e) {
    throw failure(e.what());
  }
  return dir;
}

}  // namespace yardmark
