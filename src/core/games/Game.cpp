#include "core/games/Game.h"

#include "core/db/Database.h"
#include "core/text/CaseFold.h"

namespace yardmark {

namespace {

std::vector<GameRow> readTable(Database& db, GameTable table) {
  std::vector<Database::Row> stored = db.readRows(gameTable(table).query);
  std::vector<GameRow> rows;
  rows.reserve(stored.size());
  for (Database::Row& row : stored) rows.push_back(GameRow{row.key, std::move(row.fields)});
  return rows;
}

}  // namespace

Value GameRow::at(int ordinal) const {
  if (ordinal < 1 || static_cast<size_t>(ordinal) > fields.size()) return {};
  return fields[static_cast<size_t>(ordinal - 1)];
}

std::string_view siteText(Site site) {
  switch (site) {
    case Site::Home:
      return "Home";
    case Site::Away:
      return "Away";
    case Site::Neutral:
      return "Neutral";
    default:
      return "";
  }
}

Site siteOf(std::string_view text) {
  for (const Site site : {Site::Home, Site::Away, Site::Neutral})
    if (equalsIgnoringCase(text, siteText(site))) return site;
  return Site::Unset;
}

FinalScore finalScore(const Game& game) {
  FinalScore score{game.details.overtimeOwn, game.details.overtimeOpp, false};
  score.overtime = score.own != 0 || score.opp != 0;
  if (const GameRow* quarters = game.first(kQuarter)) {
    score.own += quarters->number(col::quarter::kTotalOwn);
    score.opp += quarters->number(col::quarter::kTotalOpp);
  }
  return score;
}

GameDetails readGameDetails(Database& db) {
  if (!db.hasTable(kGameDetailsTable)) return {};
  const std::vector<Database::Row> rows = db.readRows(kGameDetailsQuery);
  if (rows.empty()) return {};
  const GameRow row{rows.front().key, rows.front().fields};
  namespace d = col::gameDetails;
  return {textOf(row.at(d::kGameDate)), siteOf(textOf(row.at(d::kSite))), textOf(row.at(d::kPlace)),
          row.number(d::kOvertimeOwn),  row.number(d::kOvertimeOpp),      textOf(row.at(d::kNotes))};
}

void writeGameDetails(Database& db, const GameDetails& details) {
  db.addLaterLayout(DatabaseKind::Game);
  Recordset rows = db.openRecordset(kGameDetailsQuery);
  Database::Transaction writing(db);
  if (rows.isEOF())
    rows.addNew();
  else
    rows.edit();
  namespace d = col::gameDetails;
  try {
    rows.setField(d::kGameDate, details.date);
    rows.setField(d::kSite, std::string(siteText(details.site)));
    rows.setField(d::kPlace, details.place);
    rows.setField(d::kOvertimeOwn, details.overtimeOwn);
    rows.setField(d::kOvertimeOpp, details.overtimeOpp);
    rows.setField(d::kNotes, details.notes);
    rows.update();
  } catch (...) {
    rows.cancelUpdate();
    throw;
  }
  writing.commit();
}

Game readGame(const std::filesystem::path& gameFile) {
  Database db(gameFile, Database::Mode::ReadOnly);
  Game game;
  game.file = gameFile;
  for (int t = 0; t < kGameTableCount; ++t)
    game.tables[static_cast<size_t>(t)] = readTable(db, static_cast<GameTable>(t));
  game.details = readGameDetails(db);
  return game;
}

}  // namespace yardmark
