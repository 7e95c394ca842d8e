#pragma once
// File > Back Up Data... and File > Restore Data...: the whole data folder into one .zip file
// the coach keeps somewhere safe, and back again.
#include "gui/shell/FilePick.h"

namespace yardmark {

class App;

// Asks where to write the back-up, writes it off the GUI thread and says what it holds.
void backUpDataCommand(App& app, const PickFile& pick = pickFileToSave);

// Asks for a back-up, lists what it holds and, once the coach agrees and every form has
// closed, puts its files in place and says where the files it replaced went.
void restoreDataCommand(App& app, const PickFile& pick = pickFileToOpen);

// At start-up: finishes or undoes a restore that a kill cut short, and says which.
void finishInterruptedRestore(App& app);

}  // namespace yardmark
