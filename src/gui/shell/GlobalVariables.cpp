#include "gui/shell/GlobalVariables.h"

#include <array>

#include "gui/shell/Prompter.h"

namespace yardmark {

namespace {

struct Step {
  EntrySection section;
  int ssTab1;
  int ssTab2;  // -1: left as it is
  const char* message;
};

constexpr std::array<Step, 8> kSteps{{
    {EntrySection::Header, 0, -1, "Fields cannot be empty.  Please enter Game Information Header data."},
    {EntrySection::Quarter, 0, -1, "Fields cannot be empty.  Please enter Game Information Score data."},
    {EntrySection::TeamStats, 1, -1, "Fields cannot be empty.  Please enter Team Stats data."},
    {EntrySection::Rushing, 2, 0, "Fields cannot be empty.  Please enter Offense Rushing data."},
    {EntrySection::Passing, 2, 1, "Fields cannot be empty.  Please enter Offense Passing data."},
    {EntrySection::Receiving, 2, 2, "Fields cannot be empty.  Please enter Offense Receiving data."},
    {EntrySection::Scoring, 2, 0, "Fields cannot be empty.  Please enter Offense Scoring data."},
    {EntrySection::Defense, 3, -1, "Fields cannot be empty.  Please enter Defense data."},
}};

}  // namespace

void GlobalVariables::pickGameFile(const QString& handedOver, const std::filesystem::path& exact) {
  openGamePath = handedOver;
  m_pickedText = handedOver;
  m_pickedFile = exact;
}

std::filesystem::path GlobalVariables::pickedGameFile() const {
  return openGamePath == m_pickedText ? m_pickedFile : std::filesystem::path();
}

void GlobalVariables::setGameFormActive(bool active) {
  if (m_gameFormActive == active) return;
  m_gameFormActive = active;
  emit gameFormActiveChanged(active);
}

void GlobalVariables::checkAllSections() {
  emptyFieldFound = false;
  if (!m_entry) return;
  for (const Step& step : kSteps) {
    SilentSave* section = m_entry->section(step.section);
    if (!section || !section->needsSilentSave()) continue;
    section->saveSilently();
    if (emptyFieldFound) {
      m_entry->selectTabs(step.ssTab1, step.ssTab2);
      m_prompter.tell(QString::fromLatin1(step.message));
      return;
    }
  }
}

}  // namespace yardmark
