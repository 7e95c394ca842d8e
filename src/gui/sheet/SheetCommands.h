#pragma once
// The ways into the box-score sheet: the File menu's command and the entry form's Sheet button.
#include <filesystem>

namespace yardmark {

class App;

// File > Box Score Sheet: a game asked for as File > New asks for it, then shown in the sheet.
void askGameForSheet(App& app);
// The sheet shown on the game file, filling the area of the forms.
void showInSheet(App& app, const std::filesystem::path& gameFile);

}  // namespace yardmark
