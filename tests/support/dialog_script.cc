#include "tests/support/dialog_script.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace reki::testing {
namespace {

QString TextOf(QWidget* dialog) {
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
    return box->text();
  }
  if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("MessageLabel"))) {
    return label->text();
  }
  return dialog->windowTitle();
}

DialogStep UnexpectedDialogStep(QWidget* dialog) {
  for (const char* safe : {"NeeButton", "OKButton", "OK", "Nee"}) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
      if (button->objectName() == safe || button->text().remove(u'&') == safe) {
        return DialogStep{QString::fromLatin1(safe)};
      }
    }
  }
  return DialogStep{QString()};
}

QAbstractButton* ButtonOf(QWidget* dialog, const QString& name) {
  for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
    if (button->objectName() == name || button->text().remove(u'&') == name) {
      return button;
    }
  }
  return nullptr;
}

}  // namespace

DialogScript::DialogScript(std::vector<DialogStep> steps) : steps_(std::move(steps)) {
  QTimer::singleShot(1, this, [this] { Poll(); });
}

DialogScript::~DialogScript() {
  stopped_ = true;
}

// A new single-shot timer each time: a repeating timer would not fire again while an answer
// waits in a nested dialog's event loop.
void DialogScript::Poll() {
  if (stopped_) {
    return;
  }
  QTimer::singleShot(1, this, [this] { Poll(); });
  QWidget* dialog = QApplication::activeModalWidget();
  if (dialog == nullptr || !dialog->isVisible() || answering_.contains(dialog)) {
    return;
  }
  Answer(dialog);
}

void DialogScript::Answer(QWidget* dialog) {
  // A dialog that the script did not expect is still answered, so the test fails instead of
  // waiting forever; it shows up in Seen().
  const DialogStep step = next_ < steps_.size() ? steps_[next_++] : UnexpectedDialogStep(dialog);
  seen_.append(TextOf(dialog));
  titles_.append(dialog->windowTitle());
  QPointer<QWidget> guard(dialog);
  answering_.append(guard);
  if (step.whileOpen) {
    step.whileOpen();
  }
  answering_.removeAll(guard);
  if (guard.isNull()) {
    return;
  }
  if (QAbstractButton* button = ButtonOf(guard, step.button)) {
    button->click();
  } else {
    ADD_FAILURE() << "no button " << step.button.toStdString() << " in dialog "
                  << guard->windowTitle().toStdString();
  }
}

}  // namespace reki::testing
