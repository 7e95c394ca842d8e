// Every form and dialog of the program as a screen reader or a keyboard user meets it: each box
// the buddy of its label, each list named by its label, its accessible name or the frame it
// fills, each button by its caption, and the texts the coach reads. What the user is asked and
// shown: the real boxes (a few smoke tests) and the scripted prompter the other tests rely on,
// text pasted into a box under its key rule, and long work under the progress dialog, whose
// steps reach it and whose Cancel stops the work at once.
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDate>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QTimer>
#include <QToolButton>
#include <chrono>
#include <set>
#include <stdexcept>
#include <thread>

#include "gui/entry/frmNewGame.h"
#include "gui/reports/frmNewReport.h"
#include "gui/reports/frmViewReport.h"
#include "gui/roster/frmRosterImportSheet.h"
#include "gui/sheet/SheetCommands.h"
#include "gui/shell/Application.h"
#include "gui/shell/FilePick.h"
#include "gui/shell/KeyFilter.h"
#include "gui/shell/RunWithProgress.h"
#include "support/RosterFixture.h"

namespace yardmark::test {
namespace {

using Open = std::function<void(App&, const std::filesystem::path& root)>;
struct FormCase {
  const char* name;  // the form's objectName
  Open open;
  int prompts;  // messages the form shows as it opens on a one-player roster and one game
};
void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }

// The forms with a menu command are opened by it, as the coach opens them.
Open menu(const char* command) {
  return [command](App& app, const std::filesystem::path&) {
    app.forms().mainWindow()->findChild<QAction*>(command)->trigger();
  };
}
template <class F>
Open show() {
  return [](App& app, const std::filesystem::path&) { app.forms().show<F>(); };
}
void showEntry(App& app, const std::filesystem::path&) {
  app.vars().currentGameYear = "2007";
  app.vars().currentGameNumber = 3;
  app.forms().show<frmNewGame>();
}

// clang-format off
const FormCase kForms[] = {
    {"DialogNewGame", menu("mfNew"), 0},
    {"DialogOpenGame", menu("fmEditGameStat"), 0},
    {"DialogDeleteGame", menu("fmDeleteGameStat"), 0},
    {"DialogSendGame", menu("fmSendGame"), 0},
    {"frmNewGame", showEntry, 0},
    {"frmBoxScore", [](App& app, const std::filesystem::path& root) { showInSheet(app, root / "YardMark/games/2007/Game3.mdb"); }, 0},
    {"frmGameCheck",
     [](App& app, const std::filesystem::path& root) {
       showEntry(app, root);
       app.forms().find<frmNewGame>()->checkGame();
     },
     0},
    {"DialogNewReport", menu("mrNew"), 0},
    {"frmNewReport", show<frmNewReport>(), 0},
    {"DialogOpenReport", menu("mrView"), 0},
    {"DialogDeleteReport", menu("mrDelete"), 0},
    {"frmViewReport", show<frmViewReport>(), 0},
    {"frmAbout", menu("mnuAbout"), 0},
    {"frmRoster", menu("mRoster"), 0},
    {"frmRosterImport", menu("mRosterImport"), 1},  // no contacts program
    {"frmRosterImportSheet",
     [](App& app, const std::filesystem::path& root) {
       frmRosterImportSheet::chooseFile(app, [root](QWidget*, const FileQuestion&) {
         return QString::fromStdString((root / "sheet.csv").string());
       });
     },
     0},
};
// clang-format on

class FormsSweep : public RosterFixture, public testing::WithParamInterface<FormCase> {};

TEST_P(FormsSweep, EveryBoxHasItsLabelAndEveryButtonItsCaption) {
  const FormCase& c = GetParam();
  seed({{"Smith", "John", "A"}});
  root.copyTemplate("YardMark/games/2007/Game3.mdb");
  root.writeFile("sheet.csv", "Last,First,MI\nAshdown,Rose,R\n");
  for (int i = 0; i < c.prompts; ++i) prompter.answer(Answer::Ok);
  c.open(app, root.dir());
  auto* form = window->findChild<QWidget*>(c.name);
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());

  std::set<QWidget*> buddies;
  for (QLabel* l : form->findChildren<QLabel*>())
    if (l->buddy()) buddies.insert(l->buddy());
  for (QWidget* box : form->findChildren<QWidget*>()) {
    // A combo's drop-down list, a table's headings.
    if (box->window()->windowType() == Qt::Popup || qobject_cast<QHeaderView*>(box)) continue;
    auto* frame = qobject_cast<QGroupBox*>(box->parentWidget());
    if (qobject_cast<QAbstractItemView*>(box) && frame && !frame->title().isEmpty()) continue;
    const bool list = qobject_cast<QAbstractItemView*>(box);
    const bool typed = qobject_cast<QComboBox*>(box) ||
                       (qobject_cast<QLineEdit*>(box) && !qobject_cast<QComboBox*>(box->parentWidget()) &&
                        !qobject_cast<QAbstractSpinBox*>(box->parentWidget()));
    const std::string name = box->objectName().toStdString();
    // The quarter grid's own row: a label has one buddy, and the column headings name the
    // opponent's boxes; a box of that row without a label is named by its row and column.
    const bool ownQuarter = name.starts_with("txtQuarter") ? name.ends_with("Own") : name == "txtTotalOwn";
    const bool named = buddies.count(box) || ((list || ownQuarter) && !box->accessibleName().isEmpty());
    EXPECT_TRUE(named || !(typed || list)) << name << " is no label's buddy";
    // Black-box checks find a control by its name.
    EXPECT_TRUE(!name.empty() || !(typed || qobject_cast<QAbstractScrollArea*>(box) || qobject_cast<QLabel*>(box) ||
                                   qobject_cast<QPushButton*>(box) || qobject_cast<QCheckBox*>(box)))
        << box->metaObject()->className() << " in " << c.name;
  }
  for (QPushButton* b : form->findChildren<QPushButton*>())
    EXPECT_FALSE(b->text().trimmed().isEmpty() && b->accessibleName().isEmpty()) << b->objectName().toStdString();
  for (QToolButton* b : form->findChildren<QToolButton*>())  // a picture only: the tip says what it does
    EXPECT_TRUE(b->toolButtonStyle() != Qt::ToolButtonIconOnly || b->toolTip() == b->text())
        << b->objectName().toStdString();
  const QString thisYear = QString::number(QDate::currentDate().year());  // File > New suggests it
  expectReference(QString::fromStdString(formState(form, root.dir())).replace(thisYear, "YYYY").toStdString(),
                  std::string("forms/") + c.name + ".txt");
  // A form of fixed size offers no maximise button.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) {
    EXPECT_EQ(bool(sub->windowFlags() & Qt::WindowMaximizeButtonHint), form->minimumSize() != form->maximumSize());
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, FormsSweep, testing::ValuesIn(kForms),
                         [](const auto& info) { return std::string(info.param.name); });

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
    std::tuple<QFileDialog::FileMode, QFileDialog::AcceptMode, QString> shown{};
    whenOpen<QFileDialog>([&](QFileDialog* dlg) {
      shown = {dlg->fileMode(), dlg->acceptMode(), dlg->defaultSuffix()};
      dlg->reject();
    });
    EXPECT_EQ(pick(nullptr, FileQuestion{{}, {}, {}, "zip"}), QString());  // the suffix a typed name gets
    EXPECT_EQ(shown, std::tuple_cat(mode, std::tuple(QString("zip"))));
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
