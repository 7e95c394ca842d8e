#include "gui/reports/DialogDeleteReport.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "core/page/DetailPage.h"
#include "gui/reports/frmViewReport.h"
#include "gui/shell/App.h"
#include "gui/shell/FolderFileLists.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/FormKit.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

namespace fs = std::filesystem;

DialogDeleteReport::DialogDeleteReport(App& app)
    : ReportFileDialog(app, "DialogDeleteReport", "Delete Report", "Delete") {
  Dir1->setAccessibleName("Reports folder");
  File1->setAccessibleName("Select Report");
  Label3 = buddyLabel(Frame1, "Label3", "Once you delete, you cannot bring back the deleted report...", nullptr);
  Label3->setWordWrap(true);
  for (QWidget* w : std::initializer_list<QWidget*>{Dir1, File1, Label3}) frameLayout()->addWidget(w);
  resize(380, 320);
}

void DialogDeleteReport::OKButton_Click() {
  Prompter& prompter = app().prompter();
  const QListWidgetItem* report = selectedReport();
  if (!report) {
    prompter.tell("Please select the game to delete.");
    return;
  }
  if (prompter.message(MessageBox("Are you sure you want to delete this report?", Buttons::YesNo)) != Answer::Yes)
    return;
  const QString name = report->text();
  const fs::path path = pathOf(report);
  App& a = app();
  a.vars().currentReportName = QString::fromStdString(path.string());
  // The viewer never goes on showing a report that is gone.
  if (auto* viewer = a.forms().find<frmViewReport>(); viewer && viewer->shownFile() == path && !viewer->unload())
    return;
  // The exact file picked: a name the screen cannot show exactly is still this report.
  std::error_code ec;
  if (!fs::remove(path, ec) || ec) {
    prompter.tell("Cannot delete the report '" + name +
                  "': " + QString::fromStdString(ec ? ec.message() : std::string("the file does not exist")) + ".");
    return;
  }
  // The detail page and the games list go with their report; an older report has neither.
  const fs::path reports = path.parent_path();
  const std::string file = path.filename().string();
  for (const fs::path& extra : {detailPagePath(reports, file), gamesListPath(reports, file)}) {
    if (fs::remove(extra, ec); ec)
      prompter.tell("The report '" + name + "' was deleted, but not its file '" +
                    QString::fromStdString(extra.string()) + "': " + QString::fromStdString(ec.message()) + ".");
  }
  unload();
}

}  // namespace yardmark
