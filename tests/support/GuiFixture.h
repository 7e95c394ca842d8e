#pragma once
// A main window on a fresh program directory, with a scripted prompter, and small forms
// that count their events.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest/QTest>
#include <memory>

#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/MDIForm1.h"
#include "support/ScriptedPrompter.h"
#include "support/TempRoot.h"

namespace yardmark::test {

// A left click on a button, as the user gives it.
inline void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// The texts of a list's rows, in order.
inline QStringList itemTexts(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

// A form as the coach sees it, for a reference file: each named control shown on it, in the
// order made, with what it shows, its tip, its accessible name and whether it is off, checked or
// has the focus; the root folder is written <root>.
std::string formState(const QWidget* form, const std::filesystem::path& root = {});

struct FormLog {
  int activations = 0;
  int unloads = 0;
  bool cancelUnload = false;
};

// Each N is a distinct form type; its events go to a log the test owns.
template <int N>
class CountingForm : public Form {
 public:
  static inline FormLog* log = nullptr;
  explicit CountingForm(App& app) : Form(app) {
    setObjectName(QString("form%1").arg(N));
    setWindowTitle(objectName());
    resize(300, 200);
  }

 protected:
  void formActivate() override { ++log->activations; }
  void formUnload(bool& cancel) override {
    ++log->unloads;
    cancel = log->cancelUnload;
  }
};
using FormA = CountingForm<1>;
using FormB = CountingForm<2>;

class ShellTest : public testing::Test {
 protected:
  void SetUp() override {
    FormA::log = &logA;
    FormB::log = &logB;
    window = std::make_unique<MDIForm1>(app);
  }
  void TearDown() override {
    window.reset();
    FormA::log = nullptr;
    FormB::log = nullptr;
  }
  QMdiSubWindow* sub(const Form& f) { return app.forms().subWindowOf(f); }

  TempRoot root;
  ScriptedPrompter prompter;
  App app{root.dir(), prompter};
  FormLog logA, logB;
  std::unique_ptr<MDIForm1> window;
};

}  // namespace yardmark::test
