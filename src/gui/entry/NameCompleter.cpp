#include "gui/entry/NameCompleter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>

namespace yardmark {

NameCompleter::NameCompleter(QComboBox* combo) : QCompleter(combo), m_model(new QStringListModel(this)) {
  setObjectName(combo->objectName() + QStringLiteral("Completer"));
  setModel(m_model);
  // The model holds the matches already; the completer's own prefix filter would drop "Van
  // Buren" for "bur". Case sensitive, so that Enter never swaps the typed text for a listed one.
  setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  setCaseSensitivity(Qt::CaseSensitive);
  setMaxVisibleItems(8);
  // One line per name: the popup need not measure 2,000 names to lay them out.
  if (auto* list = qobject_cast<QListView*>(popup())) list->setUniformItemSizes(true);
  combo->setCompleter(this);
  connect(combo->lineEdit(), &QLineEdit::textEdited, this, &NameCompleter::follow);
}

void NameCompleter::setNames(const QStringList& names) {
  std::vector<std::string> texts;
  texts.reserve(static_cast<std::size_t>(names.size()));
  for (const QString& name : names) texts.push_back(name.toStdString());
  m_names = NameCompletion(std::move(texts));
  m_model->setStringList({});
}

QStringList NameCompleter::offered() const { return m_model->stringList(); }

void NameCompleter::follow(const QString& typed) {
  QStringList names;
  for (const std::string& name : m_names.offered(typed.toStdString())) names << QString::fromStdString(name);
  m_model->setStringList(names);
  if (names.isEmpty())
    popup()->hide();
  else
    complete();
}

}  // namespace yardmark
