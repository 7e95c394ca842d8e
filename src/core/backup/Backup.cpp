#include "core/backup/Backup.h"

#include <fcntl.h>
#include <unistd.h>
#include <zip.h>

#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>

#include "core/backup/Archive.h"
#include "core/files/FolderListing.h"
#include "core/games/GameFolder.h"
#include "core/games/GameFolder.h"

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

// The data at the moment of the back-up: each file read into memory first, so the archive and
// its list agree even when a page is rewritten meanwhile.
struct Item {
  fs::path source;
  std::string entry;
  Area area;
  std::string bytes;
};

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in.good() && !in.eof()) throw BackupError(quoted(p) + " cannot be read.");
  if (!in.is_open()) throw BackupError(quoted(p) + " cannot be opened.");
  return bytes;
}

std::vector<Item> collect(const DataTree& tree, const fs::path& yardmark) {
  std::vector<Item> items;
  auto add = [&](const fs::path& p, Area area) { items.push_back({p, p.lexically_relative(yardmark).generic_string(), area, {}}); };
  const fs::path games = tree.gamesRoot();
  for (const fs::path& year : listFolder(games, Listing::folders()))
    for (const fs::path& file : listGameFiles(year)) add(file, Area::Game);
  if (fs::is_regular_file(tree.rosterDatabase())) add(tree.rosterDatabase(), Area::Roster);
  std::error_code ec;
  for (fs::recursive_directory_iterator it(tree.reportsFolder(), ec), end; !ec && it != end; it.increment(ec))
    if (it->is_regular_file()) add(it->path(), Area::Report);
  if (ec && ec != std::errc::no_such_file_or_directory)
    throw BackupError("The reports folder " + quoted(tree.reportsFolder()) + " cannot be read (" + ec.message() + ").");
  return items;
}

bool isInside(const fs::path& file, const fs::path& folder) {
  const fs::path f = fs::weakly_canonical(file), d = fs::weakly_canonical(folder);
  return std::mismatch(d.begin(), d.end(), f.begin(), f.end()).first == d.end();
}

void syncPath(const fs::path& p) {
  const int fd = ::open(p.c_str(), O_RDONLY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Progress and Cancel while libzip compresses, which is most of the time.
struct WriteState {
  const Steps* steps;
  bool cancelled = false;
};

void writeArchive(const fs::path& file, const std::vector<Item>& items, const std::string& manifest, const Steps& steps) {
  int code = 0;
  std::unique_ptr<zip_t, decltype(&zip_discard)> z(zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code), &zip_discard);
  if (!z) throw BackupError(quoted(file) + " cannot be written.");
  auto fail = [&](const std::string& what) {
    throw BackupError(quoted(file) + " cannot be written: " + what + " (" + zip_strerror(z.get()) + ").");
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
    if (zip_set_file_compression(z.get(), index, ZIP_CM_DEFLATE, 1) != 0 || zip_file_set_mtime(z.get(), index, modified, 0) != 0)
      fail(name);
  };
  add(std::string(kManifestName), zip_source_buffer(z.get(), manifest.data(), manifest.size(), 0), std::time(nullptr));
  for (const Item& it : items)
    add(it.entry, zip_source_buffer(z.get(), it.bytes.data(), it.bytes.size(), 0), modifiedTime(it.source));
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

}  // namespace

std::string defaultBackupName(std::chrono::system_clock::time_point when) {
  return "YardMark backup " + localStamp(when, "%Y-%m-%d") + ".zip";
}

BackupReport backUpData(const DataTree& tree, const fs::path& target, const BackupProgress& progress) {
  const fs::path archive = fs::absolute(target);
  const fs::path yardmark = tree.resolve("\\YardMark", DataTree::Last::Folder);
  if (!fs::is_directory(yardmark)) throw BackupError("There is no YardMark folder in " + quoted(tree.programDir()) + ".");
  if (isInside(archive, yardmark))
    throw BackupError("The back-up cannot be written inside the folder it backs up, " + quoted(yardmark) + ".");
  if (fs::is_directory(archive)) throw BackupError(quoted(archive) + " is a folder.");
  if (!fs::is_directory(archive.parent_path()))
    throw BackupError("The folder " + quoted(archive.parent_path()) + " for the back-up does not exist.");

  Steps steps(progress);
  std::vector<Item> items = collect(tree, yardmark);
  Manifest manifest{localStamp(std::chrono::system_clock::now(), "%Y-%m-%d %H:%M:%S"), {}};
  BackupReport report;
  report.archive = archive;
  steps.stretch(0, 0.45);
  for (size_t i = 0; i < items.size(); ++i) {
    Item& it = items[i];
    steps.report(static_cast<double>(i) / static_cast<double>(items.size()), "Copying " + it.entry);
    if (it.area != Area::Report && isSqliteFile(it.source)) {
      it.bytes = copyDatabase(it.source);
    } else {
      it.bytes = readFile(it.source);
      if (it.area == Area::Game) report.copiedAsIs.push_back(it.source);
    }
    manifest.files.push_back({it.entry, it.bytes.size()});
    report.games += it.area == Area::Game;
    report.roster = report.roster || it.area == Area::Roster;
    report.reportFiles += it.area == Area::Report;
  }

  // Written under a name of its own, read back, and only then given the name asked for.
  const fs::path part = archive.string() + ".part";
  try {
    steps.stretch(0.45, 0.65);
    writeArchive(part, items, manifestText(manifest), steps);
    steps.stretch(0.65, 1);
    try {
      readWholeArchive(ZipReader(part), part, steps, [](const CheckedEntry&) {});
    } catch (const BackupError& e) {
      throw BackupError(std::string("The archive did not read back as written, so it was not kept: ") + e.what());
    }
    syncPath(part);
    std::error_code ec;
    fs::rename(part, archive, ec);
    if (ec) throw BackupError(quoted(archive) + " cannot be written (" + ec.message() + ").");
    syncPath(archive.parent_path());
  } catch (...) {
    std::error_code ec;
    fs::remove(part, ec);
    throw;
  }
  report.bytes = fs::file_size(archive);
  steps.tell(1, "Done");
  return report;
}

}  // namespace yardmark
