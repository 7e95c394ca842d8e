#include "gui/sheet/SheetCommands.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "gui/games/DialogNewGame.h"
#include "gui/sheet/frmBoxScore.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"

namespace yardmark {

void askGameForSheet(App& app) {
  app.forms().show<DialogNewGame>().handOverTo([&app](Form& dialog, const std::filesystem::path& game) {
    dialog.unload();
    showInSheet(app, game);
  });
}

void showInSheet(App& app, const std::filesystem::path& gameFile) {
  frmBoxScore& sheet = app.forms().load<frmBoxScore>();
  if (!sheet.openGame(gameFile)) return;
  app.forms().showForm(sheet);
  // The page wants the whole window: it fills the area of the forms (the user may resize it).
  if (QMdiSubWindow* window = app.forms().subWindowOf(sheet))
    window->setGeometry(QRect(QPoint(0, 0), app.forms().area()->viewport()->size()));
}

}  // namespace yardmark
