#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace yardmark::test {

ScriptedPrompter::~ScriptedPrompter() {
  if (!m_script.empty()) ADD_FAILURE() << m_script.size() << " scripted answer(s) were never asked for";
}

ScriptedPrompter& ScriptedPrompter::answer(Answer a) {
  m_script.push_back(Step{false, a, false, {}});
  return *this;
}

ScriptedPrompter& ScriptedPrompter::type(std::optional<QString> text) {
  m_script.push_back(Step{true, Answer::Ok, !text, text.value_or(QString())});
  return *this;
}

ScriptedPrompter& ScriptedPrompter::during(std::function<void()> action) {
  m_during = std::move(action);
  return *this;
}

QStringList ScriptedPrompter::texts() const {
  QStringList list;
  for (const Record& r : m_records) list << r.text;
  return list;
}

void ScriptedPrompter::runDuring() {
  if (auto action = std::exchange(m_during, nullptr)) action();
}

bool ScriptedPrompter::next(const char* kind, const QString& text, Step& step) {
  if (m_script.empty()) {
    ADD_FAILURE() << "unexpected " << kind << ": \"" << text.toStdString() << "\"";
    return false;
  }
  step = m_script.front();
  m_script.pop_front();
  return true;
}

Answer ScriptedPrompter::message(const MessageBox& box) {
  m_records.push_back({false, box.text, titleOf(box.title), box.buttons, box.icon, box.defaultButton, {}});
  runDuring();
  Step step;
  if (!next("message box", box.text, step)) return box.defaultButton.value_or(Answer::Cancel);
  if (!step.isInput) return step.answer;
  ADD_FAILURE() << "a message box \"" << box.text.toStdString() << "\" came where an input box was scripted";
  return Answer::Cancel;
}

std::optional<QString> ScriptedPrompter::input(const InputBox& box) {
  m_records.push_back({true, box.prompt, titleOf(box.title), Buttons::OkCancel, Icon::None, {}, box.defaultText});
  runDuring();
  Step step;
  if (!next("input box", box.prompt, step)) return std::nullopt;
  if (step.isInput) return step.cancel ? std::nullopt : std::optional<QString>(step.text);
  ADD_FAILURE() << "an input box \"" << box.prompt.toStdString() << "\" came where a message box was scripted";
  return std::nullopt;
}

}  // namespace yardmark::test
