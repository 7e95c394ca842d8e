#pragma once
// The roster's players offered under a player-name box while it is typed into, by letters or by
// jersey number, in a popup the keyboard can walk: "#12 Carter Marcus J (RB)". Picking one puts
// the player name text into the box ("Carter Marcus J"). The box keeps whatever else is typed; a
// name need not be in the roster.
#include <QCompleter>

#include "core/roster/NameCompletion.h"

class QComboBox;
class QLineEdit;
class QStandardItemModel;

namespace yardmark {

class NameCompleter : public QCompleter {
  Q_OBJECT
 public:
  explicit NameCompleter(QLineEdit* box);

  // The players offered, in that order.
  void setPlayers(const std::vector<RosterPlayer>& players);
  // The lines the popup shows for the text in the box.
  QStringList offered() const;

 private:
  void follow(const QString& typed);
  void takeNumber(bool enter);

  QLineEdit* m_box;
  QStandardItemModel* m_model;
  NameCompletion m_names;
};

// Equips a player-name box (a text box, or an editable combo box's text box) with the
// completer and the key rule that goes with it: no digits in a name, but a jersey number may be
// typed alone. Returns the completer, named after the box with "Completer" added.
NameCompleter* equipNameBox(QLineEdit* box);
NameCompleter* equipNameBox(QComboBox* combo);

}  // namespace yardmark
