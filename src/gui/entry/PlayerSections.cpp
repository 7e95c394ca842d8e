#include "gui/entry/PlayerSections.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "gui/entry/EntryWidgets.h"
#include "gui/entry/NameCompleter.h"
#include "gui/shell/KeyFilter.h"

namespace yardmark {

const std::array<PlayerSectionConfig, 5> kPlayerSections{{
    {"Rushing",
     kRushing,
     EntrySection::Rushing,
     "cmdru",
     "cmdruAddNew",
     "cmdruUndoNew",
     {{"txtRushATT", "ATT", col::rushing::kAtt},
      {"txtRushYDS", "YDS", col::rushing::kYds},
      {"txtRushTDS", "TDS", col::rushing::kTds},
      {"txtRush2PTS", "2 PTS", col::rushing::k2Pts}},
     "cmbRushPlayerName",
     "Empty values can not be saved/updated."},
    {"Passing",
     kPassing,
     EntrySection::Passing,
     "cmdpas",
     "cmdpasAddNew",
     "cmdpasUndoNew",
     {{"txtPassingComp", "COMP", col::passing::kComp},
      {"txtPassingATT", "ATT", col::passing::kAtt},
      {"txtPassingYDS", "YDS", col::passing::kYds},
      {"txtPassingTDS", "TDS", col::passing::kTds},
      {"txtPassingINT", "INT", col::passing::kInt}},
     "cmbPassingPlayerName",
     "Empty values can not be updated/saved."},
    {"Receiving",
     kReceiving,
     EntrySection::Receiving,
     "cmdrec",
     "cmdrecAddnew",
     "cmdreUndoNew",
     {{"txtReceivingREC", "REC", col::receiving::kRec},
      {"txtReceivingYDS", "YDS", col::receiving::kYds},
      {"txtReceivingTDS", "TDS", col::receiving::kTds},
      {"txtReceiving2PTS", "2 PTS", col::receiving::k2Pts}},
     "cmbReceivingPlayerName",
     "Empty values can not be updated/saved."},
    {"Scoring",
     kScoring,
     EntrySection::Scoring,
     "cmdscr",
     "cmdscrAddNew",
     "cmdscrUndoNew",
     {{"txtScoringTD", "TD", col::scoring::kTd},
      {"txtScoringPAT", "PAT", col::scoring::kPat},
      {"txtScoring2PTS", "2PTS", col::scoring::k2Pts},
      {"txtScoringFG", "FG", col::scoring::kFg},
      {"txtScoringPTS", "PTS", col::scoring::kPts}},
     "cmbScoringPlayerName",
     "Empty records can not be updated/saved."},
    {"Defense",
     kDefense,
     EntrySection::Defense,
     "cmddef",
     "cmddefAddNew",
     "cmddefUndoNew",
     {{"txtUnassisted", "Unassisted", col::defense::kUnassisted},
      {"txtAssists", "Assists", col::defense::kAssists},
      {"txtQBSacks", "QBSacks", col::defense::kQBSacks},
      {"txtPassDeflects", "Pass Deflects", col::defense::kPassDeflects},
      {"txtFumble", "Fumble Recoveries", col::defense::kFumbleRecoveries},
      {"txtFumbleCaused", "FumblesCaused", col::defense::kFumblesCaused},
      {"txtINTS", "INTS", col::defense::kInts},
      {"txtBlocked", "Blocked Kicks", col::defense::kBlockedKicks}},
     "cmbDefensePlayerName",
     "Empty records can not be saved/updated."},
}};

namespace {

QPushButton* makeButton(QWidget* parent, const std::string& name, const char* caption, const char* tip,
                        const QIcon& picture = {}) {
  auto* b = new QPushButton(picture, QString::fromLatin1(caption), parent);
  b->setObjectName(QString::fromStdString(name));
  b->setToolTip(QString::fromLatin1(tip));
  b->setAutoDefault(false);
  b->setMinimumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("Delete")) + 24);
  return b;
}

// A move button shows its picture only; its caption (the tool tip's text) is there for screen
// readers and keyboard users.
QToolButton* moveButton(QWidget* parent, const std::string& name, const char* caption, QStyle::StandardPixmap picture) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromStdString(name));
  b->setText(QString::fromLatin1(caption));
  b->setToolTip(QString::fromLatin1(caption));
  b->setIcon(parent->style()->standardIcon(picture));
  b->setToolButtonStyle(Qt::ToolButtonIconOnly);
  b->setFocusPolicy(Qt::StrongFocus);
  return b;
}

QLabel* label(QWidget* parent, const char* text, QWidget* buddy) {
  const QString name = QStringLiteral("lbl") + buddy->objectName().mid(3);
  QLabel* l = buddyLabel(parent, name.toLatin1().constData(), QString::fromLatin1(text), buddy);
  l->setWordWrap(true);  // "Fumble Recoveries" over a five-digit box
  l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  return l;
}

QComboBox* nameCombo(QWidget* parent, const char* name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);  // a typed name is saved, not added to the list
  combo->setMinimumContentsLength(14);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  equipNameBox(combo);  // the roster's players offered by name or number, the typing kept
  return combo;
}

// The number boxes side by side, each under its label.
QGridLayout* boxGrid(QWidget* owner, const PlayerSectionConfig& config, std::vector<QLineEdit*>& boxes) {
  auto* grid = new QGridLayout;
  int column = 0;
  for (const NumberBox& nb : config.boxes) {
    QLineEdit* box = numberBox(owner, QString::fromLatin1(nb.name), gameTable(config.table).fields[nb.column - 1].keys);
    grid->addWidget(label(owner, nb.label, box), 0, column);
    grid->addWidget(box, 1, column++);
    boxes.push_back(box);
  }
  grid->setColumnStretch(column, 1);  // the boxes stay together on the left
  return grid;
}

// At least four lines; it takes the height the page has left, so that ten rows show at 1366x768.
QListWidget* rowsList(QWidget* owner, const PlayerSectionConfig& config) {
  auto* list = new QListWidget(owner);
  list->setObjectName(QStringLiteral("lst") + QString::fromLatin1(config.name) + QStringLiteral("Rows"));
  list->setAccessibleName(QStringLiteral("Rows entered"));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setMinimumHeight(list->fontMetrics().height() * 4 + 2 * list->frameWidth() + 6);
  list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  return list;
}

}  // namespace

PlayerSectionWidgets buildPlayerSection(QWidget* owner, const PlayerSectionConfig& config) {
  PlayerSectionWidgets w;
  QGridLayout* grid = boxGrid(owner, config, w.boxes);
  w.combo = nameCombo(owner, config.combo);
  QLabel* nameLabel = label(owner, "Player Name", w.combo);

  // The moves sit beside the name and the other buttons below, so that two sections fit side
  // by side on the Offense page.
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(w.combo, 1);
  w.first = moveButton(owner, config.button("First"), "First", QStyle::SP_MediaSkipBackward);
  w.previous = moveButton(owner, config.button("Previous"), "Previous", QStyle::SP_MediaSeekBackward);
  w.next = moveButton(owner, config.button("Next"), "Next", QStyle::SP_MediaSeekForward);
  w.last = moveButton(owner, config.button("Last"), "Last", QStyle::SP_MediaSkipForward);
  for (QToolButton* b : {w.first, w.previous, w.next, w.last}) nameRow->addWidget(b);
  auto* buttons = new QHBoxLayout;
  w.addNew = makeButton(owner, config.addNew, "Add", "Add New");
  w.undoNew = makeButton(owner, config.undoNew, "Undo", "Undo Add New");
  w.edit = makeButton(owner, config.button("Edit"), "Edit", "Edit");
  w.remove = makeButton(owner, config.button("Delete"), "Delete", "Delete");
  w.save = makeButton(owner, config.button("Save"), "Save", "Save", saveIcon());
  for (QPushButton* b : {w.addNew, w.undoNew, w.edit, w.remove, w.save}) buttons->addWidget(b);
  buttons->addStretch(1);

  auto* outer = new QVBoxLayout(owner);
  outer->addLayout(grid);
  outer->addWidget(nameLabel);
  outer->addLayout(nameRow);
  outer->addLayout(buttons);
  w.rows = rowsList(owner, config);
  outer->addWidget(w.rows, 1);
  return w;
}

}  // namespace yardmark
