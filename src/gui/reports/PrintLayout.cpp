#include "gui/reports/PrintLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <vector>

namespace yardmark {

namespace {

// A table and the heading lines written just above it, which move with it.
struct Unit {
  QPointer<QTextTable> table;
  QTextBlock lead;  // invalid: no heading above the table
};

bool isBlank(const QTextBlock& block) { return block.text().trimmed().isEmpty(); }

// The page's headings are bold: its heading lines and a table's heading and column rows.
bool isBold(const QTextBlock& block) {
  const QTextBlock::iterator first = block.begin();
  return !first.atEnd() && first.fragment().charFormat().fontWeight() >= QFont::Bold;
}

// Whether the block lies beside the table, not in another cell of the table around both.
bool besideTable(const QTextBlock& block, const QTextTable& table) {
  auto* around = qobject_cast<QTextTable*>(table.parentFrame());
  return !around || around->cellAt(block.position()) == around->cellAt(table.firstPosition() - 1);
}

// The first line of the run of unbroken lines just above the table that starts with a bold
// line, so a heading and any note under it stay with the table. Empty lines right above the
// table (a division's own) do not part it from its heading.
QTextBlock leadOf(const std::vector<QTextBlock>& above, const QTextTable& table) {
  auto it = std::find_if(above.rbegin(), above.rend(), [](const QTextBlock& b) { return !isBlank(b); });
  QTextBlock lead;
  for (; it != above.rend() && !isBlank(*it) && besideTable(*it, table); ++it)
    if (isBold(*it)) lead = *it;
  return lead;
}

void collect(QTextFrame* frame, std::vector<Unit>& units) {
  std::vector<QTextBlock> above;
  for (QTextFrame::iterator it = frame->begin(); !it.atEnd(); ++it) {
    if (QTextFrame* child = it.currentFrame()) {
      if (auto* table = qobject_cast<QTextTable*>(child)) units.push_back({table, leadOf(above, *table)});
      collect(child, units);
      above.clear();
    } else {
      above.push_back(it.currentBlock());
    }
  }
}

// The lowest point of the table's row.
qreal rowBottom(const QTextTable& table, int row, const QAbstractTextDocumentLayout& layout) {
  qreal bottom = 0;
  for (int column = 0; column < table.columns(); ++column) {
    const QTextTableCell cell = table.cellAt(row, column);
    bottom = std::max(bottom, layout.blockBoundingRect(cell.lastCursorPosition().block()).bottom());
  }
  return bottom;
}

// A heading row has no text but bold text, in a table of its own inside it too.
bool isHeadingRow(const QTextTable& table, int row) {
  const QTextDocument& document = *table.document();
  for (int column = 0; column < table.columns(); ++column) {
    const QTextTableCell cell = table.cellAt(row, column);
    for (QTextBlock b = document.findBlock(cell.firstPosition()); b.isValid() && b.position() <= cell.lastPosition();
         b = b.next())
      if (!isBlank(b) && !isBold(b)) return false;
  }
  return true;
}

// The rows that must not be parted: the heading rows and the first row under them.
int headRows(const QTextTable& table) {
  int rows = 0;
  while (rows < table.rows() && isHeadingRow(table, rows)) ++rows;
  return std::min(rows + 1, table.rows());
}

bool needsBreak(const Unit& unit, QAbstractTextDocumentLayout& layout, qreal sheet) {
  const QRectF frame = layout.frameBoundingRect(unit.table);
  const qreal top = unit.lead.isValid() ? layout.blockBoundingRect(unit.lead).top() : frame.top();
  const bool fits = frame.bottom() - top <= sheet;
  const qreal keep = fits ? frame.bottom() : rowBottom(*unit.table, headRows(*unit.table) - 1, layout);
  const qreal startPage = std::floor(top / sheet);
  // A part near a sheet's top would land as low on the next: a break gains nothing but an empty sheet.
  const bool atTop = top - startPage * sheet < sheet / 20;
  return !atTop && keep - top <= sheet && std::floor((keep - 1) / sheet) > startPage;
}

void breakBefore(const Unit& unit) {
  if (unit.lead.isValid()) {
    QTextBlockFormat format = unit.lead.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(unit.lead).setBlockFormat(format);
  } else {
    QTextTableFormat format = unit.table->format();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    unit.table->setFormat(format);
  }
}

}  // namespace

void keepTablesWhole(QTextDocument& document) {
  const qreal sheet = document.pageSize().height();
  if (sheet <= 0) return;
  std::vector<Unit> units;
  collect(document.rootFrame(), units);
  QAbstractTextDocumentLayout& layout = *document.documentLayout();
  // In page order, each break laid out before the next is measured, as it moves all below it.
  for (const Unit& unit : units) {
    document.pageCount();
    if (unit.table && needsBreak(unit, layout, sheet)) breakBefore(unit);
  }
}

}  // namespace yardmark
