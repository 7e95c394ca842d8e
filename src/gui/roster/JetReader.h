#pragma once
// Reads one table of a Jet (.mdb) file written by another program. libmdb may crash on a
// damaged file, so the reading runs in the helper yardmark-jetread, in a process of its own;
// a crash, a hang or a failure of the helper comes back as a JetReadError with a reason.
#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <vector>

#include "core/jet/HelperProcess.h"
#include "core/jet/JetFile.h"
#include "gui/roster/RosterNames.h"

namespace yardmark {

class JetReadError : public std::runtime_error {
 public:
  explicit JetReadError(const QString& description)
      : std::runtime_error(description.toStdString()), m_description(description) {}
  const QString& description() const { return m_description; }

 private:
  QString m_description;
};

// One row: the columns in ordinal order; a null QString is a column without a value.
using JetRow = std::vector<QString>;

// The helper's output: one line a row, columns split at tabs, \t \n \\ unescaped, \N no value.
std::vector<JetRow> parseJetRows(const QByteArray& output);

class JetReader {
 public:
  QString helperPath = QString::fromStdString(defaultJetreadPath());
  int timeLimitMs = 20000;

  // Every row of the table in table order. Safe on any thread; stop, when given, may be set
  // from another thread to stop the read at once.
  std::vector<JetRow> readTable(const QString& file, const QString& table, const HelperStop* stop = nullptr) const;
};

// The people of the contacts database: table tblContactDetails, columns 3, 1 and 2 as last,
// first and middle name.
std::vector<PersonName> readContacts(const JetReader& reader, const QString& file, const HelperStop* stop = nullptr);

}  // namespace yardmark
