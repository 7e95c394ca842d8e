#include "gui/games/DialogDeleteGame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/games/GameFolder.h"
#include "gui/games/GameDialog.h"
#include "gui/games/GameFileLists.h"
#include "gui/shell/App.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

DialogDeleteGame::DialogDeleteGame(App& app) : Form(app), m_lists(new GameFileLists(this, app.tree().gamesRoot())) {
  setObjectName("DialogDeleteGame");
  setWindowTitle("Delete Game");

  Frame1 = m_lists->makeFrame("Frame1", "YardMark Game Files");
  Dir1 = m_lists->Dir1;
  File1 = m_lists->File1;
  Label1 = namedLabel(this, "Label1", "Once you delete, you cannot bring back the deleted game...");
  Label1->setWordWrap(true);
  OkButton = dialogButton(this, "OkButton", "Delete");
  CancelButton = dialogButton(this, "CancelButton", "Cancel");

  auto* top = new QHBoxLayout;
  top->addWidget(Frame1, 1);
  top->addLayout(buttonColumn(OkButton, CancelButton));
  auto* main = new QVBoxLayout(this);
  main->addLayout(top);
  main->addWidget(Label1);
  setFixedSize(sizeHint());

  connect(OkButton, &QPushButton::clicked, this, &DialogDeleteGame::OkButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, [this] { unload(); });
  cancelOnEscape(this, CancelButton);

  m_lists->showGamesFolder();
}

void DialogDeleteGame::formActivate() { placeOverMainWindow(*this); }

void DialogDeleteGame::OkButton_Click() {
  Prompter& prompter = app().prompter();
  const auto file = m_lists->selectedFile();
  if (!file) {
    prompter.tell("Please select the game to delete.");
    return;
  }
  // The entry form would go on writing into a file that is gone.
  if (isOpenInEntryForm(app(), *file)) {
    prompter.tell("This game is open in the game entry form.  Close the entry form before you delete the game.");
    return;
  }
  if (prompter.message(MessageBox("Are you sure you want to delete this file?", Buttons::YesNo)) != Answer::Yes) return;

  // The shared values belong to the game in a loaded entry form.
  if (!loadedEntryForm(app())) {
    clearGameNumber(app().vars());
    app().vars().pickGameFile(QString::fromStdString(handOverPath(*file)), *file);
  }
  // The exact file picked: never its case twin in the same folder.
  if (const std::error_code ec = deleteGameFile(*file)) {
    prompter.tell(QString("Error! %1.  Please try again").arg(QString::fromStdString(ec.message())));
    return;
  }
  unload();
}

}  // namespace yardmark
