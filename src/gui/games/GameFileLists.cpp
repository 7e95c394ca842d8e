#include "gui/games/GameFileLists.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>

#include "core/games/GameFolder.h"

namespace yardmark {

namespace {

FolderFileLists::Setup gameSetup() {
  FolderFileLists::Setup setup;
  setup.folders = FolderFileLists::Folders::Below;
  setup.files = &gameFiles();
  setup.openFolderFilesUnpicked = true;
  setup.pickFirstFile = true;
  return setup;
}

}  // namespace

GameFileLists::GameFileLists(QWidget* owner, std::filesystem::path gamesFolder)
    : FolderFileLists(owner, gameSetup()), m_owner(owner), m_gamesFolder(std::move(gamesFolder)) {
  Dir1->setAccessibleName("Year folders");
  File1->setAccessibleName("Game files");
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

}  // namespace yardmark
