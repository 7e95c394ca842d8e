#pragma once
// What the game file dialogs share beyond their lists: their place over the main window and
// the way they hand a game to the entry form.
#include <filesystem>

#include "gui/shell/FormKit.h"

class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace yardmark {

class App;
class Form;
class GlobalVariables;
class frmNewGame;

// A button carrying its caption; Enter on it clicks it, as on a dialog.
QPushButton* dialogButton(QWidget* parent, const char* name, const char* caption);
// Escape anywhere in the dialog clicks its Cancel button, as in any dialog.
void cancelOnEscape(QWidget* dialog, QPushButton* cancel);
// A column of buttons at the dialog's top right.
QVBoxLayout* buttonColumn(QPushButton* first, QPushButton* second);
// A label found by its name.
QLabel* namedLabel(QWidget* parent, const char* name, const char* text);

// The entry form when it is loaded.
frmNewGame* loadedEntryForm(App& app);

// Whether the entry form has this game file open (the path may be in another letter case).
bool isOpenInEntryForm(App& app, const std::filesystem::path& file);

// An entry form that holds another game goes first, through its own unload logic, before the
// shared game values change under it: its silent saves must still reach its own file. False
// when the user keeps it open.
bool makeWayForGame(App& app, const std::filesystem::path& file);

// Year "0" and number 0: no game chosen by year and number.
void clearGameNumber(GlobalVariables& vars);

// The dialog closes and the entry form opens on the shared game values; File > New also hands
// over the exact file it found or made for them.
void handOverToEntryForm(Form& dialog, const std::filesystem::path& newGame = {});

}  // namespace yardmark
