#pragma once
// The records book as a page of the reports folder: the seasons side by side with their charts,
// the team's and the players' records, and every career. Single-byte text with CR LF line ends
// and escaped names, as the other pages; the charts are SVG files beside it.
#include <filesystem>
#include <string>
#include <vector>

#include "core/files/SafeWrite.h"
#include "core/page/SvgChart.h"
#include "core/season/Records.h"

namespace yardmark {

// Where the book is written unless the coach names another page: Reports/records/index.htm.
inline constexpr const char* kRecordsFolder = "records";
inline constexpr const char* kRecordsPage = "index.htm";
// The records folder of the reports folder, in whatever letter case it has on the disk.
std::filesystem::path recordsFolderOf(const std::filesystem::path& reportsFolder);

// The charts below the seasons table, each with its file name: the page's name without ".htm"
// and what the chart shows ("index-points.svg"), so two books in one folder keep their own.
struct NamedChart {
  std::string file;
  std::string alt;
  Chart chart;
};
std::vector<NamedChart> recordsCharts(const RecordsBook& book, const std::string& pageName);

std::string recordsPageText(const RecordsBook& book, const std::vector<NamedChart>& charts);

// The page and its charts, to be written together (writeFilesSafely).
std::vector<FileContent> recordsPageFiles(const std::filesystem::path& page, const RecordsBook& book);

}  // namespace yardmark
