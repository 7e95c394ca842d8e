#include "gui/games/DialogOpenGame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/games/GameFolder.h"
#include "core/games/YearGlance.h"
#include "core/jet/JetFile.h"
#include "gui/games/ConvertOldFiles.h"
#include "gui/games/GameDialog.h"
#include "gui/games/GameFileLists.h"
#include "gui/shell/App.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

DialogOpenGame::DialogOpenGame(App& app) : Form(app), m_lists(new GameFileLists(this, app.tree().gamesRoot())) {
  setObjectName("DialogOpenGame");
  setWindowTitle("Open Game");

  Frame1 = m_lists->makeFrame("Frame1", "YardMark Game Files");
  Dir1 = m_lists->Dir1;
  File1 = m_lists->File1;

  Frame2 = new QGroupBox("Synopsis of File", this);
  Frame2->setObjectName("Frame2");
  lblGamesPlayed = namedLabel(Frame2, "lblGamesPlayed", "Games Played: 0");
  lblWins = namedLabel(Frame2, "lblWins", "Wins: 0");
  lblLosses = namedLabel(Frame2, "lblLosses", "Losses: 0");
  lblTeams = namedLabel(Frame2, "lblTeams", "Select Year");
  lblTeams->setWordWrap(true);
  lblUnreadable = namedLabel(Frame2, "lblUnreadable", "");
  lblUnreadable->setWordWrap(true);
  lblUnreadable->hide();
  lblErrors = namedLabel(Frame2, "lblErrors", "");
  lblErrors->hide();
  auto* synopsis = new QVBoxLayout(Frame2);
  for (QLabel* l : {lblGamesPlayed, lblWins, lblLosses, lblTeams, lblUnreadable, lblErrors}) synopsis->addWidget(l);
  synopsis->addStretch();

  OkButton = dialogButton(this, "OkButton", "Ok");
  CancelButton = dialogButton(this, "CancelButton", "Cancel");
  auto* main = new QHBoxLayout(this);
  main->addWidget(Frame1, 1);
  main->addWidget(Frame2);
  main->addLayout(buttonColumn(OkButton, CancelButton));
  Frame2->setFixedWidth(190);
  setFixedSize(sizeHint());

  connect(m_lists, &GameFileLists::filesShown, this, &DialogOpenGame::showSynopsis);
  connect(OkButton, &QPushButton::clicked, this, &DialogOpenGame::OkButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, [this] { unload(); });
  cancelOnEscape(this, CancelButton);

  m_lists->showGamesFolder();
}

void DialogOpenGame::formActivate() { placeOverMainWindow(*this); }

void DialogOpenGame::showSynopsis() {
  const YearGlance glance = glanceAt(m_lists->files());
  const Synopsis& s = glance.synopsis;
  lblGamesPlayed->setText(QString("Games Played: %1").arg(s.gamesPlayed));
  lblLosses->setText(QString("Losses: %1").arg(s.losses));
  lblWins->setText(QString("Wins: %1").arg(s.wins));
  lblTeams->setText(QString::fromStdString(s.teams));
  QStringList reasons;
  for (const Synopsis::Unreadable& u : s.unreadable) reasons << QString::fromStdString(u.reason);
  lblUnreadable->setText(QString("Unreadable Files: %1").arg(s.unreadable.size()));
  lblUnreadable->setToolTip(reasons.join('\n'));
  lblUnreadable->setVisible(!s.unreadable.empty());
  const GamesWithErrors& errors = glance.errors;
  QStringList names;
  for (const std::string& name : errors.names) names << QString::fromStdString(name);
  lblErrors->setText(QString("Games with errors: %1").arg(errors.count));
  lblErrors->setToolTip(names.join('\n'));
  lblErrors->setVisible(errors.count > 0);
}

void DialogOpenGame::OkButton_Click() {
  // The shared values belong to the game in a loaded entry form until that form has gone.
  GlobalVariables& vars = app().vars();
  if (!loadedEntryForm(app())) clearGameNumber(vars);
  const auto file = m_lists->selectedFile();
  if (!file) {
    app().prompter().tell("Please select the game.");
    return;
  }
  // A file of the earlier version opens once it is converted; otherwise the dialog stays.
  if (isJetFile(*file) && !offerConversionOf(app(), *file)) return;
  // The exact file goes along with the text: its case twin in the folder is another game.
  if (!makeWayForGame(app(), *file)) return;
  clearGameNumber(vars);
  vars.pickGameFile(QString::fromStdString(handOverPath(*file)), *file);
  vars.gameOpenedFromFile = true;
  handOverToEntryForm(*this);
}

}  // namespace yardmark
