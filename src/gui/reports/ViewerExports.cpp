// The viewer's season detail toggle and its exports: the page shown as PDF, the season as CSV.
#include <QFileDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>
#include <QStyle>
#include <QTextBrowser>

#include "core/files/SafeWrite.h"
#include "core/page/CsvExport.h"
#include "core/page/DetailPage.h"
#include "core/report/Consolidator.h"
#include "gui/reports/frmViewReport.h"
#include "gui/shell/App.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/TellFailure.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

QString shown(const fs::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

void frmViewReport::makeExportButtons() {
  cmdSeasonDetail = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogInfoView), "Season Detail", this);
  cmdSeasonDetail->setObjectName("cmdSeasonDetail");
  cmdSeasonDetail->setCheckable(true);
  cmdSeasonDetail->setEnabled(false);
  cmdExportPdf = new QPushButton("Export PDF...", this);
  cmdExportPdf->setObjectName("cmdExportPdf");
  cmdExportPdf->setToolTip("Save the page shown as a PDF file, laid out as it prints");
  cmdExportCsv = new QPushButton("Export CSV...", this);
  cmdExportCsv->setObjectName("cmdExportCsv");
  fileDialogs.savePdf = [this](const QString& suggested) {
    return QFileDialog::getSaveFileName(this, "Export PDF", suggested, "PDF files (*.pdf)");
  };
  fileDialogs.csvFolder = [this] {
    return QFileDialog::getExistingDirectory(this, "Export CSV",
                                             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  };
  connect(cmdSeasonDetail, &QPushButton::toggled, this, &frmViewReport::cmdSeasonDetail_Toggled);
  connect(cmdExportPdf, &QPushButton::clicked, this, &frmViewReport::cmdExportPdf_Click);
  connect(cmdExportCsv, &QPushButton::clicked, this, &frmViewReport::cmdExportCsv_Click);
}

fs::path frmViewReport::detailPage() const {
  return detailPagePath(m_shown.parent_path(), m_shown.filename().string());
}

fs::path frmViewReport::gamesList() const { return gamesListPath(m_shown.parent_path(), m_shown.filename().string()); }

namespace {

constexpr const char* kTornTip =
    "The season detail page and its list of games were not written by the same run (one was cut short), so "
    "this report is shown without them. Generate it again to have them.";

}  // namespace

void frmViewReport::offerDetail() {
  // A newly shown report starts on its own page.
  const QSignalBlocker quiet(cmdSeasonDetail);
  cmdSeasonDetail->setChecked(false);
  // A torn pair counts as no detail page: its list may name other games than the page shows.
  const DetailState state = detailState(m_shown.parent_path(), m_shown.filename().string());
  const bool detail = state == DetailState::Whole;
  cmdSeasonDetail->setEnabled(detail);
  cmdSeasonDetail->setToolTip(detail ? "Show the season in detail, game by game, and back to the report"
                              : state == DetailState::Torn
                                  ? kTornTip
                                  : "This report has no season detail page: it was made before they were "
                                    "written. Generate it again to have one.");
  std::error_code ec;
  const bool games = detail && fs::is_regular_file(gamesList(), ec);
  cmdExportCsv->setEnabled(games);
  cmdExportCsv->setToolTip(games                        ? "Write the season's tables as CSV files into a folder of "
                                                          "their own, named after the report"
                           : state == DetailState::Torn ? kTornTip
                                                        : "The games of this report are not known: it was made "
                                                          "before they were kept. Generate it again to export its "
                                                          "CSV files.");
}

void frmViewReport::cmdSeasonDetail_Toggled(bool detail) {
  const fs::path page = detail ? detailPage() : m_shown;
  if (const auto problem = loadPage(page, m_shown.parent_path())) {
    app().prompter().tell("Cannot show the page '" + shown(page) + "': " + *problem);
    const QSignalBlocker quiet(cmdSeasonDetail);
    cmdSeasonDetail->setChecked(!detail);
  }
}

void frmViewReport::cmdExportPdf_Click() {
  const QString name = QString::fromStdString(m_shown.stem().string() + ".pdf");
  const QString file =
      fileDialogs.savePdf(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + '/' + name);
  if (file.isEmpty()) return;
  // The paper and margins of Page Setup when the commands have a printer.
  auto* commands = dynamic_cast<QtBrowserCommands*>(m_commands.get());
  const QPageLayout layout = commands ? commands->printer().pageLayout() : defaultPageLayout();
  try {
    writePdf(*WB1->document(), layout, fs::path(file.toStdString()));
  } catch (const BrowserError& e) {
    tellFailure(app().prompter(), e);
  }
}

void frmViewReport::cmdExportCsv_Click() {
  Prompter& prompter = app().prompter();
  const QString report = QString::fromStdString(m_shown.filename().string());
  const bool whole = detailState(m_shown.parent_path(), m_shown.filename().string()) == DetailState::Whole;
  const std::vector<fs::path> games = whole ? readGamesList(gamesList()) : std::vector<fs::path>{};
  if (!whole) {
    prompter.tell(kTornTip);
    return;
  }
  if (games.empty()) {
    prompter.tell("The games of the report " + report +
                  " are not known: it was made before they were kept. Generate it again to export its CSV files.");
    return;
  }
  const QString chosen = fileDialogs.csvFolder();
  if (chosen.isEmpty()) return;
  const fs::path folder = csvSetFolder(fs::path(chosen.toStdString()), m_shown.filename().string());
  QStringList existing;
  for (const std::string& f : existingCsvFiles(folder)) existing << QString::fromStdString(f);
  if (!existing.isEmpty() && prompter.message(MessageBox("The folder '" + shown(folder) + "' already holds " +
                                                             existing.join(", ") + ". Replace them?",
                                                         Buttons::YesNo, Icon::Question)) != Answer::Yes)
    return;
  try {
    writeSeasonCsv(folder.parent_path(), m_shown.filename().string(), buildSeasonDetail(games));
  } catch (const MergeError& e) {
    tellFailure(prompter, e, "Cannot use the game file '" + shown(e.file()) + "': ");
    return;
  } catch (const WriteError& e) {
    tellFailure(prompter, e, "Cannot write the CSV files: ");
    return;
  }
  prompter.tell("The CSV files of the report " + report + " were written to '" + shown(folder) + "'.");
}

}  // namespace yardmark
