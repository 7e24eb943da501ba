#include "dialogs/message_form.h"

#include "dialogs/language.h"
#include "dialogs/message_table.h"
#include "platform/application.h"
#include "ui_messageform.h"

namespace reki {

TMessageForm::TMessageForm(QWidget* parent) : QDialog(parent), ui_(new Ui::TMessageForm) {
  ui_->setupUi(this);
  // A fixed dialog without a close box: it is answered with its buttons.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(size());
  ApplyPixelFontSizes(this);
  connect(ui_->OKButton, &QPushButton::clicked, this, &TMessageForm::OKButtonClick);
  connect(ui_->JaButton, &QPushButton::clicked, this, &TMessageForm::JaButtonClick);
  connect(ui_->NeeButton, &QPushButton::clicked, this, &TMessageForm::NeeButtonClick);
}

TMessageForm::~TMessageForm() = default;

void TMessageForm::ZetBericht(int kind, int nr) {
  const bool notice = kind == kNotice;
  ui_->OKPanel->setVisible(notice);
  ui_->JaNeePanel->setVisible(!notice);
  ui_->MessageLabel->setText(MessageText(nr, TaalIsEngels()));
  QPushButton* first = notice ? ui_->OKButton : ui_->JaButton;
  first->setDefault(true);
  first->setFocus();
}

void TMessageForm::FormActivate() {
  Antwoord = true;
  if (TaalIsEngels()) {
    setWindowTitle(QStringLiteral("The Rekito game!"));
    ui_->JaButton->setText(QStringLiteral("Yes"));
    ui_->NeeButton->setText(QStringLiteral("No"));
  }
}

void TMessageForm::OKButtonClick() {
  accept();
}

void TMessageForm::JaButtonClick() {
  accept();
}

void TMessageForm::NeeButtonClick() {
  Antwoord = false;
  accept();
}

void TMessageForm::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
  CenterOnScreen(this);
}


void TMessageForm::reject() {
  if (ui_->JaNeePanel->isVisibleTo(this)) {
    NeeButtonClick();
  } else {
    OKButtonClick();
  }
}

}  // namespace reki
