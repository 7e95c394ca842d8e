#pragma once
// Reports > View: a report of the reports folder, shown in the viewer.
#include "gui/reports/ReportFileDialog.h"

namespace yardmark {

class DialogOpenReport : public ReportFileDialog {
  Q_OBJECT
 public:
  explicit DialogOpenReport(App& app);

  QLabel* Label1;
  QLabel* Label2;

 protected:
  void OKButton_Click() override;
};

}  // namespace yardmark
