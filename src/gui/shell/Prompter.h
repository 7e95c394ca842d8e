#pragma once
// Every message box and input box of the program goes through a Prompter, so that tests
// can answer them from a script and record what the user would have seen.
#include <QPoint>
#include <QString>
#include <optional>
#include <utility>

class QWidget;

namespace yardmark {

// The title every box shows unless it has its own.
inline const QString kAppTitle = QStringLiteral("YardMark");

// YesNoKeep: Yes, No and "Keep as typed", which answers Ignore.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore, YesNoKeep };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct MessageBox {
  MessageBox(QString text_, Buttons buttons_ = Buttons::Ok, Icon icon_ = Icon::None, QString title_ = {},
             std::optional<Answer> defaultButton_ = {})
      : text(std::move(text_)),
        buttons(buttons_),
        icon(icon_),
        title(std::move(title_)),
        defaultButton(defaultButton_) {}
  QString text;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  QString title;                        // empty: the application title
  std::optional<Answer> defaultButton;  // empty: the first button
};

struct InputBox {
  InputBox(QString prompt_, QString title_ = {}, QString defaultText_ = {}, std::optional<QPoint> positionTwips_ = {})
      : prompt(std::move(prompt_)),
        title(std::move(title_)),
        defaultText(std::move(defaultText_)),
        positionTwips(positionTwips_) {}
  QString prompt;
  QString title;  // empty: the application title
  QString defaultText;
  std::optional<QPoint> positionTwips;  // screen position of the box's corner
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual Answer message(const MessageBox& box) = 0;
  // The typed text, or nothing when the user cancelled.
  virtual std::optional<QString> input(const InputBox& box) = 0;

  // The common case: OK only, no icon, the application title.
  void tell(const QString& text) { message(MessageBox(text)); }
};

QString titleOf(const QString& title);

// Real Qt boxes, modal over the main window.
class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parentWindow = nullptr) : m_parent(parentWindow) {}
  void setParentWindow(QWidget* w) { m_parent = w; }

  Answer message(const MessageBox& box) override;
  std::optional<QString> input(const InputBox& box) override;

 private:
  QWidget* parent() const;
  QWidget* m_parent;
};

}  // namespace yardmark
