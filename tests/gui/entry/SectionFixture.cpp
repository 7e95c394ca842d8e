#include "SectionFixture.h"

#include <gtest/gtest.h>

#include <QTest>

namespace yardmark::test {

SectionFixture::SectionFixture(const PlayerSectionConfig& c)
    : config(c), table(std::string(c.query).substr(std::string_view("select * from ").size())) {
  game = root.copyTemplate("YardMark/games/2007/Game3.mdb");
}

QLineEdit* SectionFixture::box(std::size_t i) {
  auto* b = host->findChild<QLineEdit*>(QString::fromLatin1(config.boxes.at(i).name));
  EXPECT_NE(b, nullptr) << config.boxes.at(i).name;
  return b;
}

QComboBox* SectionFixture::combo() {
  auto* b = host->findChild<QComboBox*>(QString::fromLatin1(config.combo));
  EXPECT_NE(b, nullptr) << config.combo;
  return b;
}

QAbstractButton* SectionFixture::button(const std::string& name) {
  auto* b = host->findChild<QAbstractButton*>(QString::fromStdString(name));
  EXPECT_NE(b, nullptr) << name;
  return b;
}

void SectionFixture::click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

void SectionFixture::type(const std::vector<std::string>& row) {
  for (std::size_t i = 0; i + 1 < row.size(); ++i) QTest::keyClicks(box(i), QString::fromStdString(row[i]));
  QTest::keyClicks(combo()->lineEdit(), QString::fromStdString(row.back()));
}

std::vector<std::string> SectionFixture::shown() {
  std::vector<std::string> row;
  for (std::size_t i = 0; i < config.boxes.size(); ++i) row.push_back(box(i)->text().toStdString());
  row.push_back(combo()->currentText().toStdString());
  return row;
}

void SectionFixture::addRow(const std::vector<std::string>& row) {
  click(addNew());
  type(row);
  prompter.answer(Answer::Ok);
  click(button("Save"));
}

void SectionFixture::start() {
  host = std::make_unique<PlayerHost>(app, game);
  host->show();
  host->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(host.get()));
  host->activate();
}

PlayerSection::Controls SectionFixture::controlsShown() {
  const bool moves = button("Edit")->isEnabled();
  for (const char* b : {"Delete", "First", "Previous", "Next", "Last"})
    EXPECT_EQ(button(b)->isEnabled(), moves) << b << " differs from Edit";
  const bool boxes = combo()->isEnabled();
  for (std::size_t i = 0; i < config.boxes.size(); ++i)
    EXPECT_EQ(box(i)->isEnabled(), boxes) << config.boxes[i].name << " differs from the combo";
  return {addNew()->isEnabled(), !undoNew()->isHidden(), moves, button("Save")->isEnabled(), boxes,
          rowsList()->isEnabled()};
}

QListWidget* SectionFixture::rowsList() {
  auto* list = host->findChild<QListWidget*>(QStringLiteral("lst") + config.name + QStringLiteral("Rows"));
  EXPECT_NE(list, nullptr);
  return list;
}

QStringList SectionFixture::listed() {
  QStringList texts;
  for (int i = 0; i < rowsList()->count(); ++i) texts << rowsList()->item(i)->text();
  return texts;
}

}  // namespace yardmark::test
