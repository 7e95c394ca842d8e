#include "gui/entry/frmGameCheck.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/shell/FormKit.h"

namespace yardmark {

namespace {

enum class Side { Right, Left, Below, Above };
constexpr Side kSides[] = {Side::Right, Side::Left, Side::Below, Side::Above};

// The part of the screen on one side of what must stay uncovered.
QRect roomBeside(const QRect& screen, const QRect& avoid, Side side) {
  QRect room = screen;
  switch (side) {
    case Side::Right:
      room.setLeft(avoid.right() + 1);
      break;
    case Side::Left:
      room.setRight(avoid.left() - 1);
      break;
    case Side::Below:
      room.setTop(avoid.bottom() + 1);
      break;
    case Side::Above:
      room.setBottom(avoid.top() - 1);
      break;
  }
  return room.intersected(screen);
}

// Against the uncovered rectangle, level with its top or left edge as far as the room allows.
QRect placeIn(const QRect& room, const QRect& avoid, Side side, QSize size) {
  const auto clampTo = [](int at, int low, int high) { return std::max(low, std::min(at, high)); };
  QRect r(QPoint(), size);
  if (side == Side::Right || side == Side::Left) {
    r.moveLeft(side == Side::Right ? room.left() : room.right() - size.width() + 1);
    r.moveTop(clampTo(avoid.top(), room.top(), room.bottom() - size.height() + 1));
  } else {
    r.moveTop(side == Side::Below ? room.top() : room.bottom() - size.height() + 1);
    r.moveLeft(clampTo(avoid.left(), room.left(), room.right() - size.width() + 1));
  }
  return r;
}

// Inside the screen, whatever it covers.
QRect insideScreen(QRect r, const QRect& screen) {
  r.setSize(r.size().boundedTo(screen.size()));
  r.moveLeft(std::max(screen.left(), std::min(r.left(), screen.right() - r.width() + 1)));
  r.moveTop(std::max(screen.top(), std::min(r.top(), screen.bottom() - r.height() + 1)));
  return r;
}

}  // namespace

QRect placeBeside(const QRect& screen, const QRect& form, const QRect& section, QSize size, QSize smallest) {
  for (const QRect& avoid : {form, section})
    for (const Side side : kSides) {
      const QRect room = roomBeside(screen, avoid, side);
      if (room.width() >= size.width() && room.height() >= size.height()) return placeIn(room, avoid, side, size);
    }
  const auto area = [&](Side side) {
    const QRect room = roomBeside(screen, section, side);
    return room.isValid() ? room.width() * room.height() : 0;
  };
  const Side best =
      *std::max_element(std::begin(kSides), std::end(kSides), [&](Side a, Side b) { return area(a) < area(b); });
  const QRect room = roomBeside(screen, section, best);
  const QSize fitted = size.boundedTo(room.isValid() ? room.size() : QSize()).expandedTo(smallest);
  return insideScreen(placeIn(room, section, best, fitted), screen);
}

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
  cmdClose = new QPushButton("Close", this);
  cmdClose->setObjectName("cmdClose");
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblNote);
  layout->addWidget(lblSummary);
  layout->addWidget(lstFindings, 1);
  layout->addLayout(buttons);
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

void frmGameCheck::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
    close();
  else
    QWidget::keyPressEvent(event);
}

void frmGameCheck::keepClearOf(const QRect& form, const QRect& section, bool onlyIfCovering) {
  // The window manager's frame counts: the title bar must not cover the section either. Until
  // the window manager has framed the window, a title bar and thin borders are assumed.
  const QRect frame = frameGeometry();
  if (onlyIfCovering && !frame.intersects(section)) return;
  QSize decoration = frame.size() - geometry().size();
  if (decoration.isNull()) decoration = QSize(8, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 12);
  const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
  const QSize smallest = minimumSizeHint().expandedTo({360, 180}) + decoration;  // still a readable list
  const QRect place = placeBeside(screen->availableGeometry(), form, section, geometry().size() + decoration, smallest);
  move(place.topLeft());
  resize(place.size() - decoration);
}

}  // namespace yardmark
