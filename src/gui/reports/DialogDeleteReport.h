#pragma once
// Reports > Delete: a report of the reports folder, deleted after a question.
#include "gui/reports/ReportFileDialog.h"

namespace yardmark {

class DialogDeleteReport : public ReportFileDialog {
  Q_OBJECT
 public:
  explicit DialogDeleteReport(App& app);

  QLabel* Label3;

 protected:
  void OKButton_Click() override;
};

}  // namespace yardmark
