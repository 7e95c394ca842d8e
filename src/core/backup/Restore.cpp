#include "core/backup/Restore.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <set>

#include "core/backup/Archive.h"
#include "core/files/CaseFold.h"

namespace yardmark {

namespace fs = std::filesystem;
using namespace backup;

namespace {

void tally(BackupSummary& s, const std::string& name, long rosterRows) {
  ++s.files;
  const fs::path p(name);
  switch (areaOf(name)) {
    case Area::Game: {
      const std::string year = std::next(p.begin())->string();
      auto it = std::find_if(s.years.begin(), s.years.end(), [&](const auto& y) { return y.first == year; });
      if (it == s.years.end()) it = s.years.insert(it, {year, 0});
      ++it->second;
      ++s.games;
      break;
    }
    case Area::Roster: s.rosterPlayers = std::max(rosterRows, 0L); break;
    case Area::Report: {
      const std::string ext = lowerAscii(p.extension().string());
      s.reports += ext == ".htm" || ext == ".html";
      break;
    }
    case Area::None: break;
  }
}

void writeFile(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw BackupError(quoted(file) + " cannot be written.");
}

// Flushes the disk that holds the folder: once for all files, not once a file.
void flushDisk(const fs::path& folder) {
#ifdef __linux__
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::syncfs(fd);
    ::close(fd);
    return;
  }
#endif
  (void)folder;
  ::sync();
}

struct Staged {
  std::string entry;
  fs::path staged;
  std::time_t modified;
  fs::path dest;
};

// Every rename it makes, so that a failure half-way can put each file back where it was.
class Mover {
public:
  Mover(fs::path yardmark, std::string replacedName) : m_yardmark(std::move(yardmark)), m_name(std::move(replacedName)) {}

  void moveAside(const fs::path& dest) {
    for (const char* companion : {"", "-journal", "-wal", "-shm"}) {
      const fs::path f = dest.string() + companion;
      if (!fs::exists(fs::symlink_status(f))) continue;
      move(f, replacedFolder() / f.lexically_relative(m_yardmark));
    }
  }

  void place(const Staged& f) {
    move(f.staged, f.dest);
    std::error_code ec;  // the date is a courtesy; the file is in place without it
    fs::last_write_time(f.dest, std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(f.modified)), ec);
  }

  void undo() noexcept {
    std::error_code ec;
    for (auto it = m_moves.rbegin(); it != m_moves.rend(); ++it) fs::rename(it->second, it->first, ec);
    for (auto it = m_made.rbegin(); it != m_made.rend(); ++it) fs::remove(*it, ec);  // only while empty
  }

  fs::path usedFolder() const { return m_folder; }

private:
  fs::path replacedFolder() {
    if (m_folder.empty()) {
      m_folder = m_yardmark / m_name;
      for (int n = 2; fs::exists(m_folder); ++n) m_folder = m_yardmark / (m_name + " (" + std::to_string(n) + ")");
    }
    return m_folder;
  }

  void makeFolders(const fs::path& folder) {
    if (folder.empty() || fs::is_directory(folder)) return;
    makeFolders(folder.parent_path());
    fs::create_directory(folder);
    m_made.push_back(folder);
  }

  void move(const fs::path& from, const fs::path& to) {
    makeFolders(to.parent_path());
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec == std::errc::cross_device_link) {
      fs::copy_file(from, to);
      fs::remove(from);
    } else if (ec) {
      throw fs::filesystem_error("cannot move", from, to, ec);
    }
    m_moves.emplace_back(from, to);
  }

  fs::path m_yardmark;
  std::string m_name;
  fs::path m_folder;
  std::vector<std::pair<fs::path, fs::path>> m_moves;
  std::vector<fs::path> m_made;
};

std::string replacedName(std::chrono::system_clock::time_point now) {
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  char text[64];
  return std::string(text, std::strftime(text, sizeof text, "replaced %Y-%m-%d %H%M%S", &local));
}

// Where each file goes: the existing spelling of a path, unless an earlier file of the back-up
// (saved on a system that tells letter case apart) already took that one.
void chooseDestinations(std::vector<Staged>& files, const DataTree& tree, const fs::path& yardmark) {
  std::set<fs::path> taken;
  for (Staged& f : files) {
    f.dest = tree.resolve("\\YardMark\\" + f.entry, DataTree::Last::File);
    if (taken.contains(f.dest)) f.dest = f.dest.parent_path() / fs::path(f.entry).filename();
    if (fs::is_directory(f.dest) || !taken.insert(f.dest).second)
      throw BackupError(quoted(f.dest) + " stands where the back-up puts a file; nothing was restored.");
  }
  if (fs::exists(yardmark) && !fs::is_directory(yardmark))
    throw BackupError(quoted(yardmark) + " is no folder; nothing was restored.");
}

}  // namespace

BackupSummary inspectBackup(const fs::path& archive, const BackupProgress& progress) {
  Steps steps(progress);
  const ZipReader zip(archive);
  BackupSummary s;
  s.created = readWholeArchive(zip, archive, steps, [&](const CheckedEntry& e) { tally(s, e.name, e.rosterRows); }).created;
  return s;
}

RestoreReport restoreBackup(const fs::path& archive, const DataTree& tree, const BackupProgress& progress,
                            std::chrono::system_clock::time_point now) {
  const fs::path root = tree.programDir();
  if (!fs::is_directory(root)) throw BackupError("The folder " + quoted(root) + " does not exist.");
  Steps steps(progress);
  const ZipReader zip(archive);
  // Read into a folder beside YardMark/, on the same disk, so that putting a file in place is a rename.
  const WorkFolder staging(root, ".yardmark-restore-");
  RestoreReport report;
  std::vector<Staged> files;
  steps.stretch(0, 0.9);
  report.summary.created = readWholeArchive(zip, archive, steps, [&](const CheckedEntry& e) {
                             tally(report.summary, e.name, e.rosterRows);
                             const fs::path staged = staging.path() / std::to_string(files.size());
                             writeFile(staged, e.bytes);
                             files.push_back({e.name, staged, zip.modified(e.index), {}});
                           }).created;
  steps.stretch(0.9, 1);
  steps.report(0, "Putting the files in place");
  flushDisk(staging.path());
  const fs::path yardmark = tree.resolve("\\YardMark", DataTree::Last::Folder);
  chooseDestinations(files, tree, yardmark);
  Mover mover(yardmark, replacedName(now));
  try {
    for (const Staged& f : files) mover.moveAside(f.dest);
    for (const Staged& f : files) mover.place(f);
  } catch (const std::exception& e) {
    mover.undo();
    throw BackupError(std::string("The back-up could not be put in place, so the folder was left as it was: ") + e.what());
  }
  flushDisk(yardmark);
  report.restored = files.size();
  report.replacedFolder = mover.usedFolder();
  // Into an empty folder: the template and the temporary database the back-up leaves out.
  layOutTree(root);
  steps.tell(1, "Done");
  return report;
}

}  // namespace yardmark
