#include "gui/reports/FileLists.h"

#include <QListWidget>
#include <QStringList>

#include "core/files/FolderListing.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

void fill(QListWidget* list, const std::vector<std::string>& names) {
  list->clear();
  for (const std::string& name : names) list->addItem(QString::fromStdString(name));
}

}  // namespace

void fillFolderList(QListWidget* list, const fs::path& folder) { fill(list, listSubfolders(folder)); }

void fillFileList(QListWidget* list, const fs::path& folder, const QString& extension) {
  fill(list, listFilesWithExtension(folder, extension.toStdString()));
}

void fillReportList(QListWidget* list, const fs::path& folder) { fill(list, listReportPages(folder)); }

QString currentText(const QListWidget* list) { return list->currentItem() ? list->currentItem()->text() : QString(); }

}  // namespace yardmark
