#include "gui/roster/JetReader.h"

#include <QDir>

namespace yardmark {

std::vector<JetRow> parseJetRows(const QByteArray& output) {
  std::vector<JetRow> rows;
  for (const JetFields& fields : parseJetOutput(output.toStdString())) {
    JetRow row;
    // An empty text stays a text: only no value is a null string.
    for (const auto& field : fields)
      row.push_back(!field ? QString() : field->empty() ? QString(QLatin1String("")) : QString::fromStdString(*field));
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<JetRow> JetReader::readTable(const QString& file, const QString& table, const HelperStop* stop) const {
  const QString what = "The file '" + QDir::toNativeSeparators(file) + "'";
  const HelperRun run =
      runHelper(helperPath.toStdString(), {file.toStdString(), table.toStdString()}, timeLimitMs, stop);
  switch (run.end) {
    case HelperRun::End::NotStarted:
      throw JetReadError("The reader of contacts files (" + helperPath +
                         ") could not be started: " + QString::fromStdString(run.errors) + ".");
    case HelperRun::End::TimedOut:
      throw JetReadError(what + " could not be read: the reader gave no answer within " +
                         QString::number(timeLimitMs / 1000.0) + " seconds. The file may be damaged.");
    case HelperRun::End::Crashed:
      throw JetReadError(what + " could not be read: it is damaged (the reader stopped on it).");
    case HelperRun::End::Stopped:
      throw JetReadError(what + " was not read: reading was stopped.");
    case HelperRun::End::Exited:
      break;
  }
  if (run.exitCode != 0) {
    // libmdb may print its own warnings first; the helper's reason is the last line.
    const QString reason = QString::fromStdString(run.errors).trimmed().split('\n').last();
    throw JetReadError(reason.isEmpty() ? what + " could not be read." : reason);
  }
  return parseJetRows(QByteArray::fromStdString(run.output));
}

std::vector<PersonName> readContacts(const JetReader& reader, const QString& file, const HelperStop* stop) {
  const QString table = QStringLiteral("tblContactDetails");
  std::vector<PersonName> people;
  for (const JetRow& row : reader.readTable(file, table, stop)) {
    if (row.size() < 4)
      throw JetReadError("The table '" + table + "' in '" + QDir::toNativeSeparators(file) +
                         "' lacks the name columns: it is not a contacts database.");
    people.push_back({row[3], row[1], row[2]});
  }
  return people;
}

}  // namespace yardmark
