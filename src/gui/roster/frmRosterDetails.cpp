// The roster form's boxes: the names as typed, and the number, position and grade below them.
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/roster/RosterDetails.h"
#include "gui/roster/RosterControls.h"
#include "gui/roster/frmRoster.h"
#include "gui/shell/App.h"
#include "gui/shell/KeyFilter.h"
#include "gui/shell/Prompter.h"

namespace yardmark {

namespace {

// "QB", "RB/LB", "K": a short text.
constexpr int kPositionMaxChars = 10;

}  // namespace

void frmRoster::buildDetailBoxes() {
  txtNumber = new QLineEdit(this);
  txtNumber->setObjectName("txtNumber");
  installKeyFilter(txtNumber, jerseyKey);
  txtPosition = new QLineEdit(this);
  txtPosition->setObjectName("txtPosition");
  txtPosition->setMaxLength(kPositionMaxChars);
  cmbGrade = new QComboBox(this);
  cmbGrade->setObjectName("cmbGrade");
  cmbGrade->addItems({"", "9", "10", "11", "12"});
  lblNumber = rosterLabel(this, "lblNumber", "Number");
  lblPosition = rosterLabel(this, "lblPosition", "Position");
  lblGrade = rosterLabel(this, "lblGrade", "Grade");
  lblNumber->setBuddy(txtNumber);
  lblPosition->setBuddy(txtPosition);
  lblGrade->setBuddy(cmbGrade);
}

void frmRoster::layDetailBoxes(QGridLayout* grid, int row) {
  // One line under the names, so that the list keeps its room in the form's fixed height: the
  // number under the names' labels, the position and grade beside it.
  grid->addWidget(lblNumber, row, 0);
  auto* line = new QHBoxLayout;
  txtNumber->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00")) + 16);
  txtPosition->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("WR/DB/")) + 10);
  line->addWidget(txtNumber);
  for (const auto& [label, box] : {std::pair<QLabel*, QWidget*>{lblPosition, txtPosition}, {lblGrade, cmbGrade}}) {
    line->addSpacing(4);
    line->addWidget(label);
    line->addWidget(box);
  }
  line->addStretch();
  grid->addLayout(line, row, 1);
}

void frmRoster::enableDetails(bool enabled) {
  for (QWidget* box :
       {static_cast<QWidget*>(txtNumber), static_cast<QWidget*>(txtPosition), static_cast<QWidget*>(cmbGrade)})
    box->setEnabled(enabled);
}

void frmRoster::displayDetails(const RosterPlayer& player) {
  txtNumber->setText(QString::fromStdString(player.number));
  txtPosition->setText(QString::fromStdString(player.position));
  cmbGrade->setCurrentIndex(player.grade ? cmbGrade->findText(QString::number(player.grade)) : 0);
}

void frmRoster::clearBoxes() {
  for (QLineEdit* box : {txtLastName, txtFirstName, txtMiddleName}) box->clear();
  displayDetails({});
}

PersonName frmRoster::typedName() const {
  return {txtLastName->text().toStdString(), txtFirstName->text().toStdString(), txtMiddleName->text().toStdString()};
}

const std::vector<RosterPlayer>& frmRoster::players() const {
  static const std::vector<RosterPlayer> none;
  return m_roster ? m_roster->players() : none;
}

RosterPlayer frmRoster::typedPlayer() const {
  return {typedName(), txtNumber->text().toStdString(), txtPosition->text().trimmed().toStdString(),
          cmbGrade->currentText().toInt()};
}

bool frmRoster::numberMayBeWorn(const RosterPlayer& player) {
  const auto self = m_mode == Mode::Adding ? std::nullopt : std::optional<size_t>(static_cast<size_t>(m_pos));
  const auto wearer = wearerOf(player.number, players(), self);
  if (!wearer) return true;
  const QString question =
      QString("Number %1 is already worn by %2.  Save it for this player too?")
          .arg(QString::fromStdString(player.number), QString::fromStdString(playerNameText(players()[*wearer].name)));
  return app().prompter().message(MessageBox(question, Buttons::YesNo, Icon::Question)) == Answer::Yes;
}

}  // namespace yardmark
