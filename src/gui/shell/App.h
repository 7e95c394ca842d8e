#pragma once
// What every form is given: the shared values, the folder tree, the prompter and the host
// of the forms. One per run (one per test).
#include <filesystem>
#include <memory>

#include "core/files/DataTree.h"
#include "gui/shell/GlobalVariables.h"

namespace yardmark {

class Prompter;
class FormHost;

class App {
 public:
  App(std::filesystem::path programDir, Prompter& prompter);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  GlobalVariables& vars() { return m_vars; }
  const DataTree& tree() const { return m_tree; }
  Prompter& prompter() { return m_prompter; }
  FormHost& forms() { return *m_forms; }

 private:
  Prompter& m_prompter;
  DataTree m_tree;
  GlobalVariables m_vars;
  std::unique_ptr<FormHost> m_forms;
};

}  // namespace yardmark
