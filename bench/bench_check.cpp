// The game audit over 1,200 full games (ten seasons of 120): the core loop yardmark-check runs,
// and the command itself.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "core/db/Database.h"
#include "core/files/DataTree.h"
#include "core/games/GameAudit.h"
#include "core/games/GameFolder.h"
#include "core/jet/HelperProcess.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

constexpr int kYears = 10, kGamesPerYear = 120, kRoster = 60;

std::string player(int n) { return "Player" + std::to_string(n) + " Name "; }

void addRows(Database& db, const char* table, int rows, int columns, int nameOffset) {
  Recordset rs = db.openRecordset(std::string("select * from ") + table);
  for (int r = 0; r < rows; ++r) {
    rs.addNew();
    for (int c = 1; c < columns; ++c) rs.setField(c, 1 + (r + c) % 7);
    rs.setField(columns, player((r + nameOffset) % kRoster));
    rs.update();
  }
}

// A full game: every section filled, and one misspelt name so the nearest-name search runs.
fs::path makeGame(const DataTree& tree, const fs::path& file) {
  fs::copy_file(tree.masterTemplate(), file);
  Database db(file);
  Database::Transaction tx(db);
  Recordset h = db.openRecordset("select * from header");
  h.addNew();
  h.setField(1, "Eagles");
  h.setField(2, "Hawks");
  h.setField(5, true);
  h.update();
  Recordset q = db.openRecordset("select * from quarter");
  q.addNew();
  for (int c = 1; c <= 10; ++c) q.setField(c, c % 2 ? 3 : 7);
  q.update();
  Recordset ts = db.openRecordset("select * from teamStats");
  ts.addNew();
  for (int c = 1; c <= 20; ++c) ts.setField(c, 10 * c);
  ts.update();
  addRows(db, "rushing", 8, 5, 0);
  addRows(db, "passing", 2, 6, 8);
  addRows(db, "receiving", 6, 5, 10);
  addRows(db, "scoring", 4, 6, 16);
  addRows(db, "defense", 22, 9, 20);
  Recordset d = db.openRecordset("select * from defense");
  d.moveLast();
  d.edit();
  d.setField(9, "Plyaer7 Name ");
  d.update();
  tx.commit();
  return file;
}

struct Seasons {
  Seasons() : root(fs::temp_directory_path() / ("yardmark-bench-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(root);
    layOutTree(root);
    const DataTree tree(root);
    Database roster(tree.rosterDatabase());
    Recordset rs = roster.openRecordset("select * from roster");
    for (int n = 0; n < kRoster; ++n) {
      rs.addNew();
      rs.setField(1, "Player" + std::to_string(n));
      rs.setField(2, "Name");
      rs.setField(3, "");
      rs.update();
    }
    const fs::path first = makeGame(tree, root / "game.mdb");
    for (int y = 0; y < kYears; ++y) {
      const fs::path folder = tree.yearFolder(std::to_string(2000 + y));
      fs::create_directories(folder);
      for (int g = 1; g <= kGamesPerYear; ++g) fs::copy_file(first, folder / ("Game" + std::to_string(g) + ".mdb"));
    }
  }
  ~Seasons() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  fs::path root;
};

const Seasons& seasons() {
  static const Seasons s;
  return s;
}

void BM_AuditGames(benchmark::State& state) {
  const DataTree tree(seasons().root);
  for (auto _ : state) {
    const RosterIndex roster(rosterPlayerNames(tree.rosterDatabase()));
    std::vector<fs::path> files;
    for (const fs::path& year : listFolder(tree.gamesRoot(), Listing::folders()))
      for (const fs::path& file : listGameFiles(year)) files.push_back(file);
    size_t findings = 0;
    for (const FileAudit& audit : auditGameFiles(files, roster)) {
      findings += audit.findings.size();
      if (audit.unreadable) state.SkipWithError(audit.unreadable->c_str());
    }
    if (files.size() != kYears * kGamesPerYear || findings == 0) state.SkipWithError("wrong count");
  }
}
BENCHMARK(BM_AuditGames)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CheckCommand(benchmark::State& state) {
  for (auto _ : state) {
    const HelperRun run = runHelper(YARDMARK_CHECK_EXE, {"--root", seasons().root.string()}, 60000);
    if (run.end != HelperRun::End::Exited || run.exitCode != 1) state.SkipWithError(run.errors.c_str());
  }
}
BENCHMARK(BM_CheckCommand)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
