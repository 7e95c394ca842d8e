#pragma once
// Long work under a progress dialog: the one set-up of the dialog, the work's steps shown on it
// and its Cancel asking the work to stop at once, while the window goes on repainting.
#include <QString>
#include <QtGlobal>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>

#include "core/jet/Progress.h"
#include "gui/shell/Background.h"

class QProgressDialog;
class QTimer;
class QWidget;

namespace yardmark {

// Small work is done before a dialog could flash up.
constexpr int kShowProgressAfterMs = 400;

struct ProgressDialogSetup {
  QString objectName;
  QString title;
  QString label;
  QString cancelCaption = QStringLiteral("Cancel");
  QWidget* parent = nullptr;
  Qt::WindowModality modality = Qt::WindowModal;
  int showAfterMs = kShowProgressAfterMs;
  bool showsSteps = true;  // false: a busy bar under the label, whatever the work tells
  int minimumWidth = 0;    // steps naming files would make it jump
};

// The dialog and the work's steps on their way to it: the work's thread writes the step and a
// timer on the GUI thread shows it, so the work never waits for a repaint.
class DialogProgress : public Progress {
 public:
  explicit DialogProgress(const ProgressDialogSetup& setup);
  ~DialogProgress() override;
  DialogProgress(const DialogProgress&) = delete;
  DialogProgress& operator=(const DialogProgress&) = delete;
  void step(double done, const std::string& what) override;
  bool stopRequested() const override { return m_stopped.load(); }
  void stop() { m_stopped = true; }
  QProgressDialog& dialog() { return *m_dialog; }

 private:
  void show();

  std::unique_ptr<QProgressDialog> m_dialog;
  std::unique_ptr<QTimer> m_timer;
  std::atomic<int> m_done{0};
  std::atomic<bool> m_stopped{false};
  std::mutex m_mutex;
  std::string m_step;
};

// Runs work(progress) off the GUI thread under the dialog. Nothing when the user stopped it and
// the work ended by throwing (its way of stopping); otherwise its result, or what it threw.
template <typename Work>
auto runWithProgress(const ProgressDialogSetup& setup, Work work)
    -> std::optional<std::invoke_result_t<Work&, Progress&>> {
  DialogProgress progress(setup);
  try {
    return runInBackground(
        progress.dialog(), [&] { return work(static_cast<Progress&>(progress)); }, [&progress] { progress.stop(); });
  } catch (...) {
    if (progress.stopRequested()) return std::nullopt;
    throw;
  }
}

}  // namespace yardmark
