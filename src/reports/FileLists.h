#pragma once
// The folder and file lists of the report forms: plain list widgets filled from a folder
// when the form asks, never live views of the file system.
#include <QString>
#include <filesystem>

class QListWidget;

namespace yardmark {

// The subfolders of a folder, by name, sorted ignoring letter case; empty when it is missing.
void fillFolderList(QListWidget* list, const std::filesystem::path& folder);

// The files of a folder whose names end in the extension (".htm", ".mdb"; letter case ignored,
// as the old patterns matched), sorted ignoring letter case.
void fillFileList(QListWidget* list, const std::filesystem::path& folder, const QString& extension);

// The text of a list's current row; empty when it has none.
QString currentText(const QListWidget* list);

}  // namespace yardmark
