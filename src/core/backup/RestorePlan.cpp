#include "core/backup/RestorePlan.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/backup/Archive.h"
#include "core/files/DataTree.h"
#include "core/files/SafeWrite.h"

namespace yardmark::backup {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPlanTitle = "YardMark restore plan 1";

// One record a line, its fields split by tabs: those three bytes and % are written as %XX.
std::string escaped(const fs::path& p) {
  std::string out;
  for (const char c : p.string()) {
    if (c == '%' || c == '\t' || c == '\n' || c == '\r') {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

fs::path unescaped(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size()) {
      out += static_cast<char>(std::stoi(std::string(s.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

// The passing files of plans cut short while written, by this version's names or the single
// name an earlier one used.
void removePlanParts(const fs::path& plan) {
  std::error_code ec;
  std::vector<fs::path> parts;
  for (fs::directory_iterator it(plan.parent_path(), ec), end; !ec && it != end; it.increment(ec))
    if (isPartOf(it->path(), plan) ||
        it->path().filename() == std::string(1, '.').append(plan.filename().string()).append(".part"))
      parts.push_back(it->path());
  for (const fs::path& part : parts) fs::remove(part, ec);
}

bool present(const fs::path& p) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(p, ec));
}

std::error_code renamed(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::create_directories(to.parent_path(), ec);
  if (ec) return ec;
  return renameSeam()(from, to);
}

// Removes a folder and the folders below it only while no file is left in them.
void removeEmptyTree(const fs::path& folder) {
  std::error_code ec;
  if (!fs::is_directory(fs::symlink_status(folder, ec))) return;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (it->is_directory(ec) && !it->is_symlink(ec)) removeEmptyTree(it->path());
  fs::remove(folder, ec);
}

bool whole(const PlannedMove& m) {
  std::error_code ec;
  if (present(m.from)) return fs::file_size(m.from, ec) == m.size && !ec;
  return present(m.to) && fs::file_size(m.to, ec) == m.size && !ec;
}

}  // namespace

fs::path planFile(const fs::path& yardmark) { return yardmark / layout::kRestorePlan; }

void writePlan(const fs::path& file, const RestorePlan& plan) {
  std::ostringstream out;
  out << kPlanTitle << '\n';
  for (const fs::path& p : plan.madeFolders) out << "made\t" << escaped(p) << '\n';
  for (const fs::path& p : plan.stagingFolders) out << "staging\t" << escaped(p) << '\n';
  if (plan.staged) out << "staged\n";
  for (const fs::path& p : plan.replacedFolders) out << "replaced\t" << escaped(p) << '\n';
  for (const auto& [kind, moves] : {std::pair{"aside", &plan.aside}, std::pair{"place", &plan.place}})
    for (const PlannedMove& m : *moves)
      out << kind << '\t' << m.size << '\t' << escaped(m.from) << '\t' << escaped(m.to) << '\n';
  out << "end\n";  // a plan cut short is never read as a whole one
  try {
    replaceFile(file, [&](const fs::path& part) { writeFileBytes(part, out.str()); });
  } catch (const fs::filesystem_error& e) {
    throw BackupError("The restore's plan " + quoted(file) + " cannot be written (" + e.code().message() + ").");
  }
}

RestorePlan readPlan(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  RestorePlan plan;
  bool ended = false;
  const auto bad = [&] {
    return BackupError("The plan of an unfinished restore, " + quoted(file) + ", cannot be read.");
  };
  if (!std::getline(in, line) || line != kPlanTitle) throw bad();
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string word; std::getline(fields, word, '\t');) f.push_back(word);
    if (f.empty()) throw bad();
    if (f[0] == "end")
      ended = true;
    else if (f[0] == "staged")
      plan.staged = true;
    else if (f.size() == 2 && f[0] == "made")
      plan.madeFolders.push_back(unescaped(f[1]));
    else if (f.size() == 2 && f[0] == "staging")
      plan.stagingFolders.push_back(unescaped(f[1]));
    else if (f.size() == 2 && f[0] == "replaced")
      plan.replacedFolders.push_back(unescaped(f[1]));
    else if (f.size() == 4 && (f[0] == "aside" || f[0] == "place"))
      (f[0] == "aside" ? plan.aside : plan.place).push_back({unescaped(f[2]), unescaped(f[3]), std::stoull(f[1])});
    else
      throw bad();
  }
  if (!ended) throw bad();
  return plan;
}

Rename& renameSeam() {
  static Rename rename = [](const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    return ec;
  };
  return rename;
}

void stepDone() {
  static const long stopAt = [] {
    const char* v = std::getenv("YARDMARK_STOP_AT_STEP");
    return v ? std::atol(v) : 0L;
  }();
  static long step = 0;
  if (stopAt > 0 && ++step == stopAt) ::_exit(86);
}

void carryOut(const RestorePlan& plan) {
  // The coach's files first: a staged file renamed over one would replace it for good.
  for (const PlannedMove& m : plan.aside) {
    if (!present(m.from) || present(m.to)) continue;
    if (const std::error_code ec = renamed(m.from, m.to))
      throw BackupError(quoted(m.from) + " cannot be moved to " + quoted(m.to) + " (" + ec.message() + ").");
    stepDone();
  }
  for (const PlannedMove& m : plan.place) {
    if (!present(m.from)) continue;
    if (const std::error_code ec = renamed(m.from, m.to))
      throw BackupError(quoted(m.to) + " cannot be put in place (" + ec.message() + ").");
    stepDone();
  }
}

std::vector<std::string> rollBack(const RestorePlan& plan) {
  std::vector<std::string> left;
  const auto asideMade = [&](const fs::path& dest) {
    for (const PlannedMove& a : plan.aside)
      if (a.from == dest && !present(a.to)) return false;
    return true;
  };
  for (auto m = plan.place.rbegin(); m != plan.place.rend(); ++m)
    if (!present(m->from) && present(m->to) && asideMade(m->to))
      if (const std::error_code ec = renamed(m->to, m->from))
        left.push_back(quoted(m->to) + " is the back-up's file, left in place (" + ec.message() + ")");
  for (auto m = plan.aside.rbegin(); m != plan.aside.rend(); ++m) {
    if (!present(m->to)) continue;
    // Where the back-up's file could not be taken away, the coach's stays where it is, and is said.
    const std::error_code ec =
        present(m->from) ? std::make_error_code(std::errc::file_exists) : renamed(m->to, m->from);
    if (ec) left.push_back(quoted(m->to) + " belongs at " + quoted(m->from) + " (" + ec.message() + ")");
  }
  std::error_code ec;
  for (auto f = plan.madeFolders.rbegin(); f != plan.madeFolders.rend(); ++f)
    if (fs::is_directory(*f, ec) && fs::is_empty(*f, ec)) fs::remove(*f, ec);
  for (const fs::path& f : plan.replacedFolders) removeEmptyTree(f);
  return left;
}

void discardPlan(const fs::path& file, const RestorePlan& plan) {
  std::error_code ec;
  for (const fs::path& f : plan.stagingFolders) fs::remove_all(f, ec);
  fs::remove(file, ec);
}

std::optional<std::string> finishInterruptedRestore(const DataTree& tree) {
  const fs::path file = planFile(tree.dataFolder());
  removePlanParts(file);  // a plan cut short while written: the one before it, or none, stands
  if (!present(file)) return std::nullopt;
  const RestorePlan plan = readPlan(file);
  const bool forward = plan.staged && std::all_of(plan.place.begin(), plan.place.end(), whole);
  if (forward) {
    try {
      carryOut(plan);
      discardPlan(file, plan);
      std::string text = "A restore that was cut short has been finished: the back-up's " +
                         std::to_string(plan.place.size()) + " files are in place.";
      for (const fs::path& f : plan.replacedFolders)
        if (present(f)) text += " The files it replaced are in " + quoted(f) + ".";
      return text;
    } catch (const BackupError&) {
      // Undone below: a folder half the coach's and half the archive's is the one outcome to avoid.
    }
  }
  const std::vector<std::string> left = rollBack(plan);
  if (!left.empty()) {
    std::string text = "A restore that was cut short could not be undone; its plan " + quoted(file) +
                       " is kept so that the next start tries again. Where the files are now:";
    for (const std::string& l : left) text.append(1, '\n').append(l);
    throw BackupError(text);
  }
  discardPlan(file, plan);
  return std::string("A restore that was cut short has been undone: the folder is as it was before it.");
}

}  // namespace yardmark::backup
