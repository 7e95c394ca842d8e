#include "core/backup/Restore.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "core/backup/Archive.h"
#include "core/backup/RestorePlan.h"
#include "core/files/FileKind.h"
#include "core/files/SafeWrite.h"
#include "core/text/CaseFold.h"

namespace yardmark {

namespace fs = std::filesystem;
using namespace backup;

namespace {

void tally(BackupSummary& s, const CheckedEntry& e) {
  ++s.files;
  s.entries.push_back(e.name);
  const fs::path p(e.name);
  switch (areaOf(e.name)) {
    case Area::Game: {
      if (!e.database) {
        ++s.keptAsIs;
        break;
      }
      const std::string year = std::next(p.begin())->string();
      auto it = std::find_if(s.years.begin(), s.years.end(), [&](const auto& y) { return y.first == year; });
      if (it == s.years.end()) it = s.years.insert(it, {year, 0});
      ++it->second;
      ++s.games;
      break;
    }
    case Area::Roster:
      s.rosterPlayers = std::max(e.rosterRows, 0L);
      break;
    case Area::Report: {
      const std::string ext = lowerAscii(p.extension().string());
      s.reports += ext == ".htm" || ext == ".html";
      break;
    }
    case Area::None:
      break;
  }
}

std::string stamp(std::chrono::system_clock::time_point now, const char* format) {
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  char text[64];
  return std::string(text, std::strftime(text, sizeof text, format, &local));
}

// The nearest folder that exists, the path itself included, and its disk.
std::pair<fs::path, dev_t> existingAncestor(fs::path p) {
  struct stat st {};
  while (::stat(p.c_str(), &st) != 0 && p.has_relative_path()) p = p.parent_path();
  return {p, st.st_dev};
}

fs::path unusedName(const fs::path& wanted) {
  fs::path p = wanted;
  std::error_code ec;
  for (int n = 2; fs::exists(fs::symlink_status(p, ec)); ++n) p = wanted.string() + " (" + std::to_string(n) + ")";
  return p;
}

// Where each file goes: the existing spelling of a path, unless an earlier file of the back-up
// (saved on a system that tells letter case apart) already took that one.
std::vector<fs::path> destinations(const std::vector<std::string>& entries, const DataTree& tree,
                                   const fs::path& yardmark) {
  std::vector<fs::path> out;
  std::set<fs::path> taken;
  if (fs::exists(yardmark) && !fs::is_directory(yardmark))
    throw BackupError(quoted(yardmark) + " is no folder; nothing was restored.");
  for (const std::string& entry : entries) {
    fs::path dest = tree.inData(entry, DataTree::Last::File);
    if (taken.contains(dest)) dest = dest.parent_path() / fs::path(entry).filename();
    const auto kind = fs::symlink_status(dest).type();
    if ((kind != fs::file_type::not_found && kind != fs::file_type::regular) || !taken.insert(dest).second)
      throw BackupError(quoted(dest) + " stands where the back-up puts a file; nothing was restored.");
    for (fs::path f = dest.parent_path(); f != yardmark && f.has_relative_path(); f = f.parent_path())
      if (fs::exists(f) && !fs::is_directory(f))
        throw BackupError(quoted(f) + " is a file where the back-up puts a folder; nothing was restored.");
    out.push_back(dest);
  }
  return out;
}

// Each game the restore replaces, held with SQLite's own lock until it has been moved, so that
// no other program is part-way through saving it.
class GameLocks {
 public:
  void take(const fs::path& file) {
    sqlite3* db = nullptr;
    const int opened = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    m_held.emplace_back(db, &sqlite3_close);
    // One we may not write or cannot read as a database is still moved; only a lock held elsewhere stops us.
    if (opened != SQLITE_OK) return;
    sqlite3_busy_timeout(db, 1000);
    const int rc = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) m_busy.push_back(file);
  }
  void refuseWhenBusy() const {
    if (m_busy.empty()) return;
    std::string names;
    for (const fs::path& f : m_busy) names.append(1, '\n').append(f.string());
    throw BackupError("Another program is using these files, so nothing was restored; close it and restore again:" +
                      names);
  }

 private:
  std::vector<std::unique_ptr<sqlite3, decltype(&sqlite3_close)>> m_held;
  std::vector<fs::path> m_busy;
};

struct Layout {
  RestorePlan plan;
  std::vector<fs::path> dests, staged;
  fs::path replaced;
  std::vector<fs::path> otherReplaced;
};

// Staging folders beside each final place, so every move is a rename within one file system.
Layout layOut(const std::vector<std::string>& entries, const ZipReader& zip, const DataTree& tree,
              const fs::path& yardmark, std::chrono::system_clock::time_point now) {
  Layout l;
  l.dests = destinations(entries, tree, yardmark);
  const std::string token = std::to_string(::getpid()) + "-" + stamp(now, "%H%M%S");
  std::map<fs::path, fs::path> staging;
  std::map<dev_t, std::pair<fs::path, std::uintmax_t>> need;  // a folder on each disk, and the bytes
  std::set<fs::path> made;
  for (size_t i = 0; i < entries.size(); ++i) {
    const fs::path folder = l.dests[i].parent_path();
    const auto [existing, dev] = existingAncestor(folder);
    for (fs::path f = folder; f != existing && f.has_relative_path(); f = f.parent_path())
      if (made.insert(f).second) l.plan.madeFolders.push_back(f);
    auto [at, fresh] = staging.emplace(folder, folder / (std::string(layout::kRestoreStaging) + token));
    if (fresh) l.plan.stagingFolders.push_back(at->second);
    l.staged.push_back(at->second / std::to_string(i));
    auto& [where, bytes] = need[dev];
    where = existing;
    bytes += zip.size(zip.find(entries[i]));
  }
  // Outer folders first, so that they are made, and removed again, in order.
  std::sort(l.plan.madeFolders.begin(), l.plan.madeFolders.end());
  for (const auto& [dev, n] : need) {
    std::error_code ec;
    const auto space = fs::space(n.first, ec);
    constexpr std::uintmax_t kMargin = 16 << 20;
    if (!ec && space.available < n.second + kMargin)
      throw BackupError("There is not enough free space on the disk of " + quoted(n.first) + ": the back-up needs " +
                        std::to_string((n.second + kMargin) >> 20) + " MB, and " +
                        std::to_string(space.available >> 20) + " MB are free. Nothing was restored.");
  }
  l.replaced = unusedName(yardmark / stamp(now, layout::kReplacedFolder));
  return l;
}

// The coach's files each staged file replaces, and where they go: the replaced folder when on
// YardMark's own disk, else a hidden folder beside their own.
void planMoves(Layout& l, const fs::path& yardmark, std::chrono::system_clock::time_point now) {
  const dev_t home = existingAncestor(yardmark).second;
  std::set<fs::path> replacedFolders;
  for (size_t i = 0; i < l.dests.size(); ++i) {
    const fs::path& dest = l.dests[i];
    for (const char* companion : {"", "-journal", "-wal", "-shm"}) {
      const fs::path f = dest.string() + companion;
      std::error_code ec;
      if (!fs::exists(fs::symlink_status(f, ec))) continue;
      fs::path folder = l.replaced, to;
      if (existingAncestor(dest.parent_path()).second == home) {
        to = folder / f.lexically_relative(yardmark);
      } else {
        folder = dest.parent_path() / stamp(now, layout::kReplacedElsewhere);
        to = folder / f.filename();
        if (std::find(l.otherReplaced.begin(), l.otherReplaced.end(), folder) == l.otherReplaced.end())
          l.otherReplaced.push_back(folder);
      }
      if (replacedFolders.insert(folder).second) l.plan.replacedFolders.push_back(folder);
      l.plan.aside.push_back({f, to, 0});
    }
    std::error_code ec;
    l.plan.place.push_back({l.staged[i], dest, fs::file_size(l.staged[i], ec)});
  }
}

std::string whereFilesAre(const std::vector<std::string>& left) {
  std::string text;
  for (const std::string& l : left) text.append(1, '\n').append(l);
  return text;
}

}  // namespace

BackupSummary inspectBackup(const fs::path& archive, Progress* progress) {
  Steps steps(progress);
  const ZipReader zip(archive);
  // Databases are checked as files, one at a time, so memory stays small.
  const WorkFolder work(fs::temp_directory_path(), "yardmark-inspect-");
  BackupSummary s;
  const auto placeFor = [&](const std::string& name) {
    return areaOf(name) == Area::Report ? fs::path() : work.path() / "check.mdb";
  };
  s.created = readWholeArchive(zip, archive, steps, placeFor, [&](const CheckedEntry& e) {
                tally(s, e);
                std::error_code ec;
                if (!e.file.empty()) fs::remove(e.file, ec);
              }).created;
  return s;
}

std::vector<fs::path> filesReplaced(const BackupSummary& summary, const DataTree& tree) {
  std::vector<fs::path> out;
  for (const fs::path& dest : destinations(summary.entries, tree, tree.dataFolder()))
    if (fs::exists(dest)) out.push_back(dest);
  return out;
}

namespace {

struct Staging {
  const ZipReader& zip;
  const fs::path& archive;
  const fs::path& yardmark;
  const fs::path& plan;
  std::chrono::system_clock::time_point now;
};

// Every file read, checked and staged beside its place; the games it replaces locked; then the
// whole plan written. On any failure the staging is removed and nothing else was touched.
void stageAll(const Staging& s, Layout& l, Steps& steps, BackupSummary& summary, GameLocks& locks) {
  try {
    for (const fs::path& f : l.plan.madeFolders) fs::create_directory(f);
    for (const fs::path& f : l.plan.stagingFolders) fs::create_directory(f);
    std::map<std::string, fs::path> staged;
    for (size_t i = 0; i < l.staged.size(); ++i) staged[summary.entries.at(i)] = l.staged[i];
    summary.entries.clear();  // tally lists them again as they are read
    steps.stretch(0, 0.9);
    const auto placeFor = [&](const std::string& name) { return staged.at(name); };
    summary.created = readWholeArchive(s.zip, s.archive, steps, placeFor, [&](const CheckedEntry& e) {
                        tally(summary, e);
                        const auto when = std::chrono::system_clock::from_time_t(s.zip.modified(e.index));
                        std::error_code ec;  // the date is a courtesy
                        fs::last_write_time(e.file, std::chrono::file_clock::from_sys(when), ec);
                        stepDone();
                      }).created;
    steps.stretch(0.9, 1);
    steps.report(0, "Putting the files in place");
    for (const fs::path& f : l.plan.stagingFolders) flushDisk(f);
    for (const fs::path& dest : l.dests)
      if (fs::exists(dest) && isSqliteFile(dest)) locks.take(dest);
    locks.refuseWhenBusy();
    planMoves(l, s.yardmark, s.now);
    l.plan.staged = true;
    writePlan(s.plan, l.plan);
  } catch (...) {
    rollBack(l.plan);
    discardPlan(s.plan, l.plan);
    try {
      throw;
    } catch (const fs::filesystem_error& e) {
      throw BackupError(quoted(e.path1()) + " cannot be made (" + e.code().message() + "); nothing was restored.");
    }
  }
}

// The moves of the plan; a failure is undone, and an undo that fails is said as such.
void putInPlace(const RestorePlan& plan, const fs::path& planPath) {
  try {
    carryOut(plan);
  } catch (const BackupError& e) {
    const std::vector<std::string> left = rollBack(plan);
    if (!left.empty())
      throw BackupError(std::string("The back-up could not be put in place (") + e.what() +
                        "), and putting the folder back failed too. Its plan " + quoted(planPath) +
                        " is kept so that the next start tries again. Where the files are now:" + whereFilesAre(left));
    discardPlan(planPath, plan);
    throw BackupError(std::string("The back-up could not be put in place, so the folder was left as it was: ") +
                      e.what());
  }
}

}  // namespace

RestoreReport restoreBackup(const fs::path& archive, const DataTree& tree, Progress* progress,
                            std::chrono::system_clock::time_point now) {
  const fs::path root = tree.programDir();
  if (!fs::is_directory(root)) throw BackupError("The folder " + quoted(root) + " does not exist.");
  RestoreReport report;
  report.recovered = finishInterruptedRestore(tree);
  Steps steps(progress);
  const ZipReader zip(archive);
  for (const ManifestFile& f : checkDirectory(zip, archive).files) report.summary.entries.push_back(f.name);
  const fs::path yardmark = tree.dataFolder();
  Layout l = layOut(report.summary.entries, zip, tree, yardmark, now);
  std::error_code made;
  fs::create_directories(yardmark, made);
  const fs::path plan = planFile(yardmark);
  writePlan(plan, l.plan);
  stepDone();
  GameLocks locks;  // held until every move is made
  stageAll({zip, archive, yardmark, plan, now}, l, steps, report.summary, locks);
  stepDone();
  putInPlace(l.plan, plan);
  for (const fs::path& f : l.plan.stagingFolders) flushDisk(f.parent_path());
  stepDone();
  discardPlan(plan, l.plan);
  report.restored = l.dests.size();
  if (fs::exists(l.replaced)) report.replacedFolder = l.replaced;
  report.otherReplacedFolders = l.otherReplaced;
  // Into an empty folder: the template and the temporary database the back-up leaves out.
  layOutTree(root);
  steps.tell(1, "Done");
  return report;
}

}  // namespace yardmark
