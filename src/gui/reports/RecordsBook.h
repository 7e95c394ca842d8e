#pragma once
// Reports > Records Book...: every game of every year folder into the records book page, its
// charts and its CSV files in the reports folder's "records" folder, then shown in the viewer.
#include <filesystem>
#include <optional>

namespace yardmark {

class App;

// Asks for the page's name, writes the book under a progress dialog and shows it. Returns the
// page written; nothing when the coach cancelled or nothing could be written (and was told why).
std::optional<std::filesystem::path> showRecordsBook(App& app);

}  // namespace yardmark
