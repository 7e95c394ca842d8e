#pragma once
// The game entry form: one game file typed in, section by section. The form owns the open game
// file and its eight table views; the sections (three game-level ones of its own, five player
// sections plugged in with addPlayerSection) show and save the rows.
#include <QRect>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "core/db/Database.h"
#include "gui/entry/Section.h"
#include "gui/shell/Form.h"
#include "gui/shell/GlobalVariables.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QVBoxLayout;

namespace yardmark {

struct Finding;
class frmGameCheck;
class GameDetailsSection;
class GameLevelSection;
struct GameLevelConfig;
class PlayerSection;

class frmNewGame : public Form, public SectionHost, public EntrySections {
  Q_OBJECT
 public:
  explicit frmNewGame(App& app);
  ~frmNewGame() override;

  // The game file the form has open; empty while none is.
  const std::filesystem::path& gameFilePath() const { return m_gameFilePath; }
  // File > New hands over the exact file it found or made for the shared year and number: one
  // folder may hold "Game3.mdb" and "game3.mdb", two games.
  void takeNewGameFile(const std::filesystem::path& exact);

  // A player section whose widget already sits in its frame; activation runs its enable() in
  // the section order, and the all-sections check finds it through section().
  void addPlayerSection(EntrySection which, Section* section);

  // SectionHost
  App& app() override { return Form::app(); }
  Recordset& view(int table) override;
  void reopenView(int table, const std::string& query) override;
  // Opens the game file and its eight views; throws DbError (3024 when the file is missing)
  // and then leaves what was open as it was.
  void loadGameDB() override;
  bool& newRowPending(int table) override { return m_newRowPending.at(static_cast<std::size_t>(table)); }
  void checkGameFile() override;
  void noteSaveFailed() override { m_saveFailed = true; }

  // EntrySections
  SilentSave* section(EntrySection which) override;
  void selectTabs(int ssTab1, int ssTab2) override;

  int currentTab() const { return m_currentTab; }

  // Check Game: the saved game's findings in their own window, opened or brought up to date.
  void checkGame();
  frmGameCheck* checkWindow() const { return m_check; }
  // The page and section of a finding, and for a player row that row.
  void goToFinding(const Finding& finding);

  // Pages and frames.
  QTabWidget* SSTab1;
  QTabWidget* SSTab2;
  std::array<QPushButton*, 4> cmdNext;       // objectName "cmdNext" on each page, property "Index"
  std::array<QPushButton*, 4> cmdCheckGame;  // beside each "Next Tab"; F7 does the same
  QGroupBox* Frame1;                         // header
  QGroupBox* Frame2;                         // "Quarter"
  QGroupBox* Frame3;                         // team statistics
  QGroupBox* Frame4;                         // rushing (SSTab2 page 0)
  QGroupBox* Frame5;                         // passing (SSTab2 page 1)
  QGroupBox* Frame6;                         // receiving (SSTab2 page 2)
  QGroupBox* Frame7;                         // "Scoring"
  QGroupBox* Frame8;                         // defense
  QLabel* Label5;
  QLabel* Picture1;
  QLabel* pictureMain;

  // Header.
  QLineEdit* txtOwnTeamName;
  QLineEdit* txtOppTeamName;
  QComboBox* cmbYear;
  QLineEdit* txtGameNumber;
  QRadioButton* optRecWins;
  QRadioButton* optRecLosses;
  QPushButton* cmdhEdit;
  QPushButton* cmdhSave;

  // Quarter scores, in column order (1 Opp, 1 Own, 2 Opp, ...).
  QLineEdit* txtQuarter1Opp;
  QLineEdit* txtQuarter1Own;
  QLineEdit* txtQuarter2Opp;
  QLineEdit* txtQuarter2Own;
  QLineEdit* txtQuarter3Opp;
  QLineEdit* txtQuarter3Own;
  QLineEdit* txtQuarter4Opp;
  QLineEdit* txtQuarter4Own;
  QLineEdit* txtTotalOpp;
  QLineEdit* txtTotalOwn;
  QPushButton* cmdqEdit;
  QPushButton* cmdqSave;

  // Team statistics: the ten opponent boxes, then the ten own boxes (column order 1 to 20).
  std::array<QLineEdit*, 10> txtOT;
  std::array<QLineEdit*, 10> txtOwT;
  QPushButton* cmdtsEdit;
  QPushButton* cmdtsSave;

  // The game's date, site, place, overtime points and notes, below the quarter scores.
  GameDetailsSection* details() const { return m_details; }
  // The team name boxes offer the names of the games of the open game's year and the year before.
  void loadTeamNames();

 protected:
  void formActivate() override;
  void formUnload(bool& cancel) override;
  // F7 wherever the focus is in the form: no box takes that key, so it comes up to here.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildPages();
  void fillGamePage(QWidget* page, QVBoxLayout* layout);
  void fillOffensePage(QWidget* page, QVBoxLayout* layout);
  QWidget* buildHeader();
  QWidget* buildQuarter();
  QWidget* buildTeamStats();
  void buildSections();
  GameLevelConfig headerConfig();
  GameLevelConfig quarterConfig();
  GameLevelConfig teamStatsConfig();
  void calTotal();
  void loadPlayerName();
  std::filesystem::path pathOfGame() const;
  // On the screen: the form's window, and a section's frame (its page when the frame is hidden).
  QRect screenRect() const;
  QRect sectionRect(GameTable table) const;
  void closeGameDB();
  Database& gameDatabase();  // throws DbError while no game file is open
  void cmdNextClick();
  void addPageShortcuts();

  std::filesystem::path m_gameFilePath;
  std::filesystem::path m_newGameFile;  // with the year and number it was handed over for
  QString m_newGameYear;
  double m_newGameNumber = 0;
  std::optional<Database> m_gameDatabase;
  std::vector<Recordset> m_gameTables;  // gameTables: empty while no game file is open
  std::array<bool, kGameTableCount> m_newRowPending{};
  int m_currentTab = 0;
  bool m_saveFailed = false;

  std::unique_ptr<GameLevelSection> m_header, m_quarter, m_teamStats;
  GameDetailsSection* m_details = nullptr;             // a frame of the page, saved with the header
  std::array<Section*, kGameTableCount> m_sections{};  // by EntrySection order
  std::array<PlayerSection*, 5> m_playerSections{};    // rushing, passing, receiving, scoring, defense
  frmGameCheck* m_check = nullptr;                     // made on the first Check Game
};

}  // namespace yardmark
