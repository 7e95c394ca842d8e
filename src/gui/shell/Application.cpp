#include "gui/shell/Application.h"

#include <exception>

#include "core/db/Database.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(kAppTitle);
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const DbError& e) {
    tellFailure(QString::fromStdString(e.description()));
  } catch (const std::exception& e) {
    tellFailure(QString::fromLocal8Bit(e.what()));
  }
  return false;
}

void Application::tellFailure(const QString& text) {
  // A failure while the box itself is up is not shown twice.
  if (!m_prompter || m_telling) return;
  m_telling = true;
  try {
    m_prompter->message(MessageBox(text, Buttons::Ok, Icon::Critical));
  } catch (...) {
  }
  m_telling = false;
}

}  // namespace yardmark
