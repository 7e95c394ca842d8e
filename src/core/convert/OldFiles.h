#pragma once
// The files of a data folder kept by the earlier version, converted in one run.
#include <string>
#include <vector>

#include "core/convert/Converter.h"
#include "core/files/DataTree.h"

namespace yardmark {

// The old files of the data folder: the template first (game files are made from it), then
// the roster, the temporary database and the game files of every year folder, by name.
std::vector<OldFile> findOldFiles(const DataTree& tree);

struct ConvertSummary {
  std::vector<Conversion> files;
  bool dryRun = false;
  size_t notReached = 0;  // files left for another run when it was stopped
  size_t converted() const;
  size_t failed() const;
};

// The progress of the options is told before each file; a stop leaves that file and the rest.
ConvertSummary convertOldFiles(const DataTree& tree, const std::vector<OldFile>& files, const ConvertOptions& options);

// One line for one file, and the closing line of a run.
std::string describe(const Conversion& c, bool dryRun);
std::string summaryLine(const ConvertSummary& summary);

}  // namespace yardmark
