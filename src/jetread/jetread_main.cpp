// yardmark-jetread FILE TABLE: prints every row of one table of a Jet (.mdb) file, in table
// order, one line per row, columns in ordinal order separated by a tab, as UTF-8. Tab, newline
// and backslash are written as \t, \n and \\; a column without a value as \N.
// yardmark-jetread --all FILE: every user table in one run, each line tagged: "T", a tab and
// the table's name; then "C", a tab and a column line (the name, a tab and its kind: number,
// text, yes/no or other); then "R", a tab and a row line.
// Names are escaped as values are. Exit 0 on success; otherwise a message on stderr and a
// non-zero exit.
//
// libmdb can crash on a damaged file, so the program only ever reads through this process.
// mdbtools.h includes glib inside its extern "C" block; glib must come first, outside it.
#include <glib.h>
#include <iconv.h>
#include <mdbtools.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

enum Exit { Ok = 0, Failed = 1, Usage = 2 };

int fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return Failed;
}

void putEscaped(const char* text, int length) {
  std::string out;
  out.reserve(static_cast<size_t>(length));
  for (int i = 0; i < length; ++i) {
    switch (text[i]) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += text[i];
    }
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
}

// Whether each column of the row just fetched holds a value: the bound text is empty for both
// an empty text and no value, and only the row's null mask tells them apart.
std::vector<bool> nullMask(MdbTableDef* table) {
  std::vector<bool> isNull(table->num_cols, false);
  MdbHandle* mdb = table->entry->mdb;
  int start = 0;
  size_t size = 0;
  if (table->cur_row == 0 || mdb_find_row(mdb, static_cast<int>(table->cur_row) - 1, &start, &size) != 0) return isNull;
  std::vector<MdbField> fields(MDB_MAX_COLS);
  const int n = mdb_crack_row(table, start, size, fields.data());
  for (int i = 0; i < n && i < static_cast<int>(table->num_cols); ++i) {
    const auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
    isNull[static_cast<size_t>(i)] = fields[static_cast<size_t>(i)].is_null && col->col_type != MDB_BOOL;
  }
  return isNull;
}

bool readCatalog(MdbHandle* mdb, const std::string& file) {
  if (mdb_read_catalog(mdb, MDB_TABLE)) return true;
  fail(file + " is damaged: its list of tables cannot be read.");
  return false;
}

// The user tables in catalog order; the catalog must have been read.
std::vector<std::string> userTables(MdbHandle* mdb) {
  std::vector<std::string> names;
  for (unsigned i = 0; i < mdb->num_catalog; ++i) {
    auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
    if (entry->object_type == MDB_TABLE && !mdb_is_system_table(entry)) names.emplace_back(entry->object_name);
  }
  return names;
}

// The named table with its columns read, or null after telling why; the catalog must have been read.
MdbTableDef* openTable(MdbHandle* mdb, const std::string& file, const std::string& tableName) {
  std::vector<char> name(tableName.begin(), tableName.end());
  name.push_back('\0');
  MdbTableDef* table = mdb_read_table_by_name(mdb, name.data(), MDB_TABLE);
  if (!table) {
    fail("The table '" + tableName + "' does not exist in " + file + ".");
    return nullptr;
  }
  if (!mdb_read_columns(table)) {
    mdb_free_tabledef(table);
    fail(file + " is damaged: the columns of '" + tableName + "' cannot be read.");
    return nullptr;
  }
  return table;
}

int finish() { return std::fflush(stdout) == 0 ? Ok : fail("The output could not be written."); }

void putName(const std::string& name) { putEscaped(name.data(), static_cast<int>(name.size())); }

const char* kindOf(int type) {
  switch (type) {
    case MDB_BOOL:
      return "yes/no";
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC:
      return "number";
    case MDB_TEXT:
    case MDB_MEMO:
      return "text";
    default:
      return "other";
  }
}

// Each line starts with the prefix: empty for one table, a tag when several are written.
void printColumns(MdbTableDef* table, const char* prefix) {
  for (unsigned i = 0; i < table->num_cols; ++i) {
    const auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
    std::fputs(prefix, stdout);
    putName(col->name);
    std::fprintf(stdout, "\t%s\n", kindOf(col->col_type));
  }
}

void printRows(MdbTableDef* table, const char* prefix) {
  const size_t columns = table->num_cols;
  std::vector<std::vector<char>> values(columns, std::vector<char>(table->entry->mdb->bind_size + 1));
  std::vector<int> lengths(columns, 0);
  for (size_t i = 0; i < columns; ++i) mdb_bind_column(table, static_cast<int>(i) + 1, values[i].data(), &lengths[i]);
  mdb_rewind_table(table);
  while (mdb_fetch_row(table)) {
    const std::vector<bool> isNull = nullMask(table);
    std::fputs(prefix, stdout);
    for (size_t i = 0; i < columns; ++i) {
      if (i > 0) std::fputc('\t', stdout);
      if (isNull[i])
        std::fputs("\\N", stdout);
      else
        putEscaped(values[i].data(), lengths[i]);
    }
    std::fputc('\n', stdout);
  }
}

enum class Ask { Rows, All };

int answer(MdbHandle* mdb, const std::string& file, Ask ask, const std::string& tableName) {
  if (!readCatalog(mdb, file)) return Failed;
  const std::vector<std::string> tables = ask == Ask::All ? userTables(mdb) : std::vector<std::string>{tableName};
  for (const std::string& name : tables) {
    MdbTableDef* table = openTable(mdb, file, name);
    if (!table) return Failed;
    if (ask == Ask::All) {
      std::fputs("T\t", stdout);
      putName(name);
      std::fputc('\n', stdout);
    }
    if (ask == Ask::All) printColumns(table, "C\t");
    printRows(table, ask == Ask::All ? "R\t" : "");
    mdb_free_tabledef(table);
  }
  return finish();
}

int usage() {
  std::fprintf(stderr,
               "usage: yardmark-jetread FILE TABLE\n"
               "       yardmark-jetread --all FILE\n");
  return Usage;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  Ask ask = Ask::Rows;
  size_t first = 0;
  if (!args.empty() && args[0] == "--all") {
    ask = Ask::All, first = 1;
    if (args.size() != 2) return usage();
  } else if (args.size() != 2) {
    return usage();
  }
  const std::string file = args[first];
  struct stat st {};
  if (stat(file.c_str(), &st) != 0) return fail("Could not find file '" + file + "'.");
  if (!S_ISREG(st.st_mode)) return fail("'" + file + "' is not a file.");
  MdbHandle* mdb = mdb_open(file.c_str(), MDB_NOFLAGS);
  if (!mdb) return fail("'" + file + "' is not a Jet database file, or it is damaged.");
  mdb_set_date_fmt(mdb, "%Y-%m-%d %H:%M:%S");
  const int rc = answer(mdb, "'" + file + "'", ask, first + 1 < args.size() ? args[first + 1] : std::string());
  mdb_close(mdb);
  return rc;
}
