#pragma once
// Small helpers the report forms' tests share.
#include <sys/wait.h>

#include <QListWidget>
#include <QStringList>
#include <cstdio>
#include <string>

namespace yardmark::test {

// The texts of a list's rows, in order.
inline QStringList rows(const QListWidget* list) {
  QStringList r;
  for (int i = 0; i < list->count(); ++i) r << list->item(i)->text();
  return r;
}

struct CommandRun {
  int exit;
  std::string out;  // standard output and error
};

// Runs a shell command line.
inline CommandRun runCommand(const std::string& command) {
  CommandRun r{};
  FILE* p = popen((command + " 2>&1").c_str(), "r");
  char buf[4096];
  while (size_t n = fread(buf, 1, sizeof buf, p)) r.out.append(buf, n);
  const int status = pclose(p);
  r.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

}  // namespace yardmark::test
