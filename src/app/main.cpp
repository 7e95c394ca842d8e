// Start-up: the main window, and nothing else until the user picks a menu command.
#include <exception>

#include "gamedb/DataTree.h"
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
  const int rc = yardmark::Application::exec();
  qapp.setPrompter(nullptr);
  return rc;
}
