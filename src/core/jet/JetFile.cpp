#include "core/jet/JetFile.h"

#include <algorithm>
#include <cstdio>

#include "core/jet/HelperProcess.h"
#include "core/files/DataFolder.h"
#include "core/files/SafeWrite.h"

namespace yardmark {

namespace fs = std::filesystem;

bool isJetFile(const fs::path& file) {
  // Bytes 0-3 are a page-type marker, 4-19 the engine's name, 0x14 the version: 0 for Jet 3,
  // 1 for Jet 4 (later versions name another engine).
  static constexpr char kSignature[] = "\x00\x01\x00\x00Standard Jet DB";
  std::string head;
  try {
    head = readFileHead(file, 0x15);  // only a regular file: a named pipe would block for ever
  } catch (const fs::filesystem_error&) {
    return false;
  }
  if (head.size() < 0x15) return false;
  return std::equal(kSignature, kSignature + sizeof kSignature, head.begin()) && (head[0x14] == 0 || head[0x14] == 1);
}

std::string defaultJetreadPath() {
  const fs::path dir = executableDir();
  const fs::path beside = dir / "yardmark-jetread";
  std::error_code ec;
  if (fs::exists(beside, ec)) return beside.string();
  return (dir.parent_path() / "libexec" / "yardmark" / "yardmark-jetread").string();
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

JetFile::JetFile(fs::path file, std::string helper, int timeLimitMs, const std::atomic<bool>* stop)
    : m_file(std::move(file)), m_helper(std::move(helper)), m_timeLimitMs(timeLimitMs), m_stop(stop) {}

JetColumn::Kind jetKind(const std::string& name) {
  return name == "number"   ? JetColumn::Kind::Number
         : name == "text"   ? JetColumn::Kind::Text
         : name == "yes/no" ? JetColumn::Kind::YesNo
                            : JetColumn::Kind::Other;
}

std::vector<JetTable> JetFile::readAll() const {
  const HelperRun run = runHelper(m_helper, {"--all", m_file.string()}, m_timeLimitMs, m_stop);
  switch (run.end) {
    case HelperRun::End::NotStarted:
      throw JetError("the reader of old files (" + m_helper + ") could not be started: " + run.errors);
    case HelperRun::End::TimedOut: {
      char seconds[32];
      std::snprintf(seconds, sizeof seconds, "%g", m_timeLimitMs / 1000.0);
      throw JetError(std::string("the reader gave no answer within ") + seconds + " seconds; the file may be damaged");
    }
    case HelperRun::End::Crashed:
      throw JetError("it is damaged (the reader stopped on it)");
    case HelperRun::End::Stopped:
      throw JetError("it was not read: the conversion was stopped");
    case HelperRun::End::Exited:
      break;
  }
  if (run.exitCode != 0) {
    // libmdb may print its own warnings first; the helper's reason is the last line.
    std::string reason = run.errors;
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == ' ')) reason.pop_back();
    reason = reason.substr(reason.find_last_of('\n') + 1);
    throw JetError(reason.empty() ? "the reader failed on it" : reason);
  }
  std::vector<JetTable> tables;
  for (JetFields& line : parseJetOutput(run.output)) {
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
