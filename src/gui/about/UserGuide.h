#pragma once
// The user's guide: an HTML page installed with the program, shown in the report viewer.
#include <filesystem>

namespace yardmark {

class App;

// Beside the executable in a build or a copied folder, else where the program installs it.
std::filesystem::path userGuideFile();

// Shows the guide in the viewer; a guide that cannot be shown is told, and the viewer keeps
// what it showed.
void showUserGuide(App& app);

}  // namespace yardmark
