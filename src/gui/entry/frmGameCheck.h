#pragma once
// The findings of Check Game: a list beside the entry form, left open while the user mends the
// game. It checks the game file as saved; double-clicking a finding hands it to the form.
#include <QRect>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/games/GameAudit.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace yardmark {

// Where a window of this size goes on the screen: beside the form where the screen has room
// for it (right, left, below, above), else beside the section, else in the largest room
// beside the section, shrunk to fit but never below the smallest size.
QRect placeBeside(const QRect& screen, const QRect& form, const QRect& section, QSize size, QSize smallest);

class frmGameCheck : public QWidget {
 public:
  using GoTo = std::function<void(const Finding&)>;
  frmGameCheck(QWidget* owner, GoTo goTo);

  // Checks the file again and lists what it finds.
  void check(const std::filesystem::path& gameFile, const RosterIndex& roster);
  const std::vector<Finding>& findings() const { return m_findings; }

  // Moves the window beside the form, clear of the section (global rectangles), inside the
  // form's screen. With onlyIfCovering it stays where it is unless it covers the section.
  void keepClearOf(const QRect& form, const QRect& section, bool onlyIfCovering);

  QLabel* lblNote;
  QLabel* lblSummary;
  QTreeWidget* lstFindings;
  QPushButton* cmdClose;

 protected:
  // Escape closes it, as Close does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  GoTo m_goTo;
  std::vector<Finding> m_findings;
};

}  // namespace yardmark
