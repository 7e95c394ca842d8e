#include "core/backup/Backup.h"

#include <sys/stat.h>
#include <zip.h>

#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <regex>
#include <set>

#include "core/backup/Archive.h"
#include "core/files/FileKind.h"
#include "core/files/FolderListing.h"
#include "core/files/GameWalk.h"
#include "core/files/SafeWrite.h"

namespace yardmark {

namespace fs = std::filesystem;
using namespace backup;

namespace {

std::string localStamp(std::chrono::system_clock::time_point when, const char* format) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  char text[64];
  return std::string(text, std::strftime(text, sizeof text, format, &local));
}

std::time_t modifiedTime(const fs::path& p) {
  std::error_code ec;
  const auto t = fs::last_write_time(p, ec);
  return ec ? std::time(nullptr) : std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(t));
}

// One file of the back-up: a database is copied first through SQLite into `copy`, so the
// archive holds it as last committed; any other file is read as it stands, up to its size then.
struct Item {
  fs::path source;
  std::string entry;
  Area area;
  fs::path copy;
  std::uint64_t size = 0;
};

std::vector<Item> collect(const DataTree& tree, const fs::path& yardmark) {
  std::vector<Item> items;
  auto add = [&](const fs::path& p, Area area) {
    items.push_back({p, p.lexically_relative(yardmark).generic_string(), area, {}});
  };
  for (const TreeGame& game : gamesOfTree(tree)) add(game.file, Area::Game);
  if (fs::is_regular_file(tree.rosterDatabase())) add(tree.rosterDatabase(), Area::Roster);
  std::error_code ec;
  for (fs::recursive_directory_iterator it(tree.reportsFolder(), ec), end; !ec && it != end; it.increment(ec))
    if (it->is_regular_file()) add(it->path(), Area::Report);
  if (ec && ec != std::errc::no_such_file_or_directory)
    throw BackupError("The reports folder " + quoted(tree.reportsFolder()) + " cannot be read (" + ec.message() + ").");
  return items;
}

using Identity = std::pair<dev_t, ino_t>;

std::optional<Identity> identityOf(const fs::path& p) {
  struct stat st {};
  if (::stat(p.c_str(), &st) != 0) return std::nullopt;
  return Identity{st.st_dev, st.st_ino};
}

// Whether the folder is the data folder or one of its folders, reached by any path: a bind
// mount or a link shows the same folder under another name, with the same device and inode.
bool isInsideData(const fs::path& folder, const DataTree& tree, const fs::path& yardmark) {
  std::set<Identity> data;
  std::vector<fs::path> roots{yardmark, tree.gamesRoot(), tree.reportsFolder(), tree.rosterDatabase().parent_path()};
  for (const fs::path& year : listFolder(tree.gamesRoot(), Listing::folders(true))) roots.push_back(year);
  for (const fs::path& r : roots)
    if (const auto id = identityOf(r)) data.insert(*id);
  std::error_code ec;
  for (fs::path f = fs::weakly_canonical(folder, ec);; f = f.parent_path()) {
    if (const auto id = identityOf(f); id && data.contains(*id)) return true;
    if (!f.has_relative_path()) return false;
  }
}

// What a killed back-up leaves beside its archive: its passing file ".NAME.zip.XXXXXX.part" (an
// earlier version's "NAME.zip.part"), libzip's own beside that (the same and ".XXXXXX") and our
// "NAME.zip.part-copies-XXXXXX". Only those untouched for a minute: another back-up may be
// writing its own.
bool isLeftover(const std::string& name, bool folder) {
  static const std::regex passing(R"(\..+\.zip\.\w{6}\.part(\.\w{6})?)");
  const size_t at = name.rfind(".zip.part");
  const std::string tail = at == std::string::npos ? std::string() : name.substr(at + 9);
  if (folder) return at != std::string::npos && tail.starts_with("-copies-") && tail.size() == 14;
  return (at != std::string::npos && (tail.empty() || (tail.size() == 7 && tail[0] == '.'))) ||
         std::regex_match(name, passing);
}

void removeLeftovers(const fs::path& folder) {
  const auto before = fs::file_time_type::clock::now() - std::chrono::minutes(1);
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code kind;
    if (it->is_symlink(kind) || it->last_write_time(kind) >= before || kind) continue;
    const bool isFolder = it->is_directory(kind);
    if ((isFolder || it->is_regular_file(kind)) && isLeftover(it->path().filename().string(), isFolder))
      fs::remove_all(it->path(), kind);
  }
}

// Progress and Cancel while libzip compresses, which is most of the time.
struct WriteState {
  const Steps* steps;
  bool cancelled = false;
};

// Each entry is read from its file as libzip compresses it, so memory does not grow with the data.
void writeArchive(const fs::path& file, const fs::path& told, const std::vector<Item>& items,
                  const std::string& manifest, const Steps& steps) {
  int code = 0;
  std::unique_ptr<zip_t, decltype(&zip_discard)> z(zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code),
                                                   &zip_discard);
  if (!z) throw BackupError(quoted(told) + " cannot be written.");
  auto fail = [&](const std::string& what) {
    throw BackupError(quoted(told) + " cannot be written: " + what + zipReason(zip_get_error(z.get())) + ".");
  };
  auto add = [&](const std::string& name, zip_source_t* source, std::time_t modified) {
    if (!source) fail(name);
    const zip_int64_t i = zip_file_add(z.get(), name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (i < 0) {
      zip_source_free(source);
      fail(name);
    }
    const auto index = static_cast<zip_uint64_t>(i);
    // The fastest level: games are mostly empty pages, which every level packs alike.
    if (zip_set_file_compression(z.get(), index, ZIP_CM_DEFLATE, 1) != 0 ||
        zip_file_set_mtime(z.get(), index, modified, 0) != 0)
      fail(name);
  };
  add(std::string(kManifestName), zip_source_buffer(z.get(), manifest.data(), manifest.size(), 0), std::time(nullptr));
  for (const Item& it : items) {
    const fs::path& from = it.copy.empty() ? it.source : it.copy;
    add(it.entry, zip_source_file(z.get(), from.c_str(), 0, static_cast<zip_int64_t>(it.size)),
        modifiedTime(it.source));
  }
  WriteState state{&steps};
  zip_register_progress_callback_with_state(
      z.get(), 0.01,
      [](zip_t*, double done, void* s) {
        auto* st = static_cast<WriteState*>(s);
        st->cancelled = st->cancelled || !st->steps->tell(done, "Writing the archive");
      },
      nullptr, &state);
  zip_register_cancel_callback_with_state(
      z.get(), [](zip_t*, void* s) { return static_cast<WriteState*>(s)->cancelled ? 1 : 0; }, nullptr, &state);
  if (zip_close(z.get()) != 0) {
    if (state.cancelled) throw BackupCancelled();
    fail("the archive");
  }
  (void)z.release();  // closed, and so freed, by zip_close
}

// A target that is not a regular file (a device, a named pipe, a folder) would be replaced by
// the archive; one inside the data folder would be backed up into itself.
fs::path checkedTarget(const fs::path& target, const DataTree& tree, const fs::path& yardmark) {
  fs::path archive = fs::absolute(target);
  std::error_code ec;
  const fs::file_status st = fs::status(archive, ec);
  if (fs::is_directory(st)) throw BackupError(quoted(archive) + " is a folder.");
  if (fs::exists(st) && !fs::is_regular_file(st))
    throw BackupError(quoted(archive) + " is not a regular file; a back-up is written only to a file of its own.");
  // A link to a file: the file it names is the one replaced, the link stays.
  if (fs::is_symlink(fs::symlink_status(archive, ec))) archive = fs::weakly_canonical(archive, ec);
  if (!fs::is_directory(archive.parent_path()))
    throw BackupError("The folder " + quoted(archive.parent_path()) + " for the back-up does not exist.");
  if (isInsideData(archive.parent_path(), tree, yardmark))
    throw BackupError("The back-up cannot be written inside the folder it backs up, " + quoted(yardmark) + ".");
  return archive;
}

// Written under a passing name, read back, and only then given the name asked for.
void writeAndCheck(const fs::path& archive, const std::vector<Item>& items, const std::string& manifest, Steps& steps) {
  // Failures while the archive is made are its own, told as they are; those of the passing name,
  // the flush and the rename are told as the target's.
  bool writing = false;
  try {
    replaceFile(archive, [&](const fs::path& part) {
      writing = true;
      steps.stretch(0.45, 0.65);
      writeArchive(part, archive, items, manifest, steps);
      steps.stretch(0.65, 1);
      try {
        readWholeArchive(
            ZipReader(part, archive), archive, steps, [](const std::string&) { return fs::path(); },
            [](const CheckedEntry&) {});
      } catch (const BackupError& e) {
        throw BackupError(std::string("The archive did not read back as written, so it was not kept: ") + e.what());
      }
      writing = false;
    });
  } catch (const fs::filesystem_error& e) {
    if (writing) throw;
    throw BackupError(quoted(archive) + " cannot be written (" + e.code().message() + ").");
  }
}

}  // namespace

std::string defaultBackupName(std::chrono::system_clock::time_point when) {
  return "YardMark backup " + localStamp(when, "%Y-%m-%d") + ".zip";
}

BackupReport backUpData(const DataTree& tree, const fs::path& target, Progress* progress) {
  const fs::path yardmark = tree.dataFolder();
  if (!fs::is_directory(yardmark))
    throw BackupError("There is no YardMark folder in " + quoted(tree.programDir()) + ".");
  const fs::path archive = checkedTarget(target, tree, yardmark);
  removeLeftovers(archive.parent_path());

  Steps steps(progress);
  std::vector<Item> items = collect(tree, yardmark);
  Manifest manifest{localStamp(std::chrono::system_clock::now(), "%Y-%m-%d %H:%M:%S"), {}};
  BackupReport report;
  report.archive = archive;
  const WorkFolder copies(archive.parent_path(), archive.filename().string() + ".part-copies-");
  steps.stretch(0, 0.45);
  for (size_t i = 0; i < items.size(); ++i) {
    Item& it = items[i];
    steps.report(static_cast<double>(i) / static_cast<double>(items.size()), "Copying " + it.entry);
    std::error_code ec;
    if (it.area != Area::Report && isSqliteFile(it.source)) {
      it.copy = copies.path() / std::to_string(i);
      copyDatabase(it.source, it.copy);
      it.size = fs::file_size(it.copy);
    } else {
      it.size = fs::file_size(it.source, ec);
      if (ec || !fs::is_regular_file(it.source)) throw BackupError(quoted(it.source) + " cannot be read.");
      if (it.area == Area::Game) report.copiedAsIs.push_back(it.source);
    }
    manifest.files.push_back({it.entry, it.size});
    report.games += it.area == Area::Game;
    report.roster = report.roster || it.area == Area::Roster;
    report.reportFiles += it.area == Area::Report;
  }
  writeAndCheck(archive, items, manifestText(manifest), steps);
  report.bytes = fs::file_size(archive);
  steps.tell(1, "Done");
  return report;
}

}  // namespace yardmark
