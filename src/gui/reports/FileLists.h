#pragma once
// The folder and file lists of the report forms: plain list widgets filled from a folder
// when the form asks, never live views of the file system.
#include <QString>
#include <filesystem>

class QListWidget;

namespace yardmark {

// The visible subfolders of a folder, as a reader orders names; empty when it is missing.
void fillFolderList(QListWidget* list, const std::filesystem::path& folder);

// The visible files of a folder whose names end in the extension (".htm", ".mdb"; letter case
// ignored, as the old patterns matched), as a reader orders names.
void fillFileList(QListWidget* list, const std::filesystem::path& folder, const QString& extension);

// The report pages of a folder (".htm" and ".html"), as a reader orders names.
void fillReportList(QListWidget* list, const std::filesystem::path& folder);

// The text of a list's current row; empty when it has none.
QString currentText(const QListWidget* list);

}  // namespace yardmark
