#pragma once
// File > Open: the user picks a year folder and a game file in it, sees the season at a
// glance, and the entry form opens on the chosen file.
#include "gui/shell/Form.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace yardmark {

class GameFileLists;

class DialogOpenGame : public Form {
  Q_OBJECT
 public:
  explicit DialogOpenGame(App& app);

  QGroupBox* Frame1;
  QListWidget* Dir1;
  QListWidget* File1;
  QGroupBox* Frame2;
  QLabel* lblGamesPlayed;
  QLabel* lblWins;
  QLabel* lblLosses;
  QLabel* lblTeams;
  // How many files of the year could not be read; hidden while there are none.
  QLabel* lblUnreadable;
  // How many games of the year have figures that cannot all be right; hidden while none do.
  QLabel* lblErrors;
  QPushButton* OkButton;
  QPushButton* CancelButton;

  void OkButton_Click();

 protected:
  void formActivate() override;

 private:
  void showSynopsis();

  GameFileLists* m_lists;
};

}  // namespace yardmark
