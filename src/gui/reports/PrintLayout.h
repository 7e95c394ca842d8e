#pragma once
// Sheet breaks for printing a report: Qt's text layout ignores page-break-inside, so the
// program moves a table that would be cut to the next sheet itself.
class QTextDocument;

namespace yardmark {

// On a document already given its sheet size (setPageSize), moves to the next sheet each table
// that fits on one sheet but would be cut, and each longer table whose heading (the bold lines
// just above it and its bold first rows) would be parted from its first row. Only the printed
// copy's formats change.
void keepTablesWhole(QTextDocument& document);

}  // namespace yardmark
