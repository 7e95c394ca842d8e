#pragma once
// The findings of Check Game: a list beside the entry form, left open while the user mends the
// game. It checks the game file as saved; double-clicking a finding hands it to the form.
#include <QWidget>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/games/GameAudit.h"

class QLabel;
class QTreeWidget;

namespace yardmark {

class frmGameCheck : public QWidget {
 public:
  using GoTo = std::function<void(const Finding&)>;
  frmGameCheck(QWidget* owner, GoTo goTo);

  // Checks the file again and lists what it finds.
  void check(const std::filesystem::path& gameFile, const RosterIndex& roster);
  const std::vector<Finding>& findings() const { return m_findings; }

  QLabel* lblNote;
  QLabel* lblSummary;
  QTreeWidget* lstFindings;

 private:
  GoTo m_goTo;
  std::vector<Finding> m_findings;
};

}  // namespace yardmark
