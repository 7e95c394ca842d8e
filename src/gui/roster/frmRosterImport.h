#pragma once
// Import of players from the contacts database of Rallybook Contacts into the roster.
#include "core/jet/JetFile.h"
#include "gui/shell/Form.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace yardmark {

class FolderFileLists;
class TwoListPicker;

class frmRosterImport : public Form {
  Q_OBJECT
 public:
  explicit frmRosterImport(App& app);
  ~frmRosterImport() override;

  QLabel* Label1;
  QListWidget* Dir1;
  QLabel* Label2;
  QListWidget* importFrom;
  QLabel* Label3;
  QListWidget* importTo;
  QPushButton* cmdBegin;
  QPushButton* cmdAddAll;
  QPushButton* cmdAddDatabase;
  QPushButton* cmdRemoveDatabase;
  QPushButton* cmdRemoveAll;
  QPushButton* cmdImport;
  QPushButton* cmdViewCurrentRoster;
  QLabel* Label4;
  QLabel* Label5;

  // The folder list: the folder Begin looks in is the one highlighted.
  FolderFileLists& folders() { return *m_folders; }
  // How the contacts file is read (the helper program and its time limit).
  JetHelper& reader() { return m_reader; }

  // Where the Windows program keeps its database, seen through Wine: the folder the list opens on.
  static QString defaultContactsFolder();

 private:
  void buildLayout();
  void cmdBegin_Click();
  void cmdImport_Click();
  void cmdViewCurrentRoster_Click();
  void tellError(const QString& text);

  FolderFileLists* m_folders;
  TwoListPicker* m_picker;
  JetHelper m_reader;
};

}  // namespace yardmark
