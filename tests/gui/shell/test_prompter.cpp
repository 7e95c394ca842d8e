// What the user is asked and shown: the real boxes (a few smoke tests) and the scripted prompter
// the other tests rely on, text pasted into a box under its key rule, and long work under the
// progress dialog, whose steps reach it and whose Cancel stops the work at once.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "core/db/Database.h"
#include "gui/shell/Application.h"
#include "gui/shell/FilePick.h"
#include "gui/shell/KeyFilter.h"
#include "gui/shell/RunWithProgress.h"
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

// The ways a user puts the clipboard's text into a box; keys go to the combo box around it.
void ctrlV(QLineEdit* box) { QTest::keyClick(box->focusProxy(), Qt::Key_V, Qt::ControlModifier); }
void shiftInsert(QLineEdit* box) { QTest::keyClick(box->focusProxy(), Qt::Key_Insert, Qt::ShiftModifier); }
void menuPaste(QLineEdit* box) {
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(box, &click);
  QWidget* menu = QApplication::activePopupWidget();
  ASSERT_NE(menu, nullptr);
  for (QAction* a : menu->actions())
    if (a->text().startsWith(QLineEdit::tr("&Paste"))) a->trigger();
  menu->close();
}
void drop(QLineEdit* box) {
  QMimeData data;
  data.setText(QGuiApplication::clipboard()->text());
  const QPoint end(box->width() - 2, 2);
  QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(box, &enter);  // a drop lands only where the drag entered
  QDropEvent dropped(end, Qt::CopyAction, &data, Qt::LeftButton, {});
  QApplication::sendEvent(box, &dropped);
}

// Text from the clipboard or a drop passes the box's rule a character at a time, as typing does.
TEST(KeyRules, PastedAndDroppedTextPassesTheRule) {
  const struct {
    void (*put)(QLineEdit*);
    KeyRule rule;
    const char *before, *given, *after;
  } cases[] = {
      {ctrlV, isItNumber, "", "abc", ""},
      {shiftInsert, isItNumber, "1", "2x3456789", "12345"},
      {menuPaste, nameKey, "Jo", "h3n", "John"},
      {drop, isItNumber, "7", "1 0", "710"},
  };
  for (const auto& c : cases) {
    QComboBox combo;
    combo.setEditable(true);
    installKeyFilter(combo.lineEdit(), c.rule);
    combo.lineEdit()->setText(c.before);
    combo.show();
    QGuiApplication::clipboard()->setText(c.given);
    c.put(combo.lineEdit());
    EXPECT_EQ(combo.lineEdit()->text(), c.after) << c.given;
  }
}

using Clock = std::chrono::steady_clock;

TEST(RunWithProgress, StepsAreShownAndCancelStopsTheWorkAtOnce) {
  const struct {
    bool showsSteps;
    bool throwsOnStop;  // the work's own way to end when stopped
  } cases[] = {{true, true}, {true, false}, {false, true}};
  for (const auto& c : cases) {
    ProgressDialogSetup setup;
    setup.objectName = QStringLiteral("dlgTestProgress");
    setup.label = QStringLiteral("Working...");
    setup.showAfterMs = 0;
    setup.showsSteps = c.showsSteps;
    QString shown;
    int value = 0;
    std::optional<Clock::time_point> pressed;
    QTimer watcher;  // the user: presses Cancel once the dialog has shown a step (or is up a while)
    int ticks = 0;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* d = qobject_cast<QProgressDialog*>(w);
        if (!d || d->objectName() != setup.objectName || !d->isVisible() || pressed) continue;
        shown = d->labelText(), value = d->value();
        if (shown.startsWith("Step") || (!c.showsSteps && ++ticks > 5)) {
          pressed = Clock::now();
          QTest::mouseClick(d->findChild<QPushButton*>(), Qt::LeftButton);
        }
      }
    });
    watcher.start(10);
    const auto result = runWithProgress(setup, [&](Progress& progress) {
      int i = 0;
      for (const auto end = Clock::now() + std::chrono::seconds(5); !progress.stopRequested() && Clock::now() < end;) {
        ++i;
        progress.step(i / 1000.0, "Step " + std::to_string(i));
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
      }
      if (progress.stopRequested() && c.throwsOnStop) throw std::runtime_error("stopped");
      return i;
    });
    ASSERT_TRUE(pressed) << c.showsSteps;
    EXPECT_LT(Clock::now() - *pressed, std::chrono::milliseconds(500)) << c.showsSteps;
    EXPECT_EQ(result.has_value(), !c.throwsOnStop) << c.showsSteps;
    EXPECT_EQ(shown.startsWith("Step"), c.showsSteps) << shown.toStdString();
    EXPECT_EQ(value > 0, c.showsSteps) << value;
  }
}

}  // namespace
}  // namespace yardmark::test
