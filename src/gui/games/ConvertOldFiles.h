#pragma once
// The start-up question about files kept by the earlier version: how many there are, that the
// originals are kept, and whether to convert them now. Yes converts them under a progress
// dialog (off the GUI thread; Stop ends it at once) and tells the summary; No changes nothing,
// and the next start asks again.
#include <QString>
#include <optional>

#include "core/convert/OldFiles.h"

class QWidget;

namespace yardmark {

class App;

// The question's text for a number of old files.
QString conversionQuestion(size_t files);
// The summary box's text: the closing line, then every failure and every file with left-out parts.
QString conversionSummaryText(const ConvertSummary& summary);

// Asks when the data folder holds old files; the summary when they were converted.
std::optional<ConvertSummary> offerConversion(App& app, QWidget* parent, const ConvertOptions& options = {});

// Offers to convert one old game file met later (the open dialog): Yes converts it and says
// so when parts were left out; a failure names the file and the reason; Stop leaves it as it
// was. True when the file is now one of ours.
bool offerConversionOf(App& app, const std::filesystem::path& game, const ConvertOptions& options = {});

}  // namespace yardmark
