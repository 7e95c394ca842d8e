#pragma once
// Moves entries between a list to choose from and the list of the chosen: ">" the selected
// entries, ">>" all of them, "<" the selected chosen entries back, "<<" all of them back,
// any number at once. The chosen list keeps its entries in order of their text.
#include <QObject>
#include <QString>
#include <functional>
#include <initializer_list>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace yardmark {

class TwoListPicker : public QObject {
  Q_OBJECT
 public:
  // The buttons are made on buttonParent; the two lists are the form's own.
  TwoListPicker(QWidget* buttonParent, QListWidget* from, QListWidget* to);

  QListWidget* const from;
  QListWidget* const to;
  QPushButton* const cmdAddDatabase;     // ">"
  QPushButton* const cmdAddAll;          // ">>"
  QPushButton* const cmdRemoveDatabase;  // "<"
  QPushButton* const cmdRemoveAll;       // "<<"

  // The buttons in a column between the lists, in the form's order, each this wide.
  QVBoxLayout* buttonColumn(std::initializer_list<QPushButton*> order, int width) const;

  // What a form adds to the moves. Without it an entry moves as it is, entries taken back go
  // to the end of the first list, and a move with nothing to move says nothing.
  struct Rules {
    std::function<void(const QString&)> tell;
    QString nothingSelected;  // ">" with no entry selected
    QString nothingLeft;      // ">>" with the first list empty
    QString nothingChosen;    // "<" with no chosen entry selected
    // The chosen list's row for an entry of the first list.
    std::function<QListWidgetItem*(const QListWidgetItem& entry)> chosenRow;
    // Fills the first list again after entries went back, in place of adding them to its end.
    std::function<void()> refill;
  };
  void setRules(Rules rules) { m_rules = std::move(rules); }

  // Whether a comes before b in the chosen list: by text without regard to letter case, then
  // by text, so that the order never depends on the order of the moves.
  static bool chosenBefore(const QString& a, const QString& b);

 private:
  void add(bool all);
  void remove(bool all);
  void choose(QListWidgetItem* row);
  bool refuse(bool nothing, const QString& message) const;

  Rules m_rules;
};

}  // namespace yardmark
