#include "roster/JetReader.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>

#include "shell/FormKit.h"

namespace yardmark {

namespace {

QString unescaped(QByteArrayView field) {
  if (field == "\\N") return {};
  QByteArray out;
  out.reserve(field.size());
  for (qsizetype i = 0; i < field.size(); ++i) {
    char c = field[i];
    if (c == '\\' && i + 1 < field.size()) {
      const char next = field[++i];
      c = next == 't' ? '\t' : next == 'n' ? '\n' : next;
    }
    out += c;
  }
  return out.isEmpty() ? QString(QLatin1String("")) : QString::fromUtf8(out);
}

}  // namespace

std::vector<JetRow> parseJetRows(const QByteArray& output) {
  std::vector<JetRow> rows;
  QList<QByteArray> lines = output.split('\n');
  lines.removeLast();  // what follows the last row's line end
  for (const QByteArray& line : lines) {
    JetRow row;
    for (const QByteArray& field : line.split('\t')) row.push_back(unescaped(field));
    rows.push_back(std::move(row));
  }
  return rows;
}

QString defaultJetreadPath() {
  const QString dir = QCoreApplication::applicationDirPath();
  const QString beside = QDir(dir).filePath("yardmark-jetread");
  if (QFileInfo(beside).isExecutable()) return beside;
  return QDir::cleanPath(QDir(dir).filePath("../libexec/yardmark/yardmark-jetread"));
}

std::vector<JetRow> JetReader::readTable(const QString& file, const QString& table) const {
  const WaitCursor wait;
  const QString what = "The file '" + QDir::toNativeSeparators(file) + "'";
  QProcess helper;
  helper.start(helperPath, {file, table}, QIODevice::ReadOnly);
  if (!helper.waitForStarted())
    throw JetReadError("The reader of contacts files (" + helperPath +
                       ") could not be started: " + helper.errorString() + ".");
  if (!helper.waitForFinished(timeLimitMs)) {
    helper.kill();
    helper.waitForFinished();
    throw JetReadError(what + " could not be read: the reader gave no answer within " +
                       QString::number(timeLimitMs / 1000.0) + " seconds. The file may be damaged.");
  }
  if (helper.exitStatus() == QProcess::CrashExit)
    throw JetReadError(what + " could not be read: it is damaged (the reader stopped on it).");
  if (helper.exitCode() != 0) {
    // libmdb may print its own warnings first; the helper's reason is the last line.
    const QString reason = QString::fromUtf8(helper.readAllStandardError()).trimmed().split('\n').last();
    throw JetReadError(reason.isEmpty() ? what + " could not be read." : reason);
  }
  return parseJetRows(helper.readAllStandardOutput());
}

std::vector<PersonName> readContacts(const JetReader& reader, const QString& file) {
  const QString table = QStringLiteral("tblContactDetails");
  std::vector<PersonName> people;
  for (const JetRow& row : reader.readTable(file, table)) {
    if (row.size() < 4)
      throw JetReadError("The table '" + table + "' in '" + QDir::toNativeSeparators(file) +
                         "' lacks the name columns: it is not a contacts database.");
    people.push_back({row[3], row[1], row[2]});
  }
  return people;
}

}  // namespace yardmark
