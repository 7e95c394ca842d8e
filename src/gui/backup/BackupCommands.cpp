#include "gui/backup/BackupCommands.h"

#include <QDir>
#include <QLocale>
#include <algorithm>
#include <chrono>
#include <optional>

#include "core/backup/Backup.h"
#include "core/backup/Restore.h"
#include "core/backup/RestorePlan.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/RunWithProgress.h"
#include "gui/shell/TellFailure.h"

namespace yardmark {

namespace {

const QString kBackUpTitle = QStringLiteral("Back Up Data");
const QString kRestoreTitle = QStringLiteral("Restore Data");
const QString kZipFilter = QStringLiteral("YardMark back-ups (*.zip)");
// Runs work(progress) off the GUI thread under a progress dialog whose Cancel stops it.
// Nothing when cancelled; what the work throws otherwise reaches the caller.
template <typename Work>
auto withProgress(App& app, const QString& title, const QString& label, Work work) {
  ProgressDialogSetup setup;
  setup.objectName = QStringLiteral("dlgBackupProgress");
  setup.title = title;
  setup.label = label;
  setup.parent = app.forms().mainWindow();
  setup.minimumWidth = 480;
  return runWithProgress(setup, work);
}

QString counted(size_t n, const char* one, const char* many) {
  return QString("%1 %2").arg(n).arg(QString::fromLatin1(n == 1 ? one : many));
}

QString native(const std::filesystem::path& p) { return QDir::toNativeSeparators(QString::fromStdString(p.string())); }

QString backedUp(const BackupReport& r) {
  QString text = QString("The back-up was written to\n%1\n\nIt holds %2, %3 and %4 (%5).")
                     .arg(native(r.archive), counted(r.games, "game", "games"),
                          r.roster ? QString("the roster") : QString("no roster"),
                          counted(r.reportFiles, "report file", "report files"),
                          QLocale().formattedDataSize(static_cast<qint64>(r.bytes)));
  if (!r.copiedAsIs.empty()) {
    text += QString("\n\n%1 not read as YardMark games, so kept byte for byte:")
                .arg(counted(r.copiedAsIs.size(), "file was", "files were"));
    constexpr size_t kNamed = 5;
    for (size_t i = 0; i < std::min(kNamed, r.copiedAsIs.size()); ++i) text += "\n" + native(r.copiedAsIs[i]);
    if (r.copiedAsIs.size() > kNamed) text += QString("\nand %1 more").arg(r.copiedAsIs.size() - kNamed);
  }
  return text;
}

QString holdings(const QString& file, const BackupSummary& s) {
  QString text = QString("%1\nwas made on %2 and holds:\n").arg(file, QString::fromStdString(s.created));
  for (const auto& [year, games] : s.years)
    text += QString("\n    %1: %2").arg(QString::fromStdString(year), counted(games, "game", "games"));
  if (s.years.empty()) text += "\n    no games";
  text += "\n    " +
          (s.rosterPlayers
               ? QString("the roster: %1").arg(counted(static_cast<size_t>(*s.rosterPlayers), "player", "players"))
               : QString("no roster"));
  if (s.keptAsIs) text += "\n    " + counted(s.keptAsIs, "file of an earlier version", "files of an earlier version");
  text += "\n    " + counted(s.reports, "report page", "report pages");
  return text +
         "\n\nRestore it? Every file it replaces is first moved into a folder named \"replaced\" and the date, "
         "inside the YardMark folder.";
}

QString restored(const RestoreReport& r) {
  QString text = r.recovered ? QString::fromStdString(*r.recovered) + "\n\n" : QString();
  text += QString("%1 restored.").arg(counted(r.restored, "file was", "files were"));
  for (const auto& other : r.otherReplacedFolders)
    text += QString("\n\nFiles it replaced on another disk were kept in\n%1").arg(native(other));
  if (r.replacedFolder.empty()) return text + (r.otherReplacedFolders.empty() ? "\n\nIt replaced no file." : "");
  return text + QString("\n\nThe files it replaced were moved into\n%1").arg(native(r.replacedFolder));
}

}  // namespace

void backUpDataCommand(App& app, const PickFile& pick) {
  const QString suggested =
      QDir(documentsFolder()).filePath(QString::fromStdString(defaultBackupName(std::chrono::system_clock::now())));
  const QString file = pick(app.forms().mainWindow(), {kBackUpTitle, suggested, kZipFilter, "zip"});
  if (file.isEmpty()) return;
  try {
    const DataTree& tree = app.tree();
    const std::filesystem::path archive = file.toStdString();
    const auto report = withProgress(app, kBackUpTitle, "Backing up the data...",
                                     [&tree, archive](Progress& p) { return backUpData(tree, archive, &p); });
    // Cancelled: the core has left nothing behind, and the coach asked for nothing.
    if (report) app.prompter().message(MessageBox(backedUp(*report), Buttons::Ok, Icon::Information, kBackUpTitle));
  } catch (const std::exception& e) {
    tellFailure(app.prompter(), e, {}, kBackUpTitle);
  }
}

void restoreDataCommand(App& app, const PickFile& pick) {
  const QString file = pick(app.forms().mainWindow(), {kRestoreTitle, documentsFolder(), kZipFilter, {}});
  if (file.isEmpty()) return;
  const std::filesystem::path archive = file.toStdString();
  try {
    const auto summary = withProgress(app, kRestoreTitle, "Reading the back-up...",
                                      [archive](Progress& p) { return inspectBackup(archive, &p); });
    if (!summary) return;
    const MessageBox question(holdings(QDir::toNativeSeparators(file), *summary), Buttons::YesNo, Icon::Question,
                              kRestoreTitle, Answer::No);
    if (app.prompter().message(question) != Answer::Yes) return;
    // An open form may hold a game or the roster open, and would go on writing to the file
    // moved aside; each closes through its own unload logic, which may keep it open.
    if (!app.forms().unloadAll()) return;
    const DataTree& tree = app.tree();
    const auto report = withProgress(app, kRestoreTitle, "Restoring the data...",
                                     [archive, &tree](Progress& p) { return restoreBackup(archive, tree, &p); });
    if (report) app.prompter().message(MessageBox(restored(*report), Buttons::Ok, Icon::Information, kRestoreTitle));
  } catch (const std::exception& e) {
    tellFailure(app.prompter(), e, {}, kRestoreTitle);
  }
}

void finishInterruptedRestore(App& app) {
  try {
    if (const auto told = backup::finishInterruptedRestore(app.tree()))
      app.prompter().message(MessageBox(QString::fromStdString(*told), Buttons::Ok, Icon::Information, kRestoreTitle));
  } catch (const std::exception& e) {
    tellFailure(app.prompter(), e, {}, kRestoreTitle);
  }
}

}  // namespace yardmark
