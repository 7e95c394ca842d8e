#pragma once
// Shows a report page and prints it: page setup, print and print preview through the
// browser commands.
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

#include "gui/reports/BrowserCommands.h"
#include "gui/shell/Form.h"

class QLabel;
class QPushButton;
class QTextBrowser;

namespace yardmark {

class frmViewReport : public Form {
  Q_OBJECT
 public:
  explicit frmViewReport(App& app);
  ~frmViewReport() override;

  QTextBrowser* WB1;
  QLabel* lblRepTitle;
  QPushButton* cmdPageSetup;
  QPushButton* cmdPrint;
  QPushButton* cmdPrintPreview;

  // Loads the report page with the style sheet beside it; the reason when the file cannot be
  // shown (gone, unreadable, not a page), and then the viewer keeps what it showed.
  std::optional<QString> navigate(const std::filesystem::path& path);
  // The file the viewer shows; empty before the first.
  const std::filesystem::path& shownFile() const { return m_shown; }

  void setBrowserCommands(std::unique_ptr<BrowserCommands> commands);
  BrowserCommands& browserCommands() { return *m_commands; }
  bool pageSet() const { return m_pageSet; }

 protected:
  void formActivate() override;

 private:
  void cmdPageSetup_Click();
  void cmdPrint_Click();
  void cmdPrintPreview_Click();
  // Runs a command as the old forms did: status first, then the command with its dialog.
  // Returns the error left pending, if any.
  std::optional<BrowserError> queryAndRun(BrowserCommand command);

  std::unique_ptr<BrowserCommands> m_commands;
  std::filesystem::path m_shown;
  bool m_pageSet = false;
  bool m_sized = false;
};

}  // namespace yardmark
