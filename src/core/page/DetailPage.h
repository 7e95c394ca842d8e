#pragma once
// The season detail page written beside every report: results, team game log, leaders and one
// card per player. Single-byte text with CR LF line ends and escaped names, as the report page.
#include <filesystem>
#include <string>
#include <vector>

#include "core/page/SeasonDetail.h"

namespace yardmark {

std::string detailPageText(const SeasonDetail& detail);

// Where the detail page of a report lives: the "detail" folder of the reports folder, same name.
std::filesystem::path detailPagePath(const std::filesystem::path& reportsFolder, const std::string& reportName);

// The games a report was made from, one path a line, kept beside its detail page
// (detail/NAME.games) so that the season can be read again later, e.g. for its CSV files.
std::filesystem::path gamesListPath(const std::filesystem::path& reportsFolder, const std::string& reportName);
// The games of a list file; nothing when the file is missing or unreadable.
std::vector<std::filesystem::path> readGamesList(const std::filesystem::path& file);

// Writes the page and the games list, making the detail folder when missing, replacing old
// files only once both new ones are complete. Returns the page's path; throws WriteError.
std::filesystem::path writeDetailPage(const std::filesystem::path& reportsFolder, const std::string& reportName,
                                      const SeasonDetail& detail, const std::vector<std::filesystem::path>& games);

}  // namespace yardmark
