// The pages of frmNewGame and its game-level frames: header, quarter scores and team
// statistics. Widgets are made in reading order, which is also their tab order.
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/entry/EntryWidgets.h"
#include "gui/entry/GameDetailsSection.h"
#include "gui/entry/frmNewGame.h"
#include "gui/sheet/SheetCommands.h"
#include "gui/shell/Artwork.h"
#include "gui/shell/KeyFilter.h"

namespace yardmark {

namespace {

// A player section's frame: its section fills the layout.
QGroupBox* playerFrame(QWidget* parent, const char* name, const char* title) {
  auto* box = new QGroupBox(QString::fromLatin1(title), parent);
  box->setObjectName(QString::fromLatin1(name));
  new QVBoxLayout(box);
  return box;
}

QHBoxLayout* buttonRow(QPushButton* edit, QPushButton* save) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(edit);
  row->addWidget(save);
  return row;
}

// The name of each team statistic's boxes and labels, in kTeamStatistics order.
constexpr std::array<const char*, kTeamStatistics.size()> kStatSuffixes{
    "FirstDowns", "Rushing", "Passing", "Yrds", "TO", "Fumbles", "Stats", "Punts", "Plays", "PuntsR"};

}  // namespace

void frmNewGame::buildPages() {
  auto* outer = new QVBoxLayout(this);
  SSTab1 = new QTabWidget(this);
  SSTab1->setObjectName("SSTab1");
  outer->addWidget(SSTab1);
  // The same game as one page of grids.
  auto* sheet = new QPushButton("Sheet", this);
  sheet->setObjectName("cmdSheet");
  outer->addWidget(sheet, 0, Qt::AlignRight);
  connect(sheet, &QPushButton::clicked, this, [this] {
    if (!m_gameFilePath.empty()) showInSheet(Form::app(), m_gameFilePath);
  });

  std::array<QWidget*, 4> pages{};
  std::array<QVBoxLayout*, 4> layouts{};
  const char* captions[] = {"Game Information", "Team Stats", "Offense", "Defense"};
  for (int i = 0; i < 4; ++i) {
    pages[i] = new QWidget;
    pages[i]->setObjectName(QString("SSTab1Page%1").arg(i));
    layouts[i] = new QVBoxLayout(pages[i]);
    SSTab1->addTab(pages[i], QString::fromLatin1(captions[i]));
  }
  fillGamePage(pages[0], layouts[0]);
  layouts[1]->addWidget(buildTeamStats());
  layouts[1]->addStretch(1);
  fillOffensePage(pages[2], layouts[2]);
  Frame8 = playerFrame(pages[3], "Frame8", "");
  layouts[3]->addWidget(Frame8, 1);

  for (int i = 0; i < 4; ++i) {
    cmdNext[i] = new QPushButton("Next Tab", pages[i]);
    cmdNext[i]->setObjectName("cmdNext");
    cmdNext[i]->setProperty("Index", i);
    connect(cmdNext[i], &QPushButton::clicked, this, &frmNewGame::cmdNextClick);
    cmdCheckGame[i] = new QPushButton("Check Game", pages[i]);
    cmdCheckGame[i]->setObjectName("cmdCheckGame");
    cmdCheckGame[i]->setToolTip("Check the saved game for figures that cannot all be right (F7)");
    connect(cmdCheckGame[i], &QPushButton::clicked, this, &frmNewGame::checkGame);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(cmdNext[i]);
    row->addWidget(cmdCheckGame[i]);
    layouts[i]->addLayout(row);
  }
  connect(SSTab1, &QTabWidget::currentChanged, this, [this](int page) { m_currentTab = page; });
  resize(780, 560);
}

// Header, quarter scores, the note on the save button, and the game's details.
void frmNewGame::fillGamePage(QWidget* page, QVBoxLayout* layout) {
  layout->addWidget(buildHeader());
  layout->addWidget(buildQuarter());
  auto* note = new SaveNoteLabel(page);
  Label5 = note;
  Label5->setObjectName("Label5");
  Label5->setText(
      "Be sure to save your data prior to exiting.  The button with this icon         is the save button.  "
      "Each section has its own save button.");
  Picture1 = new QLabel(Label5);
  Picture1->setObjectName("Picture1");
  Picture1->setPixmap(saveIcon().pixmap(16, 16));
  Picture1->setAccessibleName("Save icon");
  note->setPicture(Picture1, "icon");
  layout->addWidget(Label5);
  m_details = new GameDetailsSection(
      *this, [this]() -> Database& { return gameDatabase(); }, [this] { return cmbYear->currentText().toInt(); }, page);
  layout->addWidget(m_details);
  layout->addStretch(1);
}

// Rushing, passing and receiving on SSTab2, scoring beside them.
void frmNewGame::fillOffensePage(QWidget* page, QVBoxLayout* layout) {
  auto* offense = new QHBoxLayout;
  SSTab2 = new QTabWidget(page);
  SSTab2->setObjectName("SSTab2");
  Frame4 = playerFrame(SSTab2, "Frame4", "");
  Frame5 = playerFrame(SSTab2, "Frame5", "");
  Frame6 = playerFrame(SSTab2, "Frame6", "");
  SSTab2->addTab(Frame4, "Rushing");
  SSTab2->addTab(Frame5, "Passing");
  SSTab2->addTab(Frame6, "Receiving");
  offense->addWidget(SSTab2, 3);
  auto* side = new QVBoxLayout;
  Frame7 = playerFrame(page, "Frame7", "Scoring");
  side->addWidget(Frame7, 1);
  pictureMain = new QLabel(page);
  pictureMain->setObjectName("pictureMain");
  pictureMain->setPixmap(programIcon(64));
  pictureMain->setAlignment(Qt::AlignCenter);
  side->addWidget(pictureMain);
  offense->addLayout(side, 2);
  layout->addLayout(offense, 1);
}

QWidget* frmNewGame::buildHeader() {
  Frame1 = new QGroupBox(this);
  Frame1->setObjectName("Frame1");
  auto* grid = new QGridLayout(Frame1);

  txtOwnTeamName = nameBox(Frame1, "txtOwnTeamName");
  cmbYear = new QComboBox(Frame1);
  cmbYear->setObjectName("cmbYear");
  cmbYear->setEditable(true);
  cmbYear->setEnabled(false);  // shows the open game's year; never typed in
  for (int year = 1990; year <= QDate::currentDate().year(); ++year) cmbYear->addItem(QString::number(year));
  txtOppTeamName = nameBox(Frame1, "txtOppTeamName");
  txtGameNumber = new QLineEdit(Frame1);
  txtGameNumber->setObjectName("txtGameNumber");
  txtGameNumber->setEnabled(false);
  txtGameNumber->setMaximumWidth(90);

  grid->addWidget(buddyLabel(Frame1, "Label1", "Own Team Name", txtOwnTeamName), 0, 0);
  grid->addWidget(txtOwnTeamName, 0, 1);
  grid->addWidget(buddyLabel(Frame1, "Label3", "Game Year", cmbYear), 0, 2);
  grid->addWidget(cmbYear, 0, 3);
  grid->addWidget(buddyLabel(Frame1, "Label2", "Opp.Team Name", txtOppTeamName), 1, 0);
  grid->addWidget(txtOppTeamName, 1, 1);
  grid->addWidget(buddyLabel(Frame1, "Label4", "Game Number", txtGameNumber), 1, 2);
  grid->addWidget(txtGameNumber, 1, 3);
  grid->setColumnStretch(1, 1);

  optRecWins = new QRadioButton("Won", Frame1);
  optRecWins->setObjectName("optRecWins");
  optRecLosses = new QRadioButton("Loss", Frame1);
  optRecLosses->setObjectName("optRecLosses");
  cmdhEdit = namedButton(Frame1, "cmdhEdit", "Edit");
  cmdhSave = saveButton(Frame1, "cmdhSave");
  auto* row = buttonRow(cmdhEdit, cmdhSave);
  row->insertWidget(0, optRecWins);
  row->insertWidget(1, optRecLosses);
  grid->addLayout(row, 2, 0, 1, 4);
  return Frame1;
}

QWidget* frmNewGame::buildQuarter() {
  Frame2 = new QGroupBox("Quarter", this);
  Frame2->setObjectName("Frame2");
  auto* grid = new QGridLayout(Frame2);

  const char* headings[] = {"Label7", "Label8", "Label9", "Label10"};
  QLineEdit** opp[] = {&txtQuarter1Opp, &txtQuarter2Opp, &txtQuarter3Opp, &txtQuarter4Opp};
  QLineEdit** own[] = {&txtQuarter1Own, &txtQuarter2Own, &txtQuarter3Own, &txtQuarter4Own};
  // Opponent first, as the columns of the table and the focus go.
  for (int q = 0; q < 4; ++q) {
    *opp[q] = numberBox(Frame2, QString("txtQuarter%1Opp").arg(q + 1));
    (*opp[q])->setAccessibleName(QString("Opponent Team, quarter %1").arg(q + 1));
  }
  txtTotalOpp = numberBox(Frame2, "txtTotalOpp");
  txtTotalOpp->setAccessibleName("Opponent Team, total");
  for (int q = 0; q < 4; ++q) {
    *own[q] = numberBox(Frame2, QString("txtQuarter%1Own").arg(q + 1));
    (*own[q])->setAccessibleName(QString("Own Team, quarter %1").arg(q + 1));
  }
  txtTotalOwn = numberBox(Frame2, "txtTotalOwn");
  txtTotalOwn->setAccessibleName("Own Team, total");

  for (int q = 0; q < 4; ++q) {
    QLabel* heading = buddyLabel(Frame2, headings[q], QString::number(q + 1), *opp[q]);
    heading->setAlignment(Qt::AlignCenter);
    grid->addWidget(heading, 0, q + 1);
    grid->addWidget(*opp[q], 1, q + 1);
    grid->addWidget(*own[q], 2, q + 1);
  }
  QLabel* total = buddyLabel(Frame2, "Label17", "Total", txtTotalOpp);
  total->setAlignment(Qt::AlignCenter);
  grid->addWidget(total, 0, 5);
  grid->addWidget(txtTotalOpp, 1, 5);
  grid->addWidget(txtTotalOwn, 2, 5);
  grid->addWidget(buddyLabel(Frame2, "Label15", "Opponent Team", txtQuarter1Opp), 1, 0);
  grid->addWidget(buddyLabel(Frame2, "Label16", "Own Team", txtQuarter1Own), 2, 0);
  grid->setColumnStretch(6, 1);

  txtTotalOpp->setEnabled(false);  // computed, never typed
  txtTotalOwn->setEnabled(false);
  for (QLineEdit** box : opp) connect(*box, &QLineEdit::textChanged, this, &frmNewGame::calTotal);
  for (QLineEdit** box : own) connect(*box, &QLineEdit::textChanged, this, &frmNewGame::calTotal);

  cmdqEdit = namedButton(Frame2, "cmdqEdit", "Edit");
  cmdqSave = saveButton(Frame2, "cmdqSave");
  grid->addLayout(buttonRow(cmdqEdit, cmdqSave), 3, 0, 1, 7);
  return Frame2;
}

QWidget* frmNewGame::buildTeamStats() {
  Frame3 = new QGroupBox(this);
  Frame3->setObjectName("Frame3");
  auto* grid = new QGridLayout(Frame3);

  // The opponent's column, then the own team's: the column order of the table.
  const struct {
    std::array<QLineEdit*, 10>& boxes;
    const char* prefix;
    const char* heading;
    const char* headingText;
    int column;
  } sides[] = {{txtOT, "OT", "Label26", "Opponent Team", 0}, {txtOwT, "OwT", "Label25", "Own Team", 3}};
  for (const auto& side : sides) {
    for (std::size_t k = 0; k < kTeamStatistics.size(); ++k) {
      const TeamStatistic& stat = kTeamStatistics[k];
      QLineEdit* box = numberBox(Frame3, QString("txt%1%2").arg(side.prefix, kStatSuffixes[k]), stat.keys());
      side.boxes[k] = box;
      const QByteArray labelName = QString("lbl%1%2").arg(side.prefix, kStatSuffixes[k]).toLatin1();
      const QString label = QString::fromLatin1(stat.label.data(), static_cast<qsizetype>(stat.label.size()));
      const int row = static_cast<int>(k) + 1;
      grid->addWidget(buddyLabel(Frame3, labelName.constData(), label, box), row, side.column);
      grid->addWidget(box, row, side.column + 1);
    }
    QLabel* heading = buddyLabel(Frame3, side.heading, side.headingText, side.boxes[0]);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, side.column, 1, 2);
  }
  grid->setColumnMinimumWidth(2, 40);  // the gap between the two teams
  grid->setColumnStretch(5, 1);

  cmdtsEdit = namedButton(Frame3, "cmdtsEdit", "Edit");
  cmdtsSave = saveButton(Frame3, "cmdtsSave");
  grid->addLayout(buttonRow(cmdtsEdit, cmdtsSave), 11, 0, 1, 6);
  return Frame3;
}

}  // namespace yardmark
