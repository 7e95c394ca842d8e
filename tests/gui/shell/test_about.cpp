#include <QLabel>
#include <QTemporaryDir>

#include "gui/about/frmAbout.h"
#include "support/RosterFixture.h"

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

// The captions are in the forms sweep.
TEST_F(RosterFixture, AboutOpensItsLinksStartsSystemInformationOrSaysItIsUnavailable) {
  frmAbout* about = &app.forms().show<frmAbout>();
  auto owned = std::make_unique<FakeLookup>();
  FakeLookup* lookup = owned.get();
  about->setSystemInfoLookup(std::move(owned));
  QStringList opened;
  about->setUrlOpener([&](const QUrl& u) {
    opened << u.toString();
    return true;
  });
  QLabel* email = widget<QLabel>(about, "lblEmail");
  QLabel* website = widget<QLabel>(about, "lblWebsite");
  for (QLabel* l : {email, website, widget<QLabel>(about, "lblTitle")}) QTest::mouseClick(l, Qt::LeftButton);
  EXPECT_EQ(opened, (QStringList{"mailto:" + email->text(), "http://" + website->text()}));
  EXPECT_EQ(email->cursor().shape(), Qt::PointingHandCursor);  // a link looks like one

  const struct {
    const char* name;
    std::optional<QString> path;
    bool startWorks, throws, unavailable;
  } cases[] = {
      {"tool found and started", QString("/usr/bin/hardinfo"), true, false, false},
      {"no tool", std::nullopt, true, false, true},
      {"tool does not start", QString("/usr/bin/hardinfo"), false, false, true},
      {"lookup fails", std::nullopt, true, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    *lookup = FakeLookup{};
    lookup->path = c.path;
    lookup->startWorks = c.startWorks;
    lookup->throws = c.throws;
    prompter.clear();
    if (c.unavailable) prompter.answer(Answer::Ok);
    click(about, "cmdSysInfo");
    EXPECT_EQ(lookup->started, c.path && !c.throws ? QStringList{*c.path} : QStringList{});
    EXPECT_EQ(prompter.texts(),
              c.unavailable ? QStringList{"System Information Is Unavailable At This Time"} : QStringList{});
  }
  click(about, "cmdOK");
  EXPECT_EQ(app.forms().find<frmAbout>(), nullptr);
}

TEST(PathSystemInfoLookup, FindsTheFirstExecutableToolOnThePath) {
  QTemporaryDir first, second;
  const auto makeTool = [](const QTemporaryDir& dir, const QString& name, bool executable) {
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.close();
    f.setPermissions(executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
    return f.fileName();
  };
  PathSystemInfoLookup lookup({"hardinfo", "kinfocenter"}, {first.path(), second.path()});
  makeTool(first, "hardinfo", false);  // not executable: not a tool
  EXPECT_EQ(lookup.toolPath(), std::nullopt);
  const QString kinfo = makeTool(second, "kinfocenter", true);
  EXPECT_EQ(lookup.toolPath(), kinfo);
  const QString hardinfo = makeTool(second, "hardinfo", true);
  EXPECT_EQ(lookup.toolPath(), hardinfo) << "the first tool of the list wins";
}

}  // namespace
}  // namespace yardmark::test
