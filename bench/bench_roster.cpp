// The roster form over a 2,000-player roster: loading it (every activation, and again inside
// each Save), a Find Next, and a Save of the shown row.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <random>
#include <string>

#include "core/db/Database.h"
#include "core/files/DataTree.h"
#include "gui/roster/frmRoster.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/MDIForm1.h"
#include "gui/shell/Prompter.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

constexpr int kPlayers = 2000;

// Answers every box with its first button; a benchmark has no one to read it.
class SilentPrompter : public Prompter {
 public:
  Answer message(const MessageBox& box) override {
    return box.buttons == Buttons::YesNo || box.buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
  }
  std::optional<QString> input(const InputBox&) override { return QString(); }
};

struct RosterSession {
  RosterSession() {
    root = fs::temp_directory_path() / ("yardmark-bench-roster-" + std::to_string(std::random_device{}()));
    fs::create_directories(root);
    layOutTree(root);
    {
      Database db(ensureRosterDatabase(DataTree(root)));
      Database::Transaction tx(db);
      Recordset rows = db.openRecordset("select * from roster");
      std::mt19937 rng(7);
      const char* first[] = {"John", "Anna", "Ray", "Sue", "Ed", "Amy", "Tom", "Zoe", "Al", "Kim"};
      for (int i = 0; i < kPlayers; ++i) {
        rows.addNew();
        rows.setField(1, "Player" + std::string(1, static_cast<char>('A' + rng() % 26)) + std::to_string(rng() % 500));
        rows.setField(2, std::string(first[rng() % 10]));
        rows.setField(3, std::string(1, static_cast<char>('A' + i % 26)));
        rows.update();
      }
      rows.addNew();  // the one player Find Next looks for, somewhere in the middle in order
      rows.setField(1, "Playerm");
      rows.setField(2, "Unique");
      rows.setField(3, "Q");
      rows.update();
      tx.commit();
    }
    app = std::make_unique<App>(root, prompter);
    window = std::make_unique<MDIForm1>(*app);
    window->resize(1024, 768);
    window->show();
    form = &app->forms().show<frmRoster>();
  }
  ~RosterSession() {
    window.reset();
    app.reset();
    std::error_code ec;
    fs::remove_all(root, ec);
  }

  fs::path root;
  SilentPrompter prompter;
  std::unique_ptr<App> app;
  std::unique_ptr<MDIForm1> window;
  frmRoster* form = nullptr;
};

void BM_RosterLoad(benchmark::State& state) {
  RosterSession s;
  for (auto _ : state) s.form->activate();
  state.counters["players"] = kPlayers + 1;
}

void BM_RosterFindNext(benchmark::State& state) {
  RosterSession s;
  s.form->cmdFind->click();
  s.form->txtFirstName->setText("Unique");
  s.form->cmdGoFind->click();
  // Each Find Next searches from the shown row to the end: found once, then not found and
  // back to the first row, so on average half the roster is searched.
  for (auto _ : state) s.form->cmdFindNext->click();
}

void BM_RosterSave(benchmark::State& state) {
  RosterSession s;
  s.form->cmdLast->click();
  for (auto _ : state) {
    s.form->cmdEdit->click();
    s.form->cmdSave->click();
  }
}

}  // namespace

BENCHMARK(BM_RosterLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RosterFindNext)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RosterSave)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
