#include "core/jet/OldFiles.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace yardmark {

namespace fs = std::filesystem;

namespace {

bool hasMdbExtension(const fs::path& p) {
  std::string ext = p.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".mdb";
}

// Names as a user reads them: letter case aside, and Game2 before Game10.
bool readingOrder(const fs::path& a, const fs::path& b) {
  const std::string x = a.filename().string(), y = b.filename().string();
  size_t i = 0, j = 0;
  while (i < x.size() && j < y.size()) {
    if (std::isdigit(static_cast<unsigned char>(x[i])) && std::isdigit(static_cast<unsigned char>(y[j]))) {
      const size_t i0 = i, j0 = j;
      while (i < x.size() && std::isdigit(static_cast<unsigned char>(x[i]))) ++i;
      while (j < y.size() && std::isdigit(static_cast<unsigned char>(y[j]))) ++j;
      const std::string_view p = std::string_view(x).substr(i0, i - i0), q = std::string_view(y).substr(j0, j - j0);
      const std::string_view pn = p.substr(std::min(p.find_first_not_of('0'), p.size()));
      const std::string_view qn = q.substr(std::min(q.find_first_not_of('0'), q.size()));
      if (pn.size() != qn.size()) return pn.size() < qn.size();
      if (pn != qn) return pn < qn;
      continue;
    }
    const int cx = std::tolower(static_cast<unsigned char>(x[i])), cy = std::tolower(static_cast<unsigned char>(y[j]));
    if (cx != cy) return cx < cy;
    ++i, ++j;
  }
  if ((x.size() - i) != (y.size() - j)) return x.size() - i < y.size() - j;
  return x < y;  // repeatable when names differ only in case or leading zeros
}

std::vector<fs::path> sortedEntries(const fs::path& folder, bool folders) {
  std::vector<fs::path> out;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code kindError;
    if (folders ? it->is_directory(kindError) : it->is_regular_file(kindError)) out.push_back(it->path());
  }
  std::sort(out.begin(), out.end(), readingOrder);
  return out;
}

}  // namespace

std::vector<OldFile> findOldFiles(const DataTree& tree) {
  std::vector<OldFile> found;
  const auto take = [&](const fs::path& p, OldFileKind kind, bool copiesTemplate = false) {
    if (isJetFile(p)) found.push_back({p, kind, copiesTemplate});
  };
  take(tree.masterTemplate(), OldFileKind::Game);
  take(tree.rosterDatabase(), OldFileKind::Roster);
  take(tree.tmpDatabase(), OldFileKind::Game);
  for (const fs::path& year : sortedEntries(tree.gamesRoot(), true))
    for (const fs::path& file : sortedEntries(year, false))
      if (hasMdbExtension(file)) take(file, OldFileKind::Game, true);
  return found;
}

size_t ConvertSummary::converted() const {
  return static_cast<size_t>(std::count_if(files.begin(), files.end(), [](const Conversion& c) { return c.ok; }));
}
size_t ConvertSummary::failed() const { return files.size() - converted(); }

ConvertSummary convertOldFiles(const DataTree& tree, const std::vector<OldFile>& files, const ConvertOptions& options,
                               const ConvertProgress& progress) {
  ConvertSummary summary;
  summary.dryRun = options.dryRun;
  const auto stopped = [&] { return options.stop && options.stop->load(); };
  for (size_t i = 0; i < files.size(); ++i) {
    if (stopped() || (progress && !progress(i, files.size(), files[i].path))) {
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

std::string oldFileReason() {
  return "it is a file of the earlier version of YardMark; convert it by opening it in File > Open, "
         "or with yardmark-convert";
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
