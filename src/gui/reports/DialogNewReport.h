#pragma once
// Reports > New: the report's file name, checked and kept in currentReportName, then the
// game selection form.
#include "gui/shell/Form.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace yardmark {

class DialogNewReport : public Form {
  Q_OBJECT
 public:
  explicit DialogNewReport(App& app);

  QLabel* Label1;
  QLineEdit* txtReportName;
  QLabel* Label3;
  QLabel* lable1;
  QLabel* Label2;
  QListWidget* File1;
  QPushButton* OKButton;
  QPushButton* CancelButton;

 protected:
  void formActivate() override;

 private:
  void OKButton_Click();
  // Asks before an existing report of exactly this stored name would be replaced; false on No.
  bool mayOverwrite(const QString& storedName);
};

}  // namespace yardmark
