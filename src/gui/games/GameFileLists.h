#pragma once
// The folder list and file list that the three game file dialogs share. Dir1 stays on the
// games folder and lists its year folders; File1 lists the game files of the year folder
// picked in Dir1. Both are plain lists filled from the disk whenever the dialog asks.
#include <QObject>
#include <filesystem>
#include <optional>
#include <vector>

class QGridLayout;
class QGroupBox;
class QListWidget;
class QWidget;

namespace yardmark {

class GameFileLists : public QObject {
  Q_OBJECT
 public:
  GameFileLists(QWidget* owner, std::filesystem::path gamesFolder);

  QListWidget* const Dir1;
  QListWidget* const File1;

  // A frame holding Dir1 and File1 side by side in row 1 of its grid (row 0 is free for a caption).
  QGroupBox* makeFrame(const char* name, const char* caption);

  // Dir1 lists the year folders again with none picked; File1 shows the games folder itself.
  void showGamesFolder();
  // The files of the year folder picked in Dir1, read again, the first one selected.
  void showFiles();

  // The year folder picked in Dir1; empty when none is.
  std::filesystem::path selectedFolder() const;
  // The folder File1 lists and the full paths of its files, in list order.
  const std::filesystem::path& fileFolder() const { return m_fileFolder; }
  std::vector<std::filesystem::path> files() const;
  // The file selected in File1, if any.
  std::optional<std::filesystem::path> selectedFile() const;

 signals:
  // The file display listed at least one file of the picked year folder.
  void filesShown();

 private:
  void fillFiles(std::filesystem::path folder);

  QWidget* m_owner;
  std::filesystem::path m_gamesFolder;
  std::filesystem::path m_fileFolder;
};

}  // namespace yardmark
