#include "gui/shell/MDIForm1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStyle>

#include "gui/shell/App.h"
#include "gui/shell/Artwork.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/Twips.h"

namespace yardmark {

namespace {

// The MDI area with the field picture as its background, redrawn to its size.
class FieldArea : public QMdiArea {
 public:
  using QMdiArea::QMdiArea;

 protected:
  void paintEvent(QPaintEvent* event) override {
    const QSize size = viewport()->size();
    if (m_picture.size() != size) m_picture = backgroundPicture(size);
    QPainter p(viewport());
    p.drawPixmap(0, 0, m_picture);
    (void)event;
  }

 private:
  QPixmap m_picture;
};

QAction* item(QMenu* menu, const char* name, const char* caption) {
  QAction* a = menu->addAction(QString::fromLatin1(caption));
  a->setObjectName(QString::fromLatin1(name));
  a->setEnabled(false);  // until its form is wired
  return a;
}

}  // namespace

MDIForm1::MDIForm1(App& app, QWidget* parent) : QMainWindow(parent), m_app(app), m_mdi(new FieldArea(this)) {
  setObjectName("MDIForm1");
  setWindowTitle("YardMark");
  setWindowIcon(programIcon());
  m_mdi->setObjectName("mdiArea");
  // A form larger than the window can still be reached whole.
  m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(m_mdi);
  resize(kDesignedSize);
  buildMenus();

  exitProgram = [] { QCoreApplication::exit(0); };
  app.forms().attach(this, m_mdi);

  setCommand(fmExit, [this] { exitProgram(); });
  setCommand(fmSaveFileStat, [this] {
    if (m_app.vars().gameFormActive()) m_app.vars().checkAllSections();
  });
  fmSaveFileStat->setEnabled(app.vars().gameFormActive());
  connect(&app.vars(), &GlobalVariables::gameFormActiveChanged, fmSaveFileStat, &QAction::setEnabled);
  connectCommands(*this, app);
}

void MDIForm1::buildMenus() {
  QMenuBar* bar = menuBar();
  mFile = bar->addMenu("&File");
  mFile->setObjectName("mFile");
  mfNew = item(mFile, "mfNew", "&New");
  fmEditGameStat = item(mFile, "fmEditGameStat", "&Open");
  fmBoxScore = item(mFile, "fmBoxScore", "Box Score Shee&t...");
  fmDeleteGameStat = item(mFile, "fmDeleteGameStat", "&Delete");
  fmSendGame = item(mFile, "fmSendGame", "Send &Game...");
  fmSaveFileStat = item(mFile, "fmSaveFileStat", "&Save");
  fmBackUp = item(mFile, "fmBackUp", "&Back Up Data...");
  fmRestore = item(mFile, "fmRestore", "&Restore Data...");
  fmdash = mFile->addSeparator();
  fmdash->setObjectName("fmdash");
  fmExit = item(mFile, "fmExit", "E&xit");

  mReports = bar->addMenu("&Reports");
  mReports->setObjectName("mReports");
  mrNew = item(mReports, "mrNew", "N&ew");
  mrView = item(mReports, "mrView", "&View");
  mrDelete = item(mReports, "mrDelete", "&Delete");
  mrRecords = item(mReports, "mrRecords", "Records &Book...");

  mRosterMain = bar->addMenu("R&oster");
  mRosterMain->setObjectName("mRosterMain");
  mRoster = item(mRosterMain, "mRoster", "&Manage");
  mRosterImport = item(mRosterMain, "mRosterImport", "&Import");
  mRosterImportSheet = item(mRosterMain, "mRosterImportSheet", "Import from &Spreadsheet...");

  // F1 is help: it opens the guide, and the About box keeps its own item.
  mAbout = bar->addMenu("&About");
  mAbout->setObjectName("mAbout");
  mnuAbout = item(mAbout, "mnuAbout", "&About YardMark");
  mnuGuide = item(mAbout, "mnuGuide", "&User's Guide");

  // Keys for the commands used every evening; the menus show them beside their items, and the
  // user's guide lists them.
  const std::pair<QAction*, QKeySequence> keys[] = {{mfNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
                                                    {fmEditGameStat, QKeySequence(Qt::CTRL | Qt::Key_O)},
                                                    {fmBoxScore, QKeySequence(Qt::CTRL | Qt::Key_B)},
                                                    {mrNew, QKeySequence(Qt::CTRL | Qt::Key_R)},
                                                    {mRoster, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)},
                                                    {mnuGuide, QKeySequence(Qt::Key_F1)}};
  for (const auto& [action, key] : keys) action->setShortcut(key);
}

void MDIForm1::showFitted() {
  const QScreen* where = screen();
  if (!where) {
    show();
    return;
  }
  // The frame is not known before the window is shown; a title bar and thin borders are assumed.
  const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight);
  const MainWindowPlace place = fitMainWindow(where->availableGeometry(), kDesignedSize, QMargins(4, title + 8, 4, 4));
  setGeometry(place.geometry);
  if (place.maximised)
    showMaximized();
  else
    show();
}

void MDIForm1::setCommand(QAction* action, std::function<void()> run) {
  connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
  action->setEnabled(true);
}

void MDIForm1::closeEvent(QCloseEvent* event) {
  // The children go first; any of them may keep the whole program open.
  if (!m_app.forms().unloadAll()) {
    event->ignore();
    return;
  }
  if (m_app.vars().gameFormActive()) m_app.vars().checkAllSections();
  event->accept();
}

}  // namespace yardmark
