#include "gui/roster/frmRosterImportSheet.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QProgressDialog>
#include <QVBoxLayout>
#include <atomic>
#include <utility>

#include "core/files/DataTree.h"
#include "gui/roster/RosterControls.h"
#include "gui/shell/App.h"
#include "gui/shell/Background.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/FormKit.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/TellFailure.h"

namespace yardmark {

namespace {

const QString kTitle = QStringLiteral("Import Roster From Spreadsheet");
constexpr int kPlayerRole = Qt::UserRole;        // the names, number, position and grade of the row
constexpr int kHeldBackRole = Qt::UserRole + 1;  // ">>" passes the entry by
// A roster's file reads at once; only a large one shows the dialog.
constexpr int kShowProgressAfterMs = 400;

QString q(const std::string& s) { return QString::fromStdString(s); }

QString duplicateMark(const SheetCheck& c) {
  switch (c.duplicate) {
    case Duplicate::InRoster:
      return QStringLiteral(" (in roster)");
    case Duplicate::EarlierInFile:
      return QStringLiteral(" (twice in the file)");
    case Duplicate::MaybeInRoster:
      return " (maybe in roster: " + q(c.maybe) + ")";
    case Duplicate::No:
      break;
  }
  return {};
}

// A row as listed: "Carter, Marcus J (#12, RB, grade 11)", then what the check found and what
// could not be read.
QString rowText(const SheetPlayer& p, const SheetCheck& c) {
  const QString names = q(rosterListText(p.name));
  QStringList details;
  if (!p.number.empty()) details << "#" + q(p.number);
  if (!p.position.empty()) details << q(p.position);
  if (p.grade) details << QString("grade %1").arg(p.grade);
  QString marks = duplicateMark(c);
  if (!c.clashWith.empty())
    marks +=
        QString(c.clashInFile ? " (#%1 also in the file: %2)" : " (#%1 worn by %2)").arg(q(p.number), q(c.clashWith));
  if (!p.unreadNumber.empty()) marks += " (number \"" + q(p.unreadNumber) + "\" left blank)";
  if (!p.unreadGrade.empty()) marks += " (grade \"" + q(p.unreadGrade) + "\" left blank)";
  if (details.isEmpty() && marks.isEmpty()) return names;
  return names.trimmed() + (details.isEmpty() ? QString() : " (" + details.join(", ") + ")") + marks;
}

QStringList playerData(const SheetPlayer& p) {
  return {q(p.name.last), q(p.name.first), q(p.name.middle), q(p.number), q(p.position), QString::number(p.grade)};
}

RosterPlayer playerOf(const QStringList& d) {
  return {{d.value(0).toStdString(), d.value(1).toStdString(), d.value(2).toStdString()},
          d.value(3).toStdString(),
          d.value(4).toStdString(),
          d.value(5).toInt()};
}

QListWidget* list(QWidget* parent, const char* name, QAbstractItemView::SelectionMode mode) {
  auto* l = new QListWidget(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setSelectionMode(mode);
  return l;
}

enum class Move { Selected, All, AllButDuplicates };

// Moves entries from one list to the other in list order. A duplicate or a number another
// player wears moves only when the coach picks it.
void moveEntries(QListWidget* from, QListWidget* to, Move which) {
  std::vector<int> noted;
  for (int i = 0; i < from->count(); ++i) {
    QListWidgetItem* item = from->item(i);
    const bool heldBack = item->data(kHeldBackRole).toBool();
    if (which == Move::Selected ? !item->isSelected() : which == Move::AllButDuplicates && heldBack) continue;
    noted.push_back(i);
    to->addItem(item->clone());
  }
  // Last first, so that the positions still to remove stay valid.
  for (auto it = noted.rbegin(); it != noted.rend(); ++it) delete from->takeItem(*it);
}

void tellError(App& app, const QString& text) {
  app.prompter().message(MessageBox(text, Buttons::Ok, Icon::Critical, kTitle));
}

}  // namespace

frmRosterImportSheet::frmRosterImportSheet(App& app) : Form(app) {
  setObjectName("frmRosterImportSheet");
  setWindowTitle(kTitle);
  Label4 = rosterLabel(this, "Label4",
                       "Move the players you want to the \"Chosen to import\" list, then select the Import button. "
                       "\">>\" leaves out the players marked as perhaps in the roster already, or with a number "
                       "another player wears; \">\" moves any player you select.");
  lblFile = rosterLabel(this, "lblFile", {});
  lblOtherColumns = rosterLabel(this, "lblOtherColumns", {});
  cmdImport = rosterButton(this, "cmdImport", "&Import");
  cmdClose = rosterButton(this, "cmdClose", "C&lose");
  buildLists();
  buildLayout();
  connect(cmdImport, &QPushButton::clicked, this, &frmRosterImportSheet::cmdImport_Click);
  connect(cmdClose, &QPushButton::clicked, this, [this] { unload(); });
}

// The two lists and their four buttons, all in one place.
void frmRosterImportSheet::buildLists() {
  Label2 = rosterLabel(this, "Label2", "&Players in the file");
  importFrom = list(this, "importFrom", QAbstractItemView::ExtendedSelection);
  Label3 = rosterLabel(this, "Label3", "&Chosen to import");
  importTo = list(this, "importTo", QAbstractItemView::ExtendedSelection);
  importTo->setSortingEnabled(true);
  Label2->setBuddy(importFrom);
  Label3->setBuddy(importTo);
  cmdAddAll = rosterButton(this, "cmdAddAll", ">>", "Select All");
  cmdAddDatabase = rosterButton(this, "cmdAddDatabase", ">", "Add Selected Only");
  cmdRemoveDatabase = rosterButton(this, "cmdRemoveDatabase", "<", "Remove Selected");
  cmdRemoveAll = rosterButton(this, "cmdRemoveAll", "<<", "Remove All");
  connect(cmdAddAll, &QPushButton::clicked, this,
          [this] { moveEntries(importFrom, importTo, Move::AllButDuplicates); });
  connect(cmdAddDatabase, &QPushButton::clicked, this, [this] { moveEntries(importFrom, importTo, Move::Selected); });
  connect(cmdRemoveDatabase, &QPushButton::clicked, this,
          [this] { moveEntries(importTo, importFrom, Move::Selected); });
  connect(cmdRemoveAll, &QPushButton::clicked, this, [this] { moveEntries(importTo, importFrom, Move::All); });
}

void frmRosterImportSheet::buildLayout() {
  for (QLabel* l : {Label4, lblFile, lblOtherColumns}) l->setWordWrap(true);
  // A squad of forty shows without much scrolling, and a row with its number, position, grade and
  // what the check found on it without much either.
  for (QListWidget* l : {importFrom, importTo}) l->setMinimumSize(340, 300);
  auto* moves = new QVBoxLayout;
  moves->addStretch();
  for (QPushButton* b : {cmdAddAll, cmdAddDatabase, cmdRemoveDatabase, cmdRemoveAll}) {
    b->setFixedWidth(44);
    moves->addWidget(b);
  }
  moves->addStretch();

  auto* lists = new QGridLayout;
  lists->addWidget(Label2, 0, 0);
  lists->addWidget(Label3, 0, 2);
  lists->addWidget(importFrom, 1, 0);
  lists->addLayout(moves, 1, 1);
  lists->addWidget(importTo, 1, 2);
  lists->setColumnStretch(0, 1);
  lists->setColumnStretch(2, 1);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(cmdImport);
  bottom->addWidget(cmdClose);

  auto* all = new QVBoxLayout(this);
  all->addWidget(Label4);
  all->addWidget(lblFile);
  all->addWidget(lblOtherColumns);
  all->addLayout(lists, 1);
  all->addLayout(bottom);
  resize(560, 480);

  QWidget* order[] = {importFrom,   cmdAddAll, cmdAddDatabase, cmdRemoveDatabase,
                      cmdRemoveAll, importTo,  cmdImport,      cmdClose};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmRosterImportSheet::chooseFile(App& app, const PickFile& pick) {
  const QString file =
      pick(app.forms().mainWindow(),
           {"Import from Spreadsheet", documentsFolder(), "Spreadsheets saved as text (*.csv *.txt)", {}});
  if (file.isEmpty()) return;
  std::atomic<bool> stop{false};
  std::pair<SheetRoster, std::vector<SheetCheck>> read;
  try {
    const std::filesystem::path roster = ensureRosterDatabase(app.tree());
    QProgressDialog progress("Reading the spreadsheet...", "Cancel", 0, 0, app.forms().mainWindow());
    progress.setObjectName("dlgReadSpreadsheet");
    progress.setWindowTitle(kTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kShowProgressAfterMs);
    // Heard from the start: setValue already handles events, a click on Cancel among them.
    QObject::connect(&progress, &QProgressDialog::canceled, [&stop] { stop = true; });
    progress.setValue(0);
    read = runInBackground(
        progress,
        [path = file.toStdString(), roster, &stop] {
          SheetRoster sheet = readSpreadsheetRoster(path, &stop);
          std::vector<SheetCheck> checks = checkSheet(sheet.players, readRoster(roster));
          return std::pair(std::move(sheet), std::move(checks));
        },
        [&stop] { stop = true; });
  } catch (const SpreadsheetError& e) {
    if (!stop) tellFailure(app.prompter(), e, {}, kTitle);
    return;
  } catch (const std::exception& e) {
    if (!stop) tellFailure(app.prompter(), e, "Error...", kTitle);
    return;
  }
  // Cancelled: the coach asked for nothing, so nothing opens and nothing is said.
  if (stop) return;
  const auto& [sheet, checks] = read;
  const WaitCursor filling;
  app.forms().show<frmRosterImportSheet>().showSheet(file, sheet, checks);
}

void frmRosterImportSheet::showSheet(const QString& file, const SheetRoster& sheet,
                                     const std::vector<SheetCheck>& checks) {
  lblFile->setText("File: " + QFileInfo(file).fileName());
  lblFile->setToolTip(file);
  QStringList others;
  for (const std::string& column : sheet.otherColumns) others << QString::fromStdString(column);
  lblOtherColumns->setText("Columns not imported: " + others.join(", "));
  lblOtherColumns->setVisible(!others.isEmpty());
  importFrom->clear();
  importTo->clear();
  for (size_t i = 0; i < sheet.players.size(); ++i) {
    const SheetPlayer& p = sheet.players[i];
    const SheetCheck check = i < checks.size() ? checks[i] : SheetCheck{};
    auto* item = new RosterListItem(rowText(p, check), importFrom);
    item->setToolTip(item->text());
    item->setData(kPlayerRole, playerData(p));
    item->setData(kHeldBackRole, check.anything());
    if (check.anything()) item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
  }
}

void frmRosterImportSheet::cmdImport_Click() {
  if (importTo->count() == 0) {
    tellError(app(), "No player is chosen to import.");
    return;
  }
  std::vector<RosterPlayer> chosen;
  for (int i = 0; i < importTo->count(); ++i)
    chosen.push_back(playerOf(importTo->item(i)->data(kPlayerRole).toStringList()));
  size_t added = 0;
  try {
    added = addRosterPlayers(ensureRosterDatabase(app().tree()), chosen);
  } catch (const std::exception& e) {
    tellFailure(app().prompter(), e, "Error...", kTitle);
    return;
  }
  importTo->clear();
  app().prompter().message(
      MessageBox(QString("%1 added to the roster.")
                     .arg(added == 1 ? QString("1 player was") : QString("%1 players were").arg(added)),
                 Buttons::Ok, Icon::Information, kTitle));
}

}  // namespace yardmark
