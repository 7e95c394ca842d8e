#include "core/page/ReportHTML.h"

#include <chrono>
#include <cstring>
#include <filesystem>

#include "core/files/SafeWrite.h"
#include "core/page/PageBlocks.h"

namespace yardmark {

namespace fs = std::filesystem;

ReportHTML::ReportHTML() { SetDefaults(); }

void ReportHTML::SetDefaults() {
  // Whole strings moved in: GCC 12 at -O3 warns (-Wrestrict, a false alarm) on assigning short literals.
  using namespace std::string_literals;
  m_webDirectory = "d:\\marrowdale\\"s;
  m_webFilename = "WebOutput.htm"s;
}

const std::string& ReportHTML::CreateReport(const ReportSeason& season) {
  PageText page;
  const page::Facts facts = page::factsOf(season);
  const Game& m = season.merged;
  page::documentHead(page, facts);
  page::gamesHeadline(page, facts);
  page::recordBox(page, facts);
  page::quarterTable(page, facts, m.first(kQuarter));
  page::teamStatsTable(page, facts, m.first(kTeamStats), m.first(kQuarter));
  page::rushingTable(page, m.rows(kRushing));
  page::passingTable(page, m.rows(kPassing));
  page::receivingTable(page, m.rows(kReceiving));
  page::scoringTable(page, m.rows(kScoring));
  page::defensiveHeadline(page);
  page::defensiveRecordBox(page, facts);
  page::allowedPerGame(page, facts, m.first(kTeamStats), m.first(kQuarter));
  page::defenseTable(page, m.rows(kDefense));
  page::closingLines(page);
  m_page = page.take();
  return m_page;
}

namespace {

HtmlWriteResult writeFailed(const std::string& file, int number) {
  HtmlWriteResult r;
  r.status = HtmlWriteResult::Status::WriteFailed;
  r.file = file;
  r.errorNumber = number;
  r.errorMessage = std::strerror(number);
  r.boxText = "Error";
  r.boxTitle = "Error in UpdateHTMLFile, err: " + std::to_string(number) + ", " + r.errorMessage;
  return r;
}

}  // namespace

HtmlWriteResult ReportHTML::UpdateHTMLFile() const {
  HtmlWriteResult r;
  std::error_code ec;
  if (!fs::is_directory(fs::path(m_webDirectory), ec)) {
    r.status = HtmlWriteResult::Status::FolderMissing;
    r.file = m_webDirectory;
    r.boxText = "Info";
    r.boxTitle = "Folder does not exist: " + m_webDirectory;
    return r;
  }
  if (m_page.empty()) return r;

  const std::string target = m_webDirectory + m_webFilename;
  // A run killed while writing left its passing file; one a minute old has no writer left.
  removeLeftoverParts(fs::path(m_webDirectory), std::chrono::minutes(1));
  try {
    replaceFile(
        target, [this](const fs::path& part) { writeFileBytes(part, m_page); }, Durability::Atomic);
  } catch (const fs::filesystem_error& e) {
    return writeFailed(target, e.code().value());
  }
  r.status = HtmlWriteResult::Status::Written;
  r.file = target;
  return r;
}

}  // namespace yardmark
