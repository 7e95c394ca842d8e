#include "gui/send/DialogSendGame.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/export/MaxPreps.h"
#include "core/export/NewspaperBox.h"
#include "core/files/SafeWrite.h"
#include "gui/entry/frmNewGame.h"
#include "gui/games/GameDialog.h"
#include "gui/games/GameFileLists.h"
#include "gui/roster/frmRoster.h"
#include "gui/shell/App.h"
#include "gui/shell/FormHost.h"
#include "gui/shell/FormKit.h"
#include "gui/shell/Prompter.h"
#include "gui/shell/TellFailure.h"

namespace yardmark {

namespace {

// Where the school's MaxPreps ID is kept between runs.
const QString kSupplierIdKey = QStringLiteral("MaxPreps/StatSupplierID");

QPlainTextEdit* shownText(QWidget* parent, const char* name) {
  auto* t = new QPlainTextEdit(parent);
  t->setObjectName(QString::fromLatin1(name));
  t->setReadOnly(true);
  t->setLineWrapMode(QPlainTextEdit::NoWrap);
  t->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  return t;
}

QString shown(const std::string& text) { return QString::fromStdString(text).remove(QLatin1Char('\r')); }

}  // namespace

DialogSendGame::DialogSendGame(App& app) : Form(app), m_lists(new GameFileLists(this, app.tree().gamesRoot())) {
  setObjectName("DialogSendGame");
  setWindowTitle("Send Game");
  lblGame = new QLabel(this);
  lblGame->setObjectName("lblGame");
  lblGame->setWordWrap(true);
  Frame1 = m_lists->makeFrame("Frame1", "YardMark Game Files");
  Dir1 = m_lists->Dir1;
  File1 = m_lists->File1;
  tabSend = new QTabWidget(this);
  tabSend->setObjectName("tabSend");
  tabSend->addTab(maxPrepsPage(), "MaxPreps");
  tabSend->addTab(newspaperPage(), "Newspaper");
  cmdClose = namedButton(this, "cmdClose", "Close");

  auto* main = new QVBoxLayout(this);
  main->addWidget(Frame1);
  main->addWidget(lblGame);
  main->addWidget(tabSend, 1);
  auto* foot = new QHBoxLayout;
  foot->addStretch();
  foot->addWidget(cmdClose);
  main->addLayout(foot);
  Frame1->setFixedHeight(150);
  setMinimumSize(720, 560);

  connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
    if (Frame1->isHidden()) return;
    m_file = m_lists->selectedFile().value_or(std::filesystem::path());
    refresh();
  });
  connect(cmdClose, &QPushButton::clicked, this, [this] { unload(); });
}

QWidget* DialogSendGame::maxPrepsPage() {
  auto* page = new QWidget;
  page->setObjectName("pageMaxPreps");
  txtSupplierID = new QLineEdit(page);
  txtSupplierID->setObjectName("txtSupplierID");
  txtSupplierID->setMaxLength(32);
  txtSupplierID->setText(QSettings().value(kSupplierIdKey).toString());
  lblSupplierID = buddyLabel(page, "lblSupplierID", "Stat supplier &ID (if the school has one):", txtSupplierID);
  lblLeftOut = new QLabel(QString::fromStdString(std::string(kMaxPrepsLeftOut)), page);
  lblLeftOut->setObjectName("lblLeftOut");
  lblLeftOut->setWordWrap(true);
  lblProblems = new QLabel(page);
  lblProblems->setObjectName("lblProblems");
  lblProblems->setWordWrap(true);
  lblProblems->setTextInteractionFlags(Qt::TextSelectableByMouse);
  cmdOpenRoster = namedButton(page, "cmdOpenRoster", "Open Manage Roster");
  txtMaxPreps = shownText(page, "txtMaxPreps");
  lblMaxPreps = buddyLabel(page, "lblMaxPreps", "Stat &file:", txtMaxPreps);
  cmdSaveMaxPreps = namedButton(page, "cmdSaveMaxPreps", "&Save...");

  auto* grid = new QGridLayout(page);
  grid->addWidget(lblSupplierID, 0, 0);
  grid->addWidget(txtSupplierID, 0, 1);
  grid->addWidget(lblLeftOut, 1, 0, 1, 2);
  grid->addWidget(lblProblems, 2, 0, 1, 2);
  grid->addWidget(cmdOpenRoster, 3, 0, Qt::AlignLeft);
  grid->addWidget(lblMaxPreps, 4, 0, 1, 2);
  grid->addWidget(txtMaxPreps, 5, 0, 1, 2);
  grid->addWidget(cmdSaveMaxPreps, 6, 1, Qt::AlignRight);
  grid->setRowStretch(5, 1);

  connect(txtSupplierID, &QLineEdit::textChanged, this, [this](const QString& id) {
    QSettings().setValue(kSupplierIdKey, id.trimmed());
    showMaxPreps();
  });
  connect(cmdOpenRoster, &QPushButton::clicked, this, [this] { app().forms().show<frmRoster>(); });
  connect(cmdSaveMaxPreps, &QPushButton::clicked, this,
          [this] { save("Save the MaxPreps Stat File", maxPrepsFileName(*m_game), "Text files (*.txt)", m_maxPreps); });
  return page;
}

QWidget* DialogSendGame::newspaperPage() {
  auto* page = new QWidget;
  page->setObjectName("pageNewspaper");
  txtBox = shownText(page, "txtBox");
  lblBox = buddyLabel(page, "lblBox", "&Box score:", txtBox);
  cmdCopy = namedButton(page, "cmdCopy", "&Copy");
  cmdSaveTxt = namedButton(page, "cmdSaveTxt", "Save .&txt...");
  cmdSaveHtm = namedButton(page, "cmdSaveHtm", "Save .&htm...");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {cmdCopy, cmdSaveTxt, cmdSaveHtm}) buttons->addWidget(b);
  auto* column = new QVBoxLayout(page);
  column->addWidget(lblBox);
  column->addWidget(txtBox, 1);
  column->addLayout(buttons);

  connect(cmdCopy, &QPushButton::clicked, this, [this] {
    // Plain text for a mail's body, HTML for a page: the program pasted into picks its own.
    auto* both = new QMimeData;
    both->setText(QString::fromStdString(m_boxText));
    both->setHtml(QString::fromStdString(m_boxHtml));
    QGuiApplication::clipboard()->setMimeData(both);
  });
  connect(cmdSaveTxt, &QPushButton::clicked, this,
          [this] { save("Save the Box Score", boxFileName(*m_game, false), "Text files (*.txt)", m_boxText); });
  connect(cmdSaveHtm, &QPushButton::clicked, this,
          [this] { save("Save the Box Score", boxFileName(*m_game, true), "Web pages (*.htm)", m_boxHtml); });
  return page;
}

void DialogSendGame::open(App& app) {
  std::filesystem::path file;
  GlobalVariables& vars = app.vars();
  if (frmNewGame* entry = loadedEntryForm(app); entry && vars.gameFormActive()) {
    // What is on the form goes too.
    vars.checkAllSections();
    if (vars.emptyFieldFound) return;
    file = entry->gameFilePath();
  }
  DialogSendGame& dialog = app.forms().load<DialogSendGame>();
  dialog.sendGame(file);
  app.forms().showForm(dialog);
}

void DialogSendGame::sendGame(const std::filesystem::path& file) {
  m_file = file;
  Frame1->setVisible(file.empty());
  if (file.empty()) m_lists->showGamesFolder();
  refresh();
}

void DialogSendGame::formActivate() {
  placeOverMainWindow(*this);
  // Back from Manage Roster: the numbers may have changed.
  refresh();
}

void DialogSendGame::refresh() {
  m_game.reset();
  m_roster.clear();
  m_boxText.clear();
  m_boxHtml.clear();
  if (!m_file.empty()) {
    try {
      m_game = readGame(m_file);
    } catch (const std::exception& e) {
      m_file.clear();
      tellFailure(app().prompter(), e, "The game could not be read.");
    }
  }
  if (m_game) {
    try {
      m_roster = readRoster(app().tree().rosterDatabase());
    } catch (const std::exception& e) {
      tellFailure(app().prompter(), e, "The roster could not be read, so no numbers or names come from it.");
    }
    const BoxScore box = boxScore(*m_game, m_roster);
    m_boxText = boxText(box);
    m_boxHtml = boxHtml(box);
  }
  const QString where = QString::fromStdString((m_file.parent_path().filename() / m_file.filename()).string());
  lblGame->setText(m_game ? QString("Game: %1, %2").arg(where, QString::fromStdString(boxScore(*m_game, {}).heading))
                          : QString("Pick the game to send."));
  txtBox->setPlainText(shown(m_boxText));
  for (QPushButton* b : {cmdCopy, cmdSaveTxt, cmdSaveHtm}) b->setEnabled(m_game.has_value());
  showMaxPreps();
}

void DialogSendGame::showMaxPreps() {
  m_maxPreps.clear();
  QString problem;
  bool refused = false;
  if (m_game) {
    try {
      m_maxPreps = maxPrepsFile(*m_game, m_roster, txtSupplierID->text().toStdString());
    } catch (const MaxPrepsRefusal& e) {
      problem = QString::fromStdString(e.what());
      refused = true;
    } catch (const std::exception& e) {
      problem = QString::fromStdString(e.what());
    }
  }
  lblProblems->setText(problem);
  lblProblems->setVisible(!problem.isEmpty());
  cmdOpenRoster->setVisible(refused);
  txtMaxPreps->setPlainText(shown(m_maxPreps));
  cmdSaveMaxPreps->setEnabled(!m_maxPreps.empty());
}

void DialogSendGame::save(const QString& caption, const std::string& name, const QString& filter,
                          const std::string& bytes) {
  const QString chosen = pickFile(this, {caption, documentsFolder() + "/" + QString::fromStdString(name), filter,
                                         filter.section('.', 1, 1).chopped(1)});
  if (chosen.isEmpty()) return;
  try {
    replaceFile(chosen.toStdString(), [&](const std::filesystem::path& part) { writeFileBytes(part, bytes); });
  } catch (const std::exception& e) {
    tellFailure(app().prompter(), e, "The file was not saved.");
  }
}

}  // namespace yardmark
