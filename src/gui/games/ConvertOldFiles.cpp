#include "gui/games/ConvertOldFiles.h"

#include <QDir>
#include <QProgressDialog>

#include "core/jet/HelperProcess.h"
#include "gui/shell/App.h"
#include "gui/shell/Background.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

QString conversionQuestion(size_t files) {
  const QString count = files == 1 ? QStringLiteral("1 file") : QString::number(files) + " files";
  return "The data folder holds " + count +
         " kept by the earlier version of YardMark, which must be converted before they can be opened. "
         "Each original is kept beside its new file, under its name with .jet added.\n\nConvert them now?";
}

QString conversionSummaryText(const ConvertSummary& summary) {
  QString text = QString::fromStdString(summaryLine(summary));
  for (const Conversion& c : summary.files)
    if (!c.ok || !c.leftOut.empty()) text += "\n\n" + QString::fromStdString(describe(c, summary.dryRun));
  return text;
}

std::optional<ConvertSummary> offerConversion(App& app, QWidget* parent, const ConvertOptions& options) {
  const std::vector<OldFile> files = findOldFiles(app.tree());
  if (files.empty()) return std::nullopt;
  const Answer answer =
      app.prompter().message(MessageBox(conversionQuestion(files.size()), Buttons::YesNo, Icon::Question));
  if (answer != Answer::Yes) return std::nullopt;

  QProgressDialog progress("Converting the files of the earlier version...", "Stop", 0, static_cast<int>(files.size()),
                           parent);
  progress.setObjectName("dlgConvertProgress");
  progress.setWindowTitle(kAppTitle);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  // Stop also kills a helper that hangs on a file; that file and the rest are left as they were.
  HelperStop stop{false};
  ConvertOptions running = options;
  running.stop = &stop;
  const auto tellProgress = [&progress](size_t index, size_t total, const std::filesystem::path& file) {
    // Called on the worker thread: the dialog is updated on its own.
    QMetaObject::invokeMethod(
        &progress,
        [&progress, index, total, file] {
          progress.setValue(static_cast<int>(index));
          progress.setLabelText("Converting " + QString::number(index + 1) + " of " + QString::number(total) + ": " +
                                QDir::toNativeSeparators(QString::fromStdString(file.string())));
        },
        Qt::QueuedConnection);
    return true;
  };
  const ConvertSummary summary = runInBackground(
      progress, [&] { return convertOldFiles(app.tree(), files, running, tellProgress); }, [&stop] { stop = true; });
  app.prompter().tell(conversionSummaryText(summary));
  return summary;
}

bool offerConversionOf(App& app, const std::filesystem::path& game, const ConvertOptions& options) {
  const QString name = QString::fromStdString(game.filename().string());
  QString question = "The game file ";
  question += name;
  question +=
      " was kept by the earlier version of YardMark and must be converted before it can be opened. "
      "The original is kept beside the new file, under its name with .jet added.\n\nConvert it now?";
  if (app.prompter().message(MessageBox(question, Buttons::YesNo, Icon::Question)) != Answer::Yes) return false;

  QProgressDialog progress("Converting " + name + "...", "Stop", 0, 0);
  progress.setObjectName("dlgConvertProgress");
  progress.setWindowTitle(kAppTitle);
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);
  HelperStop stop{false};
  ConvertOptions running = options;
  running.stop = &stop;
  // A game of a year folder: its rows go into a fresh copy of the template, as at start-up.
  const ConvertSummary summary = runInBackground(
      progress,
      [&] {
        return convertOldFiles(app.tree(), {OldFile{game, OldFileKind::Game, true}}, running);
      },
      [&stop] { stop = true; });
  // Stopped: the file is left as it was and the open dialog stays, as after No.
  if (summary.files.empty()) return false;
  const Conversion& c = summary.files.front();
  if (!c.ok) {
    QString text = "The game file ";
    text += QDir::toNativeSeparators(QString::fromStdString(game.string()));
    text += " could not be converted: ";
    text += QString::fromStdString(c.reason);
    text += ". It is left as it was.";
    app.prompter().message(MessageBox(text, Buttons::Ok, Icon::Exclamation));
    return false;
  }
  if (!c.leftOut.empty()) app.prompter().tell(QString::fromStdString(describe(c, false)));
  return true;
}

}  // namespace yardmark
