// A program that types a game and saves it, for the tests that kill it: it prints every message
// it is shown on a line of its own, after the save it tells of has returned.
//   save_child <program dir> loop   the header edited and saved over and over, both names alike
//   save_child <program dir> cut    a save of Game3 begun and never finished: the header renamed
//                                   and rows added, so many that part of it reaches the file; then
//                                   it prints "cut" and waits
#include <SQLiteCpp/SQLiteCpp.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <chrono>
#include <cstdio>
#include <thread>

#include "gui/entry/frmNewGame.h"
#include "gui/shell/App.h"
#include "gui/shell/Application.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/MDIForm1.h"
#include "gui/shell/Prompter.h"

namespace {

class EchoPrompter : public yardmark::Prompter {
 public:
  yardmark::Answer message(const yardmark::MessageBox& box) override {
    std::printf("%s\n", box.text.toUtf8().constData());
    std::fflush(stdout);
    return yardmark::Answer::Ok;
  }
  std::optional<QString> input(const yardmark::InputBox&) override { return std::nullopt; }
};

[[noreturn]] void cutSave(const std::string& programDir) {
  SQLite::Database db(programDir + "/YardMark/games/2007/Game3.mdb", SQLite::OPEN_READWRITE);
  db.exec("PRAGMA cache_size = 10");  // a small cache writes changed pages out before the commit
  db.exec("BEGIN IMMEDIATE");
  db.exec("UPDATE header SET OwnTeamName = 'Interrupted', OppTeamName = 'Interrupted'");
  db.exec(
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) "
      "INSERT INTO rushing (indRushATT, indPlayerName) SELECT i, 'Filler' FROM n");
  std::printf("cut\n");
  std::fflush(stdout);
  for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  if (std::string(argv[2]) == "cut") cutSave(argv[1]);
  yardmark::Application qapp(argc, argv);
  EchoPrompter prompter;
  yardmark::App app(argv[1], prompter);
  yardmark::MDIForm1 window(app);
  window.show();
  app.vars().currentGameYear = "2007";
  app.vars().currentGameNumber = 3;
  auto& form = app.forms().show<yardmark::frmNewGame>();

  form.txtOwnTeamName->setText("Eagles");
  form.txtOppTeamName->setText("Eagles");
  form.optRecWins->setChecked(true);
  form.cmdhSave->click();
  for (int i = 1;; ++i) {
    form.cmdhEdit->click();
    const QString name = QString("Team %1 ").arg(i) + QString(i % 17, 'x');
    form.txtOwnTeamName->setText(name);
    form.txtOppTeamName->setText(name);
    form.cmdhSave->click();
  }
}
