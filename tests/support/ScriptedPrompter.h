#pragma once
// Answers message and input boxes from a script and records every prompt. An unexpected
// prompt, or an answer left unused when the prompter goes away, fails the test.
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "gui/shell/Prompter.h"

namespace yardmark::test {

class ScriptedPrompter : public Prompter {
 public:
  struct Record {
    bool isInput = false;
    QString text;   // message text or input prompt
    QString title;  // as shown: the application title when the box has none
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    std::optional<Answer> defaultButton;
    QString defaultText;
  };

  ~ScriptedPrompter() override;

  // Queues the answer to the next message box.
  ScriptedPrompter& answer(Answer a);
  // Queues the answer to the next input box: a text, or nothing for Cancel.
  ScriptedPrompter& type(std::optional<QString> text);
  // Runs while the next prompt is open (after it is recorded), as a user's side effects would.
  ScriptedPrompter& during(std::function<void()> action);

  Answer message(const MessageBox& box) override;
  std::optional<QString> input(const InputBox& box) override;

  const std::vector<Record>& records() const { return m_records; }
  QStringList texts() const;
  ScriptedPrompter& clear() {
    m_records.clear();
    return *this;
  }

 private:
  struct Step {
    bool isInput = false;
    Answer answer = Answer::Ok;
    bool cancel = false;
    QString text;
  };
  bool next(const char* kind, const QString& text, Step& step);
  void runDuring();

  std::deque<Step> m_script;
  std::vector<Record> m_records;
  std::function<void()> m_during;
};

}  // namespace yardmark::test
