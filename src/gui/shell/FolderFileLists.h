#pragma once
// The folder list (Dir1) and file list (File1) of the dialogs and forms: plain lists filled
// from the one folder listing whenever the form asks, never live views of the file system.
// Every row keeps its entry's path as bytes: Qt's text would turn a name that is not valid
// UTF-8 into another name, and then the file picked could not be opened or deleted.
#include <QAbstractItemView>
#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "core/files/FolderListing.h"

class QListWidget;
class QListWidgetItem;
class QWidget;

namespace yardmark {

// A row for an entry, not yet in a list; shown by the entry's name unless a text is given.
QListWidgetItem* pathRow(const std::filesystem::path& path, const QString& text = {});
// The entry a row stands for.
std::filesystem::path pathOf(const QListWidgetItem* row);
// A list's rows replaced by the entries, each shown by its name.
void showPaths(QListWidget* list, const std::vector<std::filesystem::path>& entries);
// The entries of every row, in list order.
std::vector<std::filesystem::path> pathsOf(const QListWidget* list);

class FolderFileLists : public QObject {
  Q_OBJECT
 public:
  // How the folder list shows the open folder.
  enum class Folders {
    Below,  // its subfolders, none picked; the list never leaves it (the games folder's years)
    Alone,  // the folder itself, one row; choosing it reads it again (the reports folder)
    Tree,   // the folders above it, the folder, then its subfolders, each indented under the
            // one above; Enter or a double click opens the highlighted folder
  };
  // What differs between the forms' lists.
  struct Setup {
    Folders folders = Folders::Below;
    // What File1 lists; no File1 without it.
    const Listing* files = nullptr;
    QAbstractItemView::SelectionMode fileSelection = QAbstractItemView::SingleSelection;
    // Below: with no folder picked File1 shows the open folder's own files, else nothing.
    bool openFolderFilesUnpicked = false;
    // Picking a folder selects its first file, and clicking the picked folder reads it again.
    bool pickFirstFile = false;
  };

  FolderFileLists(QWidget* parent, const Setup& setup);

  QListWidget* const Dir1;
  QListWidget* const File1;  // nullptr when the setup lists no files

  // Shows a folder as the setup says. A tree stays where it is when the folder does not
  // exist and says so with false; the others show it even so, with nothing in it.
  bool open(const std::filesystem::path& folder);
  const std::filesystem::path& openFolder() const { return m_folder; }
  // Below: the picked subfolder, empty when none is; Alone: the open folder; Tree: the
  // highlighted folder, the open one unless the user moved the highlight.
  std::filesystem::path pickedFolder() const;

  // File1 read again for the picked folder.
  void showFiles();
  // File1 lists only what the form still offers (a report's chosen games are not offered again).
  void setOffered(std::function<bool(const std::filesystem::path&)> offered) { m_offered = std::move(offered); }
  // The first file selected in File1, if any.
  std::optional<std::filesystem::path> selectedFile() const;
  // The row of File1 for this entry made current, when it is listed.
  void selectFile(const std::filesystem::path& file);

 signals:
  // Picking a folder listed at least one file and selected the first.
  void filesShown();

 private:
  void showTree();
  void fillFiles(const std::filesystem::path& folder);

  Setup m_setup;
  std::filesystem::path m_folder;
  std::function<bool(const std::filesystem::path&)> m_offered;
};

}  // namespace yardmark
