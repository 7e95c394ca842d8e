#include "core/backup/DatabaseCheck.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>

#include "core/backup/Archive.h"
#include "core/db/Schema.h"
#include "core/text/CaseFold.h"

namespace yardmark::backup {

namespace fs = std::filesystem;

namespace {

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

Connection openDatabase(const fs::path& file, int flags) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
  Connection c(db, &sqlite3_close);
  if (rc != SQLITE_OK) throw BackupError(quoted(file) + " cannot be opened (" + sqlite3_errstr(rc) + ").");
  return c;
}

// The first column of the statement's rows; false with SQLite's complaint in `out` on failure.
bool columnTexts(sqlite3* db, const std::string& sql, std::vector<std::string>& out) {
  sqlite3_stmt* st = nullptr;
  int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
  out.clear();
  while (rc == SQLITE_OK && (rc = sqlite3_step(st)) == SQLITE_ROW) {
    const unsigned char* text = sqlite3_column_text(st, 0);
    out.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
    rc = SQLITE_OK;
  }
  sqlite3_finalize(st);
  if (rc == SQLITE_DONE) return true;
  out.assign(1, sqlite3_errmsg(db));
  return false;
}

std::string integrity(sqlite3* db) {
  std::vector<std::string> answer;
  if (!columnTexts(db, "PRAGMA integrity_check", answer)) return answer.front();
  return answer.size() == 1 && answer.front() == "ok" ? std::string() : answer.empty() ? "no answer" : answer.front();
}

// A database of another program may pass integrity_check; ours holds the house tables.
std::string schemaProblem(sqlite3* db, DatabaseKind kind) {
  for (const Table& t : houseTables(kind)) {
    std::vector<std::string> columns;
    if (!columnTexts(db, "SELECT name FROM pragma_table_info(" + sqlName(t.name) + ")", columns))
      return columns.front();
    if (columns.empty() && t.addedLater) continue;  // a file from before the table was added
    if (columns.empty()) return "it has no table " + t.name;
    for (std::string& c : columns) c = lowerAscii(c);
    for (size_t i = 0; i < t.required; ++i)
      if (std::find(columns.begin(), columns.end(), lowerAscii(t.columns[i].name)) == columns.end())
        return "its table " + t.name + " has no column " + t.columns[i].name;
  }
  return {};
}
}  // namespace

void copyDatabase(const fs::path& from, const fs::path& to) {
  // Read-write when allowed, so that SQLite can roll back a journal a crashed writer left.
  Connection src = [&] {
    try {
      return openDatabase(from, SQLITE_OPEN_READWRITE);
    } catch (const BackupError&) {
      return openDatabase(from, SQLITE_OPEN_READONLY);
    }
  }();
  // Page by page into a file, so memory stays small whatever the game's size.
  Connection dst = openDatabase(to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  // A scratch copy: flushing each one to the disk would cost more than the whole back-up.
  sqlite3_exec(dst.get(), "PRAGMA synchronous=OFF; PRAGMA journal_mode=OFF", nullptr, nullptr, nullptr);
  sqlite3_busy_timeout(src.get(), 100);
  sqlite3_backup* copy = sqlite3_backup_init(dst.get(), "main", src.get(), "main");
  if (!copy) throw BackupError(quoted(from) + " cannot be copied (" + sqlite3_errmsg(dst.get()) + ").");
  // A writer committing holds the file for a moment; one that keeps it locked is another matter.
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  int rc;
  while ((rc = sqlite3_backup_step(copy, -1)) == SQLITE_BUSY || rc == SQLITE_LOCKED) {
    if (std::chrono::steady_clock::now() > giveUp) break;
    sqlite3_sleep(50);
  }
  sqlite3_backup_finish(copy);
  if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
    throw BackupError(quoted(from) + " cannot be copied: another program keeps it locked.");
  if (rc != SQLITE_DONE) throw BackupError(quoted(from) + " cannot be copied (" + sqlite3_errstr(rc) + ").");
  if (const std::string problem = integrity(dst.get()); !problem.empty())
    throw BackupError(quoted(from) + " is damaged (" + problem + "); repair or remove it, then back up again.");
}

std::string databaseProblem(const fs::path& file, Area area, long* rosterRows) {
  Connection db = openDatabase(file, SQLITE_OPEN_READONLY);
  if (std::string problem = integrity(db.get()); !problem.empty()) return problem;
  const DatabaseKind kind = area == Area::Roster ? DatabaseKind::Roster : DatabaseKind::Game;
  if (std::string problem = schemaProblem(db.get(), kind); !problem.empty())
    return (area == Area::Roster ? "it is no YardMark roster: " : "it is no YardMark game: ") + problem;
  if (rosterRows) {
    std::vector<std::string> count;
    if (!columnTexts(db.get(), "SELECT count(*) FROM roster", count) || count.size() != 1) return count.front();
    *rosterRows = std::stol(count.front());
  }
  return {};
}
}  // namespace yardmark::backup
