#include "gui/shell/Application.h"

#include <exception>

#include "gui/shell/Prompter.h"
#include "gui/shell/TellFailure.h"

namespace yardmark {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) { setApplicationName(kAppTitle); }

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    tellOnce(e);
  }
  return false;
}

void Application::tellOnce(const std::exception& e) {
  // A failure while the box itself is up is not shown twice.
  if (!m_prompter || m_telling) return;
  m_telling = true;
  try {
    tellFailure(*m_prompter, e);
  } catch (...) {
  }
  m_telling = false;
}

}  // namespace yardmark
