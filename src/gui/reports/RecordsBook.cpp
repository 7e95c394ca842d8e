#include "gui/reports/RecordsBook.h"

#include <QLabel>

#include "core/export/RecordsCsv.h"
#include "core/page/RecordsPage.h"
#include "core/report/ReportName.h"
#include "gui/reports/frmViewReport.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/RunWithProgress.h"
#include "gui/shell/TellFailure.h"

namespace yardmark {

namespace fs = std::filesystem;

namespace {

const QString kTitle = QStringLiteral("Records Book");

// The page's name, by the rules of a report's name; nothing when cancelled or refused (told).
std::optional<std::string> pageName(Prompter& prompter) {
  const auto typed = prompter.input(InputBox("Name of the records book page:", kTitle, kRecordsPage));
  if (!typed) return std::nullopt;
  const std::string name = typed->trimmed().toStdString();
  if (const auto problem = reportNameProblem(name)) {
    prompter.tell(QString::fromStdString(*problem));
    return std::nullopt;
  }
  return name;
}

// Reads the games and writes the page, its charts and its CSV files, all or none.
RecordsBook writeBook(const std::vector<YearGames>& years, const fs::path& page, Progress& progress) {
  RecordsBook book = buildRecordsBook(years, {}, &progress);
  progress.step(1, "Writing the records book");
  std::vector<FileContent> files = recordsPageFiles(page, book);
  for (FileContent& f : recordsCsvFiles(page.parent_path(), book)) files.push_back(std::move(f));
  makeFolder(page.parent_path());
  writeFilesSafely(files);
  return book;
}

}  // namespace

std::optional<fs::path> showRecordsBook(App& app) {
  Prompter& prompter = app.prompter();
  const std::vector<YearGames> years = yearsOfTree(app.tree());
  if (years.empty()) {
    prompter.tell("There are no games yet, so there is no records book to write.");
    return std::nullopt;
  }
  const auto name = pageName(prompter);
  if (!name) return std::nullopt;
  const fs::path folder = recordsFolderOf(app.tree().reportsFolder());
  const fs::path page = folder / *name;
  ProgressDialogSetup setup;
  setup.objectName = QStringLiteral("dlgRecordsProgress");
  setup.title = kTitle;
  setup.label = QStringLiteral("Reading every game of every year...");
  setup.parent = app.forms().mainWindow();
  setup.minimumWidth = 420;
  std::optional<RecordsBook> book;
  try {
    book = runWithProgress(setup, [&](Progress& progress) { return writeBook(years, page, progress); });
  } catch (const std::exception& e) {
    tellFailure(prompter, e, QStringLiteral("The records book was not written: "), kTitle);
    return std::nullopt;
  }
  if (!book) return std::nullopt;
  const bool wasLoaded = app.forms().find<frmViewReport>() != nullptr;
  frmViewReport& viewer = app.forms().load<frmViewReport>();
  if (const auto problem = viewer.navigate(page, app.tree().reportsFolder())) {
    if (!wasLoaded) viewer.unload();
    prompter.tell("Cannot show the records book '" + QString::fromStdString(page.string()) + "': " + *problem);
    return page;
  }
  app.forms().showForm(viewer);
  viewer.lblRepTitle->setText("Records Book: " + QString::fromStdString(*name));
  if (!book->skipped.empty())
    prompter.tell(
        QString("%1 could not be read and %2 left out of the records book; the page names %3.")
            .arg(book->skipped.size() == 1 ? QString("One game") : QString("%1 games").arg(book->skipped.size()),
                 book->skipped.size() == 1 ? "is" : "are", book->skipped.size() == 1 ? "it" : "them"));
  return page;
}

}  // namespace yardmark
