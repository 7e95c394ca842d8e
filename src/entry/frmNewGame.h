#pragma once
// The game entry form: one game file typed in, section by section.
#include "shell/Form.h"

namespace yardmark {

class frmNewGame : public Form {
  Q_OBJECT
public:
  explicit frmNewGame(App& app);
};

}  // namespace yardmark
