#include "gui/entry/frmGameCheck.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/shell/FormKit.h"

namespace yardmark {

frmGameCheck::frmGameCheck(QWidget* owner, GoTo goTo) : QWidget(owner, Qt::Window), m_goTo(std::move(goTo)) {
  setObjectName("frmGameCheck");
  setWindowTitle("Check Game");
  lblNote = new QLabel("Checks the game as saved: typing not yet saved is not checked.", this);
  lblNote->setObjectName("lblNote");
  lblNote->setWordWrap(true);
  lstFindings = new QTreeWidget(this);
  lstFindings->setObjectName("lstFindings");
  lstFindings->setHeaderLabels({"Severity", "Section", "Message"});
  lstFindings->setRootIsDecorated(false);
  lstFindings->setWordWrap(true);
  lstFindings->header()->setStretchLastSection(true);
  lblSummary = buddyLabel(this, "lblSummary", QString(), lstFindings);
  lblSummary->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblNote);
  layout->addWidget(lblSummary);
  layout->addWidget(lstFindings, 1);
  // Double-click or Enter on a finding.
  connect(lstFindings, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    const int index = lstFindings->indexOfTopLevelItem(item);
    if (index >= 0 && static_cast<std::size_t>(index) < m_findings.size() && m_goTo) m_goTo(m_findings[index]);
  });
  resize(780, 340);  // room for a whole message at the usual lengths
}

void frmGameCheck::check(const std::filesystem::path& gameFile, const RosterIndex& roster) {
  const FileAudit audit = auditGameFile(gameFile, roster);
  m_findings = audit.findings;
  lstFindings->clear();
  for (const Finding& f : m_findings) {
    auto* item = new QTreeWidgetItem(lstFindings);
    item->setText(0, QString::fromStdString(std::string(severityName(f.severity))));
    item->setText(1, QString::fromStdString(std::string(sectionName(f.table))));
    item->setText(2, QString::fromStdString(f.message));
    item->setToolTip(2, item->text(2));
  }
  lstFindings->resizeColumnToContents(0);
  lstFindings->resizeColumnToContents(1);
  if (audit.unreadable)
    lblSummary->setText("The game file could not be checked: " + QString::fromStdString(*audit.unreadable));
  else if (m_findings.empty())
    lblSummary->setText("&Findings: none.");
  else
    lblSummary->setText(QString("&Findings (errors: %1, warnings: %2, notes: %3). Double-click one to go to it.")
                            .arg(audit.count(Severity::Error))
                            .arg(audit.count(Severity::Warning))
                            .arg(audit.count(Severity::Note)));
  if (lstFindings->topLevelItemCount() > 0) lstFindings->setCurrentItem(lstFindings->topLevelItem(0));
}

}  // namespace yardmark
