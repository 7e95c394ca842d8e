#pragma once
// The game entry form: one game file typed in, section by section.
#include <filesystem>

#include "shell/Form.h"

namespace yardmark {

class frmNewGame : public Form {
  Q_OBJECT
public:
  explicit frmNewGame(App& app);

  // The game file the form has open; empty while none is.
  const std::filesystem::path& gameFilePath() const { return m_gameFilePath; }

private:
  std::filesystem::path m_gameFilePath;
};

}  // namespace yardmark
