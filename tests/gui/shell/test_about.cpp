#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <stdexcept>

#include "support/GuiFixture.h"
#include "gui/about/frmAbout.h"

namespace yardmark::test {
namespace {

class FakeLookup : public SystemInfoLookup {
public:
  std::optional<QString> path;
  bool startWorks = true;
  bool throws = false;
  QStringList started;
  std::optional<QString> toolPath() override {
    if (throws) throw std::runtime_error("lookup failed");
    return path;
  }
  bool start(const QString& p) override {
    started << p;
    return startWorks;
  }
};

class AboutTest : public ShellTest {
protected:
  void SetUp() override {
    ShellTest::SetUp();
    window->show();
    about = &app.forms().show<frmAbout>();
    auto fake = std::make_unique<FakeLookup>();
    lookup = fake.get();
    about->setSystemInfoLookup(std::move(fake));
    about->setUrlOpener([this](const QUrl& u) {
      opened << u.toString();
      return true;
    });
  }
  template <class W = QLabel>
  W* w(const char* name) const {
    W* found = about->findChild<W*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  frmAbout* about = nullptr;
  FakeLookup* lookup = nullptr;
  QStringList opened;
};

// The captions are in the forms sweep; the description keeps its own line breaks.
TEST_F(AboutTest, DescriptionLinksAndOk) {
  const QStringList lines = w("lblDescription")->text().split("\r\n");
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines.front(), "Windows 95/98/ME/NT/XP");
  EXPECT_TRUE(w<QPushButton>("cmdOK")->isDefault());
  QTest::mouseClick(w("lblEmail"), Qt::LeftButton);
  QTest::mouseClick(w("lblWebsite"), Qt::LeftButton);
  QTest::mouseClick(w("lblTitle"), Qt::LeftButton);  // not a link
  EXPECT_EQ(opened, (QStringList{"mailto:" + w("lblEmail")->text(), "http://" + w("lblWebsite")->text()}));
  EXPECT_FALSE(w("lblWebsite")->text().contains("://"));
  QTest::mouseClick(w<QPushButton>("cmdOK"), Qt::LeftButton);
  EXPECT_EQ(app.forms().find<frmAbout>(), nullptr);
}

struct SysInfoCase {
  const char* name;
  std::optional<QString> path;
  bool startWorks;
  bool throws;
  bool expectMessage;
};

TEST_F(AboutTest, SystemInformationStartsTheToolOrSaysItIsUnavailable) {
  const SysInfoCase cases[] = {
      {"tool found and started", QString("/usr/bin/hardinfo"), true, false, false},
      {"no tool", std::nullopt, true, false, true},
      {"tool does not start", QString("/usr/bin/hardinfo"), false, false, true},
      {"lookup fails", std::nullopt, true, true, true},
  };
  for (const SysInfoCase& c : cases) {
    SCOPED_TRACE(c.name);
    lookup->path = c.path;
    lookup->startWorks = c.startWorks;
    lookup->throws = c.throws;
    lookup->started.clear();
    prompter.clear();
    if (c.expectMessage) prompter.answer(Answer::Ok);
    QTest::mouseClick(w<QPushButton>("cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(lookup->started, c.path && !c.throws ? QStringList{*c.path} : QStringList{});
    EXPECT_EQ(prompter.texts(), c.expectMessage ? QStringList{"System Information Is Unavailable At This Time"}
                                                : QStringList{});
  }
}

TEST(PathSystemInfoLookup, FindsTheFirstExecutableToolOnThePath) {
  QTemporaryDir first, second;
  const auto makeTool = [](const QTemporaryDir& dir, const QString& name, bool executable) {
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write("#!/bin/sh\n");
    f.close();
    f.setPermissions(executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
    return f.fileName();
  };
  const QStringList tools{"hardinfo", "kinfocenter"};
  const QStringList path{first.path(), second.path()};

  EXPECT_EQ(PathSystemInfoLookup(tools, path).toolPath(), std::nullopt);
  makeTool(first, "hardinfo", false);  // not executable: not a tool
  EXPECT_EQ(PathSystemInfoLookup(tools, path).toolPath(), std::nullopt);
  const QString kinfo = makeTool(second, "kinfocenter", true);
  EXPECT_EQ(PathSystemInfoLookup(tools, path).toolPath(), kinfo);
  const QString hardinfo = makeTool(second, "hardinfo", true);
  EXPECT_EQ(PathSystemInfoLookup(tools, path).toolPath(), hardinfo) << "the first tool of the list wins";
  EXPECT_FALSE(PathSystemInfoLookup(tools, path).start(first.filePath("no-such-tool")));
}

}  // namespace
}  // namespace yardmark::test
