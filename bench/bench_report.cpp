// Merge and write one season report over an archive of games: ten seasons of twelve games
// (120), and the same archive ten times over (1,200) to show the growth. The floor is the
// least any report must do: open each game file and read every row of its eight tables.
// The same report with its detail page (as every report is written), and with the CSV files
// as well, shows what those add. Compare medians of interleaved runs:
//   bench_report --benchmark_repetitions=7 --benchmark_enable_random_interleaving=true
//                --benchmark_report_aggregates_only=true
// With YARDMARK_BENCH_KEEP=DIR the archive is made in DIR and kept, for report_vs_c.sh.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/db/Database.h"
#include "core/files/DataTree.h"
#include "core/report/ReportGenerator.h"
#include "read_games.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

void addRows(Database& db, const char* table, int rows, int numbers, const std::vector<std::string>& roster,
             std::mt19937& rng, bool named) {
  Recordset rs = db.openRecordset(std::string("select * from ") + table);
  for (int r = 0; r < rows; ++r) {
    rs.addNew();
    for (int k = 1; k <= numbers; ++k) rs.setField(k, static_cast<double>(rng() % 30));
    if (named) rs.setField(numbers + 1, roster[rng() % roster.size()]);
    rs.update();
  }
}

void makeGame(const fs::path& file, const fs::path& master, int year, int number,
              const std::vector<std::string>& roster, std::mt19937& rng) {
  fs::create_directories(file.parent_path());
  fs::copy_file(master, file, fs::copy_options::overwrite_existing);
  Database db(file);
  Database::Transaction tx(db);
  Recordset h = db.openRecordset("select * from header");
  h.addNew();
  h.setField(1, "Eagles");
  h.setField(2, "Opponent " + std::to_string(number));
  h.setField(3, static_cast<double>(year));
  h.setField(4, static_cast<double>(number));
  const bool won = rng() % 2 == 0;
  h.setField(5, won);
  h.setField(6, !won);
  h.update();
  addRows(db, "quarter", 1, 10, roster, rng, false);
  addRows(db, "teamStats", 1, 20, roster, rng, false);
  addRows(db, "rushing", 25, 4, roster, rng, true);
  addRows(db, "passing", 6, 5, roster, rng, true);
  addRows(db, "receiving", 20, 4, roster, rng, true);
  addRows(db, "scoring", 15, 5, roster, rng, true);
  addRows(db, "defense", 40, 8, roster, rng, true);
  tx.commit();
}

struct Archive {
  Archive() {
    const char* keep = std::getenv("YARDMARK_BENCH_KEEP");
    kept = keep && *keep;
    root = kept ? fs::path(keep)
                : fs::temp_directory_path() / ("yardmark-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(root);
    layOutTree(root);
    const DataTree tree(root);
    std::mt19937 rng(2007);
    std::vector<std::string> roster;
    for (int p = 0; p < 80; ++p)
      roster.push_back("Player" + std::to_string(p) + " First" + std::to_string(p % 7) + " M");
    for (int season = 0; season < 10; ++season)
      for (int n = 1; n <= 12; ++n) {
        const fs::path f = tree.gameFile(std::to_string(2000 + season), std::to_string(n));
        makeGame(f, tree.masterTemplate(), 2000 + season, n, roster, rng);
        games.push_back(f);
      }
    for (int copy = 1; copy < 10; ++copy)
      for (size_t i = 0; i < 120; ++i) {
        const fs::path f =
            tree.gameFile(std::to_string(2100 + copy * 10 + static_cast<int>(i / 12)), std::to_string(i % 12 + 1));
        fs::create_directories(f.parent_path());
        fs::copy_file(games[i], f, fs::copy_options::overwrite_existing);
        games.push_back(f);
      }
    if (kept) {
      std::ofstream list(root / "games.txt");
      for (const fs::path& g : games) list << g.string() << '\n';
    }
  }
  ~Archive() {
    std::error_code ec;
    if (!kept) fs::remove_all(root, ec);
  }
  bool kept = false;
  fs::path root;
  std::vector<fs::path> games;
};

Archive& archive() {
  static Archive a;
  return a;
}

void generateReports(benchmark::State& state, const ReportExtras& extras) {
  Archive& a = archive();
  const std::vector<fs::path> games(a.games.begin(), a.games.begin() + state.range(0));
  const ReportGenerator generator{DataTree(a.root)};
  for (auto _ : state) {
    const ReportOutcome o = generator.generate(games, "Bench.htm", extras);
    if (!o.ok()) state.SkipWithError(o.message.c_str());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_MergeAndWriteReport(benchmark::State& state) { generateReports(state, {.detailPage = false}); }

void BM_ReportWithDetail(benchmark::State& state) { generateReports(state, {}); }

void BM_ReportWithDetailAndCsv(benchmark::State& state) {
  generateReports(state, {.detailPage = true, .csvFolder = archive().root / "csv"});
}

// Every row of the eight game tables read with the sqlite3 C API alone, every column fetched.
size_t readEveryRow(const std::vector<fs::path>& games) {
  std::vector<std::string> names;
  for (const fs::path& game : games) names.push_back(game.string());
  std::vector<const char*> files;
  for (const std::string& name : names) files.push_back(name.c_str());
  return readGamesC(files.data(), files.size());
}

void BM_ReadGamesFloor(benchmark::State& state) {
  Archive& a = archive();
  const std::vector<fs::path> games(a.games.begin(), a.games.begin() + state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(readEveryRow(games));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ReadGamesFloor)->Arg(120)->Arg(1200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MergeAndWriteReport)->Arg(120)->Arg(1200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReportWithDetail)->Arg(120)->Arg(1200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReportWithDetailAndCsv)->Arg(120)->Arg(1200)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
