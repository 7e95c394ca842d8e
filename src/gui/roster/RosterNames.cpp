#include "gui/roster/RosterNames.h"

namespace yardmark {

QString rosterListText(const PersonName& name) { return name.last + ", " + name.first + " " + name.middle; }

std::optional<QString> importedName(const QString& name) {
  QString kept = name;
  kept.remove(QLatin1Char('.')).remove(QLatin1Char(',')).remove(QLatin1Char(':'));
  if (kept.isEmpty()) return std::nullopt;
  return kept;
}

std::array<std::optional<QString>, 3> importedColumns(const PersonName& name) {
  return {importedName(name.last), importedName(name.first), importedName(name.middle)};
}

}  // namespace yardmark
