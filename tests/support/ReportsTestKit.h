#pragma once
// Small helpers the game and report forms' tests share: their lists as texts, picked as a
// user picks them, and a command line run to its end.
#include <sys/wait.h>

#include <QListWidget>
#include <QStringList>
#include <QtTest/QTest>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace yardmark::test {

// The texts of a list's rows, in order.
inline QStringList rows(const QListWidget* list) {
  QStringList r;
  for (int i = 0; i < list->count(); ++i) r << list->item(i)->text();
  return r;
}

inline QString selected(const QListWidget* list) {
  const QList<QListWidgetItem*> items = list->selectedItems();
  return items.isEmpty() ? QString() : items.front()->text();
}

// Clicks the row showing this text.
inline void pick(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
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
