#include "core/games/GameAudit.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <thread>

#include "core/files/FileKind.h"
#include "core/games/AuditRules.h"
#include "core/jet/JetFile.h"

namespace yardmark {

std::string_view severityName(Severity s) {
  switch (s) {
    case Severity::Error:
      return "error";
    case Severity::Warning:
      return "warning";
    case Severity::Note:
      return "note";
  }
  return "error";
}

RosterIndex::RosterIndex(std::vector<std::string> names) : m_sorted(std::move(names)) {
  std::sort(m_sorted.begin(), m_sorted.end());
  m_sorted.erase(std::unique(m_sorted.begin(), m_sorted.end()), m_sorted.end());
  m_set.insert(m_sorted.begin(), m_sorted.end());
}

bool RosterIndex::contains(std::string_view name) const { return m_set.count(std::string(name)) != 0; }

std::optional<std::string> RosterIndex::closest(std::string_view name) const {
  constexpr int kLimit = 2;
  int best = kLimit + 1;
  const std::string* found = nullptr;
  for (const std::string& candidate : m_sorted) {
    const int d = nameDistance(name, candidate, kLimit);
    if (d < best) {
      best = d;
      found = &candidate;
    }
  }
  if (!found) return std::nullopt;
  return *found;
}

// Restricted Damerau-Levenshtein (optimal string alignment) over bytes, three rows kept.
int nameDistance(std::string_view a, std::string_view b, int limit) {
  const size_t n = a.size(), m = b.size();
  if ((n > m ? n - m : m - n) > static_cast<size_t>(limit)) return limit + 1;
  std::vector<int> before(m + 1), prev(m + 1), cur(m + 1);
  for (size_t j = 0; j <= m; ++j) prev[j] = static_cast<int>(j);
  int prevMin = 0;
  for (size_t i = 1; i <= n; ++i) {
    cur[0] = static_cast<int>(i);
    int rowMin = cur[0];
    for (size_t j = 1; j <= m; ++j) {
      const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
      int d = std::min({prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d = std::min(d, before[j - 2] + 1);
      cur[j] = d;
      rowMin = std::min(rowMin, d);
    }
    // Two rows past the limit in a row: no later row can come back under it.
    if (rowMin > limit && prevMin > limit) return limit + 1;
    prevMin = rowMin;
    std::swap(before, prev);
    std::swap(prev, cur);
  }
  return std::min(prev[m], limit + 1);
}

std::vector<Finding> auditGame(const GameData& game, const RosterIndex& roster) {
  const audit::Input input{game, roster};
  std::vector<Finding> findings;
  audit::Hits hits;
  for (const audit::Rule& rule : audit::rules()) {
    hits.clear();
    rule.check(input, hits);
    for (audit::Hit& h : hits) {
      Finding f{rule.id, rule.severity, std::move(h.message), h.table, h.row, 0, h.field};
      if (h.row >= 0) f.bookmark = game.rows(h.table)[static_cast<size_t>(h.row)].bookmark;
      findings.push_back(std::move(f));
    }
  }
  return findings;
}

int FileAudit::count(Severity s) const {
  return static_cast<int>(
      std::count_if(findings.begin(), findings.end(), [s](const Finding& f) { return f.severity == s; }));
}

namespace {

// One file's audit and the date its details give: "" when it has none or cannot be read.
FileAudit auditDated(const std::filesystem::path& file, const RosterIndex& roster, std::string& date) {
  FileAudit audit{file, {}, std::nullopt};
  try {
    const GameData game = readGameData(file);
    audit.findings = auditGame(game, roster);
    date = game.details.date;
  } catch (const std::exception& e) {
    // A file of the earlier version stays unreadable until the user converts it.
    audit.unreadable = isJetFile(file) ? oldFileReason() + "." : std::string(e.what());
  }
  return audit;
}

// Two games of one year folder on one date: one of them was given the other's date.
void sameDate(std::vector<FileAudit>& audits, const std::vector<std::string>& dates) {
  std::map<std::pair<std::filesystem::path, std::string>, std::vector<size_t>> games;
  for (size_t i = 0; i < audits.size(); ++i)
    if (!dates[i].empty()) games[{audits[i].file.parent_path(), dates[i]}].push_back(i);
  for (const auto& [key, same] : games)
    for (const size_t i : same)
      for (const size_t j : same) {
        if (audits[i].file == audits[j].file) continue;  // one file named twice
        audits[i].findings.push_back(
            {kSameDateRule, Severity::Warning,
             "Game Details give the date " + key.second + ", the same as " + audits[j].file.filename().string() + ".",
             kHeader});
      }
}

}  // namespace

FileAudit auditGameFile(const std::filesystem::path& file, const RosterIndex& roster) {
  std::string date;
  return auditDated(file, roster, date);
}

std::vector<FileAudit> auditGameFiles(const std::vector<std::filesystem::path>& files, const RosterIndex& roster) {
  std::vector<FileAudit> audits(files.size());
  std::vector<std::string> dates(files.size());
  std::atomic<size_t> next = 0;
  const auto work = [&] {
    for (size_t i = next++; i < files.size(); i = next++) audits[i] = auditDated(files[i], roster, dates[i]);
  };
  // Opening a game file is most of the work, and each thread opens its own.
  const size_t threads = std::min<size_t>(std::max(1u, std::thread::hardware_concurrency()), files.size());
  std::vector<std::jthread> helpers;
  for (size_t t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
  for (std::jthread& h : helpers) h.join();
  sameDate(audits, dates);
  return audits;
}

}  // namespace yardmark
