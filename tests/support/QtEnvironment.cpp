// One application object (the program's own) for the whole test run; gtest_main owns main(), so an environment makes
// it.
#include <gtest/gtest.h>

#include <memory>

#include "gui/shell/Application.h"

namespace {

class QtEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "yardmark tests";
    static char* argv[] = {name, nullptr};
    m_app = std::make_unique<yardmark::Application>(argc, argv);
  }
  void TearDown() override { m_app.reset(); }

 private:
  std::unique_ptr<yardmark::Application> m_app;
};

[[maybe_unused]] testing::Environment* const kQt = testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
