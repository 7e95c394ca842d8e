#include "gui/reports/frmNewReport.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "core/files/DataTree.h"
#include "core/games/GameFolder.h"
#include "core/report/ReportGenerator.h"
#include "gui/reports/DialogOpenReport.h"
#include "gui/shell/App.h"
#include "gui/shell/FolderFileLists.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/FormKit.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/Twips.h"
#include "gui/shell/TwoListPicker.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

FolderFileLists::Setup gameSetup() {
  FolderFileLists::Setup setup;
  // Only the year folders of the games folder are listed, so the list cannot leave it; game
  // files lie only in year folders, so with no year picked there is nothing to choose.
  setup.folders = FolderFileLists::Folders::Below;
  setup.files = &gameFiles();
  // Several games are chosen by simple clicks, or by Space on the keyboard.
  setup.fileSelection = QAbstractItemView::MultiSelection;
  return setup;
}

// A chosen game reads "2007\Game1.mdb": its year folder and its name.
QListWidgetItem* chosenGame(const QListWidgetItem& game) {
  const fs::path file = pathOf(&game);
  return pathRow(file, QString::fromStdString(file.parent_path().filename().string()) + '\\' + game.text());
}

}  // namespace

frmNewReport::frmNewReport(App& app) : Form(app) {
  setObjectName("frmNewReport");
  setWindowTitle("Create New Report");
  makeWidgets();
  buildLayout();

  // Chosen games are not offered again; the chosen list keeps the order in which the report
  // merges them.
  m_lists->setOffered([this](const fs::path& game) {
    const std::vector<fs::path> chosen = pathsOf(listDatabase);
    return std::find(chosen.begin(), chosen.end(), game) == chosen.end();
  });
  m_picker->setRules({
      .tell = [this](const QString& text) { this->app().prompter().tell(text); },
      .nothingSelected = "Please select folder and database",
      .nothingLeft = "No more database can be selected.",
      .nothingChosen = "Please select database to be removed from Selected Database list",
      .chosenRow = chosenGame,
      .refill = [this] { m_lists->showFiles(); },
  });

  // Load.
  m_lists->open(app.tree().gamesRoot());
  resize(pixelsFromTwips(6990), pixelsFromTwips(4065));
  connect(cmdGenerateReports, &QPushButton::clicked, this, &frmNewReport::cmdGenerateReports_Click);
}

void frmNewReport::makeWidgets() {
  Frame1 = new QGroupBox("Select Games for Reports", this);
  Frame1->setObjectName("Frame1");
  m_lists = new FolderFileLists(Frame1, gameSetup());
  Dir1 = m_lists->Dir1;
  Label1 = buddyLabel(Frame1, "Label1", "Select Year", Dir1);
  File1 = m_lists->File1;
  Label2 = buddyLabel(Frame1, "Label2", "Select Game", File1);
  listDatabase = new QListWidget(Frame1);
  listDatabase->setObjectName("listDatabase");
  listDatabase->setSelectionMode(QAbstractItemView::SingleSelection);
  Label3 = buddyLabel(Frame1, "Label3", "Selected Game", listDatabase);
  m_picker = new TwoListPicker(Frame1, File1, listDatabase);
  cmdAddDatabase = m_picker->cmdAddDatabase;
  cmdAddAll = m_picker->cmdAddAll;
  cmdRemoveDatabase = m_picker->cmdRemoveDatabase;
  cmdRemoveAll = m_picker->cmdRemoveAll;
  cmdGenerateReports = new QPushButton("Generate Reports", this);
  cmdGenerateReports->setObjectName("cmdGenerateReports");
}

void frmNewReport::buildLayout() {
  auto* grid = new QGridLayout(Frame1);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(Dir1, 1, 0);
  grid->addWidget(Label2, 0, 1);
  grid->addWidget(File1, 1, 1);
  grid->addLayout(m_picker->buttonColumn({cmdAddDatabase, cmdAddAll, cmdRemoveDatabase, cmdRemoveAll}, 40), 1, 2);
  grid->addWidget(Label3, 0, 3);
  grid->addWidget(listDatabase, 1, 3);
  grid->setColumnStretch(0, 2);
  grid->setColumnStretch(1, 3);
  grid->setColumnStretch(3, 3);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(Frame1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(cmdGenerateReports);
  outer->addLayout(bottom);
  QWidget* order[] = {Dir1,         File1,        cmdAddDatabase,    cmdAddAll, cmdRemoveDatabase,
                      cmdRemoveAll, listDatabase, cmdGenerateReports};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmNewReport::formActivate() {
  if (m_placed) return;
  m_placed = true;
  placeOverMainWindow(*this);
}

QStringList frmNewReport::chosenGames() const {
  QStringList entries;
  for (int i = 0; i < listDatabase->count(); ++i) entries << listDatabase->item(i)->text();
  return entries;
}

void frmNewReport::cmdGenerateReports_Click() {
  if (listDatabase->count() == 0) {
    app().prompter().tell("Please select one/more databases in order to generate reports.");
    return;
  }
  const ReportGenerator generator(app().tree());
  // The exact files picked: a case twin or a name the screen cannot show exactly is still that game.
  const std::vector<fs::path> games = pathsOf(listDatabase);
  const QString name = app().vars().currentReportName;

  ReportOutcome outcome;
  {
    WaitCursor wait;
    outcome = generator.generate(games, name.toStdString());
  }
  QString text = QString::fromStdString(outcome.boxText);
  QStringList warnings;
  switch (outcome.status) {
    case ReportOutcome::Status::Created:
      break;
    case ReportOutcome::Status::DetailFailed:
      // The report itself was written: its success is told first, the trouble after it.
      warnings << text;
      text = QString::fromStdString(createdText(name.toStdString()));
      break;
    case ReportOutcome::Status::FolderMissing:
      app().prompter().message(
          MessageBox(text, Buttons::Ok, Icon::Information, QString::fromStdString(outcome.boxTitle)));
      return;
    case ReportOutcome::Status::WriteFailed:
      app().prompter().message(
          MessageBox(text, Buttons::Ok, Icon::Exclamation, QString::fromStdString(outcome.boxTitle)));
      return;
    default:
      // Which game file or database failed, and why; the choice stays for another try.
      app().prompter().tell(text);
      return;
  }
  app().prompter().tell(text);
  if (!outcome.warning.empty()) warnings << QString::fromStdString(outcome.warning);
  for (const QString& warning : warnings) app().prompter().message(MessageBox(warning, Buttons::Ok, Icon::Exclamation));
  App& a = app();
  a.forms().show<DialogOpenReport>();
  unload();
}

}  // namespace yardmark
