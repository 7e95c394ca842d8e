#include "core/report/ReportSets.h"

#include "core/games/GameTables.h"

namespace yardmark {

ReportSets::ReportSets(const std::filesystem::path& tmpDatabase)
    : db(tmpDatabase),
      defense(db.openRecordset(queries::kSelectDefense)),
      header(db.openRecordset(queries::kSelectHeader)),
      passing(db.openRecordset(queries::kSelectPassing)),
      quarter(db.openRecordset(queries::kSelectQuarter)),
      receiving(db.openRecordset(queries::kSelectReceiving)),
      rushing(db.openRecordset(queries::kSelectRushing)),
      scoring(db.openRecordset(queries::kSelectScoring)),
      teamStats(db.openRecordset(queries::kSelectTeamStats)),
      wins(db.openRecordset(queries::kSelectWins)),
      losses(db.openRecordset(queries::kSelectLosses)) {}

}  // namespace yardmark
