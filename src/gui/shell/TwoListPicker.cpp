#include "gui/shell/TwoListPicker.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

namespace yardmark {

namespace {

// A caption without a word is read out by its tool tip.
QPushButton* moveButton(QWidget* parent, const char* name, const char* caption, const char* tip) {
  auto* b = new QPushButton(QString::fromLatin1(caption), parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setToolTip(QString::fromLatin1(tip));
  b->setAccessibleName(QString::fromLatin1(tip));
  b->setAutoDefault(false);
  return b;
}

// The rows to move, in list order.
std::vector<int> rowsToMove(const QListWidget* list, bool all) {
  std::vector<int> rows;
  for (int i = 0; i < list->count(); ++i)
    if (all || list->item(i)->isSelected()) rows.push_back(i);
  return rows;
}

// Last first, so that the rows still to take keep their places.
void take(QListWidget* list, const std::vector<int>& rows) {
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) delete list->takeItem(*it);
}

}  // namespace

TwoListPicker::TwoListPicker(QWidget* buttonParent, QListWidget* from, QListWidget* to)
    : QObject(buttonParent),
      from(from),
      to(to),
      cmdAddDatabase(moveButton(buttonParent, "cmdAddDatabase", ">", "Add Selected Only")),
      cmdAddAll(moveButton(buttonParent, "cmdAddAll", ">>", "Select All")),
      cmdRemoveDatabase(moveButton(buttonParent, "cmdRemoveDatabase", "<", "Remove Selected")),
      cmdRemoveAll(moveButton(buttonParent, "cmdRemoveAll", "<<", "Remove All")) {
  connect(cmdAddDatabase, &QPushButton::clicked, this, [this] { add(false); });
  connect(cmdAddAll, &QPushButton::clicked, this, [this] { add(true); });
  connect(cmdRemoveDatabase, &QPushButton::clicked, this, [this] { remove(false); });
  connect(cmdRemoveAll, &QPushButton::clicked, this, [this] { remove(true); });
}

QVBoxLayout* TwoListPicker::buttonColumn(std::initializer_list<QPushButton*> order, int width) const {
  auto* column = new QVBoxLayout;
  column->addStretch();
  for (QPushButton* b : order) {
    b->setFixedWidth(width);
    column->addWidget(b);
  }
  column->addStretch();
  return column;
}

bool TwoListPicker::chosenBefore(const QString& a, const QString& b) {
  const int byCase = a.compare(b, Qt::CaseInsensitive);
  return byCase != 0 ? byCase < 0 : a < b;
}

bool TwoListPicker::refuse(bool nothing, const QString& message) const {
  if (nothing && !message.isEmpty() && m_rules.tell) m_rules.tell(message);
  return nothing;
}

void TwoListPicker::choose(QListWidgetItem* row) {
  int low = 0, high = to->count();  // after every row that does not come after it
  while (low < high) {
    const int mid = (low + high) / 2;
    if (chosenBefore(row->text(), to->item(mid)->text()))
      high = mid;
    else
      low = mid + 1;
  }
  to->insertItem(low, row);
}

void TwoListPicker::add(bool all) {
  const std::vector<int> rows = rowsToMove(from, all);
  if (refuse(rows.empty(), all ? m_rules.nothingLeft : m_rules.nothingSelected)) return;
  for (int r : rows) {
    const QListWidgetItem& entry = *from->item(r);
    choose(m_rules.chosenRow ? m_rules.chosenRow(entry) : entry.clone());
  }
  take(from, rows);
}

void TwoListPicker::remove(bool all) {
  const std::vector<int> rows = rowsToMove(to, all);
  if (refuse(rows.empty() && !all, m_rules.nothingChosen)) return;
  if (!m_rules.refill)
    for (int r : rows) from->addItem(to->item(r)->clone());
  take(to, rows);
  if (m_rules.refill) m_rules.refill();
}

}  // namespace yardmark
