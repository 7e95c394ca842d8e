#pragma once
// The roster's names offered under a player-name box while it is typed into, in a popup the
// keyboard can walk. The box keeps whatever is typed; a name need not be in the roster.
#include <QCompleter>

#include "core/roster/NameCompletion.h"

class QComboBox;
class QStringListModel;

namespace yardmark {

class NameCompleter : public QCompleter {
  Q_OBJECT
 public:
  // Attaches itself to the combo's text box.
  explicit NameCompleter(QComboBox* combo);

  void setNames(const QStringList& names);
  // What the popup offers for the text in the box.
  QStringList offered() const;

 private:
  void follow(const QString& typed);

  QStringListModel* m_model;
  NameCompletion m_names;
};

}  // namespace yardmark
