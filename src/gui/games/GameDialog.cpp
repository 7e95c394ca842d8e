#include "gui/games/GameDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/games/GameFolder.h"
#include "gui/entry/frmNewGame.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"

namespace yardmark {

QPushButton* dialogButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(true);
  return button;
}

void cancelOnEscape(QWidget* dialog, QPushButton* cancel) {
  auto* escape = new QShortcut(QKeySequence::Cancel, dialog);
  escape->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(escape, &QShortcut::activated, cancel, &QPushButton::click);
}

QVBoxLayout* buttonColumn(QPushButton* first, QPushButton* second) {
  auto* column = new QVBoxLayout;
  column->addWidget(first);
  column->addWidget(second);
  column->addStretch();
  return column;
}

QLabel* namedLabel(QWidget* parent, const char* name, const char* text) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

frmNewGame* loadedEntryForm(App& app) { return app.forms().find<frmNewGame>(); }

bool isOpenInEntryForm(App& app, const std::filesystem::path& file) {
  const frmNewGame* entry = loadedEntryForm(app);
  return entry && isSameGameFile(entry->gameFilePath(), file);
}

bool makeWayForGame(App& app, const std::filesystem::path& file) {
  frmNewGame* entry = loadedEntryForm(app);
  if (!entry || isSameGameFile(entry->gameFilePath(), file)) return true;
  return entry->unload();
}

void clearGameNumber(GlobalVariables& vars) {
  vars.currentGameNumber = 0;
  vars.currentGameYear = "0";
}

void handOverToEntryForm(Form& dialog, const std::filesystem::path& newGame) {
  App& app = dialog.app();
  dialog.unload();
  if (!newGame.empty()) app.forms().load<frmNewGame>().takeNewGameFile(newGame);
  app.forms().show<frmNewGame>();
}

}  // namespace yardmark
