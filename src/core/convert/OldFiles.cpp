#include "core/convert/OldFiles.h"

#include <algorithm>

#include "core/files/GameWalk.h"

namespace yardmark {

namespace fs = std::filesystem;

std::vector<OldFile> findOldFiles(const DataTree& tree) {
  std::vector<OldFile> found;
  const auto take = [&](const fs::path& p, OldFileKind kind, bool copiesTemplate = false) {
    if (isJetFile(p)) found.push_back({p, kind, copiesTemplate});
  };
  take(tree.masterTemplate(), OldFileKind::Game);
  take(tree.rosterDatabase(), OldFileKind::Roster);
  take(tree.tmpDatabase(), OldFileKind::Game);
  for (const TreeGame& game : gamesOfTree(tree)) take(game.file, OldFileKind::Game, true);
  return found;
}

size_t ConvertSummary::converted() const {
  return static_cast<size_t>(std::count_if(files.begin(), files.end(), [](const Conversion& c) { return c.ok; }));
}
size_t ConvertSummary::failed() const { return files.size() - converted(); }

ConvertSummary convertOldFiles(const DataTree& tree, const std::vector<OldFile>& files, const ConvertOptions& options) {
  ConvertSummary summary;
  summary.dryRun = options.dryRun;
  Progress* const progress = options.progress;
  const auto stopped = [&] { return progress && progress->stopRequested(); };
  for (size_t i = 0; i < files.size(); ++i) {
    if (progress)
      progress->step(static_cast<double>(i) / static_cast<double>(files.size()),
                     "Converting " + std::to_string(i + 1) + " of " + std::to_string(files.size()) + ": " +
                         files[i].path.string());
    if (stopped()) {
      summary.notReached = files.size() - i;
      break;
    }
    // Looked up each time: a template converted earlier in the run is the one to copy.
    Conversion c = convertOldFile(files[i], tree.masterTemplate(), options);
    // Stopped in the middle: that file is left as it was, like the ones after it.
    if (!c.ok && stopped()) {
      summary.notReached = files.size() - i;
      break;
    }
    summary.files.push_back(std::move(c));
  }
  return summary;
}

std::string describe(const Conversion& c, bool dryRun) {
  std::string line;
  if (!c.ok) {
    line = "Failed: " + c.file.string() + ": " + c.reason + "; the file is left as it was";
  } else if (dryRun) {
    line = "To convert: " + c.file.string();
  } else {
    line = "Converted: " + c.file.string() + " (" + std::to_string(c.rows) + (c.rows == 1 ? " row" : " rows") +
           "; the original is kept as " + c.keptAs.filename().string() + ")";
  }
  if (c.ok && !c.leftOut.empty()) {
    line += "; left out: ";
    for (size_t i = 0; i < c.leftOut.size(); ++i) line += (i ? ", " : "") + c.leftOut[i];
  }
  return line;
}

std::string summaryLine(const ConvertSummary& summary) {
  size_t leftOut = 0;
  for (const Conversion& c : summary.files)
    if (c.ok) leftOut += c.leftOut.size();
  if (summary.files.empty() && summary.notReached == 0) return "No files of the earlier version were found.";
  std::string line = std::to_string(summary.converted()) + (summary.dryRun ? " to convert, " : " converted, ") +
                     std::to_string(leftOut) + " tables or columns left out, " + std::to_string(summary.failed()) +
                     " failed.";
  if (summary.notReached > 0)
    line += " Stopped before " + std::to_string(summary.notReached) + " more, left as they were.";
  return line;
}

}  // namespace yardmark
