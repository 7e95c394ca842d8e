// The player sections over a full game (60 rows in each player table) with a 2,000-player
// roster: the form's activation (names, views, the five enable routines, the rows lists), a
// move, a click in the rows list, a keystroke in a name box with the roster offered, and the
// saves (an edit, and an add, which reopens every view first).
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <filesystem>
#include <random>

#include "FullGame.h"
#include "gui/entry/PlayerSection.h"
#include "gui/entry/frmNewGame.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/MDIForm1.h"
#include "gui/shell/Prompter.h"

namespace fs = std::filesystem;
using namespace yardmark;

namespace {

// Answers every box at once: OK, and Yes to a question.
class Clicker : public Prompter {
 public:
  Answer message(const MessageBox& box) override { return box.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok; }
  std::optional<QString> input(const InputBox&) override { return QString(); }
};

// The entry form, with its activation callable as the window system calls it.
class Entry : public frmNewGame {
 public:
  using frmNewGame::frmNewGame;
  void activate() { formActivate(); }
};

struct FullGame {
  FullGame() {
    root = fs::temp_directory_path() / ("yardmark-bench-players-" + std::to_string(std::random_device{}()));
    game = bench::makeFullGame(root);
    app = std::make_unique<App>(root, prompter);
    app->vars().currentGameYear = "2007";
    app->vars().currentGameNumber = 3;
    window = std::make_unique<MDIForm1>(*app);
    window->show();
    host = &app->forms().show<Entry>();
    host->activate();
  }
  ~FullGame() {
    window.reset();
    app.reset();
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  QAbstractButton* button(const std::string& name) {
    return host->findChild<QAbstractButton*>(QString::fromStdString(name));
  }

  fs::path root, game;
  Clicker prompter;
  std::unique_ptr<App> app;
  std::unique_ptr<MDIForm1> window;
  Entry* host = nullptr;
};

PlayerSection& sectionOf(FullGame& g, const PlayerSectionConfig& c) {
  return *dynamic_cast<PlayerSection*>(g.host->section(c.section));
}

void BM_Activation(benchmark::State& state) {
  FullGame g;
  for (auto _ : state) g.host->activate();
}
BENCHMARK(BM_Activation)->Unit(benchmark::kMillisecond);

void BM_Move(benchmark::State& state) {
  FullGame g;
  const auto& c = kPlayerSections[4];
  g.button(c.button("Last"))->click();
  bool back = true;
  for (auto _ : state) {
    g.button(c.button(back ? "Previous" : "Next"))->click();
    back = !back;
  }
}
BENCHMARK(BM_Move)->Unit(benchmark::kMillisecond);

void BM_RowClick(benchmark::State& state) {
  FullGame g;
  const auto& c = kPlayerSections[4];
  auto* list = g.host->findChild<QListWidget*>(QStringLiteral("lst") + c.name + QStringLiteral("Rows"));
  int row = 0;
  for (auto _ : state) {
    emit list->itemClicked(list->item(row));
    row = (row + 7) % list->count();
  }
}
BENCHMARK(BM_RowClick)->Unit(benchmark::kMillisecond);

// "L" starts every last name: all 2,000 are offered, the worst a keystroke meets; then Backspace.
void BM_KeystrokeAndBack(benchmark::State& state) {
  FullGame g;
  const auto& c = kPlayerSections[0];
  g.button(c.addNew)->click();
  QLineEdit* name = sectionOf(g, c).nameCombo()->lineEdit();
  for (auto _ : state) {
    for (const auto& [key, text] : {std::pair{Qt::Key_L, QStringLiteral("L")}, {Qt::Key_Backspace, QString()}}) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
      QApplication::sendEvent(name, &press);
    }
  }
}
BENCHMARK(BM_KeystrokeAndBack)->Unit(benchmark::kMillisecond);

void BM_SaveEdited(benchmark::State& state) {
  FullGame g;
  const auto& c = kPlayerSections[4];
  for (auto _ : state) {
    g.button(c.button("Edit"))->click();
    g.button(c.button("Save"))->click();
  }
}
BENCHMARK(BM_SaveEdited)->Unit(benchmark::kMillisecond);

void BM_SaveAdded(benchmark::State& state) {
  FullGame g;
  const auto& c = kPlayerSections[4];
  PlayerSection* section = &sectionOf(g, c);
  for (auto _ : state) {
    g.button(c.addNew)->click();
    for (const auto& nb : c.boxes) section->findChild<QLineEdit*>(nb.name)->setText("3");
    section->nameCombo()->setEditText("Walk On");
    g.button(c.button("Save"))->click();
  }
}
BENCHMARK(BM_SaveAdded)->Unit(benchmark::kMillisecond)->Iterations(100);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
