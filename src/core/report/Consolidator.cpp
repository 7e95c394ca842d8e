#include "core/report/Consolidator.h"

#include <array>
#include <optional>
#include <unordered_map>

#include "core/db/Database.h"
#include "core/files/SafeWrite.h"
#include "core/games/GameTables.h"
#include "core/jet/OldFiles.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

using Row = std::vector<Value>;  // data fields 1..n at 0..n-1

// The merged rows of one table. Names map to the first row that carries them, which is the
// row a search from the top would find; a name without a value matches nothing.
struct MergedTable {
  std::vector<Row> rows;
  std::unordered_map<std::string, size_t> byName;
};

Row readRow(const Recordset& rs, int fields) {
  Row r;
  r.reserve(static_cast<size_t>(fields));
  for (int k = 1; k <= fields; ++k) r.push_back(rs.field(k));
  return r;
}

// Empty fields count as 0 when added.
void addInto(Row& into, const Recordset& rs, int fields) {
  for (int k = 1; k <= fields; ++k)
    into[static_cast<size_t>(k - 1)] = Value(numberOf(into[static_cast<size_t>(k - 1)]) + numberOf(rs.field(k)));
}

std::optional<std::string> nameKey(const Value& v) {
  if (v.isNull()) return std::nullopt;
  // The kind goes into the key so that a text never equals a number of the same digits.
  std::string key(1, v.isText() ? 't' : 'n');  // appended, not prefixed: GCC 12 -O3 warns on insert (-Wrestrict)
  return key += textOf(v);
}

using MergedTables = std::array<MergedTable, kGameTableCount>;

void mergeGame(Database& game, MergedTables& merged) {
  for (size_t t = 0; t < merged.size(); ++t) {
    const GameTableLayout& layout = gameTables()[t];
    const int fields = layout.fieldCount();
    MergedTable& into = merged[t];
    Recordset rs = game.openRecordset(layout.query);
    if (rs.recordCount() == 0) continue;
    rs.moveFirst();
    switch (layout.merge) {
      case MergeRule::NewRowPerGame:
        into.rows.push_back(readRow(rs, fields));  // further rows of a game are ignored
        break;
      case MergeRule::RunningRow:
        if (into.rows.empty()) {
          into.rows.push_back(readRow(rs, fields));
        } else {
          addInto(into.rows.front(), rs, fields);
        }
        break;
      case MergeRule::RowPerPlayer:
        for (; !rs.isEOF(); rs.moveNext()) {
          const auto key = nameKey(rs.field(fields));
          const auto found = key ? into.byName.find(*key) : into.byName.end();
          if (found != into.byName.end()) {
            addInto(into.rows[found->second], rs, fields - 1);  // the name is not written
          } else {
            if (key) into.byName.emplace(*key, into.rows.size());
            into.rows.push_back(readRow(rs, fields));
          }
        }
        break;
    }
  }
}

std::string gameReason(const fs::path& path, const DbError& e) {
  if (e.number() == dberr::FileNotFound) {
    // A name that is there but cannot be followed (a loop of links, a folder not to be read)
    // is not a missing file: say why.
    std::error_code ec;
    static_cast<void>(fs::status(path, ec));
    if (!ec || ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory)
      return "the game file does not exist.";
    std::string why = ec.message();
    if (!why.empty() && why[0] >= 'A' && why[0] <= 'Z') why[0] = static_cast<char>(why[0] - 'A' + 'a');
    return "the game file cannot be reached: " + why + ".";
  }
  if (e.number() == dberr::NotADatabase || e.number() == dberr::NoSuchTable || e.number() == dberr::NoSuchField)
    return "it is not a YardMark game file: " + e.description();
  return e.description();
}

}  // namespace

Consolidator::Consolidator(fs::path tmpDatabase, fs::path masterTemplate)
    : m_tmp(std::move(tmpDatabase)), m_master(std::move(masterTemplate)) {}

void Consolidator::ensureTmpDatabase() const {
  std::error_code ec;
  if (fs::exists(m_tmp, ec)) return;
  try {
    replaceFile(m_tmp, m_tmp.string() + ".new", [&](const fs::path& part) {
      fs::remove(part);  // left by a copy that was cut short
      copyFileBytes(m_master, part);
    });
  } catch (const fs::filesystem_error& e) {
    throw MergeError(m_tmp, "The temporary database is missing and could not be made from the master template '" +
                                m_master.string() + "': " + e.code().message() + ".");
  }
}

void Consolidator::createConsolidated(const std::vector<fs::path>& games) const {
  MergedTables merged;
  for (const fs::path& path : games) {
    try {
      Database game(path, Database::Mode::ReadOnly);
      mergeGame(game, merged);
    } catch (const DbError& e) {
      // A file of the earlier version: say how to convert it rather than that it is not ours.
      throw MergeError(path, isJetFile(path) ? oldFileReason() + "." : gameReason(path, e));
    }
  }
  try {
    Database tmp(m_tmp);
    Database::Transaction tx(tmp);
    for (size_t t = 0; t < merged.size(); ++t) {
      Recordset out = tmp.openRecordset(gameTables()[t].query);
      for (const Row& row : merged[t].rows) {
        out.addNew();
        for (size_t k = 0; k < row.size(); ++k) out.setField(static_cast<int>(k + 1), row[k]);
        out.update();
      }
    }
    tx.commit();
  } catch (const DbError& e) {
    throw MergeError(m_tmp, "Cannot write the temporary database: " + e.description());
  }
}

void Consolidator::deletTmpDatabase() const {
  try {
    Database tmp(m_tmp);
    Database::Transaction tx(tmp);
    for (const GameTableLayout& table : gameTables()) {
      Recordset rs = tmp.openRecordset(table.query);
      while (!rs.isEOF()) {
        rs.deleteRow();
        rs.moveNext();
      }
    }
    tx.commit();
  } catch (const DbError& e) {
    throw MergeError(m_tmp, "Cannot empty the temporary database: " + e.description());
  }
}

}  // namespace yardmark
