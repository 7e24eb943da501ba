// Answers the modal dialogs that a test provokes, as a user would: each time a modal dialog is
// shown, the next step of the script records what the dialog says and clicks one of its buttons.
// Dialogs beyond the script are answered with their safe button ("Nee" or "OK") and recorded too.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

namespace reki::testing {

struct DialogStep {
  // The button to click, by object name ("JaButton") or caption ("OK").
  QString button;
  // Runs while the dialog is open, before the click (it may open another dialog).
  std::function<void()> whileOpen = {};
};

class DialogScript : public QObject {
 public:
  explicit DialogScript(std::vector<DialogStep> steps);
  ~DialogScript() override;

  // What each answered dialog said: its text (message label or box text) or, for other dialogs,
  // its title.
  const QStringList& Seen() const { return seen_; }
  // Titles of the answered dialogs.
  const QStringList& Titles() const { return titles_; }
  bool Done() const { return next_ == steps_.size(); }

 private:
  void Poll();
  void Answer(QWidget* dialog);

  std::vector<DialogStep> steps_;
  std::size_t next_ = 0;
  QStringList seen_;
  QStringList titles_;
  QList<QPointer<QWidget>> answering_;
  bool stopped_ = false;
};

// Shortcuts for the usual answers.
inline DialogStep Click(const QString& button) {
  return DialogStep{button};
}

}  // namespace reki::testing
