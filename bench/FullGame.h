#pragma once
// The data both form benchmarks type into: a 2,000-player roster, and a game with 60 rows in
// each player table.
#include <filesystem>
#include <random>
#include <string>

#include "core/db/Database.h"
#include "core/files/DataTree.h"
#include "core/games/GameTables.h"

namespace yardmark::bench {

// Lays out a data root and returns the full game's file (2007, game 3).
inline std::filesystem::path makeFullGame(const std::filesystem::path& root) {
  namespace fs = std::filesystem;
  layOutTree(root);
  const fs::path game = root / "YardMark" / "games" / "2007" / "Game3.mdb";
  fs::create_directories(game.parent_path());
  fs::copy_file(root / "YardMark" / "databases" / "yardMark_master.mdb", game);
  std::mt19937 rng(7);
  {
    Database roster(root / "YardMark" / "databases" / "yardMark_roster.mdb");
    Database::Transaction tx(roster);
    Recordset rs = roster.openRecordset("select * from roster");
    for (int i = 0; i < 2000; ++i) {
      rs.addNew();
      rs.setField(1, "Last" + std::to_string(rng() % 1000));
      rs.setField(2, "First" + std::to_string(i));
      rs.setField(3, std::string(1, static_cast<char>('A' + i % 26)));
      rs.update();
    }
    tx.commit();
  }
  Database db(game);
  for (const GameTable t : kPlayerTables) {
    Recordset rs = db.openRecordset(gameTable(t).query);
    const int name = playerNameColumn(t);
    for (int r = 0; r < 60; ++r) {
      rs.addNew();
      for (int i = 1; i < name; ++i) rs.setField(i, Value(double(r + i - 1)));
      rs.setField(name, Value("Player " + std::to_string(r)));
      rs.update();
    }
  }
  return game;
}

}  // namespace yardmark::bench
