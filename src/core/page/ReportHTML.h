#pragma once
// Builds the season report page from the merged statistics and writes it to a file.
// Core code: failures come back as results; the forms show the boxes.
#include <string>

#include "core/season/ReportSeason.h"

namespace yardmark {

// What UpdateHTMLFile did; boxText and boxTitle are the message box a form shows.
struct HtmlWriteResult {
  enum class Status { Written, NothingToWrite, FolderMissing, WriteFailed };
  Status status = Status::NothingToWrite;
  std::string boxText;   // "Info" or "Error"
  std::string boxTitle;  // the explanation stands in the title
  std::string file;      // the file or folder concerned
  int errorNumber = 0;
  std::string errorMessage;
  bool ok() const { return status == Status::Written || status == Status::NothingToWrite; }
};

class ReportHTML {
 public:
  ReportHTML();

  // Builds the whole page from the season's merged rows and record, keeps it and returns it.
  const std::string& CreateReport(const ReportSeason& season);

  // Writes the page to WebDirectory + WebFilename, replacing an old file only once the
  // new one is complete.
  HtmlWriteResult UpdateHTMLFile() const;

  // The page as the last CreateReport built it, ISO-8859-1 bytes.
  const std::string& pageText() const { return m_page; }

  const std::string& WebDirectory() const { return m_webDirectory; }
  void setWebDirectory(std::string v) { m_webDirectory = std::move(v); }
  const std::string& WebFilename() const { return m_webFilename; }
  void setWebFilename(std::string v) { m_webFilename = std::move(v); }

 private:
  void SetDefaults();

  std::string m_page;
  std::string m_webDirectory, m_webFilename;
};

}  // namespace yardmark
