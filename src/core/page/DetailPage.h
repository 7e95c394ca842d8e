#pragma once
// The season detail page written beside every report: results, team game log, leaders and one
// card per player. Single-byte text with CR LF line ends and escaped names, as the report page.
#include <filesystem>
#include <string>

#include "core/page/SeasonDetail.h"

namespace yardmark {

std::string detailPageText(const SeasonDetail& detail);

// Where the detail page of a report lives: the "detail" folder of the reports folder, same name.
std::filesystem::path detailPagePath(const std::filesystem::path& reportsFolder, const std::string& reportName);

// Writes the page, making the detail folder when missing, replacing an old page only once the
// new one is complete. Returns the path written; throws WriteError.
std::filesystem::path writeDetailPage(const std::filesystem::path& reportsFolder, const std::string& reportName,
                                      const SeasonDetail& detail);

}  // namespace yardmark
