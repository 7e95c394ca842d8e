#include "core/jet/Converter.h"

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

#include "core/files/DataTree.h"
#include "core/db/Database.h"
#include "core/db/Value.h"

namespace yardmark {

namespace embedded {
extern const std::string_view schema_sql;
}

namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

enum class Type { Number, Text, YesNo };

struct Column {
  std::string name;
  Type type;
};

struct Table {
  std::string name;
  std::vector<Column> columns;  // ordinal 0 is the key, renumbered on the way in
};

// Our tables as the schema lays them out, for game files or for the roster.
const std::vector<Table>& layout(OldFileKind kind) {
  static const auto tables = [] {
    std::vector<Table> all;
    SQLite::Database db(":memory:", SQLite::OPEN_READWRITE);
    db.exec(std::string(embedded::schema_sql));
    SQLite::Statement names(
        db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY rowid");
    while (names.executeStep()) {
      Table t{names.getColumn(0).getString(), {}};
      SQLite::Statement info(db, "SELECT name, type FROM pragma_table_info(?) ORDER BY cid");
      info.bind(1, t.name);
      while (info.executeStep()) {
        const std::string type = info.getColumn(1).getString();
        t.columns.push_back({info.getColumn(0).getString(), type == "REAL"   ? Type::Number
                                                            : type == "TEXT" ? Type::Text
                                                                             : Type::YesNo});
      }
      all.push_back(std::move(t));
    }
    return all;
  }();
  static const auto pick = [](bool roster) {
    std::vector<Table> out;
    for (const Table& t : tables)
      if ((t.name == "roster") == roster) out.push_back(t);
    return out;
  };
  static const std::vector<Table> game = pick(false), rosterOnly = pick(true);
  return kind == OldFileKind::Roster ? rosterOnly : game;
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
               Type type) {
  if (!value) return insert.bind(index);
  const std::string& text = *value;
  switch (type) {
    case Type::Text:
      return insert.bind(index, text);
    case Type::Number: {
      double n = 0;
      const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
      if (kind == JetColumn::Kind::YesNo) return insert.bind(index, yesNoOf(text).value_or(false) ? 1.0 : 0.0);
      return insert.bind(index, ec == std::errc() && end == text.data() + text.size() ? n : numberFromText(text));
    }
    case Type::YesNo:
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
    return std::all_of(layout(OldFileKind::Game).begin(), layout(OldFileKind::Game).end(),
                       [&](const Table& t) { return db.hasTable(t.name); });
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

// A name beside the file that nothing uses yet, for the new file while it is written.
fs::path unusedName(const fs::path& file) {
  for (int n = 0;; ++n) {
    const fs::path p = withNumber(file.string() + ".converting", n);
    std::error_code ec;
    if (!fs::exists(p, ec) && !fs::exists(p.string() + ".new", ec)) return p;
  }
}

void makeFresh(const fs::path& fresh, const OldFile& old, const fs::path& templateFile) {
  if (old.kind == OldFileKind::Game && old.copiesTemplate && usableTemplate(templateFile)) {
    fs::copy_file(templateFile, fresh);
    fs::permissions(fresh, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
  } else {
    createDatabaseFile(fresh, old.kind == OldFileKind::Roster ? DatabaseKind::Roster : DatabaseKind::Game);
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
                  plan.target->columns[targets[k] + 1].type);
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
    const int out = ::open(kept.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0 && errno == EEXIST) continue;
    if (out < 0) throw JetError("the original cannot be kept as " + kept.string() + ": " + std::strerror(errno));
    ::close(out);
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
    const auto& ours = layout(kind);
    const auto target =
        std::find_if(ours.begin(), ours.end(), [&](const Table& t) { return lower(t.name) == lower(source); });
    if (target == ours.end()) {
      leftOut.push_back("table " + source);
      continue;
    }
    TablePlan p{&table, &*target, std::vector<std::optional<size_t>>(target->columns.size() - 1), {}};
    const std::vector<JetColumn>& columns = table.columns;
    for (size_t c = 0; c < columns.size(); ++c) {
      p.kinds.push_back(columns[c].kind);
      const std::string name = lower(columns[c].name);
      if (name == lower(target->columns[0].name)) continue;  // the key: renumbered
      const auto ourColumn = std::find_if(target->columns.begin() + 1, target->columns.end(),
                                          [&](const Column& col) { return lower(col.name) == name; });
      if (ourColumn == target->columns.end()) {
        leftOut.push_back("column " + source + "." + columns[c].name);
      } else if (columns[c].kind == JetColumn::Kind::Other) {
        leftOut.push_back("column " + source + "." + columns[c].name + " (its kind of value cannot be converted)");
      } else {
        p.from[static_cast<size_t>(ourColumn - target->columns.begin() - 1)] = c;
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

fs::path keptName(const fs::path& file, int attempt) {
  return withNumber(file.string() + ".jet", attempt);
}

Conversion convertOldFile(const OldFile& old, const fs::path& templateFile, const ConvertOptions& options) {
  Conversion c;
  c.file = old.path;
  fs::path fresh;  // set once there is a new file of ours to remove on failure
  std::error_code ec;
  try {
    checkWritable(old.path);
    const std::vector<JetTable> tables =
        JetFile(old.path, {options.helper, options.timeLimitMs}, options.stop).readAll();
    const std::vector<TablePlan> plans = plan(tables, old.kind, c.leftOut);
    if (options.dryRun) {
      c.ok = true;
      return c;
    }
    try {
      fresh = unusedName(old.path);
      makeFresh(fresh, old, templateFile);
      c.rows = copyRows(fresh, plans);
    } catch (const JetError&) {
      throw;
    } catch (const fs::filesystem_error& e) {
      throw JetError("the new file cannot be written (" + e.code().message() + ")");
    } catch (const std::exception& e) {
      throw JetError(std::string("the new file cannot be written (") + e.what() + ")");
    }
    c.keptAs = keepOriginal(old.path);
    fs::rename(fresh, old.path, ec);
    if (ec) {
      fs::remove(c.keptAs);  // a second name only: the original is still in place
      c.keptAs.clear();
      throw JetError("the new file cannot take its name: " + ec.message());
    }
    c.ok = true;
  } catch (const std::exception& e) {
    if (!fresh.empty()) fs::remove(fresh, ec);
    c.ok = false;
    c.rows = 0;
    c.reason = e.what();
  }
  return c;
}

}  // namespace yardmark
