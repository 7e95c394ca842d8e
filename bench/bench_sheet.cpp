// The box-score sheet over a full game (60 rows in each player table) with a 2,000-player
// roster: Tab from cell to cell along a row and on to the next (an editor opened each time, the
// name's with the whole roster), and a row typed into and saved with Enter (the write, the
// audit's marks and every grid drawn again).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <filesystem>
#include <random>

#include "FullGame.h"
#include "core/games/GameTables.h"
#include "gui/entry/PlayerSections.h"
#include "gui/sheet/SheetCommands.h"
#include "gui/sheet/SheetModel.h"
#include "gui/sheet/SheetView.h"
#include "gui/sheet/frmBoxScore.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/MDIForm1.h"
#include "gui/shell/Prompter.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

// Keeps every name as typed; any other box is answered OK.
class Clicker : public Prompter {
 public:
  Answer message(const MessageBox& box) override {
    return box.buttons == Buttons::YesNoKeep ? Answer::Ignore : Answer::Ok;
  }
  std::optional<QString> input(const InputBox&) override { return QString(); }
};

struct FullGame {
  FullGame() {
    root = fs::temp_directory_path() / ("yardmark-bench-sheet-" + std::to_string(std::random_device{}()));
    game = bench::makeFullGame(root);
    app = std::make_unique<App>(root, prompter);
    window = std::make_unique<MDIForm1>(*app);
    window->show();
    showInSheet(*app, game);
    sheet = app->forms().find<frmBoxScore>();
    view = sheet->view("grdDefense");
    window->activateWindow();  // the editors take the focus only in the active window
    for (int i = 0; i < 100 && !window->isActiveWindow(); ++i) QCoreApplication::processEvents();
    view->setFocus();
  }
  ~FullGame() {
    window.reset();
    app.reset();
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  // Where a key goes: the open editor, else the grid.
  void key(Qt::Key key, const QString& text = {}) {
    QWidget* to = QApplication::focusWidget();
    if (!to || (to != view && !view->isAncestorOf(to))) to = view;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
  }

  fs::path root, game;
  Clicker prompter;
  std::unique_ptr<App> app;
  std::unique_ptr<MDIForm1> window;
  frmBoxScore* sheet = nullptr;
  SheetView* view = nullptr;
};

void BM_SheetTab(benchmark::State& state) {
  FullGame g;
  g.view->setCurrentIndex(g.view->model()->index(0, 0));
  g.view->edit(g.view->currentIndex());
  for (auto _ : state) {
    g.key(Qt::Key_Tab);
    if (g.view->currentIndex().row() == g.view->sheetModel()->blankRow()) {  // from the top again
      g.key(Qt::Key_Escape);
      g.view->setCurrentIndex(g.view->model()->index(0, 0));
      g.view->edit(g.view->currentIndex());
    }
  }
  state.counters["editor"] = QApplication::focusWidget() && g.view->isAncestorOf(QApplication::focusWidget());
}
BENCHMARK(BM_SheetTab)->Unit(benchmark::kMillisecond);

void BM_SheetSaveRow(benchmark::State& state) {
  FullGame g;
  bool five = true;
  for (auto _ : state) {
    g.view->setCurrentIndex(g.view->model()->index(30, 1));
    g.key(five ? Qt::Key_5 : Qt::Key_6, five ? "5" : "6");
    g.key(Qt::Key_Return);
    five = !five;
  }
}
BENCHMARK(BM_SheetSaveRow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
