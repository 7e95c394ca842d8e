// The entry form becoming active again (the coach comes back from the roster window) on a full
// game file, with a 500-player roster in the databases folder.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <filesystem>
#include <random>
#include <string>

#include "core/db/Database.h"
#include "core/files/DataTree.h"
#include "gui/entry/frmNewGame.h"
#include "gui/shell/App.h"
#include "gui/shell/Application.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/MDIForm1.h"
#include "gui/shell/Prompter.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

class SilentPrompter : public Prompter {
 public:
  Answer message(const MessageBox&) override { return Answer::Ok; }
  std::optional<QString> input(const InputBox&) override { return std::nullopt; }
};

// Another form to switch to and back from.
class Elsewhere : public Form {
 public:
  explicit Elsewhere(App& app) : Form(app) { resize(200, 100); }
};

void fillRoster(const fs::path& file, int players) {
  Database db(file);
  Database::Transaction tx(db);
  Recordset rs = db.openRecordset("select * from roster");
  for (int i = 0; i < players; ++i) {
    rs.addNew();
    rs.setField(1, "Last" + std::to_string(i));
    rs.setField(2, "First" + std::to_string(i % 37));
    rs.setField(3, std::string(1, static_cast<char>('A' + i % 26)));
    rs.update();
  }
  tx.commit();
}

// One row in each game-level table, 40 player rows in each player table.
void fillGame(const fs::path& file) {
  std::mt19937 rng(7);
  Database db(file);
  Database::Transaction tx(db);
  const struct {
    const char* table;
    int numbers;
    int rows;
    bool named;
  } tables[] = {{"header", 0, 1, false},  {"quarter", 10, 1, false}, {"teamStats", 20, 1, false},
                {"rushing", 4, 40, true}, {"passing", 5, 40, true},  {"receiving", 4, 40, true},
                {"scoring", 5, 40, true}, {"defense", 8, 40, true}};
  for (const auto& t : tables) {
    Recordset rs = db.openRecordset(std::string("select * from ") + t.table);
    for (int r = 0; r < t.rows; ++r) {
      rs.addNew();
      if (std::string(t.table) == "header") {
        rs.setField(1, "Eagles");
        rs.setField(2, "Hawks");
        rs.setField(3, 2007.0);
        rs.setField(4, 3.0);
        rs.setField(5, true);
        rs.setField(6, false);
      }
      for (int k = 1; k <= t.numbers; ++k) rs.setField(k, static_cast<double>(rng() % 30));
      if (t.named) rs.setField(t.numbers + 1, "Last" + std::to_string(rng() % 500) + " First A");
      rs.update();
    }
  }
  tx.commit();
}

void BM_EntryFormActivation(benchmark::State& state) {
  const fs::path dir = fs::temp_directory_path() / ("yardmark-bench-entry-" + std::to_string(std::random_device{}()));
  fs::create_directories(dir);
  layOutTree(dir);
  {
    SilentPrompter prompter;
    App app(dir, prompter);
    fillRoster(ensureRosterDatabase(app.tree()), 500);
    const fs::path game = app.tree().gameFile("2007", "3");
    fs::create_directories(game.parent_path());
    fs::copy_file(app.tree().masterTemplate(), game);
    fillGame(game);

    MDIForm1 window(app);
    window.show();
    app.vars().currentGameYear = "2007";
    app.vars().currentGameNumber = 3;
    frmNewGame& form = app.forms().show<frmNewGame>();
    if (form.txtOwnTeamName->text() != "Eagles") state.SkipWithError("the game was not shown");
    for (auto _ : state) {
      state.PauseTiming();
      app.forms().show<Elsewhere>();
      state.ResumeTiming();
      app.forms().show<frmNewGame>();
    }
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_EntryFormActivation)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  Application qapp(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
