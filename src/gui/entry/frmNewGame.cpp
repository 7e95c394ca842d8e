#include "gui/entry/frmNewGame.h"

#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "core/files/DataTree.h"
#include "core/games/GameFolder.h"
#include "core/roster/Roster.h"
#include "gui/entry/GameDetailsSection.h"
#include "gui/entry/GameLevelSection.h"
#include "gui/entry/PlayerNameLists.h"
#include "gui/entry/PlayerSection.h"
#include "gui/entry/frmGameCheck.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/FormKit.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/TellFailure.h"

namespace yardmark {

frmNewGame::frmNewGame(App& app) : Form(app) {
  setObjectName("frmNewGame");
  setWindowTitle("New Game Stats");
  buildPages();
  buildSections();
  QGroupBox* playerFrames[] = {Frame4, Frame5, Frame6, Frame7, Frame8};
  for (std::size_t i = 0; i < kPlayerSections.size(); ++i) {
    m_playerSections[i] = new PlayerSection(*this, kPlayerSections[i], playerFrames[i]);
    playerFrames[i]->layout()->addWidget(m_playerSections[i]);
    addPlayerSection(kPlayerSections[i].section, m_playerSections[i]);
  }
  addPageShortcuts();
}

// Ctrl+Tab / Ctrl+Shift+Tab turn the pages. The main window's area cycles its windows on the
// same keys from its key filter; a shortcut is matched before any key press is sent, so this
// form's pages win while the focus is in it.
void frmNewGame::addPageShortcuts() {
  const std::pair<QKeySequence, int> keys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                                               {QKeySequence(Qt::CTRL | Qt::Key_Backtab), -1}};
  for (const auto& [sequence, step] : keys) {
    auto* shortcut = new QShortcut(sequence, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, step = step] {
      const int pages = SSTab1->count();
      SSTab1->setCurrentIndex((SSTab1->currentIndex() + step + pages) % pages);
    });
  }
}

frmNewGame::~frmNewGame() {
  if (Form::app().vars().entrySections() == this) Form::app().vars().setEntrySections(nullptr);
}

GameLevelConfig frmNewGame::headerConfig() {
  namespace h = col::header;
  return {kHeader,
          cmdhEdit,
          cmdhSave,
          {{h::kOwnTeamName, txtOwnTeamName, GameField::Text, true},
           {h::kOppTeamName, txtOppTeamName, GameField::Text, true},
           {h::kYear, cmbYear, GameField::Number, false},
           {h::kGameNumber, txtGameNumber, GameField::Number, false},
           {h::kRecordWins, optRecWins, GameField::Option, true},
           {h::kRecordLosses, optRecLosses, GameField::Option, true}},
          "Select Game Status (Wins/Losses)",
          "Team(s) name can not be left blank.",
          [this] {
            cmbYear->setEditText(Form::app().vars().currentGameYear);
            txtGameNumber->setText(QString::fromStdString(textOfNumber(Form::app().vars().currentGameNumber)));
          }};
}

GameLevelConfig frmNewGame::quarterConfig() {
  namespace q = col::quarter;
  return {kQuarter,
          cmdqEdit,
          cmdqSave,
          {{q::kQuarter1Opp, txtQuarter1Opp, GameField::Number, true},
           {q::kQuarter1Own, txtQuarter1Own, GameField::Number, true},
           {q::kQuarter2Opp, txtQuarter2Opp, GameField::Number, true},
           {q::kQuarter2Own, txtQuarter2Own, GameField::Number, true},
           {q::kQuarter3Opp, txtQuarter3Opp, GameField::Number, true},
           {q::kQuarter3Own, txtQuarter3Own, GameField::Number, true},
           {q::kQuarter4Opp, txtQuarter4Opp, GameField::Number, true},
           {q::kQuarter4Own, txtQuarter4Own, GameField::Number, true},
           {q::kTotalOpp, txtTotalOpp, GameField::Number, false},
           {q::kTotalOwn, txtTotalOwn, GameField::Number, false}},
          nullptr,
          "Empty values can not be saved/updated.",
          [this] {
            txtTotalOpp->clear();
            txtTotalOwn->clear();
          }};
}

GameLevelConfig frmNewGame::teamStatsConfig() {
  GameLevelConfig teamStats{kTeamStats, cmdtsEdit, cmdtsSave, {}, nullptr, "Empty values can not be saved/updated.",
                            {}};
  // The opponent's boxes first: the focus goes there first.
  for (std::size_t k = 0; k < kTeamStatistics.size(); ++k)
    teamStats.fields.push_back({kTeamStatistics[k].opp, txtOT[k], GameField::Number, true});
  for (std::size_t k = 0; k < kTeamStatistics.size(); ++k)
    teamStats.fields.push_back({kTeamStatistics[k].own, txtOwT[k], GameField::Number, true});
  return teamStats;
}

void frmNewGame::buildSections() {
  GameLevelConfig header = headerConfig();
  header.savedBefore = m_details;  // typed details are kept even when the header is incomplete
  m_header = std::make_unique<GameLevelSection>(*this, std::move(header));
  m_quarter = std::make_unique<GameLevelSection>(*this, quarterConfig());
  m_teamStats = std::make_unique<GameLevelSection>(*this, teamStatsConfig());
  m_sections[static_cast<int>(EntrySection::Header)] = m_header.get();
  m_sections[static_cast<int>(EntrySection::Quarter)] = m_quarter.get();
  m_sections[static_cast<int>(EntrySection::TeamStats)] = m_teamStats.get();

  const std::pair<GameLevelSection*, std::pair<QPushButton*, QPushButton*>> buttons[] = {
      {m_header.get(), {cmdhEdit, cmdhSave}},
      {m_quarter.get(), {cmdqEdit, cmdqSave}},
      {m_teamStats.get(), {cmdtsEdit, cmdtsSave}}};
  for (const auto& [section, pair] : buttons) {
    connect(pair.first, &QPushButton::clicked, this, [section] { section->editClick(); });
    connect(pair.second, &QPushButton::clicked, this, [section] { section->saveClick(); });
  }
}

void frmNewGame::addPlayerSection(EntrySection which, Section* section) {
  m_sections.at(static_cast<std::size_t>(which)) = section;
  // Each page's "Next Tab" comes after what its frames hold, however late they were filled.
  QGroupBox* frames[] = {Frame4, Frame5, Frame6, Frame7, Frame8};
  const int player = static_cast<int>(which) - static_cast<int>(EntrySection::Rushing);
  if (player < 0 || player > 4) return;
  QWidget* last = nullptr;
  QGroupBox* frame = frames[player];
  for (QWidget* w = frame->nextInFocusChain(); w != frame; w = w->nextInFocusChain())
    if (frame->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus)) last = w;
  if (last) QWidget::setTabOrder(last, cmdNext[gameTable(tableOf(which)).tab]);
}

SilentSave* frmNewGame::section(EntrySection which) { return m_sections.at(static_cast<std::size_t>(which)); }

void frmNewGame::selectTabs(int ssTab1, int ssTab2) {
  SSTab1->setCurrentIndex(ssTab1);
  if (ssTab2 >= 0) SSTab2->setCurrentIndex(ssTab2);
}

void frmNewGame::cmdNextClick() {
  int next = m_currentTab + 1;
  if (next > 3) next = 0;
  m_currentTab = next;
  SSTab1->setCurrentIndex(next);
}

void frmNewGame::calTotal() {
  const auto sum = [](std::initializer_list<const QLineEdit*> boxes) {
    double total = 0;
    for (const QLineEdit* box : boxes) total += numberFromText(box->text().toStdString());
    return QString::fromStdString(textOfNumber(total));
  };
  txtTotalOpp->setText(sum({txtQuarter1Opp, txtQuarter2Opp, txtQuarter3Opp, txtQuarter4Opp}));
  txtTotalOwn->setText(sum({txtQuarter1Own, txtQuarter2Own, txtQuarter3Own, txtQuarter4Own}));
}

void frmNewGame::loadPlayerName() {
  std::array<QComboBox*, 5> combos{};
  for (std::size_t i = 0; i < combos.size(); ++i) combos[i] = m_playerSections[i]->nameCombo();
  loadPlayerNames(Form::app().tree(), Form::app().prompter(), combos);
}

void frmNewGame::loadTeamNames() {
  // The year folder of the game, opened from a file or made new, and the one of the year before.
  const std::filesystem::path folder = pathOfGame().parent_path();
  std::vector<std::filesystem::path> files = listGameFiles(folder);
  if (const int year = std::atoi(folder.filename().string().c_str()); year > 0)
    for (const auto& file : listGameFiles(folder.parent_path() / std::to_string(year - 1))) files.push_back(file);
  const TeamNames names = teamNamesOf(files);
  const std::pair<QLineEdit*, const std::vector<std::string>*> boxes[] = {{txtOwnTeamName, &names.own},
                                                                          {txtOppTeamName, &names.opp}};
  for (const auto& [box, list] : boxes) {
    QStringList texts;
    for (const std::string& name : *list) texts << QString::fromStdString(name);
    auto* completer = new QCompleter(texts, box);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    delete box->completer();
    box->setCompleter(completer);
  }
}

// ---------------------------------------------------------------- Check Game

void frmNewGame::checkGame() {
  if (m_gameFilePath.empty()) return;
  RosterIndex roster;
  try {
    roster = RosterIndex(playerNameTexts(Form::app().tree()));
  } catch (const std::exception&) {  // without the roster the names go unchecked; the rest still counts
  }
  if (!m_check) m_check = new frmGameCheck(this, [this](const Finding& f) { goToFinding(f); });
  m_check->check(m_gameFilePath, roster);
  m_check->setWindowTitle("Check Game - " + QString::fromStdString(m_gameFilePath.filename().string()));
  // Opened beside the form; once open it stays where the user put it, unless it covers a section.
  const auto& findings = m_check->findings();
  const QRect section = findings.empty() ? sectionRect(kHeader) : sectionRect(findings.front().table);
  const bool wasOpen = m_check->isVisible();
  m_check->show();  // first, so that the window manager's frame is counted
  m_check->keepClearOf(screenRect(), section, wasOpen);
  // A window manager frames the window a moment after it is shown, and only then is its title
  // bar known: placed again then, so that the title bar stays off the section too.
  if (!wasOpen)
    QTimer::singleShot(200, m_check, [this, section] { m_check->keepClearOf(screenRect(), section, false); });
  m_check->raise();
  m_check->activateWindow();
}

void frmNewGame::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F7 && event->modifiers() == Qt::NoModifier) {
    checkGame();
    return;
  }
  Form::keyPressEvent(event);
}

void frmNewGame::goToFinding(const Finding& finding) {
  selectTabs(gameTable(finding.table).tab, gameTable(finding.table).subTab);
  activateWindow();
  if (isPlayerTable(finding.table) && finding.row >= 0)
    m_playerSections.at(static_cast<std::size_t>(finding.table - kRushing))->showRow(finding.bookmark);
  if (m_check && m_check->isVisible()) m_check->keepClearOf(screenRect(), sectionRect(finding.table), true);
}

QRect frmNewGame::screenRect() const {
  const QWidget* window = Form::app().forms().subWindowOf(*this);
  if (!window) window = this;
  return {window->mapToGlobal(QPoint(0, 0)), window->size()};
}

QRect frmNewGame::sectionRect(GameTable table) const {
  const std::array<QWidget*, kGameTableCount> frames{Frame1, Frame2, Frame3, Frame4, Frame5, Frame6, Frame7, Frame8};
  const QWidget* frame = frames.at(static_cast<std::size_t>(table));
  if (!frame->isVisible()) frame = SSTab1;
  return {frame->mapToGlobal(QPoint(0, 0)), frame->size()};
}

// ---------------------------------------------------------------- game file

void frmNewGame::takeNewGameFile(const std::filesystem::path& exact) {
  const GlobalVariables& vars = Form::app().vars();
  m_newGameFile = exact;
  m_newGameYear = vars.currentGameYear;
  m_newGameNumber = vars.currentGameNumber;
}

std::filesystem::path frmNewGame::pathOfGame() const {
  const GlobalVariables& vars = Form::app().vars();
  // Found again by its text or its year and number only when no exact file came with them.
  if (vars.gameOpenedFromFile) {
    if (std::filesystem::path picked = vars.pickedGameFile(); !picked.empty()) return picked;
    return findPathCaseInsensitive(trimmed(vars.openGamePath.toStdString()));
  }
  if (!m_newGameFile.empty() && vars.currentGameYear == m_newGameYear && vars.currentGameNumber == m_newGameNumber)
    return m_newGameFile;
  return Form::app().tree().gameFileAsOpened(vars.currentGameYear.toStdString(), textOfNumber(vars.currentGameNumber));
}

void frmNewGame::loadGameDB() {
  const std::filesystem::path path = pathOfGame();
  Database db(path);
  std::vector<Recordset> views;
  for (const GameTableLayout& table : gameTables()) views.push_back(db.openRecordset(table.query));
  m_gameTables = std::move(views);
  m_gameDatabase = std::move(db);
  m_gameFilePath = path;
}

void frmNewGame::closeGameDB() {
  m_gameTables.clear();
  m_gameDatabase.reset();
}

Recordset& frmNewGame::view(int table) {
  if (m_gameTables.empty()) throw DbError(dberr::EngineFailure, "No game file is open.");
  return m_gameTables.at(static_cast<std::size_t>(table));
}

Database& frmNewGame::gameDatabase() {
  if (!m_gameDatabase) throw DbError(dberr::EngineFailure, "No game file is open.");
  return *m_gameDatabase;
}

void frmNewGame::reopenView(int table, const std::string& query) { view(table) = m_gameDatabase->openRecordset(query); }

void frmNewGame::checkGameFile() {
  std::error_code ec;
  if (!m_gameDatabase || !std::filesystem::is_regular_file(m_gameFilePath, ec))
    throw DbError(dberr::FileNotFound, "The game file '" + m_gameFilePath.string() +
                                           "' was removed or renamed while it was open; nothing was saved.");
}

// ---------------------------------------------------------------- activation and unload

void frmNewGame::formActivate() {
  App& app = Form::app();
  GlobalVariables& vars = app.vars();
  vars.setGameFormActive(true);
  vars.setEntrySections(this);

  placeOverMainWindow(*this);

  m_currentTab = 0;
  SSTab1->setCurrentIndex(0);
  cmbYear->setEditText(vars.currentGameYear);
  txtGameNumber->setText(QString::fromStdString(textOfNumber(vars.currentGameNumber)));

  loadPlayerName();
  loadTeamNames();
  // Typing kept across activations belongs to the game it was typed for.
  if (pathOfGame() != m_gameFilePath) {
    for (GameLevelSection* s : {m_header.get(), m_quarter.get(), m_teamStats.get()}) s->reset();
    m_details->reset();
    m_newRowPending.fill(false);
  }
  try {
    loadGameDB();
    for (Section* s : m_sections)
      if (s) s->enable();
    m_details->enable();
  } catch (const DbError& e) {
    closeGameDB();
    vars.setGameFormActive(false);
    vars.setEntrySections(nullptr);
    tellFailure(app.prompter(), e, "The game cannot be opened.\r\n");
    QTimer::singleShot(0, this, [this] { unload(); });
    return;
  }
  // The last new section in this order has the focus: a new game starts at the team names. A
  // user coming back to his typing finds the focus where he left it.
  const std::array<GameLevelSection*, 3> order{m_teamStats.get(), m_quarter.get(), m_header.get()};
  if (std::none_of(order.begin(), order.end(), [](GameLevelSection* s) { return s->keptTyping(); }))
    for (GameLevelSection* s : order)
      if (s->enteredNew()) s->focusFirst();
}

void frmNewGame::formUnload(bool& cancel) {
  GlobalVariables& vars = Form::app().vars();
  if (m_gameDatabase && vars.entrySections() == this) {
    m_saveFailed = false;
    vars.checkAllSections();
    if (vars.emptyFieldFound || m_saveFailed) {
      const Answer answer = Form::app().prompter().message(MessageBox(
          "Some data may have been lost due to closing the game file prior to saving.  You may want to re-verify "
          "your data.  Do you want to re-verify your data ?",
          Buttons::YesNo, Icon::Critical, "MsgBox Demonstration", Answer::No));
      if (answer == Answer::Yes) {
        cancel = true;
        return;
      }
    }
  }
  closeGameDB();
  if (m_check) m_check->hide();  // its findings belong to the game that was open
  vars.setGameFormActive(false);
  vars.setEntrySections(nullptr);
}

}  // namespace yardmark
