#include "gui/shell/TellFailure.h"

#include "gui/shell/Prompter.h"

namespace yardmark {

void tellFailure(Prompter& prompter, const std::exception& failure, const QString& lead, const QString& title) {
  prompter.message(MessageBox(lead + QString::fromStdString(failure.what()), Buttons::Ok, Icon::Critical, title));
}

}  // namespace yardmark
