#pragma once
// A field value as the forms and the report see it: nothing, a number, a text or a yes/no.
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace yardmark {

struct Null {
  bool operator==(const Null&) const = default;
};

class Value {
 public:
  Value() = default;
  Value(double n) : m_v(n) {}
  Value(int n) : m_v(static_cast<double>(n)) {}
  Value(bool b) : m_v(b) {}
  Value(std::string s) : m_v(std::move(s)) {}
  Value(const char* s) : m_v(std::string(s)) {}
  Value(std::string_view s) : m_v(std::string(s)) {}

  bool isNull() const { return std::holds_alternative<Null>(m_v); }
  bool isNumber() const { return std::holds_alternative<double>(m_v); }
  bool isText() const { return std::holds_alternative<std::string>(m_v); }
  bool isBool() const { return std::holds_alternative<bool>(m_v); }

  double number() const { return std::get<double>(m_v); }
  const std::string& text() const { return std::get<std::string>(m_v); }
  bool boolean() const { return std::get<bool>(m_v); }

  bool operator==(const Value&) const = default;

 private:
  std::variant<Null, double, std::string, bool> m_v;
};

// Leading decimal number of a text after leading blanks; 0 when there is none.
double numberFromText(std::string_view text);

// Text form of a number: whole numbers as plain digits, otherwise up to 15 significant digits.
std::string textOfNumber(double n);

// Text form of any value; no value gives empty text, yes/no gives "True"/"False".
std::string textOf(const Value& v);

// A value as a number, as the merge and the report add them up: through its text form,
// except that a stored number is taken as it is.
double numberOf(const Value& v);

// Yes/no reading of a value: any non-zero number or a true flag is Yes.
bool isYes(const Value& v);

// Blanks trimmed at both ends.
std::string trimmed(std::string_view s);

}  // namespace yardmark
