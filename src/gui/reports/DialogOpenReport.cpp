#include "gui/reports/DialogOpenReport.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "gui/reports/frmViewReport.h"
#include "gui/shell/App.h"
#include "gui/shell/FolderFileLists.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/FormKit.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

namespace fs = std::filesystem;

DialogOpenReport::DialogOpenReport(App& app) : ReportFileDialog(app, "DialogOpenReport", "Open Report", "OK") {
  Label1 = buddyLabel(Frame1, "Label1", "Select Year", Dir1);
  Label2 = buddyLabel(Frame1, "Label2", "Select Report", File1);
  for (QWidget* w : std::initializer_list<QWidget*>{Label1, Dir1, Label2, File1}) frameLayout()->addWidget(w);
  resize(380, 320);
}

void DialogOpenReport::OKButton_Click() {
  const QListWidgetItem* report = selectedReport();
  if (!report) {
    app().prompter().tell("Plz select the file.");
    return;
  }
  const QString name = report->text();
  const fs::path path = pathOf(report);
  App& a = app();
  // The page is read before the viewer comes up, so a file that cannot be shown is never
  // presented as an empty report.
  const bool wasLoaded = a.forms().find<frmViewReport>() != nullptr;
  frmViewReport& viewer = a.forms().load<frmViewReport>();
  if (const auto problem = viewer.navigate(path)) {
    if (!wasLoaded) viewer.unload();
    a.prompter().tell("Cannot show the report '" + name + "': " + *problem);
    return;
  }
  a.forms().showForm(viewer);
  viewer.lblRepTitle->setText("Report: " + name);
  a.vars().currentReportName = QString::fromStdString(path.string());
  unload();
}

}  // namespace yardmark
