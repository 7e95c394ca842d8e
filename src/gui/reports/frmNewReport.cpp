#include "gui/reports/frmNewReport.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/files/DataTree.h"
#include "core/report/ReportGenerator.h"
#include "gui/reports/DialogOpenReport.h"
#include "gui/reports/FileLists.h"
#include "gui/shell/FormKit.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/Twips.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

QListWidget* list(QWidget* parent, const char* name, QAbstractItemView::SelectionMode mode) {
  auto* l = new QListWidget(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setSelectionMode(mode);
  return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setToolTip(tip);
  b->setAccessibleName(tip);
  return b;
}

}  // namespace

frmNewReport::frmNewReport(App& app) : Form(app) {
  setObjectName("frmNewReport");
  setWindowTitle("Create New Report");

  Frame1 = new QGroupBox("Select Games for Reports", this);
  Frame1->setObjectName("Frame1");
  // Only the year folders of the games folder are listed, so the list cannot leave it.
  Dir1 = list(Frame1, "Dir1", QAbstractItemView::SingleSelection);
  Label1 = buddyLabel(Frame1, "Label1", "Select Year", Dir1);
  // Several games are chosen by simple clicks, or by Space on the keyboard.
  File1 = list(Frame1, "File1", QAbstractItemView::MultiSelection);
  Label2 = buddyLabel(Frame1, "Label2", "Select Game", File1);
  listDatabase = list(Frame1, "listDatabase", QAbstractItemView::SingleSelection);
  Label3 = buddyLabel(Frame1, "Label3", "Selected Game", listDatabase);
  cmdAddDatabase = button(Frame1, "cmdAddDatabase", ">", "Add Selected Only");
  cmdAddAll = button(Frame1, "cmdAddAll", ">>", "Select All");
  cmdRemoveDatabase = button(Frame1, "cmdRemoveDatabase", "<", "Remove Selected");
  cmdRemoveAll = button(Frame1, "cmdRemoveAll", "<<", "Remove All");
  cmdGenerateReports = button(this, "cmdGenerateReports", "Generate Reports", {});

  auto* grid = new QGridLayout(Frame1);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(Dir1, 1, 0);
  grid->addWidget(Label2, 0, 1);
  grid->addWidget(File1, 1, 1);
  auto* moves = new QVBoxLayout;
  moves->addStretch();
  for (QPushButton* b : {cmdAddDatabase, cmdAddAll, cmdRemoveDatabase, cmdRemoveAll}) {
    b->setFixedWidth(40);
    moves->addWidget(b);
  }
  moves->addStretch();
  grid->addLayout(moves, 1, 2);
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
  setTabOrder(Dir1, File1);
  setTabOrder(File1, cmdAddDatabase);
  setTabOrder(cmdAddDatabase, cmdAddAll);
  setTabOrder(cmdAddAll, cmdRemoveDatabase);
  setTabOrder(cmdRemoveDatabase, cmdRemoveAll);
  setTabOrder(cmdRemoveAll, listDatabase);
  setTabOrder(listDatabase, cmdGenerateReports);

  // Load.
  fillFolderList(Dir1, app.tree().gamesRoot());
  resize(pixelsFromTwips(6990), pixelsFromTwips(4065));
  showFiles();

  // A year is chosen by selecting it, with the mouse or the keyboard; the files follow the
  // selection, so the list never shows one year's games under another year's name.
  connect(Dir1, &QListWidget::itemSelectionChanged, this, &frmNewReport::showFiles);
  connect(cmdAddDatabase, &QPushButton::clicked, this, &frmNewReport::cmdAddDatabase_Click);
  connect(cmdAddAll, &QPushButton::clicked, this, &frmNewReport::cmdAddAll_Click);
  connect(cmdRemoveDatabase, &QPushButton::clicked, this, &frmNewReport::cmdRemoveDatabase_Click);
  connect(cmdRemoveAll, &QPushButton::clicked, this, &frmNewReport::cmdRemoveAll_Click);
  connect(cmdGenerateReports, &QPushButton::clicked, this, &frmNewReport::cmdGenerateReports_Click);
}

void frmNewReport::formActivate() {
  if (m_placed) return;
  m_placed = true;
  placeOverMainWindow(*this);
}

QString frmNewReport::selectedYear() const {
  const auto selected = Dir1->selectedItems();
  return selected.isEmpty() ? QString() : selected.front()->text();
}

QStringList frmNewReport::chosenGames() const {
  QStringList entries;
  for (int i = 0; i < listDatabase->count(); ++i) entries << listDatabase->item(i)->text();
  return entries;
}

void frmNewReport::showFiles() {
  File1->clear();
  // Game files lie only in year folders: with no year selected there is nothing to choose.
  const QString year = selectedYear();
  if (year.isEmpty()) return;
  QListWidget files;
  fillFileList(&files, app().tree().gamesRoot() / year.toStdString(), ".mdb");
  const QStringList chosen = chosenGames();
  for (int i = 0; i < files.count(); ++i) {
    const QString name = files.item(i)->text();
    if (!chosen.contains(year + '\\' + name)) File1->addItem(name);
  }
}

void frmNewReport::addEntry(const QString& entry) {
  // Kept in alphabetical order of the text, letter case ignored: the report merges in this order.
  int at = 0;
  while (at < listDatabase->count() &&
         QString::compare(listDatabase->item(at)->text(), entry, Qt::CaseInsensitive) <= 0)
    ++at;
  listDatabase->insertItem(at, entry);
}

void frmNewReport::cmdAddDatabase_Click() {
  const QString year = selectedYear();
  if (year.isEmpty() || currentText(File1).isEmpty()) {
    app().prompter().tell("Please select folder and database");
    return;
  }
  // Any number of rows may be moved at once.
  for (int row = File1->count() - 1; row >= 0; --row) {
    if (!File1->item(row)->isSelected()) continue;
    addEntry(year + '\\' + File1->item(row)->text());
    delete File1->takeItem(row);
  }
}

void frmNewReport::cmdAddAll_Click() {
  if (File1->count() == 0) {
    app().prompter().tell("No more database can be selected.");
    return;
  }
  const QString year = selectedYear();
  for (int row = 0; row < File1->count(); ++row) addEntry(year + '\\' + File1->item(row)->text());
  File1->clear();
}

void frmNewReport::cmdRemoveDatabase_Click() {
  const auto selected = listDatabase->selectedItems();
  if (selected.isEmpty()) {
    app().prompter().tell("Please select database to be removed from Selected Database list");
    return;
  }
  delete listDatabase->takeItem(listDatabase->row(selected.front()));
  showFiles();
}

void frmNewReport::cmdRemoveAll_Click() {
  listDatabase->clear();
  showFiles();
}

void frmNewReport::cmdGenerateReports_Click() {
  if (listDatabase->count() == 0) {
    app().prompter().tell("Please select one/more databases in order to generate reports.");
    return;
  }
  const ReportGenerator generator(app().tree());
  std::vector<fs::path> games;
  for (const QString& entry : chosenGames()) games.push_back(generator.gamePath(entry.toStdString()));
  const QString name = app().vars().currentReportName;

  ReportOutcome outcome;
  {
    WaitCursor wait;
    outcome = generator.generate(games, name.toStdString());
  }
  const QString text = QString::fromStdString(outcome.boxText);
  switch (outcome.status) {
    case ReportOutcome::Status::Created:
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
  if (!outcome.warning.empty())
    app().prompter().message(MessageBox(QString::fromStdString(outcome.warning), Buttons::Ok, Icon::Exclamation));
  App& a = app();
  a.forms().show<DialogOpenReport>();
  unload();
}

}  // namespace yardmark
