// The one-file back-up of 1,200 games (about 47 MB) and its restore; the preview of a
// 2,000-row roster spreadsheet against a roster of 500.
#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/backup/Restore.h"
#include "core/files/DataTree.h"
#include "core/roster/SpreadsheetRoster.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

fs::path freshRoot(const char* what) {
  const fs::path root = fs::temp_directory_path() /
                        (std::string("yardmark-bench-") + what + "-" + std::to_string(std::random_device{}()));
  layOutTree(root);
  return root;
}

// 100 seasons of 12 games, each a copy of one game with a full set of player rows.
fs::path seasonsOfGames(int games) {
  const fs::path root = freshRoot("backup");
  const DataTree tree(root);
  const fs::path first = tree.gameFile("2000", "1");
  fs::create_directories(first.parent_path());
  fs::copy_file(tree.masterTemplate(), first);
  {
    SQLite::Database db(first.string(), SQLite::OPEN_READWRITE);
    SQLite::Transaction tx(db);
    for (int i = 0; i < 40; ++i)
      db.exec("INSERT INTO rushing (indRushATT, indRushYDS, indPlayerName) VALUES (" + std::to_string(i) +
              ", 12, 'Player " + std::to_string(i) + "')");
    tx.commit();
  }
  for (int i = 1; i < games; ++i) {
    const fs::path f = tree.gameFile(std::to_string(2000 + i / 12), std::to_string(i % 12 + 1));
    fs::create_directories(f.parent_path());
    fs::copy_file(first, f);
  }
  return root;
}

void BM_BackUpGames(benchmark::State& state) {
  const fs::path root = seasonsOfGames(static_cast<int>(state.range(0)));
  const fs::path archive = root / "backup.zip";
  for (auto _ : state) {
    const BackupReport r = backUpData(DataTree(root), archive);
    state.counters["MB"] = static_cast<double>(r.bytes) / 1e6;
  }
  std::uintmax_t data = 0;
  for (const auto& e : fs::recursive_directory_iterator(root / "YardMark" / "games"))
    if (e.is_regular_file()) data += e.file_size();
  state.counters["data_MB"] = static_cast<double>(data) / 1e6;
  std::error_code ec;
  fs::remove_all(root, ec);
}
BENCHMARK(BM_BackUpGames)->Arg(1200)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_RestoreGames(benchmark::State& state) {
  const fs::path root = seasonsOfGames(static_cast<int>(state.range(0)));
  const fs::path archive = root / "backup.zip";
  backUpData(DataTree(root), archive);
  for (auto _ : state) {
    state.PauseTiming();
    const fs::path target = root / "restored";
    fs::remove_all(target);
    fs::create_directory(target);
    state.ResumeTiming();
    restoreBackup(archive, DataTree(target));
  }
  std::error_code ec;
  fs::remove_all(root, ec);
}
BENCHMARK(BM_RestoreGames)->Arg(1200)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_PreviewSpreadsheet(benchmark::State& state) {
  const fs::path root = freshRoot("sheet");
  const fs::path roster = DataTree(root).rosterDatabase();
  std::vector<RosterPlayer> existing;
  for (int i = 0; i < 500; ++i) existing.push_back({{"Last" + std::to_string(i), "First", "M"}, "", "", 0});
  addRosterPlayers(roster, existing);
  const fs::path sheet = root / "roster.csv";
  {
    std::ofstream out(sheet, std::ios::binary);
    out << "\xEF\xBB\xBFJersey,Player,Grade,Position\r\n";
    for (int i = 0; i < state.range(0); ++i)
      out << i % 99 << ",\"Last" << i << ", First M.\"," << 9 + i % 4 << ",QB\r\n";
  }
  for (auto _ : state) {
    const SheetRoster r = readSpreadsheetRoster(sheet);
    const auto marks = checkSheet(r.players, readRoster(roster));
    benchmark::DoNotOptimize(marks.data());
  }
  std::error_code ec;
  fs::remove_all(root, ec);
}
BENCHMARK(BM_PreviewSpreadsheet)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
