#pragma once
// The season's tables as CSV files for a spreadsheet: RFC 4180 quoting, CR LF line ends, UTF-8
// with a byte-order mark (so that names such as "Łukasz" show intact), a header row of names.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/season/SeasonDetail.h"

namespace yardmark {

// The files writeSeasonCsv writes, in this order.
const std::vector<std::string>& csvFileNames();

// Those of the files that already exist in the folder (asked about before they are replaced).
std::vector<std::string> existingCsvFiles(const std::filesystem::path& folder);

// A report's CSV set has a folder of its own in the folder chosen: DIR/NAME, without a closing ".htm".
std::filesystem::path csvSetFolder(const std::filesystem::path& dir, const std::string& reportName);

// A field as it stands in a line: quoted when it holds a comma, a quote, CR or LF. A text that a
// spreadsheet would run as a formula (=, +, -, @, tab, CR first) gets a leading quote; so does a
// figure column's cell that is not a plain number.
enum class Cell { Text, Figure };
std::string csvField(std::string_view text, Cell kind = Cell::Text);

// Writes the set into a hidden folder beside DIR/NAME (DIR made when missing), then swaps the two
// folders by renames: DIR/NAME holds the whole old set or the whole new one, whenever the run
// stops. Hidden folders left by a run cut short are cleared first. afterStep runs after each file
// and after the swap (a test stops the run there). Returns DIR/NAME; throws WriteError.
std::filesystem::path writeSeasonCsv(const std::filesystem::path& dir, const std::string& reportName,
                                     const SeasonDetail& detail, const std::function<void()>& afterStep = {});

}  // namespace yardmark
