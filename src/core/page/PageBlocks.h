#pragma once
// The blocks of the season report page, in page order. Each appends its lines to the page.
#include <string>
#include <vector>

#include "core/page/PageText.h"
#include "core/season/ReportSeason.h"

namespace yardmark::page {

// The season's record and its first game's names as page-ready texts.
struct Facts {
  long games = 0;
  long wins = 0;
  long losses = 0;
  std::string team = "OWN";
  std::string year;
  std::string oppTeam;  // of the only game, when there is exactly one
};

Facts factsOf(const ReportSeason& season);

void documentHead(PageText& page, const Facts& facts);  // head, style rules, frame and title
void gamesHeadline(PageText& page, const Facts& facts);
void recordBox(PageText& page, const Facts& facts);
void recordRows(PageText& page, const Facts& facts);  // shared by both record boxes
void quarterTable(PageText& page, const Facts& facts, const GameRow* quarter);
void teamStatsTable(PageText& page, const Facts& facts, const GameRow* teamStats, const GameRow* quarter);

void rushingTable(PageText& page, const std::vector<GameRow>& rushing);
void passingTable(PageText& page, const std::vector<GameRow>& passing);
void receivingTable(PageText& page, const std::vector<GameRow>& receiving);
void scoringTable(PageText& page, const std::vector<GameRow>& scoring);

void defensiveHeadline(PageText& page);
void defensiveRecordBox(PageText& page, const Facts& facts);
void allowedPerGame(PageText& page, const Facts& facts, const GameRow* teamStats, const GameRow* quarter);
void defenseTable(PageText& page, const std::vector<GameRow>& defense);
void closingLines(PageText& page);

// A field of a row by its column; no value without the row, since the page is always completed.
inline Value fieldAt(const GameRow* row, int column) { return row ? row->at(column) : Value{}; }

}  // namespace yardmark::page
