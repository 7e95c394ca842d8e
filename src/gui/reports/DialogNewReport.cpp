#include "gui/reports/DialogNewReport.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "core/files/DataTree.h"
#include "core/report/ReportName.h"
#include "gui/reports/frmNewReport.h"
#include "gui/shell/App.h"
#include "gui/shell/FolderFileLists.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/FormKit.h"
#include "gui/shell/KeyFilter.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

namespace fs = std::filesystem;

DialogNewReport::DialogNewReport(App& app) : Form(app) {
  setObjectName("DialogNewReport");
  setWindowTitle("New Report");

  txtReportName = new QLineEdit(this);
  txtReportName->setObjectName("txtReportName");
  // Counted as the command line counts a name: in characters, so "é" or an emoji is one.
  installKeyFilter(txtReportName, [box = txtReportName](int key, int) {
    const auto length = static_cast<int>(reportNameLength(box->text().toStdString()));
    return cappedKey(key, length, static_cast<int>(kReportNameMaxChars));
  });
  Label1 = buddyLabel(this, "Label1", "Report Name", txtReportName);
  Label3 = buddyLabel(this, "Label3", "EX:  2007_GM1.htm", nullptr);
  lable1 = buddyLabel(this, "lable1", "Be sure not to ovewrite existing files", nullptr);
  File1 = new QListWidget(this);
  File1->setObjectName("File1");
  Label2 = buddyLabel(this, "Label2", "Existing Reports", File1);
  OKButton = new QPushButton("OK", this);
  OKButton->setObjectName("OKButton");
  OKButton->setDefault(true);
  CancelButton = new QPushButton("Cancel", this);
  CancelButton->setObjectName("CancelButton");

  auto* grid = new QGridLayout(this);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(txtReportName, 1, 0);
  grid->addWidget(Label3, 2, 0);
  grid->addWidget(lable1, 3, 0);
  grid->addWidget(Label2, 4, 0);
  grid->addWidget(File1, 5, 0);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  buttons->addStretch();
  grid->addLayout(buttons, 1, 1, 5, 1);
  setTabOrder(txtReportName, File1);
  setTabOrder(File1, OKButton);
  setTabOrder(OKButton, CancelButton);
  setFixedSize(380, sizeHint().height());

  connect(OKButton, &QPushButton::clicked, this, &DialogNewReport::OKButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, [this] { unload(); });
  // Enter in the name box answers as OK, Escape as Cancel.
  connect(txtReportName, &QLineEdit::returnPressed, OKButton, &QPushButton::click);
  connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, CancelButton, &QPushButton::click);
}

void DialogNewReport::formActivate() {
  placeOverMainWindow(*this);
  showPaths(File1, listFolder(app().tree().reportsFolder(), reportPages()));
  txtReportName->setFocus();
}

bool DialogNewReport::mayOverwrite(const QString& storedName) {
  // The folder is searched ignoring letter case, since the program spells its folders several
  // ways; only a stored name equal to what was typed counts.
  const fs::path reports = app().tree().reportsFolder();
  const fs::path found = findCaseInsensitive(reports, storedName.toStdString(), DataTree::Last::File);
  std::error_code ec;
  if (!fs::is_regular_file(found, ec) || QString::fromStdString(found.filename().string()).trimmed() != storedName)
    return true;
  if (app().prompter().message(MessageBox("Report of this name exists.  Do you want to overwrite", Buttons::YesNo)) ==
      Answer::Yes)
    return true;
  txtReportName->setFocus();
  return false;
}

void DialogNewReport::OKButton_Click() {
  const QString name = txtReportName->text();
  if (const auto problem = reportNameProblem(name.toStdString())) {
    app().prompter().tell(QString::fromStdString(*problem));
    if (name.isEmpty()) txtReportName->setFocus();
    return;
  }
  if (!mayOverwrite(name)) return;
  // A ".htm" name is also checked against its ".html" twin.
  if (!name.endsWith('l') && !mayOverwrite(name + 'l')) return;

  App& a = app();
  a.vars().currentReportName = name;
  if (!unload()) return;
  a.forms().show<frmNewReport>();
}

}  // namespace yardmark
