#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>

#include "dialogs/message_table.h"
#include "game/reki_form.h"
#include "game/wiring.h"
#include "platform/errors.h"
#include "platform/int_text.h"
#include "ui_rekitospelform.h"

namespace reki {
namespace {

// Only the first five characters of a number edit are read.
constexpr int kReadLength = 5;

bool IsLeftClick(QEvent* event) {
  return event->type() == QEvent::MouseButtonRelease &&
         static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

void TRekitoSpelForm::WireNumberEntry() {
  connect(ui_->QuotumEdit, &QLineEdit::textChanged, this, Guarded([this] { QuotumEditChange(); }));
  ui_->QuotumEdit->installEventFilter(this);
}

// The edits' clicks and exits. An edit is left when the focus moves to another control of this
// window (Tab, a click); a message, a menu or another window taking the focus is no exit, so the
// focus changes that our own message dialogs cause can never start a chain of messages.
bool TRekitoSpelForm::NumberEntryEvent(QObject* watched, QEvent* event) {
  if (watched == ui_->QuotumEdit) {
    if (IsLeftClick(event)) {
      RunGuarded([this] { QuotumEditClick(); });
    }
    return false;
  }
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (edit == nullptr || std::find(GetalEdit.begin(), GetalEdit.end(), edit) == GetalEdit.end()) {
    return false;
  }
  if (IsLeftClick(event)) {
    RunGuarded([this, edit] { GetalEditClick(edit); });
  } else if (event->type() == QEvent::FocusOut && !checkingNumber_) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    const QWidget* next = QApplication::focusWidget();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
        reason != Qt::MenuBarFocusReason && next != nullptr && next->window() == this) {
      checkingNumber_ = true;
      RunGuarded([this, edit] { GetallenChange(edit); });
      checkingNumber_ = false;
    }
  }
  return false;
}

void TRekitoSpelForm::GetallenChange(QObject* sender) {
  auto* edit = qobject_cast<QLineEdit*>(sender);
  const int i = edit->property("Tag").toInt() - 1;
  std::int32_t n = 0;
  try {
    n = StrToInt(edit->text().left(kReadLength).toStdString());
  } catch (const ConvertError&) {
    ToonBericht(kNotice, kMsgGetalVergeten);
    edit->setText(QString::number(Getallen[i]));
    return;
  }
  if (n < kMinNumber || n > kMaxNumber) {
    ToonBericht(kNotice, kMsgGetalBuitenBereik);
    edit->clear();
    return;
  }
  // Compared with the other nine only: leaving an edit unchanged is no error.
  for (int j = 0; j < kNumberCount; ++j) {
    if (j != i && Getallen[j] == n) {
      ToonBericht(kNotice, kMsgGetalTweeMaal);
      edit->setText(QString::number(Getallen[i]));
      return;
    }
  }
  Getallen[i] = n;
  edit->setText(QString::number(n));
}

void TRekitoSpelForm::GetalEditClick(QObject* sender) {
  const int tag = sender->property("Tag").toInt();
  for (int b = 1; b <= kNumberCount; ++b) {
    if (tag == b) {
      GetalEdit[b - 1]->clear();
    }
  }
  if (ui_->QuotumEdit->text().isEmpty()) {
    ui_->QuotumEdit->setText(QString::number(Quotum));
  }
}

void TRekitoSpelForm::QuotumEditChange() {
  const QString text = ui_->QuotumEdit->text();
  if (!text.isEmpty()) {
    std::int32_t n = 0;
    try {
      n = StrToInt(text.toStdString());
    } catch (const ConvertError&) {
      ToonBericht(kNotice, kMsgGetalVergeten);
      ui_->QuotumEdit->setText(QString::number(Quotum));
      return;
    }
    if (n > kMaxTarget) {
      ToonBericht(kNotice, kMsgResultaatBuitenBereik);
      ui_->QuotumEdit->setText(QString::number(Quotum));
    } else if (n > 0) {
      Quotum = n;
    }
  }
  ui_->ResultaatLabel->setText(ui_->QuotumEdit->text());
}

void TRekitoSpelForm::QuotumEditClick() {
  // The click takes what the edit shows as the target when it is one, and clears the edit for
  // the next target. A text that is no number (the edit may be empty already) changes nothing.
  try {
    const std::int32_t n = StrToInt(ui_->QuotumEdit->text().toStdString());
    if (n >= kMinTarget && n <= kMaxTarget) {
      Quotum = n;
    }
  } catch (const ConvertError&) {
  }
  ui_->QuotumEdit->clear();
}

}  // namespace reki
