#include "gui/shell/RunWithProgress.h"

#include <QProgressDialog>
#include <QTimer>
#include <algorithm>

namespace yardmark {

namespace {
constexpr int kSteps = 1000;
constexpr int kShowEveryMs = 100;
}  // namespace

DialogProgress::DialogProgress(const ProgressDialogSetup& setup)
    : m_dialog(std::make_unique<QProgressDialog>(setup.label, setup.cancelCaption, 0, setup.showsSteps ? kSteps : 0,
                                                 setup.parent)),
      m_timer(std::make_unique<QTimer>()) {
  QProgressDialog& d = *m_dialog;
  d.setObjectName(setup.objectName);
  d.setWindowTitle(setup.title);
  d.setWindowModality(setup.modality);
  d.setMinimumDuration(setup.showAfterMs);
  if (setup.minimumWidth > 0) d.setMinimumWidth(setup.minimumWidth);
  d.setAutoReset(false);
  d.setAutoClose(false);
  d.setValue(0);
  if (setup.showsSteps) {
    QObject::connect(m_timer.get(), &QTimer::timeout, &d, [this] { show(); });
    m_timer->start(kShowEveryMs);
  }
}

DialogProgress::~DialogProgress() = default;

void DialogProgress::step(double done, const std::string& what) {
  m_done = static_cast<int>(std::clamp(done, 0.0, 1.0) * kSteps);
  const std::lock_guard lock(m_mutex);
  m_step = what;
}

void DialogProgress::show() {
  std::string step;
  {
    const std::lock_guard lock(m_mutex);
    step = m_step;
  }
  if (!step.empty()) m_dialog->setLabelText(QString::fromStdString(step));
  m_dialog->setValue(m_done.load());
}

}  // namespace yardmark
