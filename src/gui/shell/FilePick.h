#pragma once
// Choosing a file through Qt's file dialog, behind a function a test can replace.
#include <QString>
#include <functional>

class QWidget;

namespace yardmark {

struct FileQuestion {
  QString caption;
  QString start;   // the folder, or the file name suggested
  QString filter;  // "Back-ups (*.zip)"
  QString suffix;  // added to a name typed without one; empty: none
};

// The file chosen, or an empty text when the user cancelled.
using PickFile = std::function<QString(QWidget* parent, const FileQuestion& question)>;

// Qt's dialogs: an existing file to read, or a file to write (asking before one is replaced).
QString pickFileToOpen(QWidget* parent, const FileQuestion& question);
QString pickFileToSave(QWidget* parent, const FileQuestion& question);

// The user's documents folder, where the dialogs start.
QString documentsFolder();

}  // namespace yardmark
