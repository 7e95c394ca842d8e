#pragma once
// The season's tables as CSV files for a spreadsheet: RFC 4180 quoting, CR LF line ends, UTF-8
// with a byte-order mark (so that names such as "Łukasz" show intact), a header row of names.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/page/SeasonDetail.h"

namespace yardmark {

// The files writeSeasonCsv writes, in this order.
const std::vector<std::string>& csvFileNames();

// Those of the files that already exist in the folder (asked about before they are replaced).
std::vector<std::string> existingCsvFiles(const std::filesystem::path& folder);

// A field as it stands in a line: quoted when it holds a comma, a quote, CR or LF.
std::string csvField(std::string_view text);

// Writes every file into the folder (made when missing), all or none of them. Throws WriteError.
void writeSeasonCsv(const std::filesystem::path& folder, const SeasonDetail& detail);

}  // namespace yardmark
