// Start-up: the main window and, when the data folder holds files of the earlier version, the
// offer to convert them; nothing else until the user picks a menu command.
#include <QGuiApplication>
#include <QTimer>

#include "core/files/DataFolder.h"
#include "gui/backup/BackupCommands.h"
#include "gui/games/ConvertOldFiles.h"
#include "gui/shell/App.h"
#include "gui/shell/Application.h"
#include "gui/shell/MDIForm1.h"
#include "gui/shell/Prompter.h"

int main(int argc, char** argv) {
  yardmark::Application qapp(argc, argv);
  // Lets the desktop match the window with the menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.yardmark.YardMark"));
  yardmark::QtPrompter prompter;

  std::filesystem::path programDir;
  try {
    // Only what is missing is made, so a program copied without its data tree still works.
    programDir = yardmark::openProgramDirectory(yardmark::placeOf(yardmark::executableDir()));
  } catch (const yardmark::DataFolderError& e) {
    // Without its data folder every command would fail: say where and why, and stop.
    prompter.message(
        yardmark::MessageBox(QString::fromStdString(e.what()), yardmark::Buttons::Ok, yardmark::Icon::Critical));
    return 1;
  }

  qapp.setPrompter(&prompter);
  yardmark::App app(programDir, prompter);
  // A restore a kill cut short is finished or undone before any form reads the folder.
  yardmark::finishInterruptedRestore(app);
  yardmark::MDIForm1 window(app);
  prompter.setParentWindow(&window);
  window.showFitted();
  // Files kept by the earlier version are offered for conversion once the window is up.
  QTimer::singleShot(0, &window, [&] { yardmark::offerConversion(app, &window); });
  const int rc = yardmark::Application::exec();
  qapp.setPrompter(nullptr);
  return rc;
}
