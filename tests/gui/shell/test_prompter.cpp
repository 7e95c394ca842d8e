// The real boxes (a few smoke tests) and the scripted prompter the other tests rely on.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
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
    int buttonCount = 0;
    whenOpen<QMessageBox>([&](QMessageBox* box) {
      title = box->windowTitle();
      buttonCount = static_cast<int>(box->buttons().size());
      box->button(c.click)->click();
    });
    EXPECT_EQ(prompter.message(MessageBox("x", c.buttons)), c.expected);
    EXPECT_EQ(title, "YardMark");
    EXPECT_GE(buttonCount, 1);
  }
}

TEST(QtPrompter, InputBoxReturnsTheTextOrNothingOnCancel) {
  QtPrompter prompter;
  QString title, shownDefault;
  whenOpen<QInputDialog>([&](QInputDialog* dlg) {
    title = dlg->windowTitle();
    shownDefault = dlg->textValue();
    dlg->setTextValue("3");
    dlg->accept();
  });
  EXPECT_EQ(prompter.input(InputBox("Number of Copies:", "Print", "0", QPoint(500, 500))), QString("3"));
  EXPECT_EQ(title, "Print");
  EXPECT_EQ(shownDefault, "0");
  whenOpen<QInputDialog>([](QInputDialog* dlg) { dlg->reject(); });
  EXPECT_EQ(prompter.input(InputBox("Name?")), std::nullopt);
}

TEST(ScriptedPrompter, AnswersInOrderAndRecordsWhatWasShown) {
  ScriptedPrompter p;
  p.answer(Answer::No).type(QString("2007")).type(std::nullopt);
  EXPECT_EQ(p.message(MessageBox("a", Buttons::YesNo, Icon::Question, "", Answer::No)), Answer::No);
  EXPECT_EQ(p.input(InputBox("b", "T", "d")), QString("2007"));
  EXPECT_EQ(p.input(InputBox("c")), std::nullopt);
  ASSERT_EQ(p.records().size(), 3u);
  EXPECT_EQ(p.records()[0].title, "YardMark");
  EXPECT_EQ(p.records()[0].icon, Icon::Question);
  EXPECT_EQ(p.records()[0].defaultButton, Answer::No);
  EXPECT_EQ(p.records()[1].title, "T");
  EXPECT_EQ(p.records()[1].defaultText, "d");
  EXPECT_TRUE(p.records()[2].isInput);
}

TEST(ScriptedPrompter, FailsOnAnUnexpectedPromptAWrongKindOrALeftoverAnswer) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedPrompter p;
        p.tell("surprise");
      },
      "unexpected message box: \"surprise\"");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedPrompter p;
        p.type(QString("x"));
        p.tell("m");
      },
      "came where an input box was scripted");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedPrompter p;
        p.answer(Answer::Yes);
      },
      "never asked for");
}

}  // namespace
}  // namespace yardmark::test

namespace yardmark::test {
namespace {

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
  ASSERT_EQ(prompter.records().size(), 2u);
  EXPECT_EQ(prompter.records()[0].icon, Icon::Critical);
}

}  // namespace
}  // namespace yardmark::test
