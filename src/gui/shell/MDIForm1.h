#pragma once
// The main window: a multiple-document parent from whose menus every form is opened.
#include <QMainWindow>
#include <functional>

class QAction;
class QMdiArea;
class QMenu;

namespace yardmark {

class App;

class MDIForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit MDIForm1(App& app, QWidget* parent = nullptr);
  QMdiArea* mdiArea() const { return m_mdi; }
  // The client size the window was laid out for.
  static constexpr QSize kDesignedSize{1024, 740};
  // Shows the window at its designed size centred on its screen, or maximised where that does not fit.
  void showFitted();

  // Connects a menu command and enables it; each form's command is wired in app/Commands.cpp.
  void setCommand(QAction* item, std::function<void()> run);

  QMenu* mFile;
  QAction* mfNew;
  QAction* fmEditGameStat;
  QAction* fmBoxScore;
  QAction* fmDeleteGameStat;
  QAction* fmSendGame;
  QAction* fmSaveFileStat;
  QAction* fmBackUp;
  QAction* fmRestore;
  QAction* fmdash;
  QAction* fmExit;
  QMenu* mReports;
  QAction* mrNew;
  QAction* mrView;
  QAction* mrDelete;
  QAction* mrRecords;
  QMenu* mRosterMain;
  QAction* mRoster;
  QAction* mRosterImport;
  QAction* mRosterImportSheet;
  QMenu* mAbout;
  QAction* mnuAbout;  // the About box
  QAction* mnuGuide;  // the user's guide

  // What File > Exit does; ends the event loop at once without closing any window.
  std::function<void()> exitProgram;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();

  App& m_app;
  QMdiArea* m_mdi;
};

// Wires each menu command to the form it opens (app/Commands.cpp: the shell knows no form).
void connectCommands(MDIForm1& window, App& app);

}  // namespace yardmark
