#include "gui/reports/ReportFileDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/files/DataTree.h"
#include "gui/shell/App.h"
#include "gui/shell/FolderFileLists.h"
#include "gui/shell/FormKit.h"

namespace yardmark {

namespace {

FolderFileLists::Setup reportSetup() {
  FolderFileLists::Setup setup;
  // The folder list shows only the reports folder; the files are always that folder's.
  setup.folders = FolderFileLists::Folders::Alone;
  setup.files = &reportPages();
  return setup;
}

}  // namespace

ReportFileDialog::ReportFileDialog(App& app, const char* name, const QString& caption, const QString& okCaption)
    : Form(app) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(caption);
  Frame1 = new QGroupBox("Select Report", this);
  Frame1->setObjectName("Frame1");
  m_lists = new FolderFileLists(Frame1, reportSetup());
  Dir1 = m_lists->Dir1;
  Dir1->setMaximumHeight(Dir1->fontMetrics().height() * 2 + 8);
  File1 = m_lists->File1;
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

  m_lists->open(app.tree().reportsFolder());
  connect(File1, &QListWidget::itemActivated, this, [this] { OKButton_Click(); });
  connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
  connect(CancelButton, &QPushButton::clicked, this, [this] { unload(); });
}

void ReportFileDialog::formActivate() {
  placeOverMainWindow(*this);
  // A report written while the dialog stayed open is listed when the user comes back to it.
  const auto selected = m_lists->selectedFile();
  m_lists->open(app().tree().reportsFolder());
  if (selected) m_lists->selectFile(*selected);
}

QListWidgetItem* ReportFileDialog::selectedReport() const {
  const auto selected = File1->selectedItems();
  return selected.isEmpty() ? nullptr : selected.front();
}

}  // namespace yardmark
