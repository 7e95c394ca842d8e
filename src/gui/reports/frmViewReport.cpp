#include "gui/reports/frmViewReport.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/files/DataTree.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/Twips.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

const QString kDisabled = QStringLiteral("The Print command is currently disabled.");

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap icon) {
  auto* b = new QPushButton(parent->style()->standardIcon(icon), caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

bool isPermissionDenied(const BrowserError& e) { return e.description().toUpper() == "PERMISSION DENIED"; }

}  // namespace

frmViewReport::frmViewReport(App& app) : Form(app) {
  setObjectName("frmViewReport");
  setWindowTitle("View Report");
  WB1 = new QTextBrowser(this);
  WB1->setObjectName("WB1");
  WB1->setOpenLinks(false);
  // A browser widens a squeezed column rather than split a word ("Tack les"): so does the viewer,
  // and the printed copy with it.
  WB1->setWordWrapMode(QTextOption::WordWrap);
  lblRepTitle = new QLabel("Report:", this);
  lblRepTitle->setObjectName("lblRepTitle");
  cmdPageSetup = button(this, "cmdPageSetup", "Page Setup", QStyle::SP_FileDialogDetailedView);
  cmdPrint = button(this, "cmdPrint", "Print Report", QStyle::SP_DialogSaveButton);
  cmdPrintPreview = button(this, "cmdPrintPreview", "Print Preview", QStyle::SP_FileDialogContentsView);
  const std::pair<QPushButton*, QKeySequence> keys[] = {
      {cmdPrint, QKeySequence(Qt::CTRL | Qt::Key_P)},
      {cmdPrintPreview, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}};
  for (const auto& [b, key] : keys) {
    b->setShortcut(key);
    b->setToolTip(b->text() + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + QLatin1Char(')'));
  }

  makeExportButtons();

  auto* top = new QHBoxLayout;
  top->addWidget(lblRepTitle, 1);
  for (QPushButton* b : {cmdSeasonDetail, cmdPageSetup, cmdPrint, cmdPrintPreview, cmdExportPdf, cmdExportCsv})
    top->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(WB1, 1);
  // The window is never smaller than 9450 by 6690 twips; the browser takes what is left.
  setMinimumSize(pixelsFromTwips(9450), pixelsFromTwips(6690));
  resize(pixelsFromTwips(11000), pixelsFromTwips(8500));

  m_commands = std::make_unique<QtBrowserCommands>(WB1->document(), this);
  connect(cmdPageSetup, &QPushButton::clicked, this, &frmViewReport::cmdPageSetup_Click);
  connect(cmdPrint, &QPushButton::clicked, this, &frmViewReport::cmdPrint_Click);
  connect(cmdPrintPreview, &QPushButton::clicked, this, &frmViewReport::cmdPrintPreview_Click);
}

frmViewReport::~frmViewReport() = default;

void frmViewReport::setBrowserCommands(std::unique_ptr<BrowserCommands> commands) { m_commands = std::move(commands); }

void frmViewReport::formActivate() {
  // Each return to the viewer asks about the page again before printing.
  m_pageSet = false;
  if (m_sized) return;
  m_sized = true;
  // Wide enough for the page's 990-pixel tables where the main window allows it.
  if (QMdiSubWindow* window = app().forms().subWindowOf(*this)) {
    const QSize area = app().forms().area()->viewport()->size();
    window->resize(std::min(1060, std::max(area.width(), window->minimumWidth())),
                   std::min(700, std::max(area.height(), window->minimumHeight())));
    window->move(0, 0);
  }
}

std::optional<QString> frmViewReport::navigate(const fs::path& path, const fs::path& reportsFolder) {
  if (auto problem = loadPage(path, reportsFolder.empty() ? path.parent_path() : reportsFolder)) return problem;
  m_shown = path;
  offerDetail();
  return std::nullopt;
}

std::optional<QString> frmViewReport::loadPage(const fs::path& path, const fs::path& reportsFolder) {
  const fs::path file = findPathCaseInsensitive(path);
  // Read by its own bytes: Qt's file names would turn a name that is not valid UTF-8 into another.
  std::error_code ec;
  if (!fs::exists(file, ec)) return QStringLiteral("the file does not exist.");
  std::ifstream f(file, std::ios::binary);
  if (!f) return QString::fromLocal8Bit(std::strerror(errno)) + ".";
  const std::string bytes{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  const QByteArray page = QByteArray::fromStdString(bytes);
  if (!page.contains("<html") && !page.contains("<HTML")) return QStringLiteral("it is not a report page.");

  // Qt's browser does not follow the page's @import: the style sheet beside the report is
  // given to the document, so the screen shows the colours and widths a browser shows.
  QString css;
  QFile sheet(QString::fromStdString(styleSheetOf(reportsFolder).string()));
  if (sheet.open(QIODevice::ReadOnly)) css = QString::fromLatin1(sheet.readAll());
  // Qt drops a declaration marked !important.
  css.replace("!important", "");
  WB1->document()->setDefaultStyleSheet(css);
  WB1->document()->setBaseUrl(QUrl::fromLocalFile(QString::fromStdString((file.parent_path() / "").string())));
  // A browser lets the style sheet's heading colour win over a cell's own white; Qt lets the
  // cell's win, which left the headings white on white. The shown copy drops that white.
  QString html = QString::fromLatin1(page);  // the page is written as single-byte text
  html.replace(QStringLiteral("bgcolor=\"#FFFFFF\" class=\"bg_table_sab\""), QStringLiteral("class=\"bg_table_sab\""),
               Qt::CaseInsensitive);
  WB1->setHtml(html);
  return std::nullopt;
}

std::optional<BrowserError> frmViewReport::queryAndRun(BrowserCommand command) {
  try {
    if (m_commands->queryStatus(command) & kCommandEnabled)
      m_commands->exec(command, ExecOption::PromptUser);
    else
      app().prompter().tell(kDisabled);
  } catch (const BrowserError& e) {
    return e;
  }
  return std::nullopt;
}

void frmViewReport::cmdPageSetup_Click() {
  int status = 0;
  try {
    status = m_commands->queryStatus(BrowserCommand::PageSetup);
  } catch (const BrowserError&) {
    return;  // page setup ignores its errors
  }
  if (!(status & kCommandEnabled)) {
    app().prompter().tell(kDisabled);
    return;
  }
  try {
    m_commands->exec(BrowserCommand::PageSetup, ExecOption::PromptUser);
  } catch (const BrowserError&) {
  }
  m_pageSet = true;
}

void frmViewReport::cmdPrint_Click() {
  Prompter& prompter = app().prompter();
  if (!m_pageSet && prompter.message(MessageBox("The Page has not yet been set. Would you stil like to print?",
                                                Buttons::YesNo)) != Answer::Yes)
    return;
  const auto error = queryAndRun(BrowserCommand::Print);
  if (!error) return;
  if (!isPermissionDenied(*error)) {
    prompter.tell("Print command Error: " + error->description());
    return;
  }
  const auto answer = prompter.input(InputBox("Number of Copies:", "Print", "0", QPoint(500, 500)));
  if (!answer) return;
  bool numeric = false;
  const double copies = answer->trimmed().toDouble(&numeric);
  if (!numeric || !(copies > 0)) {
    prompter.tell("wrong argument...can not pass string for print copies.");
    return;
  }
  // The last counter is rounded half to even, so "2.5" copies prints the same count every time.
  const long last = std::lrint(copies - 1);
  for (long copy = 0; copy <= last; ++copy) {
    try {
      m_commands->exec(BrowserCommand::Print, ExecOption::DontPromptUser);
    } catch (const BrowserError&) {
    }
  }
}

void frmViewReport::cmdPrintPreview_Click() {
  const auto error = queryAndRun(BrowserCommand::PrintPreview);
  if (!error) return;
  if (!isPermissionDenied(*error)) {
    app().prompter().tell("Print command Error: " + error->description());
    return;
  }
  try {
    m_commands->exec(BrowserCommand::PrintPreview, ExecOption::DontPromptUser);
  } catch (const BrowserError&) {
  }
}

}  // namespace yardmark
