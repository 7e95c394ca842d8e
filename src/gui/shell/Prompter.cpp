#include "gui/shell/Prompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

#include "gui/shell/Twips.h"

namespace yardmark {

QString titleOf(const QString& title) { return title.isEmpty() ? kAppTitle : title; }

namespace {

std::vector<std::pair<QMessageBox::StandardButton, Answer>> buttonsOf(Buttons b) {
  using B = QMessageBox;
  switch (b) {
    case Buttons::Ok:
      return {{B::Ok, Answer::Ok}};
    case Buttons::OkCancel:
      return {{B::Ok, Answer::Ok}, {B::Cancel, Answer::Cancel}};
    case Buttons::YesNo:
      return {{B::Yes, Answer::Yes}, {B::No, Answer::No}};
    case Buttons::YesNoCancel:
      return {{B::Yes, Answer::Yes}, {B::No, Answer::No}, {B::Cancel, Answer::Cancel}};
    case Buttons::RetryCancel:
      return {{B::Retry, Answer::Retry}, {B::Cancel, Answer::Cancel}};
    case Buttons::AbortRetryIgnore:
      return {{B::Abort, Answer::Abort}, {B::Retry, Answer::Retry}, {B::Ignore, Answer::Ignore}};
    case Buttons::YesNoKeep:
      return {{B::Yes, Answer::Yes}, {B::No, Answer::No}, {B::Ignore, Answer::Ignore}};
  }
  return {{B::Ok, Answer::Ok}};
}

QMessageBox::Icon iconOf(Icon i) {
  switch (i) {
    case Icon::None:
      return QMessageBox::NoIcon;
    case Icon::Critical:
      return QMessageBox::Critical;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::Information:
      return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QWidget* QtPrompter::parent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return m_parent ? m_parent : QApplication::activeWindow();
}

Answer QtPrompter::message(const MessageBox& box) {
  QMessageBox mb(iconOf(box.icon), titleOf(box.title), box.text, QMessageBox::NoButton, parent());
  // Texts carry names from files and archives: never read them as markup.
  mb.setTextFormat(Qt::PlainText);
  const auto buttons = buttonsOf(box.buttons);
  for (const auto& [std, answer] : buttons) {
    QPushButton* b = mb.addButton(std);
    if (box.defaultButton == answer) mb.setDefaultButton(b);
    if (box.buttons == Buttons::YesNoKeep && answer == Answer::Ignore) b->setText(QStringLiteral("Keep as typed"));
  }
  // Escape answers like the box's own Cancel, or like its only button.
  for (const auto& [std, answer] : buttons)
    if (answer == Answer::Cancel || buttons.size() == 1) mb.setEscapeButton(std);
  mb.exec();
  const auto clicked = mb.standardButton(mb.clickedButton());
  for (const auto& [std, answer] : buttons)
    if (std == clicked) return answer;
  // Closed without a button (only possible when the box has no Cancel): the last button,
  // which is the cautious answer of every set above (No, Cancel, Ignore).
  return buttons.back().second;
}

std::optional<QString> QtPrompter::input(const InputBox& box) {
  QInputDialog dlg(parent());
  dlg.setWindowTitle(titleOf(box.title));
  dlg.setLabelText(box.prompt);
  // The dialog's label is its only QLabel; like a message box it shows text, not markup.
  if (auto* label = dlg.findChild<QLabel*>()) label->setTextFormat(Qt::PlainText);
  dlg.setTextValue(box.defaultText);
  if (box.positionTwips) dlg.move(pixelsFromTwips(*box.positionTwips));
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return dlg.textValue();
}

}  // namespace yardmark
