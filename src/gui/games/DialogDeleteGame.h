#pragma once
// File > Delete: the user picks a game file in a year folder and deletes it after saying Yes.
#include "gui/shell/Form.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace yardmark {

class GameFileLists;

class DialogDeleteGame : public Form {
  Q_OBJECT
 public:
  explicit DialogDeleteGame(App& app);

  QGroupBox* Frame1;
  QListWidget* Dir1;
  QListWidget* File1;
  QLabel* Label1;
  QPushButton* OkButton;
  QPushButton* CancelButton;

  void OkButton_Click();

 protected:
  void formActivate() override;

 private:
  GameFileLists* m_lists;
};

}  // namespace yardmark
