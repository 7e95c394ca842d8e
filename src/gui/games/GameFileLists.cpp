#include "gui/games/GameFileLists.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>

#include "core/games/GameFolder.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

QListWidget* makeList(QWidget* owner, const char* name, const char* accessibleName) {
  auto* list = new QListWidget(owner);
  list->setObjectName(QString::fromLatin1(name));
  list->setAccessibleName(QString::fromLatin1(accessibleName));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

// Each row keeps the name's own bytes, so a name that is not valid UTF-8 is still found.
void fill(QListWidget* list, const std::vector<std::string>& names) {
  list->clear();
  for (const std::string& name : names) {
    auto* item = new QListWidgetItem(QString::fromStdString(name), list);
    item->setData(Qt::UserRole, QByteArray::fromStdString(name));
  }
}

std::string nameOf(const QListWidgetItem* item) { return item->data(Qt::UserRole).toByteArray().toStdString(); }

}  // namespace

GameFileLists::GameFileLists(QWidget* owner, fs::path gamesFolder)
    : QObject(owner),
      Dir1(makeList(owner, "Dir1", "Year folders")),
      File1(makeList(owner, "File1", "Game files")),
      m_owner(owner),
      m_gamesFolder(std::move(gamesFolder)) {
  // Picking a year by mouse or keys shows its files; clicking the picked year again reads
  // the folder anew.
  connect(Dir1, &QListWidget::itemSelectionChanged, this, &GameFileLists::showFiles);
  connect(Dir1, &QListWidget::itemClicked, this, &GameFileLists::showFiles);
}

QGroupBox* GameFileLists::makeFrame(const char* name, const char* caption) {
  auto* frame = new QGroupBox(QString::fromLatin1(caption), m_owner);
  frame->setObjectName(QString::fromLatin1(name));
  auto* grid = new QGridLayout(frame);
  grid->addWidget(Dir1, 1, 0);
  grid->addWidget(File1, 1, 1);
  // Wide enough for a year and a game's file name; the dialogs are sized from these.
  Dir1->setFixedWidth(110);
  File1->setFixedWidth(170);
  return frame;
}

void GameFileLists::showGamesFolder() {
  const QSignalBlocker quiet(Dir1);
  fill(Dir1, listYearFolders(m_gamesFolder));
  Dir1->setCurrentRow(-1);
  fillFiles(m_gamesFolder);
}

void GameFileLists::showFiles() {
  if (Dir1->count() == 0) {
    fillFiles(m_gamesFolder);
    return;
  }
  const fs::path folder = selectedFolder();
  fillFiles(folder.empty() ? m_gamesFolder : folder);
  if (File1->count() > 0) {
    File1->setCurrentRow(0);
    emit filesShown();
  }
}

fs::path GameFileLists::selectedFolder() const {
  const QList<QListWidgetItem*> picked = Dir1->selectedItems();
  if (picked.isEmpty()) return {};
  return m_gamesFolder / nameOf(picked.front());
}

void GameFileLists::fillFiles(fs::path folder) {
  m_fileFolder = std::move(folder);
  fill(File1, listGameFiles(m_fileFolder));
}

std::vector<fs::path> GameFileLists::files() const {
  std::vector<fs::path> paths;
  for (int i = 0; i < File1->count(); ++i) paths.push_back(m_fileFolder / nameOf(File1->item(i)));
  return paths;
}

std::optional<fs::path> GameFileLists::selectedFile() const {
  const QList<QListWidgetItem*> picked = File1->selectedItems();
  if (picked.isEmpty()) return std::nullopt;
  return m_fileFolder / nameOf(picked.front());
}

}  // namespace yardmark
