// Every form and dialog of the program as a screen reader or a keyboard user meets it: each box
// the buddy of its label, each list named by its label, its accessible name or the frame it
// fills, each button by its caption, and the texts the coach reads.
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QToolButton>
#include <set>

#include "gui/entry/frmNewGame.h"
#include "gui/reports/frmNewReport.h"
#include "gui/reports/frmViewReport.h"
#include "gui/roster/frmRosterImportSheet.h"
#include "support/RosterFixture.h"

namespace yardmark::test {
namespace {

using Open = std::function<void(App&, const std::filesystem::path& root)>;
struct FormCase {
  const char* name;  // the form's objectName
  Open open;
  int prompts;        // messages the form shows as it opens on a one-player roster and one game
  const char* texts;  // "title|objectName=caption|..."
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

const FormCase kForms[] = {
    {"DialogNewGame", menu("mfNew"), 0,
     "Create New Game|Frame1=Game|Frame2=CURRENT YardMark Game Files|OKButton=OK|CancelButton=Cancel"},
    {"DialogOpenGame", menu("fmEditGameStat"), 0,
     "Open Game|Frame1=YardMark Game Files|Frame2=Synopsis of File|OkButton=Ok|CancelButton=Cancel"},
    {"DialogDeleteGame", menu("fmDeleteGameStat"), 0,
     "Delete Game|Label1=Once you delete, you cannot bring back the deleted game...|OkButton=Delete|"
     "CancelButton=Cancel"},
    {"DialogSendGame", menu("fmSendGame"), 0,
     "Send Game|Frame1=YardMark Game Files|cmdOpenRoster=Open Manage Roster|cmdCopy=&Copy|cmdClose=Close"},
    {"frmNewGame", showEntry, 0, "New Game Stats|lblOwTTO=Total Offense|cmdhSave=Save"},
    {"frmGameCheck",
     [](App& app, const std::filesystem::path& root) {
       showEntry(app, root);
       app.forms().find<frmNewGame>()->checkGame();
     },
     0, "Check Game - Game3.mdb"},
    {"DialogNewReport", menu("mrNew"), 0,
     "New Report|Label3=EX:  2007_GM1.htm|lable1=Be sure not to ovewrite existing files|OKButton=OK|"
     "CancelButton=Cancel"},
    {"frmNewReport", show<frmNewReport>(), 0,
     "Create New Report|Frame1=Select Games for Reports|Label1=Select Year|Label2=Select Game|Label3=Selected Game|"
     "cmdAddDatabase=>|cmdAddAll=>>|cmdRemoveDatabase=<|cmdRemoveAll=<<|cmdGenerateReports=Generate Reports"},
    {"DialogOpenReport", menu("mrView"), 0,
     "Open Report|Label1=Select Year|Label2=Select Report|OKButton=OK|CancelButton=Cancel"},
    {"DialogDeleteReport", menu("mrDelete"), 0,
     "Delete Report|Label3=Once you delete, you cannot bring back the deleted report...|OKButton=Delete"},
    {"frmViewReport", show<frmViewReport>(), 0,
     "View Report|lblRepTitle=Report:|cmdPageSetup=Page Setup|cmdPrint=Print Report|cmdPrintPreview=Print Preview"},
    {"frmAbout", menu("mnuAbout"), 0,
     "About YardMark|lblTitle=YardMark|lblVersion=Version 1.0.0|cmdOK=OK|cmdSysInfo=&System Info..."},
    {"frmRoster", menu("mRoster"), 0, "Roster Information|lblMiddleName=MI|cmdFindNext= Find Next"},
    {"frmRosterImport", menu("mRosterImport"), 1,  // the contacts program is not installed
     "Import Roster From Rallybook Contacts|cmdAddAll=>>"},
    {"frmRosterImportSheet",
     [](App& app, const std::filesystem::path& root) {
       frmRosterImportSheet::chooseFile(app, [root](QWidget*, const FileQuestion&) {
         return QString::fromStdString((root / "sheet.csv").string());
       });
     },
     0, "Import Roster From Spreadsheet|cmdImport=&Import|cmdClose=C&lose"},
};

class FormsSweep : public RosterFixture, public testing::WithParamInterface<FormCase> {};

QString captionOf(const QObject* o) {
  if (auto* l = qobject_cast<const QLabel*>(o)) return l->text();
  if (auto* b = qobject_cast<const QAbstractButton*>(o)) return b->text();
  if (auto* g = qobject_cast<const QGroupBox*>(o)) return g->title();
  return "(no caption)";
}

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
    if (typed || list) {
      EXPECT_TRUE(named) << name << " is no label's buddy";
    }
    // Black-box checks find a control by its name.
    if (typed || qobject_cast<QAbstractScrollArea*>(box) || qobject_cast<QLabel*>(box) ||
        qobject_cast<QPushButton*>(box) || qobject_cast<QCheckBox*>(box)) {
      EXPECT_FALSE(name.empty()) << captionOf(box).toStdString();
    }
  }
  for (QPushButton* b : form->findChildren<QPushButton*>())
    EXPECT_FALSE(b->text().trimmed().isEmpty() && b->accessibleName().isEmpty()) << b->objectName().toStdString();
  for (QToolButton* b : form->findChildren<QToolButton*>())  // a picture only: the tip says what it does
    EXPECT_TRUE(b->toolButtonStyle() != Qt::ToolButtonIconOnly || b->toolTip() == b->text())
        << b->objectName().toStdString();
  const QStringList texts = QString(c.texts).split('|');
  EXPECT_EQ(form->windowTitle(), texts.first());
  for (const QString& t : texts.mid(1)) {
    const QString name = t.section('=', 0, 0);
    EXPECT_EQ(captionOf(form->findChild<QObject*>(name)), t.section('=', 1)) << name.toStdString();
  }
  // A form of fixed size offers no maximise button.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) {
    EXPECT_EQ(bool(sub->windowFlags() & Qt::WindowMaximizeButtonHint), form->minimumSize() != form->maximumSize());
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, FormsSweep, testing::ValuesIn(kForms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace yardmark::test
