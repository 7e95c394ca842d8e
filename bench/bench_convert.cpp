// Converting a data folder of files kept by the earlier version: ten seasons of twelve games,
// each a copy of the legacy Jet game file, read through the helper process.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "core/convert/OldFiles.h"
#include "core/files/DataTree.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

void BM_ConvertOldGames(benchmark::State& state) {
  const fs::path root =
      fs::temp_directory_path() / ("yardmark-bench-convert-" + std::to_string(std::random_device{}()));
  layOutTree(root);
  const DataTree tree(root);
  const int games = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < games; ++i) {
      const fs::path f = tree.gameFile(std::to_string(2000 + i / 12), std::to_string(i % 12 + 1));
      fs::create_directories(f.parent_path());
      fs::copy_file(YARDMARK_LEGACY_GAME, f, fs::copy_options::overwrite_existing);
      fs::permissions(f, fs::perms::owner_write, fs::perm_options::add);
      fs::remove(f.string() + ".jet");
    }
    state.ResumeTiming();
    const ConvertSummary s = convertOldFiles(tree, findOldFiles(tree), {});
    if (s.converted() != static_cast<size_t>(games)) state.SkipWithError("not every game was converted");
  }
  state.SetItemsProcessed(state.iterations() * games);
  std::error_code ec;
  fs::remove_all(root, ec);
}

BENCHMARK(BM_ConvertOldGames)->Arg(120)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
