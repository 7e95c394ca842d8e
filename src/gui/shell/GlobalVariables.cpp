#include "gui/shell/GlobalVariables.h"

#include <array>

#include "gui/shell/Prompter.h"

namespace yardmark {

namespace {

struct Step {
  EntrySection section;
  const char* message;
};

constexpr std::array<Step, 8> kSteps{{
    {EntrySection::Header, "Fields cannot be empty.  Please enter Game Information Header data."},
    {EntrySection::Quarter, "Fields cannot be empty.  Please enter Game Information Score data."},
    {EntrySection::TeamStats, "Fields cannot be empty.  Please enter Team Stats data."},
    {EntrySection::Rushing, "Fields cannot be empty.  Please enter Offense Rushing data."},
    {EntrySection::Passing, "Fields cannot be empty.  Please enter Offense Passing data."},
    {EntrySection::Receiving, "Fields cannot be empty.  Please enter Offense Receiving data."},
    {EntrySection::Scoring, "Fields cannot be empty.  Please enter Offense Scoring data."},
    {EntrySection::Defense, "Fields cannot be empty.  Please enter Defense data."},
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
      const GameTableLayout& table = gameTable(tableOf(step.section));
      m_entry->selectTabs(table.tab, table.subTab);
      m_prompter.tell(QString::fromLatin1(step.message));
      return;
    }
  }
}

}  // namespace yardmark
