// The season synopsis of the open-game dialog: list a year folder of game files and count
// its games, wins and losses, as a click on the year does.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "core/db/Database.h"
#include "core/files/DataTree.h"
#include "core/games/GameFolder.h"
#include "core/games/Synopsis.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

// A year folder of complete games: a header row and some player rows each.
struct Season {
  explicit Season(int games) {
    root = fs::temp_directory_path() / ("yardmark-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(root);
    layOutTree(root);
    const DataTree tree(root);
    folder = tree.yearFolder("2007");
    fs::create_directories(folder);
    for (int n = 1; n <= games; ++n) {
      const fs::path file = folder / ("Game" + std::to_string(n) + ".mdb");
      fs::copy_file(tree.masterTemplate(), file);
      Database db(file);
      Database::Transaction tx(db);
      Recordset h = db.openRecordset("select * from header");
      h.addNew();
      h.setField(1, "Eagles");
      h.setField(2, "Opponent " + std::to_string(n));
      h.setField(5, n % 3 != 0);
      h.setField(6, n % 3 == 0);
      h.update();
      Recordset d = db.openRecordset("select * from defense");
      for (int r = 0; r < 40; ++r) {
        d.addNew();
        d.setField(1, static_cast<double>(r));
        d.update();
      }
      tx.commit();
    }
  }
  ~Season() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  fs::path root, folder;
};

void BM_SeasonSynopsis(benchmark::State& state) {
  const Season season(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const Synopsis s = synopsisOf(listGameFiles(season.folder));
    benchmark::DoNotOptimize(s.wins);
    if (s.gamesPlayed != state.range(0) || !s.unreadable.empty()) state.SkipWithError("wrong count");
  }
}
BENCHMARK(BM_SeasonSynopsis)->Arg(12)->Arg(40)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
