#include "gui/reports/ReportFileDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/files/DataTree.h"
#include "gui/reports/FileLists.h"
#include "gui/shell/FormKit.h"
#include "gui/shell/App.h"

namespace yardmark {

ReportFileDialog::ReportFileDialog(App& app, const char* name, const QString& caption, const QString& okCaption)
    : Form(app) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(caption);
  Frame1 = new QGroupBox("Select Report", this);
  Frame1->setObjectName("Frame1");
  // The folder list shows only the reports folder; the files are always that folder's.
  Dir1 = new QListWidget(Frame1);
  Dir1->setObjectName("Dir1");
  Dir1->setMaximumHeight(Dir1->fontMetrics().height() * 2 + 8);
  File1 = new QListWidget(Frame1);
  File1->setObjectName("File1");
  OKButton = new QPushButton(okCaption, this);
  OKButton->setObjectName("OKButton");
  CancelButton = new QPushButton("Cancel", this);
  CancelButton->setObjectName("CancelButton");

  m_frameLayout = new QVBoxLayout(Frame1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  buttons->addStretch();
  auto* outer = new QHBoxLayout(this);
  outer->addWidget(Frame1, 1);
  outer->addLayout(buttons);

  showFolder();
  connect(Dir1, &QListWidget::itemActivated, this, &ReportFileDialog::showFolder);
  connect(File1, &QListWidget::itemActivated, this, [this] { OKButton_Click(); });
  connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
  connect(CancelButton, &QPushButton::clicked, this, [this] { unload(); });
}

void ReportFileDialog::showFolder() {
  const auto folder = app().tree().reportsFolder();
  Dir1->clear();
  Dir1->addItem(QString::fromStdString(folder.filename().string()));
  Dir1->setCurrentRow(0);
  fillReportList(File1, folder);
}

void ReportFileDialog::formActivate() {
  placeOverMainWindow(*this);
  // A report written while the dialog stayed open is listed when the user comes back to it.
  const QString selected = selectedFile();
  showFolder();
  if (const auto found = File1->findItems(selected, Qt::MatchExactly); !selected.isEmpty() && !found.isEmpty())
    File1->setCurrentItem(found.front());
}

QString ReportFileDialog::selectedFile() const {
  const auto selected = File1->selectedItems();
  return selected.isEmpty() ? QString() : selected.front()->text();
}

QString ReportFileDialog::reportPath(const QString& fileName) const {
  return (QString::fromStdString(app().tree().reportsFolder().string()) + '/' + fileName).trimmed();
}

}  // namespace yardmark
