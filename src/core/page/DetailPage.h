#pragma once
// The season detail page written beside every report: results, team game log, leaders and one
// card per player. Single-byte text with CR LF line ends and escaped names, as the report page.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/season/SeasonDetail.h"

namespace yardmark {

// runId: the run that writes the page, carried by the page and by its games list alike.
std::string detailPageText(const SeasonDetail& detail, std::string_view runId);

// A new run's id: random, so that two runs never share one.
std::string newRunId();

// Where the detail page of a report lives: the "detail" folder of the reports folder, same name.
std::filesystem::path detailPagePath(const std::filesystem::path& reportsFolder, const std::string& reportName);

// The games a report was made from, one path a line, kept beside its detail page
// (detail/NAME.games) so that the season can be read again later, e.g. for its CSV files.
std::filesystem::path gamesListPath(const std::filesystem::path& reportsFolder, const std::string& reportName);
// The games of a list file; nothing when the file is missing or unreadable.
std::vector<std::filesystem::path> readGamesList(const std::filesystem::path& file);

// Whole: the page and its list come from one run (or both from before runs had ids). Torn: a run
// was cut short between them, so the list may name other games than the page shows.
enum class DetailState { Missing, Torn, Whole };
DetailState detailState(const std::filesystem::path& reportsFolder, const std::string& reportName);

// Writes the page, then the games list, each replaced only once complete, making the detail
// folder when missing. afterPage runs between the two (a test stops the run there). Returns the
// page's path; throws WriteError.
std::filesystem::path writeDetailPage(const std::filesystem::path& reportsFolder, const std::string& reportName,
                                      const SeasonDetail& detail, const std::vector<std::filesystem::path>& games,
                                      const std::function<void()>& afterPage = {});

}  // namespace yardmark
