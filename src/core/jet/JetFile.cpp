#include "core/jet/JetFile.h"

#include <algorithm>
#include <cstdio>

#include "core/files/DataFolder.h"
#include "core/files/SafeWrite.h"
#include "core/jet/HelperProcess.h"

namespace yardmark {

namespace fs = std::filesystem;

std::string defaultJetreadPath() {
  const fs::path dir = executableDir();
  const fs::path beside = dir / "yardmark-jetread";
  std::error_code ec;
  if (fs::exists(beside, ec)) return beside.string();
  return (dir.parent_path() / "libexec" / "yardmark" / "yardmark-jetread").string();
}

std::string secondsText(int ms) {
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%g", ms / 1000.0);
  return seconds;
}

std::vector<JetFields> parseJetOutput(const std::string& output) {
  std::vector<JetFields> rows;
  JetFields row;
  std::string field;
  bool escaped = false, noValue = false;
  auto endField = [&] {
    row.push_back(noValue ? std::nullopt : std::optional<std::string>(field));
    field.clear();
    noValue = false;
  };
  for (const char c : output) {
    if (escaped) {
      escaped = false;
      if (c == 'N' && field.empty())
        noValue = true;
      else
        field += c == 't' ? '\t' : c == 'n' ? '\n' : c;
    } else if (c == '\\') {
      escaped = true;
    } else if (c == '\t') {
      endField();
    } else if (c == '\n') {
      endField();
      rows.push_back(std::move(row));
      row.clear();
    } else {
      field += c;
    }
  }
  return rows;
}

JetColumn::Kind jetKind(const std::string& name) {
  return name == "number"   ? JetColumn::Kind::Number
         : name == "text"   ? JetColumn::Kind::Text
         : name == "yes/no" ? JetColumn::Kind::YesNo
                            : JetColumn::Kind::Other;
}

JetFile::JetFile(fs::path file, JetHelper helper, const Progress* progress)
    : m_file(std::move(file)), m_helper(std::move(helper)), m_progress(progress) {}

std::string JetFile::run(const std::vector<std::string>& args) const {
  using Cause = JetError::Cause;
  HelperRun run = runHelper(m_helper.program, args, m_helper.timeLimitMs, m_progress);
  switch (run.end) {
    case HelperRun::End::NotStarted:
      throw JetError("the reader of old files (" + m_helper.program + ") could not be started: " + run.errors,
                     Cause::NotStarted, run.errors);
    case HelperRun::End::TimedOut:
      throw JetError(
          "the reader gave no answer within " + secondsText(m_helper.timeLimitMs) + " seconds; the file may be damaged",
          Cause::TimedOut);
    case HelperRun::End::Crashed:
      throw JetError("it is damaged (the reader stopped on it)", Cause::Crashed);
    case HelperRun::End::Stopped:
      throw JetError("it was not read: reading was stopped", Cause::Stopped);
    case HelperRun::End::Exited:
      break;
  }
  if (run.exitCode != 0) {
    // libmdb may print its own warnings first; the helper's reason is the last line.
    std::string reason = run.errors;
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == ' ')) reason.pop_back();
    reason = reason.substr(reason.find_last_of('\n') + 1);
    throw JetError(reason.empty() ? "the reader failed on it" : reason, Cause::Refused, reason);
  }
  return std::move(run.output);
}

std::vector<JetFields> JetFile::readTable(const std::string& table) const {
  return parseJetOutput(run({m_file.string(), table}));
}

std::vector<JetTable> JetFile::readAll() const {
  const std::string output = run({"--all", m_file.string()});
  std::vector<JetTable> tables;
  for (JetFields& line : parseJetOutput(output)) {
    const std::string tag = !line.empty() && line[0] ? *line[0] : std::string();
    const bool inTable = !tables.empty();
    if (tag == "T" && line.size() == 2 && line[1]) {
      tables.push_back({*line[1], {}, {}});
    } else if (tag == "C" && inTable && line.size() == 3 && line[1] && line[2]) {
      tables.back().columns.push_back({*line[1], jetKind(*line[2])});
    } else if (tag == "R" && inTable) {
      tables.back().rows.emplace_back(std::make_move_iterator(line.begin() + 1), std::make_move_iterator(line.end()));
    } else {
      throw JetError("the reader's answer is unreadable");
    }
  }
  return tables;
}

}  // namespace yardmark
