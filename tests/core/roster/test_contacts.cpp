// The contacts file read for the roster import: every way the helper fails told as one sentence
// that names the file (the names read and the failures of real files are in the import form's tests).
#include <gtest/gtest.h>

#include "core/roster/Contacts.h"
#include "support/TempRoot.h"

namespace yardmark::test {
namespace {

namespace fs = std::filesystem;

TEST(Contacts, EveryFailureIsOneSentenceNamingTheFile) {
  TempRoot root;
  const auto helper = [&](const std::string& name, const std::string& script) {
    const fs::path program = root.writeFile("bin/" + name, "#!/bin/sh\n" + script + "\n");
    fs::permissions(program, fs::perms::owner_all);
    return program.string();
  };
  const std::string file = fixture("contacts.mdb").string(), missing = (root.dir() / "nothing.mdb").string();
  struct Case {
    std::string file, helper;  // no helper: the real one
    std::string message;
  };
  const Case cases[] = {
      {missing, "", "Could not find file '" + missing + "'."},
      {file, helper("silent", "exit 1"), "The file '" + file + "' could not be read."},
      {file, helper("short", "printf '1\\tAnn\\tB\\n'"),
       "The table 'tblContactDetails' in '" + file + "' lacks the name columns: it is not a contacts database."},
      {file, (root.dir() / "bin/missing").string(),
       "The reader of contacts files (" + (root.dir() / "bin/missing").string() +
           ") could not be started: No such file or directory."},
  };
  for (const Case& c : cases) {
    JetHelper reader;
    if (!c.helper.empty()) reader.program = c.helper;
    try {
      readContacts(c.file, reader);
      ADD_FAILURE() << c.message;
    } catch (const JetError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

}  // namespace
}  // namespace yardmark::test
