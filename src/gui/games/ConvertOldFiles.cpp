#include "gui/games/ConvertOldFiles.h"

#include <QDir>

#include "gui/shell/App.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/RunWithProgress.h"

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

namespace {

// Shown at once: a conversion is awaited, not glanced at.
ProgressDialogSetup conversionDialog(const QString& label, QWidget* parent, Qt::WindowModality modality,
                                     bool showsSteps) {
  ProgressDialogSetup setup;
  setup.objectName = QStringLiteral("dlgConvertProgress");
  setup.title = kAppTitle;
  setup.label = label;
  setup.cancelCaption = QStringLiteral("Stop");
  setup.parent = parent;
  setup.modality = modality;
  setup.showAfterMs = 0;
  setup.showsSteps = showsSteps;
  return setup;
}

}  // namespace

std::optional<ConvertSummary> offerConversion(App& app, QWidget* parent, const ConvertOptions& options) {
  const std::vector<OldFile> files = findOldFiles(app.tree());
  if (files.empty()) return std::nullopt;
  const Answer answer =
      app.prompter().message(MessageBox(conversionQuestion(files.size()), Buttons::YesNo, Icon::Question));
  if (answer != Answer::Yes) return std::nullopt;

  // Stop also kills a helper that hangs on a file; that file and the rest are left as they were.
  const auto summary =
      runWithProgress(conversionDialog("Converting the files of the earlier version...", parent, Qt::WindowModal, true),
                      [&](Progress& progress) {
                        ConvertOptions running = options;
                        running.progress = &progress;
                        return convertOldFiles(app.tree(), files, running);
                      });
  if (summary) app.prompter().tell(conversionSummaryText(*summary));
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

  // A game of a year folder: its rows go into a fresh copy of the template, as at start-up.
  const auto ran = runWithProgress(
      conversionDialog("Converting " + name + "...", nullptr, Qt::ApplicationModal, false), [&](Progress& progress) {
        ConvertOptions running = options;
        running.progress = &progress;
        return convertOldFiles(app.tree(), {OldFile{game, OldFileKind::Game, true}}, running);
      });
  // Stopped: the file is left as it was and the open dialog stays, as after No.
  if (!ran || ran->files.empty()) return false;
  const Conversion& c = ran->files.front();
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
