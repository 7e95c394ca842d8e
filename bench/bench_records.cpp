// The records book written with its charts over ten seasons of twelve games (120) and over a
// 2,000-game archive (the ten seasons copied into 167 year folders), to show the growth:
//   bench_records --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// With YARDMARK_BENCH_KEEP=DIR the archives are made below DIR and kept, to look at the book.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/db/Database.h"
#include "core/files/DataTree.h"
#include "core/page/RecordsPage.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

void addRows(Database& db, const char* table, int rows, int numbers, const std::vector<std::string>& names,
             std::mt19937& rng) {
  Recordset rs = db.openRecordset(std::string("select * from ") + table);
  for (int r = 0; r < rows; ++r) {
    rs.addNew();
    for (int k = 1; k <= numbers; ++k) rs.setField(k, static_cast<double>(rng() % 30));
    if (!names.empty()) rs.setField(numbers + 1, names[rng() % names.size()]);
    rs.update();
  }
}

// A game of the season: each season's squad is forty players, a quarter of them new each year.
void makeGame(const fs::path& file, const fs::path& master, int season, int number, std::mt19937& rng) {
  fs::create_directories(file.parent_path());
  fs::copy_file(master, file, fs::copy_options::overwrite_existing);
  std::vector<std::string> squad;
  for (int p = 0; p < 40; ++p) squad.push_back("Player" + std::to_string(season * 10 + p) + " First M");
  Database db(file);
  Database::Transaction tx(db);
  Recordset h = db.openRecordset("select * from header");
  h.addNew();
  h.setField(1, "Eagles");
  h.setField(2, "Opponent " + std::to_string(number));
  h.setField(3, static_cast<double>(2000 + season));
  h.setField(4, static_cast<double>(number));
  const bool won = rng() % 2 == 0;
  h.setField(5, won);
  h.setField(6, !won);
  h.update();
  addRows(db, "quarter", 1, 10, {}, rng);
  addRows(db, "teamStats", 1, 20, {}, rng);
  addRows(db, "rushing", 25, 4, squad, rng);
  addRows(db, "passing", 6, 5, squad, rng);
  addRows(db, "receiving", 20, 4, squad, rng);
  addRows(db, "scoring", 15, 5, squad, rng);
  addRows(db, "defense", 40, 8, squad, rng);
  tx.commit();
}

struct Archive {
  explicit Archive(int games) {
    const char* keep = std::getenv("YARDMARK_BENCH_KEEP");
    kept = keep && *keep;
    root = (kept ? fs::path(keep) : fs::temp_directory_path()) / ("yardmark-records-" + std::to_string(games));
    fs::remove_all(root);
    fs::create_directories(root);
    layOutTree(root);
    const DataTree tree(root);
    std::mt19937 rng(2007);
    std::vector<fs::path> made;
    for (int g = 0; g < games; ++g) {
      const fs::path f = tree.gameFile(std::to_string(2000 + g / 12), std::to_string(g % 12 + 1));
      if (g < 120) {
        makeGame(f, tree.masterTemplate(), g / 12, g % 12 + 1, rng);
        made.push_back(f);
      } else {
        fs::create_directories(f.parent_path());
        fs::copy_file(made[static_cast<size_t>(g % 120)], f, fs::copy_options::overwrite_existing);
      }
    }
  }
  ~Archive() {
    std::error_code ec;
    if (!kept) fs::remove_all(root, ec);
  }
  bool kept = false;
  fs::path root;
};

void BM_RecordsBookWithCharts(benchmark::State& state) {
  const Archive archive(static_cast<int>(state.range(0)));
  const DataTree tree(archive.root);
  const fs::path page = recordsFolderOf(tree.reportsFolder()) / kRecordsPage;
  for (auto _ : state) {
    const RecordsBook book = buildRecordsBook(yearsOfTree(tree));
    makeFolder(page.parent_path());
    writeFilesSafely(recordsPageFiles(page, book));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_RecordsBookWithCharts)->Arg(120)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
