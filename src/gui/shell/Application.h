#pragma once
// The program's QApplication. A failure thrown out of an event handler (a database or file
// error no form caught) is told to the user instead of ending the program with his work.
#include <QApplication>
#include <exception>

namespace yardmark {

class Prompter;

class Application : public QApplication {
  Q_OBJECT
 public:
  Application(int& argc, char** argv);
  void setPrompter(Prompter* prompter) { m_prompter = prompter; }
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void tellOnce(const std::exception& e);
  Prompter* m_prompter = nullptr;
  bool m_telling = false;
};

}  // namespace yardmark
