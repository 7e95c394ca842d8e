#include "gamedb/DataTree.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <vector>

#include "gamedb/Database.h"
#include "gamedb/Value.h"

namespace yardmark {

namespace embedded {
extern const std::string_view schema_sql;
extern const std::string_view css_css;
}  // namespace embedded

namespace fs = std::filesystem;

namespace {

bool sameNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

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

}  // namespace

fs::path findCaseInsensitive(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  if (fs::exists(folder / name, ec)) return folder / name;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (sameNoCase(entry, name)) return it->path();
  }
  return folder / name;
}

DataTree::DataTree(fs::path programDir) : m_root(std::move(programDir)) {}

fs::path DataTree::resolve(std::string_view literal) const {
  fs::path p = m_root;
  for (const auto& part : components(literal)) p = findCaseInsensitive(p, part);
  return p;
}

fs::path DataTree::gameFile(std::string_view year, std::string_view number) const {
  return resolve("\\yardmark\\games\\" + trimmed(year) + "\\Game" + trimmed(number) + ".mdb");
}
fs::path DataTree::gameFileAsOpened(std::string_view year, std::string_view number) const {
  return resolve("\\YardMark\\games\\" + trimmed(year) + "\\game" + trimmed(number) + ".mdb");
}
fs::path DataTree::yearFolder(std::string_view year) const { return resolve("\\yardmark\\games\\" + trimmed(year)); }
fs::path DataTree::gamesRoot() const { return resolve("\\YardMark\\games"); }
fs::path DataTree::masterTemplate() const { return resolve("\\YardMark\\databases\\yardMark_master.mdb"); }
fs::path DataTree::rosterDatabase() const { return resolve("\\YardMark\\databases\\yardMark_roster.mdb"); }
fs::path DataTree::tmpDatabase() const { return resolve("\\YardMark\\databases\\tmpDB.mdb"); }
fs::path DataTree::reportsFolder() const { return resolve("\\YardMark\\Reports"); }

void createDatabaseFile(const fs::path& file, DatabaseKind kind) {
  // Built under a temporary name and renamed, so a half-made file never carries the real name.
  const fs::path tmp = file.string() + ".new";
  std::error_code ec;
  fs::remove(tmp, ec);
  try {
    {
      SQLite::Database db(tmp.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
      SQLite::Transaction tx(db);
      const std::string_view schema = embedded::schema_sql;
      size_t start = 0;
      while (start < schema.size()) {
        size_t end = schema.find(';', start);
        if (end == std::string_view::npos) break;
        const std::string stmt(schema.substr(start, end - start + 1));
        start = end + 1;
        const bool isRoster = stmt.find("CREATE TABLE roster") != std::string::npos;
        if (stmt.find("CREATE TABLE") == std::string::npos) continue;
        if (isRoster == (kind == DatabaseKind::Roster)) db.exec(stmt);
      }
      tx.commit();
    }
    fs::rename(tmp, file);
  } catch (const std::exception& e) {
    fs::remove(tmp, ec);
    throw DbError(dberr::EngineFailure, "Cannot create the database '" + file.string() + "': " + e.what());
  }
}

void layOutTree(const fs::path& programDir) {
  const DataTree tree(programDir);
  fs::create_directories(tree.resolve("\\YardMark\\databases"));
  fs::create_directories(tree.gamesRoot());
  fs::create_directories(tree.resolve("\\YardMark\\Reports\\css"));
  for (const fs::path& f : {tree.masterTemplate(), tree.tmpDatabase()})
    if (!fs::exists(f)) createDatabaseFile(f, DatabaseKind::Game);
  if (!fs::exists(tree.rosterDatabase())) createDatabaseFile(tree.rosterDatabase(), DatabaseKind::Roster);
  const fs::path css = tree.resolve("\\YardMark\\Reports\\css\\css.css");
  if (!fs::exists(css)) {
    std::ofstream out(css, std::ios::binary);
    out << embedded::css_css;
    if (!out) throw DbError(dberr::EngineFailure, "Cannot write the style sheet '" + css.string() + "'.");
  }
}

}  // namespace yardmark
