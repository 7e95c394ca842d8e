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

  // "V" major "." minor "." revision.
  static std::string VersionText();

  // The page as the last CreateReport built it, ISO-8859-1 bytes.
  const std::string& pageText() const { return m_page; }

  const std::string& WebDirectory() const { return m_webDirectory; }
  void setWebDirectory(std::string v) { m_webDirectory = std::move(v); }
  const std::string& WebFilename() const { return m_webFilename; }
  void setWebFilename(std::string v) { m_webFilename = std::move(v); }
  const std::string& ReportTitle() const { return m_reportTitle; }
  void setReportTitle(std::string v) { m_reportTitle = std::move(v); }
  const std::string& ReportSubtitle() const { return m_reportSubtitle; }
  void setReportSubtitle(std::string v) { m_reportSubtitle = std::move(v); }
  const std::string& PageTitle() const { return m_pageTitle; }
  void setPageTitle(std::string v) { m_pageTitle = std::move(v); }
  const std::string& PageBackground() const { return m_pageBackground; }
  void setPageBackground(std::string v) { m_pageBackground = std::move(v); }
  const std::string& PageLogo() const { return m_pageLogo; }
  void setPageLogo(std::string v) { m_pageLogo = std::move(v); }
  const std::string& PageFont() const { return m_pageFont; }
  const std::string& TableHeaderFontSize() const { return m_tableHeaderFontSize; }
  const std::string& TableBodyFontSize() const { return m_tableBodyFontSize; }
  void setPageFont(std::string v) { m_pageFont = std::move(v); }
  void setTableHeaderFontSize(std::string v) { m_tableHeaderFontSize = std::move(v); }
  void setTableBodyFontSize(std::string v) { m_tableBodyFontSize = std::move(v); }
  // The two colours take only a value with a "#" in it; anything else leaves the old one.
  const std::string& TableColor() const { return m_tableColor; }
  void setTableColor(std::string v);
  const std::string& TableTextColor() const { return m_tableTextColor; }
  void setTableTextColor(std::string v);
  const std::string& TableWidth() const { return m_tableWidth; }
  void setTableWidth(std::string v) { m_tableWidth = std::move(v); }
  const std::string& TableCellPadding() const { return m_tableCellPadding; }
  void setTableCellPadding(std::string v) { m_tableCellPadding = std::move(v); }
  const std::string& TableCellSpacing() const { return m_tableCellSpacing; }
  void setTableCellSpacing(std::string v) { m_tableCellSpacing = std::move(v); }
  const std::string& TableBorder() const { return m_tableBorder; }
  void setTableBorder(std::string v) { m_tableBorder = std::move(v); }
  const std::string& FooterString() const { return m_footerString; }
  void setFooterString(std::string v) { m_footerString = std::move(v); }

 private:
  void SetDefaults();

  std::string m_page;
  std::string m_webDirectory, m_webFilename, m_reportTitle, m_reportSubtitle, m_pageTitle, m_pageBackground, m_pageLogo,
      m_pageFont, m_tableHeaderFontSize, m_tableBodyFontSize, m_tableColor, m_tableTextColor, m_tableWidth,
      m_tableCellPadding, m_tableCellSpacing, m_tableBorder, m_footerString;
};

}  // namespace yardmark
