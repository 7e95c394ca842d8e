// A program that types a game and saves it, for the tests that kill it: it prints every message
// it is shown on a line of its own, after the save it tells of has returned.
//   save_child <program dir> once   header, quarter and team statistics saved; then it waits
//   save_child <program dir> loop   the header edited and saved over and over, both names alike
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <chrono>
#include <cstdio>
#include <string>
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
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
  if (std::string(argv[2]) == "once") {
    const char* points[] = {"7", "3", "0", "14", "6", "0", "10", "7"};
    QLineEdit* boxes[] = {form.txtQuarter1Opp, form.txtQuarter1Own, form.txtQuarter2Opp, form.txtQuarter2Own,
                          form.txtQuarter3Opp, form.txtQuarter3Own, form.txtQuarter4Opp, form.txtQuarter4Own};
    for (int i = 0; i < 8; ++i) boxes[i]->setText(points[i]);
    form.cmdqSave->click();
    for (std::size_t k = 0; k < 10; ++k) {
      form.txtOT[k]->setText(QString::number(k + 1));
      form.txtOwT[k]->setText(QString::number(k + 11));
    }
    form.cmdtsSave->click();
    for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
  }
  for (int i = 1;; ++i) {
    form.cmdhEdit->click();
    const QString name = QString("Team %1 ").arg(i) + QString(i % 17, 'x');
    form.txtOwnTeamName->setText(name);
    form.txtOppTeamName->setText(name);
    form.cmdhSave->click();
  }
}
