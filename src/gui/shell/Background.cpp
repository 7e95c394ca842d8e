#include "gui/shell/Background.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QtConcurrent/QtConcurrentRun>

namespace yardmark {

void runJobInBackground(QProgressDialog& progress, std::function<void()> job, const std::function<void()>& stop) {
  QEventLoop loop;
  QFutureWatcher<void> watcher;
  // Connected before the work starts, so that its end cannot be missed.
  QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
  QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&stop] { stop(); });
  watcher.setFuture(QtConcurrent::run(std::move(job)));
  if (!watcher.isFinished()) loop.exec();
  // The loop may be left early when the program quits; the work still uses the caller's objects.
  if (!watcher.isFinished()) {
    stop();
    watcher.waitForFinished();
  }
  progress.reset();
}

}  // namespace yardmark
