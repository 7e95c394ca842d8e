#include "gui/entry/NameCompleter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QStandardItemModel>

#include "core/roster/RosterDetails.h"
#include "gui/shell/KeyFilter.h"

namespace yardmark {

namespace {

constexpr int kNameRole = Qt::UserRole;  // what a pick puts into the box

}  // namespace

NameCompleter::NameCompleter(QLineEdit* box) : QCompleter(box), m_box(box), m_model(new QStandardItemModel(this)) {
  setModel(m_model);
  setCompletionRole(kNameRole);
  // The model holds the matches already; the completer's own prefix filter would drop "Van
  // Buren" for "bur". Case sensitive, so that Enter never swaps the typed text for a listed one.
  setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  setCaseSensitivity(Qt::CaseSensitive);
  setMaxVisibleItems(8);
  // One line per name: the popup need not measure 2,000 names to lay them out.
  if (auto* list = qobject_cast<QListView*>(popup())) list->setUniformItemSizes(true);
  box->setCompleter(this);
  connect(box, &QLineEdit::textEdited, this, &NameCompleter::follow);
  connect(box, &QLineEdit::returnPressed, this, [this] { takeNumber(true); });
  connect(box, &QLineEdit::editingFinished, this, [this] { takeNumber(false); });
}

void NameCompleter::setPlayers(const std::vector<RosterPlayer>& players) {
  m_names = NameCompletion(players);
  m_model->clear();
}

QStringList NameCompleter::offered() const {
  QStringList lines;
  for (int i = 0; i < m_model->rowCount(); ++i) lines << m_model->item(i)->text();
  return lines;
}

void NameCompleter::follow(const QString& typed) {
  m_model->clear();
  const std::vector<NameOffer> offers = m_names.offered(typed.toStdString());
  for (const NameOffer& offer : offers) {
    auto* item = new QStandardItem(QString::fromStdString(offer.shown));
    item->setData(QString::fromStdString(offer.name), kNameRole);
    item->setEditable(false);
    m_model->appendRow(item);
  }
  if (offers.empty()) {
    popup()->hide();
    return;
  }
  complete();
}

// A number is no name: one left in the box (Enter, or leaving the box) becomes the name of the
// one player who wears it.
void NameCompleter::takeNumber(bool enter) {
  // Showing the popup may take the focus from the box for a moment: the coach is still typing.
  if (!enter && popup()->isVisible()) return;
  if (const auto name = m_names.wearer(m_box->text().toStdString())) m_box->setText(QString::fromStdString(*name));
}

NameCompleter* equipNameBox(QLineEdit* box) {
  auto* completer = new NameCompleter(box);
  completer->setObjectName(box->objectName() + QStringLiteral("Completer"));
  installKeyFilter(box, nameOrNumberKey);
  return completer;
}

NameCompleter* equipNameBox(QComboBox* combo) {
  NameCompleter* completer = equipNameBox(combo->lineEdit());
  completer->setObjectName(combo->objectName() + QStringLiteral("Completer"));
  return completer;
}

}  // namespace yardmark
