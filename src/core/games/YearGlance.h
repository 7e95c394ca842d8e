#pragma once
// What the open dialog shows of a year folder, from one read of each file: the synopsis and the
// games with errors. No widgets here.
#include <filesystem>
#include <vector>

#include "core/games/GameAudit.h"
#include "core/games/Synopsis.h"

namespace yardmark {

struct YearGlance {
  Synopsis synopsis;
  GamesWithErrors errors;
};

// The files in the order given, each read once: counted as synopsisOf counts them, and checked
// as the audit checks them (a file that cannot be read is listed as unreadable only).
YearGlance glanceAt(const std::vector<std::filesystem::path>& gameFiles);

}  // namespace yardmark
