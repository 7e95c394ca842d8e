// The one place where a menu command meets its form. A new form adds its line here:
//   window.setCommand(window.mfNew, [&app] { app.forms().show<DialogNewGame>(); });
#include "about/frmAbout.h"
#include "reports/DialogNewReport.h"
#include "shell/App.h"
#include "shell/FormHost.h"
#include "shell/MDIForm1.h"

namespace yardmark {

void connectCommands(MDIForm1& window, App& app) {
  window.setCommand(window.mrNew, [&app] { app.forms().show<DialogNewReport>(); });
  window.setCommand(window.mnuAbout, [&app] { app.forms().show<frmAbout>(); });
}

}  // namespace yardmark
