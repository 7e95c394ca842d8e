#pragma once
// A person's three names as the roster and the import handle them, without any widget.
#include <QString>
#include <array>
#include <optional>

namespace yardmark {

// Last, first and middle name. A null QString is a name without a value.
struct PersonName {
  QString last, first, middle;
  bool operator==(const PersonName&) const = default;
};

// How both roster lists show a person: "Smith, John A".
QString rosterListText(const PersonName& name);

// A name as the import writes it: ".", "," and ":" removed; nothing left leaves the column unset.
std::optional<QString> importedName(const QString& name);

// The roster columns 1, 2 and 3 (last, first, middle) the import writes for a person.
std::array<std::optional<QString>, 3> importedColumns(const PersonName& name);

}  // namespace yardmark
