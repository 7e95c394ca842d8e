#include "core/games/Synopsis.h"

#include "core/db/Database.h"
#include "core/db/Value.h"
#include "core/games/GameTables.h"
#include "core/files/FileKind.h"

namespace yardmark {

Synopsis synopsisOf(const std::vector<std::filesystem::path>& gameFiles) {
  Synopsis s;
  s.gamesPlayed = static_cast<int>(gameFiles.size());
  for (size_t i = 0; i < gameFiles.size(); ++i) {
    try {
      // Read-only: looking at a season never changes a game file.
      Database db(gameFiles[i], Database::Mode::ReadOnly);
      Recordset header = db.openRecordset(gameTable(kHeader).query);
      if (header.recordCount() == 0) continue;
      header.moveFirst();
      if (i == 0)
        s.teams =
            textOf(header.field(col::header::kOwnTeamName)) + " Vs " + textOf(header.field(col::header::kOppTeamName));
      if (isYes(header.field(col::header::kRecordWins)))
        ++s.wins;
      else if (isYes(header.field(col::header::kRecordLosses)))
        ++s.losses;
    } catch (const DbError& e) {
      // A file of the earlier version stays unreadable until the user converts it.
      std::string reason = e.description();
      if (isJetFile(gameFiles[i])) {
        reason = "'";
        reason += gameFiles[i].string();
        reason += "': ";
        reason += oldFileReason();
        reason += '.';
      }
      s.unreadable.push_back({gameFiles[i], std::move(reason)});
    }
  }
  return s;
}

}  // namespace yardmark
