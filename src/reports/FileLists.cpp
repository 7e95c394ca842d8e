#include "reports/FileLists.h"

#include <QListWidget>
#include <QStringList>

namespace yardmark {

namespace fs = std::filesystem;

namespace {

enum class Kind { Folders, Files };

QStringList entriesOf(const fs::path& folder, Kind kind, const QString& extension) {
  QStringList names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const bool isFolder = it->is_directory(ec);
    const QString name = QString::fromStdString(it->path().filename().string());
    if (kind == Kind::Folders ? isFolder : (!isFolder && name.endsWith(extension, Qt::CaseInsensitive))) names << name;
  }
  names.sort(Qt::CaseInsensitive);
  return names;
}

void fill(QListWidget* list, const QStringList& names) {
  list->clear();
  list->addItems(names);
}

}  // namespace

void fillFolderList(QListWidget* list, const fs::path& folder) { fill(list, entriesOf(folder, Kind::Folders, {})); }

void fillFileList(QListWidget* list, const fs::path& folder, const QString& extension) {
  fill(list, entriesOf(folder, Kind::Files, extension));
}

QString currentText(const QListWidget* list) { return list->currentItem() ? list->currentItem()->text() : QString(); }

}  // namespace yardmark
