#pragma once
// The folder list of the import form, as the old folder list box showed it: the open folder
// with the folders above it, then its subfolders. Enter or a double click opens the
// highlighted folder; the highlighted folder is the one chosen.
#include <QListWidget>

namespace yardmark {

class FolderList : public QListWidget {
  Q_OBJECT
 public:
  explicit FolderList(QWidget* parent = nullptr);

  // Opens a folder and highlights it; false (and nothing changes) when it does not exist.
  bool setPath(const QString& folder);
  // The open folder.
  const QString& path() const { return m_path; }
  // The highlighted folder: the open one unless the user moved the highlight.
  QString chosen() const;

 private:
  QString m_path;
};

}  // namespace yardmark
