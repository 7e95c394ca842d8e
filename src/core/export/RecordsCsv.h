#pragma once
// The records book's figures as CSV files for a spreadsheet, the same figures the page shows:
// RFC 4180 quoting, CR LF line ends, UTF-8 with a byte-order mark, a header row of names.
#include <filesystem>
#include <string>
#include <vector>

#include "core/files/SafeWrite.h"
#include "core/season/Records.h"

namespace yardmark {

// seasons.csv, team_records.csv, individual_records.csv, careers.csv.
const std::vector<std::string>& recordsCsvNames();

// The four files in the folder, to be written together (writeFilesSafely).
std::vector<FileContent> recordsCsvFiles(const std::filesystem::path& folder, const RecordsBook& book);

}  // namespace yardmark
