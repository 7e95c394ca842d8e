#pragma once
// The people of the contacts database of Rallybook Contacts, read for the roster import.
#include <filesystem>
#include <vector>

#include "core/jet/JetFile.h"
#include "core/roster/RosterNames.h"

namespace yardmark {

// Table tblContactDetails, columns 3, 1 and 2 as last, first and middle name, in table order.
// A failure throws JetError with a sentence that names the file; stop, when given, may ask from
// another thread to stop the read at once.
std::vector<PersonName> readContacts(const std::filesystem::path& file, const JetHelper& helper = {},
                                     const Progress* stop = nullptr);

}  // namespace yardmark
