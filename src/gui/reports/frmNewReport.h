#pragma once
// The games of a report: a year folder of the games folder, its game files not chosen yet,
// the chosen games; "Generate Reports" writes the report from them.
#include <QStringList>

#include "gui/shell/Form.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace yardmark {

class FolderFileLists;
class TwoListPicker;

class frmNewReport : public Form {
  Q_OBJECT
 public:
  explicit frmNewReport(App& app);

  QGroupBox* Frame1;
  QLabel* Label1;
  QListWidget* Dir1;
  QLabel* Label2;
  QListWidget* File1;
  QLabel* Label3;
  QListWidget* listDatabase;
  QPushButton* cmdAddDatabase;
  QPushButton* cmdAddAll;
  QPushButton* cmdRemoveDatabase;
  QPushButton* cmdRemoveAll;
  QPushButton* cmdGenerateReports;

  // The chosen games in list order ("2007\Game1.mdb").
  QStringList chosenGames() const;

 protected:
  void formActivate() override;

 private:
  void makeWidgets();
  void buildLayout();
  void cmdGenerateReports_Click();

  FolderFileLists* m_lists;
  TwoListPicker* m_picker;
  bool m_placed = false;
};

}  // namespace yardmark
