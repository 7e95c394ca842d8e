#pragma once
// The blocks of the season report page, in page order. Each appends its lines to the page.
#include <optional>
#include <string>

#include "core/db/Database.h"
#include "core/page/PageText.h"

namespace yardmark::page {

// What the record pass over the game rows finds; texts are page-ready.
struct Facts {
  long games = 0;
  long wins = 0;
  long losses = 0;
  std::string team = "OWN";
  std::string year;
  std::string oppTeam;  // of the only game, when there is exactly one
};

// Walks every game row and leaves the row set on its first row.
Facts recordPass(Recordset& header);

void documentHead(PageText& page, const Facts& facts);           // head, style rules, frame and title
void gamesHeadline(PageText& page, const Facts& facts);
void recordBox(PageText& page, const Facts& facts);
void recordRows(PageText& page, const Facts& facts);  // shared by both record boxes
void quarterTable(PageText& page, const Facts& facts, Recordset& quarter);
void teamStatsTable(PageText& page, const Facts& facts, Recordset& teamStats, Recordset& quarter);

void rushingTable(PageText& page, Recordset& rushing);
void passingTable(PageText& page, Recordset& passing);
void receivingTable(PageText& page, Recordset& receiving);
void scoringTable(PageText& page, Recordset& scoring);

void defensiveHeadline(PageText& page);
void defensiveRecordBox(PageText& page, const Facts& facts);
void allowedPerGame(PageText& page, const Facts& facts, Recordset& teamStats, Recordset& quarter);
void defenseTable(PageText& page, Recordset& defense);
void closingLines(PageText& page);

// Moves to the first row when there is one; false for an empty or broken row set.
bool toFirst(Recordset& rs);
// Moves on; false past the last row.
bool toNext(Recordset& rs);

}  // namespace yardmark::page
