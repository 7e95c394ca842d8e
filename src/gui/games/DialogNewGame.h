#pragma once
// File > New: the user picks a year and types a game number; the game file is made from the
// master template unless it is there already, and the entry form opens on it.
#include <QString>
#include <filesystem>
#include <functional>
#include <string>

#include "gui/shell/Form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace yardmark {

class GameFileLists;

class DialogNewGame : public Form {
  Q_OBJECT
 public:
  explicit DialogNewGame(App& app);

  QGroupBox* Frame2;
  QLabel* Label1;
  QListWidget* Dir1;
  QListWidget* File1;
  QGroupBox* Frame1;
  QLabel* Label3;
  QComboBox* cmbYear;
  QLabel* Label4;
  QLineEdit* txtGameNumber;
  QLabel* lable1;
  QPushButton* OKButton;
  QPushButton* CancelButton;

  void OKButton_Click();

  // Where OK hands the game over this once: the entry form unless a caller asks for another
  // (the box-score sheet). Closing the dialog forgets it.
  using HandOver = std::function<void(Form& dialog, const std::filesystem::path& game)>;
  void handOverTo(HandOver handOver) { m_handOver = std::move(handOver); }

 protected:
  void formActivate() override;
  void formUnload(bool&) override { m_handOver = {}; }
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildWidgets();
  void layOut();
  // Makes the year folder and, unless it is there, the game file; false after telling the
  // user why it could not.
  bool makeGameFile(const std::string& year, const std::filesystem::path& game);
  // The next free number of the year in the box.
  void suggestNumber();
  // An existing game is opened, not made again: the user says so first. False: stay here.
  bool openingExistingAgreed(const std::string& year, const std::string& number, const std::filesystem::path& game);

  GameFileLists* m_lists;
  HandOver m_handOver;
};

}  // namespace yardmark
