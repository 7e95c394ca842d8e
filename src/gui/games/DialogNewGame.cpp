#include "gui/games/DialogNewGame.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/db/Value.h"
#include "core/files/FolderListing.h"
#include "core/games/GameFolder.h"
#include "core/games/GameNumbers.h"
#include "gui/games/GameDialog.h"
#include "gui/games/GameFileLists.h"
#include "gui/shell/App.h"
#include "gui/shell/KeyFilter.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

QString failure(const char* what, const fs::path& path, const fs::filesystem_error& e) {
  return QString("%1 \"%2\" cannot be made: %3.")
      .arg(QString::fromLatin1(what), QString::fromStdString(path.string()),
           QString::fromStdString(e.code().message()));
}

}  // namespace

DialogNewGame::DialogNewGame(App& app) : Form(app), m_lists(new GameFileLists(this, app.tree().gamesRoot())) {
  setObjectName("DialogNewGame");
  setWindowTitle("Create New Game");
  buildWidgets();
  layOut();

  installKeyFilter(cmbYear->lineEdit(), digitKey);
  installKeyFilter(txtGameNumber, digitKey);
  connect(OKButton, &QPushButton::clicked, this, &DialogNewGame::OKButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, [this] { unload(); });
  cancelOnEscape(this, CancelButton);

  // Load: the years up to this one, once for the dialog's life.
  const int thisYear = QDate::currentDate().year();
  for (int year = 1990; year <= thisYear; ++year) cmbYear->addItem(QString::number(year));
  cmbYear->setCurrentText(QString::number(thisYear));
  suggestNumber();
  connect(cmbYear, &QComboBox::currentTextChanged, this, &DialogNewGame::suggestNumber);
  m_lists->showGamesFolder();
}

void DialogNewGame::buildWidgets() {
  Frame1 = new QGroupBox("Game", this);
  Frame1->setObjectName("Frame1");
  cmbYear = new QComboBox(Frame1);
  cmbYear->setObjectName("cmbYear");
  cmbYear->setEditable(true);
  cmbYear->setInsertPolicy(QComboBox::NoInsert);  // typing a year never adds to the list
  Label3 = buddyLabel(Frame1, "Label3", "Year", cmbYear);
  txtGameNumber = new QLineEdit(Frame1);
  txtGameNumber->setObjectName("txtGameNumber");
  Label4 = buddyLabel(Frame1, "Label4", "Number", txtGameNumber);

  Frame2 = m_lists->makeFrame("Frame2", "CURRENT YardMark Game Files");
  Dir1 = m_lists->Dir1;
  File1 = m_lists->File1;
  Label1 = buddyLabel(Frame2, "Label1", "Path", Dir1);

  lable1 = namedLabel(this, "lable1", "Be careful not to overwrite your game files");
  OKButton = dialogButton(this, "OKButton", "OK");
  OKButton->setDefault(true);
  CancelButton = dialogButton(this, "CancelButton", "Cancel");
}

// The game box over the lists, the warning, then OK and Cancel; Tab goes the same way.
void DialogNewGame::layOut() {
  auto* game = new QGridLayout(Frame1);
  game->addWidget(Label3, 0, 0);
  game->addWidget(cmbYear, 0, 1);
  game->addWidget(Label4, 0, 2);
  game->addWidget(txtGameNumber, 0, 3);
  game->setColumnStretch(1, 1);
  game->setColumnStretch(3, 1);
  static_cast<QGridLayout*>(Frame2->layout())->addWidget(Label1, 0, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  auto* main = new QVBoxLayout(this);
  main->addWidget(Frame1);
  main->addWidget(Frame2);
  main->addWidget(lable1);
  main->addLayout(buttons);
  setTabOrder(cmbYear, txtGameNumber);
  setTabOrder(txtGameNumber, Dir1);
  setTabOrder(Dir1, File1);
  setTabOrder(File1, OKButton);
  setTabOrder(OKButton, CancelButton);
  setFixedSize(sizeHint());
}

void DialogNewGame::formActivate() {
  placeOverMainWindow(*this);
  m_lists->showGamesFolder();
}

void DialogNewGame::keyPressEvent(QKeyEvent* event) {
  // OK is the default button: Enter in any box that does not take it itself.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    OKButton->click();
    return;
  }
  Form::keyPressEvent(event);
}

void DialogNewGame::OKButton_Click() {
  Prompter& prompter = app().prompter();
  const QString yearText = cmbYear->currentText(), numberText = txtGameNumber->text();
  if (yearText.isEmpty() || numberText.isEmpty()) {
    prompter.tell("Please enter the Game Year & Game Number");
    return;
  }
  if (yearText.size() < 4) {
    prompter.tell("Illegal Game Year");
    return;
  }
  const std::string year = textOfNumber(numberFromText(yearText.toStdString()));
  const double number = numberFromText(numberText.toStdString());
  std::error_code ec;
  if (!fs::is_regular_file(app().tree().masterTemplate(), ec)) {
    prompter.tell("The master database is not found. System is unable to create new game stats.");
    return;
  }
  const fs::path game = app().tree().gameFile(year, textOfNumber(number));
  if (!openingExistingAgreed(year, textOfNumber(number), game)) return;
  if (!makeGameFile(year, game) || !makeWayForGame(app(), game)) return;

  GlobalVariables& vars = app().vars();
  vars.currentGameYear = QString::fromStdString(year);
  vars.currentGameNumber = number;
  vars.gameOpenedFromFile = false;
  if (HandOver handOver = std::exchange(m_handOver, {}))
    handOver(*this, game);
  else
    handOverToEntryForm(*this, game);
}

void DialogNewGame::suggestNumber() {
  const std::string year = cmbYear->currentText().toStdString();
  std::vector<std::string> names;
  if (!year.empty())
    for (const fs::path& file : listFolder(app().tree().yearFolder(year), Listing::files({".mdb"})))
      names.push_back(file.filename().string());
  txtGameNumber->setText(QString::number(nextGameNumber(names)));
}

bool DialogNewGame::openingExistingAgreed(const std::string& year, const std::string& number, const fs::path& game) {
  std::error_code ec;
  if (!fs::exists(game, ec)) return true;
  const QString text = QString("Game %1 of %2 already exists; it will be opened.")
                           .arg(QString::fromStdString(number), QString::fromStdString(year));
  return app().prompter().message(MessageBox(text, Buttons::OkCancel)) == Answer::Ok;
}

bool DialogNewGame::makeGameFile(const std::string& year, const fs::path& game) {
  const fs::path folder = app().tree().yearFolder(year);
  try {
    fs::create_directories(folder);
  } catch (const fs::filesystem_error& e) {
    app().prompter().tell(failure("The year folder", folder, e));
    return false;
  }
  std::error_code ec;
  if (fs::exists(game, ec)) return true;  // an existing game is opened as it is
  try {
    copyTemplateTo(app().tree().masterTemplate(), game);
  } catch (const fs::filesystem_error& e) {
    app().prompter().tell(failure("The game file", game, e));
    return false;
  }
  return true;
}

}  // namespace yardmark
