// The one place where a menu command meets its form. A new form adds its line here:
//   window.setCommand(window.mfNew, [&app] { app.forms().show<DialogNewGame>(); });
#include "gui/about/UserGuide.h"
#include "gui/about/frmAbout.h"
#include "gui/backup/BackupCommands.h"
#include "gui/games/DialogDeleteGame.h"
#include "gui/games/DialogNewGame.h"
#include "gui/games/DialogOpenGame.h"
#include "gui/reports/DialogDeleteReport.h"
#include "gui/reports/DialogNewReport.h"
#include "gui/reports/DialogOpenReport.h"
#include "gui/reports/RecordsBook.h"
#include "gui/roster/frmRoster.h"
#include "gui/roster/frmRosterImport.h"
#include "gui/roster/frmRosterImportSheet.h"
#include "gui/send/DialogSendGame.h"
#include "gui/sheet/SheetCommands.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/MDIForm1.h"

namespace yardmark {

void connectCommands(MDIForm1& window, App& app) {
  window.setCommand(window.mfNew, [&app] { app.forms().show<DialogNewGame>(); });
  window.setCommand(window.fmEditGameStat, [&app] { app.forms().show<DialogOpenGame>(); });
  window.setCommand(window.fmBoxScore, [&app] { askGameForSheet(app); });
  window.setCommand(window.fmDeleteGameStat, [&app] { app.forms().show<DialogDeleteGame>(); });
  window.setCommand(window.fmSendGame, [&app] { DialogSendGame::open(app); });
  window.setCommand(window.fmBackUp, [&app] { backUpDataCommand(app); });
  window.setCommand(window.fmRestore, [&app] { restoreDataCommand(app); });
  window.setCommand(window.mrNew, [&app] { app.forms().show<DialogNewReport>(); });
  window.setCommand(window.mrView, [&app] { app.forms().show<DialogOpenReport>(); });
  window.setCommand(window.mrDelete, [&app] { app.forms().show<DialogDeleteReport>(); });
  window.setCommand(window.mrRecords, [&app] { showRecordsBook(app); });
  window.setCommand(window.mnuAbout, [&app] { app.forms().show<frmAbout>(); });
  window.setCommand(window.mnuGuide, [&app] { showUserGuide(app); });
  window.setCommand(window.mRoster, [&app] { app.forms().show<frmRoster>(); });
  window.setCommand(window.mRosterImport, [&app] { app.forms().show<frmRosterImport>(); });
  window.setCommand(window.mRosterImportSheet, [&app] { frmRosterImportSheet::chooseFile(app); });
}

}  // namespace yardmark
