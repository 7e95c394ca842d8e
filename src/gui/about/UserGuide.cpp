#include "gui/about/UserGuide.h"

#include <QLabel>

#include "core/files/DataFolder.h"
#include "gui/reports/frmViewReport.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

namespace fs = std::filesystem;

fs::path userGuideFile() {
  const fs::path beside = executableDir() / "UserGuide.html";
  std::error_code ec;
  return fs::exists(beside, ec) ? beside : fs::path(YARDMARK_INSTALLED_GUIDE);
}

void showUserGuide(App& app) {
  const bool wasLoaded = app.forms().find<frmViewReport>() != nullptr;
  frmViewReport& viewer = app.forms().load<frmViewReport>();
  const fs::path guide = userGuideFile();
  if (const auto problem = viewer.navigate(guide)) {
    if (!wasLoaded) viewer.unload();
    app.prompter().tell("Cannot show the user's guide '" + QString::fromStdString(guide.string()) + "': " + *problem);
    return;
  }
  app.forms().showForm(viewer);
  viewer.lblRepTitle->setText("User's Guide");
}

}  // namespace yardmark
