#include "core/report/ReportSets.h"

namespace yardmark {

ReportSets::ReportSets(const std::filesystem::path& tmpDatabase)
    : db(tmpDatabase),
      defense(db.openRecordset("Select * from defense")),
      header(db.openRecordset("Select * from header")),
      passing(db.openRecordset("Select * from passing")),
      quarter(db.openRecordset("Select * from quarter")),
      receiving(db.openRecordset("Select * from receiving")),
      rushing(db.openRecordset("Select * from rushing")),
      scoring(db.openRecordset("Select * from scoring")),
      teamStats(db.openRecordset("Select * from TeamStats")),
      wins(db.openRecordset("Select * from header WHERE RecordWins=Yes")),
      losses(db.openRecordset("Select * from header WHERE RecordLosses=Yes")) {}

}  // namespace yardmark
