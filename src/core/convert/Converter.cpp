#include "core/convert/Converter.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <optional>

#include "core/db/Database.h"
#include "core/db/Schema.h"
#include "core/db/Value.h"
#include "core/files/DataTree.h"
#include "core/files/Fd.h"
#include "core/files/SafeWrite.h"
#include "core/games/GameTables.h"
#include "core/text/CaseFold.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

std::string lower(const std::string& s) { return lowerAscii(s); }

// Our tables as the house schema lays them out, for game files or for the roster.
DatabaseKind databaseKind(OldFileKind kind) {
  return kind == OldFileKind::Roster ? DatabaseKind::Roster : DatabaseKind::Game;
}

// One old table going into one of ours: for each of our columns after the key, the old
// column it takes its values from (or none).
struct TablePlan {
  const JetTable* source = nullptr;
  const Table* target = nullptr;
  std::vector<std::optional<size_t>> from;
  std::vector<JetColumn::Kind> kinds;
};

std::optional<bool> yesNoOf(const std::string& text) {
  double n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec == std::errc() && end == text.data() + text.size()) return n != 0;
  const std::string l = lower(trimmed(text));
  if (l == "true" || l == "yes") return true;
  if (l == "false" || l == "no") return false;
  return std::nullopt;
}

void bindValue(SQLite::Statement& insert, int index, const std::optional<std::string>& value, JetColumn::Kind kind,
               ColumnKind column) {
  if (!value) return insert.bind(index);
  const std::string& text = *value;
  switch (column) {
    case ColumnKind::Text:
      return insert.bind(index, text);
    case ColumnKind::Key:  // never written: keys are renumbered
    case ColumnKind::Number: {
      double n = 0;
      const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
      if (kind == JetColumn::Kind::YesNo) return insert.bind(index, yesNoOf(text).value_or(false) ? 1.0 : 0.0);
      return insert.bind(index, ec == std::errc() && end == text.data() + text.size() ? n : numberFromText(text));
    }
    case ColumnKind::YesNo:
      return insert.bind(index, yesNoOf(text).value_or(numberFromText(text) != 0) ? 1 : 0);
  }
}

// Refuses a file the user has marked read-only, or one whose folder cannot take the new file:
// the rename would replace it all the same.
void checkWritable(const fs::path& file) {
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) throw JetError(std::string("it cannot be found: ") + std::strerror(errno));
  if ((st.st_mode & 0222) == 0 || ::access(file.c_str(), W_OK) != 0) throw JetError("the file is read-only");
  const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  if (::access(folder.c_str(), W_OK) != 0) throw JetError("its folder " + folder.string() + " cannot be written");
}

bool usableTemplate(const fs::path& templateFile) {
  std::error_code ec;
  if (templateFile.empty() || !fs::is_regular_file(templateFile, ec) || isJetFile(templateFile)) return false;
  try {
    const Database db(templateFile, Database::Mode::ReadOnly);
    return std::all_of(gameTables().begin(), gameTables().end(),
                       [&](const GameTableLayout& t) { return db.hasTable(t.name); });
  } catch (const DbError&) {
    return false;
  }
}

// "name", then "name.1", "name.2", ...; built by appending, since GCC 12 at -O3 warns (-Wrestrict)
// on a text prefixed to a temporary.
std::string withNumber(std::string name, int n) {
  if (n > 0) name.append(".").append(std::to_string(n));
  return name;
}

void makeFresh(const fs::path& fresh, const OldFile& old, const fs::path& templateFile) {
  if (old.kind == OldFileKind::Game && old.copiesTemplate && usableTemplate(templateFile)) {
    copyFileBytes(templateFile, fresh);
    fs::permissions(fresh, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
  } else {
    createDatabaseFile(fresh, databaseKind(old.kind));
  }
}

size_t copyRows(const fs::path& fresh, const std::vector<TablePlan>& plans) {
  SQLite::Database db(fresh.string(), SQLite::OPEN_READWRITE);
  SQLite::Transaction tx(db);
  size_t copied = 0;
  for (const TablePlan& plan : plans) {
    std::vector<size_t> targets;
    for (size_t i = 0; i < plan.from.size(); ++i)
      if (plan.from[i]) targets.push_back(i);
    std::string sql = "INSERT INTO \"" + plan.target->name + "\"";
    if (targets.empty()) {
      sql += " DEFAULT VALUES";
    } else {
      std::string names, marks;
      for (size_t i : targets) {
        names += (names.empty() ? "\"" : ", \"") + plan.target->columns[i + 1].name + "\"";
        marks += marks.empty() ? "?" : ", ?";
      }
      sql += " (" + names + ") VALUES (" + marks + ")";
    }
    SQLite::Statement insert(db, sql);
    for (const JetFields& row : plan.source->rows) {
      for (size_t k = 0; k < targets.size(); ++k) {
        const size_t source = *plan.from[targets[k]];
        bindValue(insert, static_cast<int>(k) + 1, source < row.size() ? row[source] : std::nullopt, plan.kinds[source],
                  plan.target->columns[targets[k] + 1].kind);
      }
      insert.exec();
      insert.reset();
      ++copied;
    }
  }
  tx.commit();
  return copied;
}

// Makes a second name for the original that no later step removes: a hard link where the file
// system has them, otherwise an exclusive copy. Never replaces a file already there.
fs::path keepOriginal(const fs::path& file) {
  for (int attempt = 0;; ++attempt) {
    const fs::path kept = keptName(file, attempt);
    if (::link(file.c_str(), kept.c_str()) == 0) return kept;
    if (errno == EEXIST) continue;
    const int linkError = errno;
    if (linkError != EPERM && linkError != ENOTSUP && linkError != EXDEV && linkError != EMLINK)
      throw JetError("the original cannot be kept as " + kept.string() + ": " + std::strerror(linkError));
    {
      const Fd out(::open(kept.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
      if (out.get() < 0 && errno == EEXIST) continue;
      if (out.get() < 0)
        throw JetError("the original cannot be kept as " + kept.string() + ": " + std::strerror(errno));
    }
    std::error_code ec;
    fs::copy_file(file, kept, fs::copy_options::overwrite_existing, ec);
    if (ec) {
      fs::remove(kept);
      throw JetError("the original cannot be kept as " + kept.string() + ": " + ec.message());
    }
    return kept;
  }
}

std::vector<TablePlan> plan(const std::vector<JetTable>& tables, OldFileKind kind, std::vector<std::string>& leftOut) {
  std::vector<TablePlan> plans;
  for (const JetTable& table : tables) {
    const std::string& source = table.name;
    const Table* target = findTable(houseTables(databaseKind(kind)), source);
    if (!target) {
      leftOut.push_back("table " + source);
      continue;
    }
    TablePlan p{&table, target, std::vector<std::optional<size_t>>(target->columns.size() - 1), {}};
    const std::vector<JetColumn>& columns = table.columns;
    for (size_t c = 0; c < columns.size(); ++c) {
      p.kinds.push_back(columns[c].kind);
      const std::optional<int> ours = columnOf(*target, columns[c].name);
      if (ours == 0) continue;  // the key: renumbered
      if (!ours) {
        leftOut.push_back("column " + source + "." + columns[c].name);
      } else if (columns[c].kind == JetColumn::Kind::Other) {
        leftOut.push_back("column " + source + "." + columns[c].name + " (its kind of value cannot be converted)");
      } else {
        p.from[static_cast<size_t>(*ours - 1)] = c;
      }
    }
    plans.push_back(std::move(p));
  }
  if (plans.empty())
    throw JetError(kind == OldFileKind::Roster ? "it holds no roster table"
                                               : "it holds none of the tables of a game file");
  return plans;
}

}  // namespace

fs::path keptName(const fs::path& file, int attempt) { return withNumber(file.string() + ".jet", attempt); }

Conversion convertOldFile(const OldFile& old, const fs::path& templateFile, const ConvertOptions& options) {
  Conversion c;
  c.file = old.path;
  try {
    checkWritable(old.path);
    const std::vector<JetTable> tables =
        JetFile(old.path, {options.helper, options.timeLimitMs}, options.progress).readAll();
    const std::vector<TablePlan> plans = plan(tables, old.kind, c.leftOut);
    if (options.dryRun) {
      c.ok = true;
      return c;
    }
    const auto write = [&](const fs::path& part) {
      try {
        makeFresh(part, old, templateFile);
        c.rows = copyRows(part, plans);
      } catch (const JetError&) {
        throw;
      } catch (const fs::filesystem_error& e) {
        throw JetError("the new file cannot be written (" + e.code().message() + ")");
      } catch (const std::exception& e) {
        throw JetError(std::string("the new file cannot be written (") + e.what() + ")");
      }
      c.keptAs = keepOriginal(old.path);
    };
    try {
      replaceFile(old.path, write);
    } catch (const fs::filesystem_error& e) {
      std::error_code ignored;  // a second name only: the original is still in place
      if (!c.keptAs.empty()) fs::remove(c.keptAs, ignored);
      c.keptAs.clear();
      throw JetError("the new file cannot take its name: " + e.code().message());
    }
    c.ok = true;
  } catch (const std::exception& e) {
    c.ok = false;
    c.rows = 0;
    c.reason = e.what();
  }
  return c;
}

}  // namespace yardmark
