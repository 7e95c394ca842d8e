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

  // Rebuilds File1: the game files of the selected year that are not chosen yet.
  void showFiles();
  // The chosen games in list order ("2007\Game1.mdb").
  QStringList chosenGames() const;

 protected:
  void formActivate() override;

 private:
  QString selectedYear() const;
  void addEntry(const QString& entry);
  void cmdAddDatabase_Click();
  void cmdAddAll_Click();
  void cmdRemoveDatabase_Click();
  void cmdRemoveAll_Click();
  void cmdGenerateReports_Click();

  bool m_placed = false;
};

}  // namespace yardmark
