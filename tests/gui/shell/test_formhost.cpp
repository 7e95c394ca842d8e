// Forms in the MDI area: one instance each, unload that may cancel, the activation tracker
// and the placement rule.
#include <QApplication>

#include "gui/shell/Twips.h"
#include "support/GuiFixture.h"

namespace yardmark::test {
namespace {

// What a window manager does after a message box, input box, menu or file dialog closes:
// the main window and its active sub-window are deactivated and activated again.
void simulateReactivation(MDIForm1& window) {
  const auto send = [](QWidget* w, QEvent::Type t) {
    QEvent e(t);
    QApplication::sendEvent(w, &e);
  };
  QMdiArea* area = window.mdiArea();
  QMdiSubWindow* active = area->activeSubWindow();
  send(&window, QEvent::WindowDeactivate);
  for (QMdiSubWindow* w : area->subWindowList()) send(w, QEvent::WindowDeactivate);
  area->setActiveSubWindow(nullptr);
  send(&window, QEvent::WindowActivate);
  area->setActiveSubWindow(active);
  for (QMdiSubWindow* w : area->subWindowList()) send(w, QEvent::WindowActivate);
  send(&window, QEvent::WindowActivate);
  QCoreApplication::processEvents();
}

TEST_F(ShellTest, OneInstanceEachAndActivationOncePerSwitchOfForms) {
  window->show();
  FormA& a = app.forms().show<FormA>();
  FormB& b = app.forms().show<FormB>();
  EXPECT_EQ(window->mdiArea()->activeSubWindow(), sub(b));
  EXPECT_EQ(&app.forms().show<FormA>(), &a) << "a second show brings the form forward";
  EXPECT_EQ(window->mdiArea()->activeSubWindow(), sub(a));
  EXPECT_EQ(window->mdiArea()->subWindowList().size(), 2);
  app.forms().show<FormA>();  // already the active form
  EXPECT_EQ(logA.activations, 2);
  EXPECT_EQ(logB.activations, 1);
  // After a message box the user stays on his form, and that is no switch of forms.
  prompter.answer(Answer::Yes).during([&] { window->mdiArea()->setActiveSubWindow(nullptr); });
  app.prompter().message(MessageBox("Sure?", Buttons::YesNo));
  simulateReactivation(*window);
  EXPECT_EQ(logA.activations, 2);
  EXPECT_EQ(logB.activations, 1);
  EXPECT_EQ(window->mdiArea()->activeSubWindow(), sub(a));

  // When the active form unloads, the one that comes forward is a switch of forms.
  app.forms().show<FormB>();
  EXPECT_TRUE(b.unload());
  EXPECT_EQ(logA.activations, 3);
  EXPECT_EQ(app.forms().current(), &a);
  sub(a)->showMinimized();
  app.forms().show<FormA>();
  EXPECT_FALSE(sub(a)->isMinimized());
}

TEST_F(ShellTest, UnloadRunsTheFormsLogicWhichMayCancel) {
  window->show();
  FormA& a = app.forms().show<FormA>();
  logA.cancelUnload = true;
  EXPECT_FALSE(app.forms().unload(a));
  EXPECT_FALSE(sub(a)->close()) << "the close box goes the same way";
  EXPECT_FALSE(a.close()) << "and so does closing the form widget itself";
  EXPECT_EQ(logA.unloads, 3);
  EXPECT_TRUE(a.isVisible());

  logA.cancelUnload = false;
  EXPECT_TRUE(sub(a)->close());
  EXPECT_EQ(logA.unloads, 4) << "the close box unloads once";
  EXPECT_EQ(app.forms().find<FormA>(), nullptr);
  // Loading again after an unload makes a fresh form.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(app.forms().show<FormA>().isVisible());
  EXPECT_EQ(window->mdiArea()->subWindowList().size(), 1);
}

TEST(Placement, TwipsBecomePixelsKeptInsideTheArea) {
  const struct {
    QPoint twips;
    QSize window, area;
    QPoint expected;
  } cases[] = {
      {{1500, 3000}, {100, 100}, {800, 600}, {100, 200}},   // plain: 15 twips a pixel
      {{22, 8}, {10, 10}, {800, 600}, {1, 1}},              // rounded to the nearest pixel
      {{-480, -4800}, {100, 100}, {800, 600}, {0, 0}},      // above or left of the area
      {{15000, 9000}, {300, 200}, {800, 600}, {500, 400}},  // past the right and bottom edges
      {{1500, 1500}, {900, 700}, {800, 600}, {0, 0}},       // larger than the area: top left corner
      {{0, 6000}, {800, 100}, {800, 600}, {0, 400}},        // exactly as wide as the area
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.twips.x() << "," << c.twips.y());
    EXPECT_EQ(placeInside(c.twips, c.window, c.area), c.expected);
  }
  EXPECT_EQ(twipsFromPixels(QSize(1024, 740)), QSize(15360, 11100));
}

}  // namespace
}  // namespace yardmark::test
