#pragma once
// The folder list and file list that the three game file dialogs share. Dir1 stays on the
// games folder and lists its year folders; File1 lists the game files of the year folder
// picked in Dir1, or of the games folder itself while none is picked.
#include <filesystem>
#include <vector>

#include "gui/shell/FolderFileLists.h"

class QGroupBox;
class QWidget;

namespace yardmark {

class GameFileLists : public FolderFileLists {
 public:
  GameFileLists(QWidget* owner, std::filesystem::path gamesFolder);

  // A frame holding Dir1 and File1 side by side in row 1 of its grid (row 0 is free for a caption).
  QGroupBox* makeFrame(const char* name, const char* caption);

  // Dir1 lists the year folders again with none picked; File1 shows the games folder itself.
  void showGamesFolder() { open(m_gamesFolder); }
  // The full paths of File1's files, in list order.
  std::vector<std::filesystem::path> files() const { return pathsOf(File1); }

 private:
  QWidget* m_owner;
  std::filesystem::path m_gamesFolder;
};

}  // namespace yardmark
