#pragma once
// What the open and delete dialogs of report files share: the reports folder, its report
// pages, OK and Cancel, and the chosen report.
#include <QString>
#include <filesystem>

#include "gui/shell/Form.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QVBoxLayout;

namespace yardmark {

class FolderFileLists;

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
  // The selected report's row; nullptr when none is selected.
  QListWidgetItem* selectedReport() const;

  virtual void OKButton_Click() = 0;

 private:
  FolderFileLists* m_lists;
  QVBoxLayout* m_frameLayout;
};

}  // namespace yardmark
