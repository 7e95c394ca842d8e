#include "core/report/Season.h"

#include "core/db/Database.h"
#include "core/jet/OldFiles.h"
#include "core/report/Consolidator.h"
#include "core/text/CaseFold.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

DataRow readRow(const Recordset& rs, int fields) {
  DataRow r;
  r.reserve(static_cast<size_t>(fields));
  for (int k = 1; k <= fields; ++k) r.push_back(rs.field(k));
  return r;
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
    if (!why.empty()) why[0] = lowerAscii(why[0]);
    return "the game file cannot be reached: " + why + ".";
  }
  if (e.number() == dberr::NotADatabase || e.number() == dberr::NoSuchTable || e.number() == dberr::NoSuchField)
    return "it is not a YardMark game file: " + e.description();
  return e.description();
}

}  // namespace

GameRecord readGame(const fs::path& file) {
  GameRecord game;
  game.file = file;
  try {
    Database db(file, Database::Mode::ReadOnly);
    for (size_t t = 0; t < kGameTableCount; ++t) {
      const GameTableLayout& layout = gameTables()[t];
      const bool everyRow = layout.merge == MergeRule::RowPerPlayer;
      Recordset rs = db.openRecordset(layout.query);
      if (rs.recordCount() == 0) continue;
      rs.moveFirst();
      do {
        game.tables[t].push_back(readRow(rs, layout.fieldCount()));
        rs.moveNext();
      } while (everyRow && !rs.isEOF());
    }
  } catch (const DbError& e) {
    // A file of the earlier version: say how to convert it rather than that it is not ours.
    throw MergeError(file, isJetFile(file) ? oldFileReason() + "." : gameReason(file, e));
  }
  return game;
}

std::vector<GameRecord> readSeason(const std::vector<fs::path>& files) {
  std::vector<GameRecord> games;
  games.reserve(files.size());
  for (const fs::path& file : files) games.push_back(readGame(file));
  return games;
}

bool playerKeyInto(const Value& name, std::string& key) {
  if (name.isNull()) return false;
  // The kind goes into the key so that a text never equals a number of the same digits.
  key.assign(1, name.isText() ? 't' : 'n');  // appended, not prefixed: GCC 12 -O3 warns on insert (-Wrestrict)
  key += name.isText() ? name.text() : textOf(name);
  return true;
}

std::optional<std::string> playerKey(const Value& name) {
  std::string key;
  if (!playerKeyInto(name, key)) return std::nullopt;
  return key;
}

}  // namespace yardmark
