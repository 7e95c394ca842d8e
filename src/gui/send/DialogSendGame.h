#pragma once
// File > Send Game: one recorded game to MaxPreps (the stat file) and to the newspaper (the box
// score), from the entry form's game or from a game picked as File > Open picks one.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/games/Game.h"
#include "core/roster/Roster.h"
#include "gui/shell/FilePick.h"
#include "gui/shell/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace yardmark {

class GameFileLists;

class DialogSendGame : public Form {
  Q_OBJECT
 public:
  explicit DialogSendGame(App& app);

  // The menu command: the entry form's game when that form is the active one (its sections
  // saved first, as File > Save does), else the dialog asks for a game.
  static void open(App& app);

  QLabel* lblGame;
  QGroupBox* Frame1;  // the games to pick from, while no entry form's game is sent
  QListWidget* Dir1;
  QListWidget* File1;
  QTabWidget* tabSend;
  QLabel* lblSupplierID;
  QLineEdit* txtSupplierID;
  QLabel* lblLeftOut;
  QLabel* lblProblems;  // why the stat file cannot be made; hidden while it can
  QPushButton* cmdOpenRoster;
  QLabel* lblMaxPreps;
  QPlainTextEdit* txtMaxPreps;
  QPushButton* cmdSaveMaxPreps;
  QLabel* lblBox;
  QPlainTextEdit* txtBox;
  QPushButton* cmdCopy;
  QPushButton* cmdSaveTxt;
  QPushButton* cmdSaveHtm;
  QPushButton* cmdClose;

  // How the dialog asks for the file to save; a test answers in its place.
  PickFile pickFile = pickFileToSave;

  // Sends this game file; an empty path lets the user pick one.
  void sendGame(const std::filesystem::path& file);

 protected:
  void formActivate() override;

 private:
  QWidget* maxPrepsPage();
  QWidget* newspaperPage();
  void refresh();
  void showMaxPreps();
  void save(const QString& caption, const std::string& name, const QString& filter, const std::string& bytes);

  GameFileLists* m_lists;
  std::filesystem::path m_file;
  std::optional<Game> m_game;
  std::vector<RosterPlayer> m_roster;
  std::string m_maxPreps, m_boxText, m_boxHtml;
};

}  // namespace yardmark
