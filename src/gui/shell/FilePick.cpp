#include "gui/shell/FilePick.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace yardmark {

namespace {

QString ask(QWidget* parent, const FileQuestion& question, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, question.caption, question.start, question.filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The dialog adds the suffix before it asks about replacing, so the question names the real file.
  dialog.setDefaultSuffix(question.suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QString pickFileToOpen(QWidget* parent, const FileQuestion& question) {
  return ask(parent, question, QFileDialog::AcceptOpen);
}

QString pickFileToSave(QWidget* parent, const FileQuestion& question) {
  return ask(parent, question, QFileDialog::AcceptSave);
}

QString documentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace yardmark
