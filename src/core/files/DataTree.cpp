#include "core/files/DataTree.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "core/db/Database.h"
#include "core/db/Value.h"
#include "core/files/SafeWrite.h"
#include "core/text/CaseFold.h"

namespace yardmark {

namespace embedded {
extern const std::string_view css_css;
}  // namespace embedded

namespace fs = std::filesystem;

namespace {

bool sameNoCase(const std::string& a, const std::string& b) { return equalsIgnoringCase(a, b); }

std::vector<std::string> components(std::string_view literal) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : literal) {
    if (c == '\\' || c == '/') {
      if (!cur.empty()) out.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) out.push_back(cur);
  return out;
}

bool isKind(const fs::path& p, DataTree::Last kind) {
  std::error_code ec;
  const fs::file_status st = fs::status(p, ec);
  if (ec || !fs::exists(st)) return false;
  switch (kind) {
    case DataTree::Last::Folder:
      return fs::is_directory(st);
    case DataTree::Last::File:
      return !fs::is_directory(st);
    case DataTree::Last::Any:
      return true;
  }
  return false;
}

}  // namespace

fs::path findCaseInsensitive(const fs::path& folder, const std::string& name, DataTree::Last kind) {
  if (isKind(folder / name, kind)) return folder / name;
  // Several spellings may exist side by side; the smallest name wins so a lookup is repeatable,
  // and with no wish of kind a folder still comes before a file.
  fs::path best;
  bool bestIsFolder = false;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (!sameNoCase(entry, name) || !isKind(it->path(), kind)) continue;
    const bool folderHere = isKind(it->path(), DataTree::Last::Folder);
    if (best.empty() || (folderHere && !bestIsFolder) ||
        (folderHere == bestIsFolder && it->path().filename() < best.filename())) {
      best = it->path();
      bestIsFolder = folderHere;
    }
  }
  return best.empty() ? folder / name : best;
}

fs::path findPathCaseInsensitive(const fs::path& absolute) {
  fs::path p = absolute.root_path();
  std::vector<std::string> parts;
  for (const fs::path& part : absolute.relative_path())
    if (!part.empty()) parts.push_back(part.string());
  for (size_t i = 0; i < parts.size(); ++i)
    p = findCaseInsensitive(p, parts[i], i + 1 < parts.size() ? DataTree::Last::Folder : DataTree::Last::Any);
  return p;
}

DataTree::DataTree(fs::path programDir) : m_root(std::move(programDir)) {}

fs::path DataTree::resolve(std::string_view literal, Last last) const {
  fs::path p = m_root;
  const std::vector<std::string> parts = components(literal);
  for (size_t i = 0; i < parts.size(); ++i)
    p = findCaseInsensitive(p, parts[i], i + 1 < parts.size() ? Last::Folder : last);
  return p;
}

namespace {

// Steps of a path inside the data folder, joined for resolve().
std::string inside(std::initializer_list<std::string_view> steps) {
  std::string out(layout::kDataFolder);
  for (std::string_view step : steps) out.append("/").append(step);
  return out;
}

std::string gameName(std::string_view prefix, std::string_view number) {
  return std::string(prefix) + trimmed(number) + std::string(layout::kGameExtension);
}

}  // namespace

fs::path DataTree::gameFile(std::string_view year, std::string_view number) const {
  return resolve(inside({layout::kGames, trimmed(year), gameName("Game", number)}), Last::File);
}
fs::path DataTree::gameFileAsOpened(std::string_view year, std::string_view number) const {
  // The entry form opens the name in lower case; a missing file keeps that spelling.
  return resolve(inside({layout::kGames, trimmed(year), gameName("game", number)}), Last::File);
}
fs::path DataTree::yearFolder(std::string_view year) const {
  return resolve(inside({layout::kGames, trimmed(year)}), Last::Folder);
}
fs::path DataTree::gamesRoot() const { return resolve(inside({layout::kGames}), Last::Folder); }
fs::path DataTree::masterTemplate() const {
  return resolve(inside({layout::kDatabases, layout::kMasterTemplate}), Last::File);
}
fs::path DataTree::rosterDatabase() const { return resolve(inside({layout::kDatabases, layout::kRoster}), Last::File); }
fs::path DataTree::tmpDatabase() const {
  return resolve(inside({layout::kDatabases, layout::kTmpDatabase}), Last::File);
}
fs::path DataTree::reportsFolder() const { return resolve(inside({layout::kReports}), Last::Folder); }
fs::path DataTree::dataFolder() const { return resolve(inside({}), Last::Folder); }
fs::path DataTree::databasesFolder() const { return resolve(inside({layout::kDatabases}), Last::Folder); }
fs::path DataTree::styleSheet() const {
  return resolve(inside({layout::kReports, layout::kStyleFolder, layout::kStyleSheet}), Last::File);
}
fs::path DataTree::restorePlan() const { return dataFolder() / layout::kRestorePlan; }
fs::path DataTree::inData(std::string_view relative, Last last) const { return resolve(inside({relative}), last); }

fs::path styleSheetOf(const fs::path& reportsFolder) {
  return findPathCaseInsensitive(reportsFolder / layout::kStyleFolder / layout::kStyleSheet);
}
fs::path detailFolderOf(const fs::path& reportsFolder) {
  return findCaseInsensitive(reportsFolder, std::string(layout::kDetailFolder), DataTree::Last::Folder);
}

void createDatabaseFile(const fs::path& file, DatabaseKind kind) {
  // Built under a temporary name and renamed, so a half-made file never carries the real name.
  const auto build = [kind](const fs::path& tmp) {
    std::error_code ignored;
    fs::remove(tmp, ignored);
    SQLite::Database db(tmp.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    SQLite::Transaction tx(db);
    createHouseTables(db, kind);
    tx.commit();
  };
  try {
    replaceFile(file, build);
  } catch (const std::exception& e) {
    throw DbError(dberr::EngineFailure, "Cannot create the database '" + file.string() + "': " + e.what());
  }
}

fs::path ensureRosterDatabase(const DataTree& tree) {
  const fs::path roster = tree.rosterDatabase();
  if (!fs::exists(roster)) {
    fs::create_directories(roster.parent_path());
    createDatabaseFile(roster, DatabaseKind::Roster);
  }
  return roster;
}

void layOutTree(const fs::path& programDir) {
  const DataTree tree(programDir);
  // Folders are looked up as folders: the program file "yardmark" is no data folder.
  fs::create_directories(tree.databasesFolder());
  fs::create_directories(tree.gamesRoot());
  const fs::path css = tree.styleSheet();
  fs::create_directories(css.parent_path());
  for (const fs::path& f : {tree.masterTemplate(), tree.tmpDatabase()})
    if (!fs::exists(f)) createDatabaseFile(f, DatabaseKind::Game);
  ensureRosterDatabase(tree);
  if (!fs::exists(css)) {
    try {
      replaceFile(css, [](const fs::path& part) { writeFileBytes(part, embedded::css_css); });
    } catch (const fs::filesystem_error&) {
      throw DbError(dberr::EngineFailure, "Cannot write the style sheet '" + css.string() + "'.");
    }
  }
}

}  // namespace yardmark
