#pragma once
// Shows a report page or its season detail page and prints it: page setup, print and print
// preview through the browser commands; exports the page shown as PDF and the season as CSV.
#include <QString>
#include <filesystem>
#include <functional>
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
  QPushButton* cmdSeasonDetail;
  QPushButton* cmdExportPdf;
  QPushButton* cmdExportCsv;

  // The file dialogs; tests put their answers in their place. An empty answer is a cancel.
  struct FileDialogs {
    std::function<QString(const QString& suggested)> savePdf;
    std::function<QString()> csvFolder;
  };
  FileDialogs fileDialogs;

  // Loads the report page with the style sheet beside it (or of the reports folder given, for a
  // page in a folder of its own); the reason when the file cannot be shown (gone, unreadable,
  // not a page), and then the viewer keeps what it showed.
  std::optional<QString> navigate(const std::filesystem::path& path, const std::filesystem::path& reportsFolder = {});
  // The report the viewer shows (its own page or its detail page); empty before the first.
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
  void cmdSeasonDetail_Toggled(bool detail);
  void cmdExportPdf_Click();
  void cmdExportCsv_Click();
  void makeExportButtons();
  // Shows a page; its style sheet is the one of the reports folder. The reason when it cannot.
  std::optional<QString> loadPage(const std::filesystem::path& file, const std::filesystem::path& reportsFolder);
  // The detail page and the games list of the report shown, and whether they are there.
  std::filesystem::path detailPage() const;
  std::filesystem::path gamesList() const;
  void offerDetail();
  // Runs a command: its status first, so a disabled one is told, then the command with its dialog.
  // Returns the error left pending, if any.
  std::optional<BrowserError> queryAndRun(BrowserCommand command);

  std::unique_ptr<BrowserCommands> m_commands;
  std::filesystem::path m_shown;
  bool m_pageSet = false;
  bool m_sized = false;
};

}  // namespace yardmark
