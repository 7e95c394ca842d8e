// The real boxes (a few smoke tests) and the scripted prompter the other tests rely on.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include "core/db/Database.h"
#include "gui/shell/Application.h"
#include "gui/shell/FilePick.h"
#include "support/ScriptedPrompter.h"

namespace yardmark::test {
namespace {

// Runs on the box once it is open.
template <class Box>
void whenOpen(std::function<void(Box*)> act) {
  QTimer::singleShot(0, [act] {
    if (auto* box = qobject_cast<Box*>(QApplication::activeModalWidget())) act(box);
  });
}

TEST(QtPrompter, MessageBoxShowsTextTitleIconAndDefaultAndButtonsMapToAnswers) {
  QtPrompter prompter;
  QStringList shown;
  whenOpen<QMessageBox>([&](QMessageBox* box) {
    shown = {box->windowTitle(), box->text(), QString::number(box->icon()), box->defaultButton()->text().remove('&'),
             QString::number(box->textFormat())};
    QTest::keyClick(box, Qt::Key_Return);  // Enter takes the default button
  });
  // A name read from a file may look like markup; it is shown as typed.
  EXPECT_EQ(prompter.message(
                MessageBox("<h1>Re-verify?</h1>", Buttons::YesNo, Icon::Critical, "MsgBox Demonstration", Answer::No)),
            Answer::No);
  EXPECT_EQ(shown, (QStringList{"MsgBox Demonstration", "<h1>Re-verify?</h1>", QString::number(QMessageBox::Critical),
                                "No", QString::number(Qt::PlainText)}));

  const std::tuple<Buttons, QMessageBox::StandardButton, Answer> cases[] = {
      {Buttons::Ok, QMessageBox::Ok, Answer::Ok},
      {Buttons::YesNoCancel, QMessageBox::Cancel, Answer::Cancel},
      {Buttons::OkCancel, QMessageBox::Cancel, Answer::Cancel},
      {Buttons::RetryCancel, QMessageBox::Retry, Answer::Retry},
  };
  for (const auto& [buttons, click, expected] : cases) {
    whenOpen<QMessageBox>([&, click = click](QMessageBox* box) {
      shown = {box->windowTitle()};
      box->button(click)->click();
    });
    EXPECT_EQ(prompter.message(MessageBox("x", buttons)), expected);
    EXPECT_EQ(shown, QStringList{"YardMark"}) << "the title defaults to the program's";
  }
}

TEST(QtPrompter, InputBoxReturnsTheTextOrNothingOnCancel) {
  QtPrompter prompter;
  QStringList shown;
  whenOpen<QInputDialog>([&](QInputDialog* dlg) {
    shown = {dlg->windowTitle(), dlg->labelText(), dlg->textValue(),
             QString::number(dlg->findChild<QLabel*>()->textFormat())};
    dlg->setTextValue("3");
    dlg->accept();
  });
  EXPECT_EQ(prompter.input(InputBox("Number of <b>Copies</b>:", "Print", "0", QPoint(500, 500))), QString("3"));
  EXPECT_EQ(shown, (QStringList{"Print", "Number of <b>Copies</b>:", "0", QString::number(Qt::PlainText)}));
  whenOpen<QInputDialog>([](QInputDialog* dlg) { dlg->reject(); });
  EXPECT_EQ(prompter.input(InputBox("Name?")), std::nullopt);
}

// Opening asks for a file that exists; saving may name a new one.
TEST(FilePick, OpenWantsAnExistingFileAndSaveAnyFile) {
  for (auto [pick, mode] : {std::pair{&pickFileToOpen, std::pair{QFileDialog::ExistingFile, QFileDialog::AcceptOpen}},
                            std::pair{&pickFileToSave, std::pair{QFileDialog::AnyFile, QFileDialog::AcceptSave}}}) {
    std::pair<QFileDialog::FileMode, QFileDialog::AcceptMode> shown{};
    whenOpen<QFileDialog>([&](QFileDialog* dlg) {
      shown = {dlg->fileMode(), dlg->acceptMode()};
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
  QEvent failing(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&target, &failing)) << "a failed event is not handled";
  application->setPrompter(nullptr);
  EXPECT_EQ(prompter.texts(), (QStringList{"Could not find file 'C:\\x.mdb'.", "disk full"}));
  EXPECT_EQ(prompter.records().at(0).icon, Icon::Critical);
}

}  // namespace
}  // namespace yardmark::test
