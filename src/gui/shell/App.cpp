#include "gui/shell/App.h"

#include "gui/shell/FormHost.h"

namespace yardmark {

App::App(std::filesystem::path programDir, Prompter& prompter)
    : m_prompter(prompter),
      m_tree(std::move(programDir)),
      m_vars(prompter),
      m_forms(std::make_unique<FormHost>(*this)) {}

App::~App() = default;

}  // namespace yardmark
