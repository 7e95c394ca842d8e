#include "gui/sheet/frmBoxScore.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/games/GameFolder.h"
#include "core/roster/Roster.h"
#include "gui/entry/frmGameCheck.h"
#include "gui/sheet/SheetView.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/FormKit.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

namespace {

QString reasonOf(const std::exception& e) { return QString::fromStdString(e.what()); }

}  // namespace

frmBoxScore::frmBoxScore(App& app) : Form(app) {
  setObjectName("frmBoxScore");
  setWindowTitle("Box Score Sheet");
  buildPage();
  addShortcuts();
  connect(qApp, &QApplication::focusChanged, this, &frmBoxScore::focusMoved);
}

frmBoxScore::~frmBoxScore() = default;

const std::filesystem::path& frmBoxScore::gameFilePath() const {
  static const std::filesystem::path none;
  return m_sheet ? m_sheet->file() : none;
}

SheetView* frmBoxScore::addGrid(SheetGrid grid) {
  auto* model = new SheetModel(std::move(grid), m_shown, m_marks, this);
  model->refused = [this](const QString& why) { app().prompter().tell(why); };
  model->nameLeft = [this](const QString& name, const QModelIndex& cell) { return nameLeft(name, cell); };
  auto* view = new SheetView(model, m_players, this);
  connect(view, &SheetView::rowLeft, this, [this, model](int row) { saveRow(model->grid().playerTable, row); });
  connect(view, &SheetView::enterPressed, this, [this, view] { enter(view); });
  connect(view, &SheetView::jump, this, [this, view](int by) { jump(view, by); });
  connect(view, &SheetView::deleteRow, this, [this, view](int row) { deleteRow(view, row); });
  connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this, view](const QModelIndex& now) { showCell(view, now); });
  m_models.push_back(model);
  m_views.push_back(view);
  return view;
}

void frmBoxScore::buildPage() {
  auto* page = new QWidget;
  page->setObjectName("sheetPage");
  auto* grid = new QGridLayout(page);
  int at = 0;
  // Page order, which Ctrl+Down follows: header; quarters beside team statistics; the players
  // two by two.
  const int places[][3] = {{0, 0, 2}, {2, 0, 1}, {2, 1, 1}, {4, 0, 1}, {4, 1, 1}, {6, 0, 1}, {6, 1, 1}, {8, 0, 2}};
  for (SheetGrid& g : sheetGrids()) {
    const QString caption = g.caption;
    SheetView* view = addGrid(std::move(g));
    auto* label = buddyLabel(page, ("lbl" + view->objectName()).toLatin1().constData(), caption, view);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    const int* p = places[at++];
    grid->addWidget(label, p[0], p[1], 1, p[2]);
    grid->addWidget(view, p[0] + 1, p[1], 1, p[2], Qt::AlignTop);
  }
  grid->setRowStretch(10, 1);

  scrollArea = new QScrollArea(this);
  scrollArea->setObjectName("scrollArea");
  scrollArea->setWidgetResizable(true);
  scrollArea->setWidget(page);
  lblGame = new QLabel(this);
  lblGame->setObjectName("lblGame");
  cmdCheckGame = new QPushButton("Check Game", this);
  cmdCheckGame->setObjectName("cmdCheckGame");
  cmdCheckGame->setToolTip("Check the saved game for figures that cannot all be right (F7)");
  cmdClose = new QPushButton("Close", this);
  cmdClose->setObjectName("cmdClose");
  connect(cmdCheckGame, &QPushButton::clicked, this, &frmBoxScore::checkGame);
  connect(cmdClose, &QPushButton::clicked, this, [this] { unload(); });
  auto* top = new QHBoxLayout;
  top->addWidget(lblGame, 1);
  top->addWidget(cmdCheckGame);
  top->addWidget(cmdClose);
  auto* main = new QVBoxLayout(this);
  main->addLayout(top);
  main->addWidget(scrollArea, 1);
  resize(1300, 680);
}

void frmBoxScore::addShortcuts() {
  const auto add = [this](QKeySequence key, auto slot) {
    auto* s = new QShortcut(key, this);
    s->setContext(Qt::WidgetWithChildrenShortcut);
    connect(s, &QShortcut::activated, this, slot);
  };
  add(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { undo(); });
  add(QKeySequence(Qt::Key_F7), [this] { checkGame(); });
  add(QKeySequence(Qt::Key_Escape), [this] { unload(); });
}

SheetView* frmBoxScore::view(const QString& name) const {
  for (SheetView* v : m_views)
    if (v->objectName() == name) return v;
  return nullptr;
}

bool frmBoxScore::openGame(const std::filesystem::path& gameFile) {
  if (m_sheet && isSameGameFile(m_sheet->file(), gameFile)) return true;
  if (m_sheet && !saveAll()) return false;
  std::unique_ptr<BoxScore> sheet;
  try {
    sheet = std::make_unique<BoxScore>(gameFile);
  } catch (const std::exception& e) {
    app().prompter().tell(QStringLiteral("The game cannot be opened in the sheet: %1").arg(reasonOf(e)));
    return false;
  }
  m_sheet = std::move(sheet);
  m_shown = m_sheet.get();
  m_told.clear();
  m_marks.failures.clear();
  const auto& file = m_sheet->file();
  lblGame->setText(QStringLiteral("Game %1 of %2")
                       .arg(QString::fromStdString(file.stem().string()).mid(4),
                            QString::fromStdString(file.parent_path().filename().string())));
  setWindowTitle("Box Score Sheet - " + lblGame->text());
  readRoster();
  refresh();
  m_views.front()->setFocus();
  m_views.front()->setCurrentIndex(m_views.front()->firstCell(0));
  return true;
}

void frmBoxScore::readRoster() {
  m_players.clear();
  m_marks.roster.clear();
  m_marks.rosterRead = false;
  try {
    m_players = yardmark::readRoster(ensureRosterDatabase(app().tree()));
    std::vector<std::string> names;
    for (const RosterPlayer& p : m_players) {
      names.push_back(playerNameText(p.name));
      m_marks.roster.insert(names.back());
    }
    m_marks.rosterRead = true;
    m_roster = RosterIndex(std::move(names));
  } catch (const std::exception& e) {  // names go unchecked; the rest still works
    m_roster = RosterIndex();
  }
  for (SheetView* v : m_views) static_cast<SheetDelegate*>(v->itemDelegate())->setPlayers(m_players);
}

void frmBoxScore::refresh() {
  m_marks.findings.clear();
  if (m_sheet) {
    const Game game = m_sheet->asGame();
    for (const Finding& f : auditGame(game, m_roster))
      if (f.field != 0)
        m_marks.findings[{f.table, isPlayerTable(f.table) ? f.row : 0, f.field}] = QString::fromStdString(f.message);
    const auto sums = playersSums(game);
    m_marks.playersSums.assign(sums.begin(), sums.end());
  }
  for (SheetModel* m : m_models) m->sync();
}

void frmBoxScore::formActivate() {
  if (!m_sheet) return;
  if (!isAncestorOf(QApplication::focusWidget())) m_views.front()->setFocus();
  // Another form may have saved rows of this game, or the roster, since.
  try {
    m_sheet->reload();
  } catch (const std::exception& e) {
    app().prompter().tell(QStringLiteral("The game could not be read again: %1").arg(reasonOf(e)));
  }
  readRoster();
  refresh();
}

void frmBoxScore::failed(int table, int row, const QString& reason) {
  m_marks.failures[{table, row}] = reason;
  if (m_told.insert(reason).second) app().prompter().tell(QStringLiteral("The row could not be saved: %1").arg(reason));
}

void frmBoxScore::saveRow(int table, int row) {
  if (!m_sheet || row < 0 || row >= static_cast<int>(m_sheet->rows(table).size())) return;
  if (!m_sheet->rows(table)[static_cast<std::size_t>(row)].dirty) return;  // nothing typed: nothing to write
  try {
    m_sheet->save(table, static_cast<std::size_t>(row));
    m_marks.failures.erase({table, row});
  } catch (const std::exception& e) {
    failed(table, row, reasonOf(e));
  }
  refresh();
}

void frmBoxScore::saveGrid(SheetView* view) {
  SheetModel* m = view->sheetModel();
  if (m->isPlayerGrid()) {
    saveRow(m->grid().playerTable, view->currentIndex().row());
    return;
  }
  std::set<int> tables;
  for (const auto& row : m->grid().cells)
    for (const SheetCell& c : row)
      if (c.role != CellRole::None) tables.insert(c.table);
  for (int t : tables) saveRow(t, 0);
}

bool frmBoxScore::saveAll() {
  if (!m_sheet) return true;
  for (SheetView* v : m_views) v->commitEditor();
  try {
    m_sheet->saveAll();
    m_marks.failures.clear();
    refresh();
    return true;
  } catch (const std::exception& e) {
    refresh();
    app().prompter().tell(QStringLiteral("The typing could not be saved: %1").arg(reasonOf(e)));
    return false;
  }
}

void frmBoxScore::deleteRow(SheetView* view, int row) {
  const int table = view->sheetModel()->grid().playerTable;
  try {
    m_sheet->remove(table, static_cast<std::size_t>(row));
  } catch (const std::exception& e) {
    app().prompter().tell(QStringLiteral("The row could not be deleted: %1").arg(reasonOf(e)));
    return;
  }
  m_marks.failures.clear();
  refresh();
  view->setCurrentIndex(view->sheetModel()->index(std::min(row, view->sheetModel()->blankRow()), 0));
}

void frmBoxScore::undo() {
  if (!m_sheet) return;
  int table = 0;
  std::size_t row = 0;
  try {
    if (!m_sheet->undo(&table, &row)) return;
  } catch (const std::exception& e) {
    failed(table, static_cast<int>(row), reasonOf(e));
  }
  refresh();
  for (SheetView* v : m_views)
    if (v->sheetModel()->grid().playerTable == table) {
      v->setFocus();
      v->setCurrentIndex(v->firstCell(static_cast<int>(row)));
    }
}

void frmBoxScore::enter(SheetView* view) {
  SheetModel* m = view->sheetModel();
  if (m->isPlayerGrid()) {
    saveRow(m->grid().playerTable, view->currentIndex().row());
    view->setCurrentIndex(view->firstCell(-1));
    return;
  }
  saveGrid(view);
  const int next = view->currentIndex().row() + 1;
  if (next < m->rowCount())
    view->setCurrentIndex(view->firstCell(next));
  else
    jump(view, 1);
}

void frmBoxScore::jump(SheetView* from, int by) {
  const auto at = std::find(m_views.begin(), m_views.end(), from) - m_views.begin();
  const auto to = (at + by + static_cast<long>(m_views.size())) % static_cast<long>(m_views.size());
  SheetView* view = m_views[static_cast<std::size_t>(to)];
  view->setFocus();
  view->setCurrentIndex(view->firstCell(view->sheetModel()->isPlayerGrid() ? -1 : 0));
}

SheetView* frmBoxScore::gridOf(QWidget* widget) const {
  for (SheetView* v : m_views)
    if (widget && (v == widget || v->isAncestorOf(widget))) return v;
  return nullptr;
}

void frmBoxScore::focusMoved(QWidget* before, QWidget* now) {
  if (!m_sheet || !now) return;
  SheetView* left = gridOf(before);
  if (!left || gridOf(now) == left) return;
  left->clearSelection();  // one highlighted cell on the page: the one being typed in
  // Leaving a grid for another saves it. Another form coming to the front saves every grid
  // first (formDeactivate), before that form reads the game.
  if (isAncestorOf(now)) saveGrid(left);
}

std::optional<QString> frmBoxScore::nameLeft(const QString& name, const QModelIndex& cell) {
  if (!m_marks.rosterRead || m_marks.roster.count(name.toStdString()) || m_kept.count(name)) return name;
  const QString text = QStringLiteral("%1 is not on the roster. Add %1 to the roster?").arg(name);
  switch (app().prompter().message(MessageBox(text, Buttons::YesNoKeep, Icon::Question))) {
    case Answer::Yes:
      break;
    case Answer::Ignore:
      m_kept.insert(name);
      return name;
    default:  // back into the cell to type the name again, once the cursor has left it
      for (SheetView* v : m_views)
        if (v->model() == cell.model())
          QTimer::singleShot(0, v, [v, at = QPersistentModelIndex(cell)] {
            v->setFocus();
            v->setCurrentIndex(at);
            v->edit(at);
          });
      return std::nullopt;
  }
  PersonName person = personOfPlayerText(name.toStdString());
  for (std::string* part : {&person.last, &person.first, &person.middle}) *part = importedName(*part).value_or("");
  try {
    importIntoRoster(app().tree(), {person});
  } catch (const std::exception& e) {
    app().prompter().tell(QStringLiteral("%1 could not be added to the roster: %2").arg(name, reasonOf(e)));
    return name;
  }
  readRoster();
  return QString::fromStdString(playerNameText(person));
}

void frmBoxScore::showCell(SheetView* view, const QModelIndex& index) {
  if (!index.isValid()) return;
  const QRect cell = view->visualRect(index);
  const QPoint centre = view->viewport()->mapTo(scrollArea->widget(), cell.center());
  scrollArea->ensureVisible(centre.x(), centre.y(), 40, cell.height() * 2);
}

// The check reads the file, whose order differs from the sheet's when rows were saved in another
// order than typed: a player row is found by its key.
int frmBoxScore::sheetRowOf(const Finding& f) const {
  if (!isPlayerTable(f.table)) return 0;
  const std::vector<SheetRow>& rows = m_sheet->rows(f.table);
  const auto it = std::find_if(rows.begin(), rows.end(), [&](const SheetRow& r) { return r.key == f.bookmark; });
  return it != rows.end() ? static_cast<int>(it - rows.begin()) : f.row;
}

void frmBoxScore::checkGame() {
  if (!m_sheet || !saveAll()) return;
  if (!m_check)
    m_check = new frmGameCheck(this, [this](const Finding& f) {
      for (SheetView* v : m_views) {
        const SheetGrid& g = v->sheetModel()->grid();
        const bool here = g.playerTable == f.table || (g.playerTable < 0 && g.cells.front().front().table == f.table);
        if (!here) continue;
        activateWindow();
        v->setFocus();
        v->setCurrentIndex(v->firstCell(sheetRowOf(f)));
        return;
      }
    });
  m_check->check(m_sheet->file(), m_roster);
  m_check->setWindowTitle("Check Game - " + QString::fromStdString(m_sheet->file().filename().string()));
  m_check->show();
  m_check->raise();
}

void frmBoxScore::formUnload(bool& cancel) {
  if (!m_sheet) return;
  for (SheetView* v : m_views) v->commitEditor();
  try {
    m_sheet->saveAll();
  } catch (const std::exception& e) {
    const Answer answer = app().prompter().message(
        MessageBox(QStringLiteral("The typing could not be saved: %1\nClose the sheet and lose it?").arg(reasonOf(e)),
                   Buttons::YesNo, Icon::Exclamation, {}, Answer::No));
    if (answer != Answer::Yes) {
      cancel = true;
      return;
    }
  }
  if (m_check) m_check->hide();
  m_shown = nullptr;
  m_sheet.reset();
  for (SheetModel* m : m_models) m->sync();
}

}  // namespace yardmark
