// Start-up: the main window and, when the data folder holds files of the earlier version, the
// offer to convert them; nothing else until the user picks a menu command.
#include <QTimer>
#include <exception>

#include "gamedb/DataTree.h"
#include "games/ConvertOldFiles.h"
#include "shell/App.h"
#include "shell/Application.h"
#include "shell/MDIForm1.h"
#include "shell/Prompter.h"

int main(int argc, char** argv) {
  yardmark::Application qapp(argc, argv);
  const std::filesystem::path programDir = QCoreApplication::applicationDirPath().toStdString();
  try {
    // Only what is missing is made, so a program copied without its data tree still works.
    yardmark::layOutTree(programDir);
  } catch (const std::exception&) {
    // A read-only program directory: the forms report what they cannot find.
  }

  yardmark::QtPrompter prompter;
  qapp.setPrompter(&prompter);
  yardmark::App app(programDir, prompter);
  yardmark::MDIForm1 window(app);
  prompter.setParentWindow(&window);
  window.show();
  // Files kept by the earlier version are offered for conversion once the window is up.
  QTimer::singleShot(0, &window, [&] { yardmark::offerConversion(app, &window); });
  const int rc = yardmark::Application::exec();
  qapp.setPrompter(nullptr);
  return rc;
}
