#pragma once
// What the open and delete dialogs of report files share: the reports folder, its "*.htm"
// files, OK and Cancel, and the chosen file's path.
#include <QString>

#include "gui/shell/Form.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace yardmark {

class ReportFileDialog : public Form {
  Q_OBJECT
 public:
  QGroupBox* Frame1;
  QListWidget* Dir1;
  QListWidget* File1;
  QPushButton* OKButton;
  QPushButton* CancelButton;

 protected:
  ReportFileDialog(App& app, const char* name, const QString& caption, const QString& okCaption);

  void formActivate() override;
  // The frame's layout, for the labels each dialog adds.
  QVBoxLayout* frameLayout() const { return m_frameLayout; }
  // The selected file's name; empty when none is selected.
  QString selectedFile() const;
  // The reports folder, "/" and the file name, with blanks trimmed at both ends.
  QString reportPath(const QString& fileName) const;

  virtual void OKButton_Click() = 0;

 private:
  void showFolder();
  QVBoxLayout* m_frameLayout;
};

}  // namespace yardmark
