// The real boxes (a few smoke tests) and the scripted prompter the other tests rely on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <stdexcept>

#include "support/ScriptedPrompter.h"
#include "core/db/Database.h"
#include "gui/shell/Application.h"
#include "gui/shell/FilePick.h"

namespace yardmark::test {
namespace {

// Runs on the box once it is open.
template <class Box>
void whenOpen(std::function<void(Box*)> act) {
  QTimer::singleShot(0, [act] {
    if (auto* box = qobject_cast<Box*>(QApplication::activeModalWidget())) act(box);
  });
}

TEST(QtPrompter, MessageBoxShowsTextTitleIconAndDefaultButton) {
  QtPrompter prompter;
  QString title, text;
  QMessageBox::Icon icon{};
  QString defaultText;
  whenOpen<QMessageBox>([&](QMessageBox* box) {
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
    QTest::keyClick(box, Qt::Key_Return);  // Enter takes the default button
  });
  const Answer a = prompter.message(MessageBox("Re-verify?", Buttons::YesNo, Icon::Critical, "MsgBox Demonstration",
                                               Answer::No));
  EXPECT_EQ(a, Answer::No);
  EXPECT_EQ(title, "MsgBox Demonstration");
  EXPECT_EQ(text, "Re-verify?");
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(defaultText.remove('&'), "No");
}

TEST(QtPrompter, ButtonsMapToAnswersAndTheTitleDefaultsToTheProgram) {
  struct Case {
    Buttons buttons;
    QMessageBox::StandardButton click;
    Answer expected;
  };
  const Case cases[] = {
      {Buttons::Ok, QMessageBox::Ok, Answer::Ok},           {Buttons::YesNo, QMessageBox::Yes, Answer::Yes},
      {Buttons::YesNoCancel, QMessageBox::Cancel, Answer::Cancel}, {Buttons::OkCancel, QMessageBox::Cancel, Answer::Cancel},
      {Buttons::RetryCancel, QMessageBox::Retry, Answer::Retry},
  };
  for (const Case& c : cases) {
    QtPrompter prompter;
    QString title;
    whenOpen<QMessageBox>([&](QMessageBox* box) {
      title = box->windowTitle();
      box->button(c.click)->click();
    });
    EXPECT_EQ(prompter.message(MessageBox("x", c.buttons)), c.expected);
    EXPECT_EQ(title, "YardMark");
  }
}

TEST(QtPrompter, InputBoxReturnsTheTextOrNothingOnCancel) {
  QtPrompter prompter;
  QString title, prompt, shownDefault;
  whenOpen<QInputDialog>([&](QInputDialog* dlg) {
    title = dlg->windowTitle();
    prompt = dlg->labelText();
    shownDefault = dlg->textValue();
    dlg->setTextValue("3");
    dlg->accept();
  });
  EXPECT_EQ(prompter.input(InputBox("Number of Copies:", "Print", "0", QPoint(500, 500))), QString("3"));
  EXPECT_EQ(title, "Print");
  EXPECT_EQ(prompt, "Number of Copies:");
  EXPECT_EQ(shownDefault, "0");
  whenOpen<QInputDialog>([](QInputDialog* dlg) { dlg->reject(); });
  EXPECT_EQ(prompter.input(InputBox("Name?")), std::nullopt);
}

// Opening asks for a file that exists; saving may name a new one.
TEST(FilePick, OpenWantsAnExistingFileAndSaveAnyFile) {
  for (auto [pick, mode] : {std::pair{&pickFileToOpen, QFileDialog::ExistingFile},
                            std::pair{&pickFileToSave, QFileDialog::AnyFile}}) {
    QFileDialog::FileMode shown{};
    whenOpen<QFileDialog>([&](QFileDialog* dlg) {
      shown = dlg->fileMode();
      dlg->reject();
    });
    EXPECT_EQ(pick(nullptr, FileQuestion{}), QString());
    EXPECT_EQ(shown, mode);
  }
}

// An event handler that fails the way a database call can.
class Failing : public QObject {
public:
  std::function<void()> fail;
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) fail();
    return QObject::event(e);
  }
};

TEST(Application, AFailureOutOfAnEventHandlerIsToldNotFatal) {
  auto* application = qobject_cast<Application*>(QCoreApplication::instance());
  ASSERT_NE(application, nullptr);
  ScriptedPrompter prompter;
  application->setPrompter(&prompter);
  Failing target;
  prompter.answer(Answer::Ok).answer(Answer::Ok);
  target.fail = [] { throw DbError(dberr::FileNotFound, "Could not find file 'C:\\x.mdb'."); };
  QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
  QCoreApplication::sendPostedEvents(&target);
  target.fail = [] { throw std::runtime_error("disk full"); };
  QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
  QCoreApplication::sendPostedEvents(&target);
  application->setPrompter(nullptr);
  EXPECT_EQ(prompter.texts(), (QStringList{"Could not find file 'C:\\x.mdb'.", "disk full"}));
  EXPECT_EQ(prompter.records().at(0).icon, Icon::Critical);
}

}  // namespace
}  // namespace yardmark::test
