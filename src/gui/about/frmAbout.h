#pragma once
// The About box: the program's name and version, the maker's links and the system-information tool.
// Its widgets are laid out in frmAbout.ui.
#include <QUrl>
#include <functional>
#include <memory>

#include "gui/about/SystemInfo.h"
#include "gui/shell/Form.h"

namespace Ui {
class frmAbout;
}

namespace yardmark {

class frmAbout : public Form {
  Q_OBJECT
 public:
  explicit frmAbout(App& app);
  ~frmAbout() override;

  // Where the tool is found and how links are opened; the desktop's by default.
  void setSystemInfoLookup(std::unique_ptr<SystemInfoLookup> lookup);
  void setUrlOpener(std::function<bool(const QUrl&)> open);

  void startSysInfo();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<Ui::frmAbout> ui;
  std::unique_ptr<SystemInfoLookup> m_lookup;
  std::function<bool(const QUrl&)> m_openUrl;
};

}  // namespace yardmark
