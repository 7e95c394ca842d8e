#pragma once
// How the program tells a failure that no form words itself: one look for every such box.
#include <QString>
#include <exception>

namespace yardmark {

class Prompter;

// Shows `lead` followed by the failure's message (critical icon, OK), under `title` (empty: the
// application title). The lead says what was being done when it is not plain from the message.
void tellFailure(Prompter& prompter, const std::exception& failure, const QString& lead = {},
                 const QString& title = {});

}  // namespace yardmark
