#include "gui/entry/PlayerSections.h"

#include <stdexcept>

namespace yardmark {

const std::array<PlayerSectionConfig, 5> kPlayerSections{{
    {"Rushing",
     kRushing,
     EntrySection::Rushing,
     "cmdru",
     "cmdruAddNew",
     "cmdruUndoNew",
     {{"txtRushATT", "ATT"}, {"txtRushYDS", "YDS"}, {"txtRushTDS", "TDS"}, {"txtRush2PTS", "2 PTS"}},
     "cmbRushPlayerName",
     "Empty values can not be saved/updated.",
     gameTable(kRushing).query},
    {"Passing",
     kPassing,
     EntrySection::Passing,
     "cmdpas",
     "cmdpasAddNew",
     "cmdpasUndoNew",
     {{"txtPassingComp", "COMP"},
      {"txtPassingATT", "ATT"},
      {"txtPassingYDS", "YDS"},
      {"txtPassingTDS", "TDS"},
      {"txtPassingINT", "INT"}},
     "cmbPassingPlayerName",
     "Empty values can not be updated/saved.",
     gameTable(kPassing).query},
    {"Receiving",
     kReceiving,
     EntrySection::Receiving,
     "cmdrec",
     "cmdrecAddnew",
     "cmdreUndoNew",
     {{"txtReceivingREC", "REC"},
      {"txtReceivingYDS", "YDS"},
      {"txtReceivingTDS", "TDS"},
      {"txtReceiving2PTS", "2 PTS"}},
     "cmbReceivingPlayerName",
     "Empty values can not be updated/saved.",
     gameTable(kReceiving).query},
    {"Scoring",
     kScoring,
     EntrySection::Scoring,
     "cmdscr",
     "cmdscrAddNew",
     "cmdscrUndoNew",
     {{"txtScoringTD", "TD"},
      {"txtScoringPAT", "PAT"},
      {"txtScoring2PTS", "2PTS"},
      {"txtScoringFG", "FG"},
      {"txtScoringPTS", "PTS"}},
     "cmbScoringPlayerName",
     "Empty records can not be updated/saved.",
     gameTable(kScoring).query},
    {"Defense",
     kDefense,
     EntrySection::Defense,
     "cmddef",
     "cmddefAddNew",
     "cmddefUndoNew",
     {{"txtUnassisted", "Unassisted"},
      {"txtAssists", "Assists"},
      {"txtQBSacks", "QBSacks"},
      {"txtPassDeflects", "Pass Deflects"},
      {"txtFumble", "Fumble Recoveries"},
      {"txtFumbleCaused", "FumblesCaused"},
      {"txtINTS", "INTS"},
      {"txtBlocked", "Blocked Kicks"}},
     "cmbDefensePlayerName",
     "Empty records can not be saved/updated.",
     gameTable(kDefense).query},
}};

const PlayerSectionConfig& playerSectionConfig(GameTable table) {
  for (const auto& c : kPlayerSections)
    if (c.table == table) return c;
  throw std::out_of_range("not a player table");
}

}  // namespace yardmark
