#include "core/roster/Contacts.h"

namespace yardmark {

namespace {

const std::string kTable = "tblContactDetails";

// The coach reads this one alone in a message box, so it names the file and ends as a sentence.
std::string contactsFailure(const JetError& e, const std::string& file, const JetHelper& helper) {
  const std::string what = "The file '" + file + "'";
  switch (e.cause()) {
    case JetError::Cause::NotStarted:
      return "The reader of contacts files (" + helper.program + ") could not be started: " + e.detail() + ".";
    case JetError::Cause::TimedOut:
      return what + " could not be read: the reader gave no answer within " + secondsText(helper.timeLimitMs) +
             " seconds. The file may be damaged.";
    case JetError::Cause::Crashed:
      return what + " could not be read: it is damaged (the reader stopped on it).";
    case JetError::Cause::Stopped:
      return what + " was not read: reading was stopped.";
    case JetError::Cause::Refused:
      return e.detail().empty() ? what + " could not be read." : e.detail();
    case JetError::Cause::Other:
      break;
  }
  return e.what();
}

}  // namespace

std::vector<PersonName> readContacts(const std::filesystem::path& file, const JetHelper& helper, const Progress* stop) {
  std::vector<JetFields> rows;
  try {
    rows = JetFile(file, helper, stop).readTable(kTable);
  } catch (const JetError& e) {
    throw JetError(contactsFailure(e, file.string(), helper), e.cause(), e.detail());
  }
  std::vector<PersonName> people;
  for (const JetFields& row : rows) {
    if (row.size() < 4)
      throw JetError("The table '" + kTable + "' in '" + file.string() +
                     "' lacks the name columns: it is not a contacts database.");
    people.push_back({row[3].value_or(""), row[1].value_or(""), row[2].value_or("")});
  }
  return people;
}

}  // namespace yardmark
