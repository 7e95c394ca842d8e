#pragma once
// CSV text both ways. Read: a spreadsheet saved as CSV, its encoding, its separator and its
// records, as RFC 4180 with the leniency of the programs that write it. Written: one field at a
// time, quoted where needed and guarded against running as a formula.
#include <atomic>
#include <cstddef>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/Failure.h"

namespace yardmark::csv {

// How the bytes were written. LibreOffice and Excel's "CSV UTF-8" write UTF-8 (Excel with a
// byte-order mark); Excel's plain "CSV" writes Windows-1252; its "Unicode Text" writes UTF-16.
enum class Encoding { Utf8, Utf8Bom, Utf16, Windows1252 };

// Why the text cannot be read, and the line to blame (0: the text as a whole).
class CsvError : public Failure {
 public:
  CsvError(long line, const std::string& reason) : Failure(FailureKind::Csv, reason), m_line(line) {}
  long line() const { return m_line; }

 private:
  long m_line;
};

struct Text {
  std::string utf8;
  Encoding encoding = Encoding::Utf8;
};

// The bytes as UTF-8 without a byte-order mark. Bytes that are not valid UTF-8 are read as
// Windows-1252. A control character other than tab and line ends means the file is no text.
Text decode(std::string_view bytes);

// The separator of the first record: the most frequent of ',' ';' and tab outside quotes, ','
// when none occurs.
char detectSeparator(std::string_view text);

struct Record {
  long line = 0;  // where the record starts; a quoted field may run over several lines
  std::vector<std::string> fields;
};

// How much a reader takes before it gives up, and its "stop now".
struct Limits {
  std::size_t records = std::numeric_limits<std::size_t>::max();  // records holding more than blanks
  std::size_t fields = std::numeric_limits<std::size_t>::max();   // up to a record's last field with text
  const std::atomic<bool>* stop = nullptr;
};

// Refused for its size, not its form: more records or fields than the limits take.
class TooLarge : public CsvError {
 public:
  using CsvError::CsvError;
};

// Every record of the text. Line ends are CR LF, LF or a lone CR. A field is quoted when its
// first non-blank character is '"'; a doubled quote inside stands for one. Empty fields past the
// field limit are dropped. Throws CsvError when a quote is never closed or the stop is set, and
// TooLarge past a limit, as soon as it is passed.
std::vector<Record> parseRecords(std::string_view text, char separator, const Limits& limits = {});

// A figure column's cell that is a plain number ("-3") is written as a number.
enum class Field { Text, Figure };

// The field as a comma-separated file holds it: quoted when it holds a comma, a quote or a line
// end, each quote doubled. A spreadsheet runs a cell starting with = + - @ tab or CR as a
// formula, so such a text (or a figure that is no plain number) gets a leading apostrophe.
void appendField(std::string& out, std::string_view text, Field kind);

}  // namespace yardmark::csv
