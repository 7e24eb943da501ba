#include "dialogs/help_box.h"

#include <QStyle>

#include "dialogs/language.h"
#include "platform/application.h"
#include "ui_helpbox.h"

namespace reki {

THelpBox::THelpBox(QWidget* parent) : QDialog(parent), ui_(new Ui::THelpBox) {
  ui_->setupUi(this);
  setFixedSize(size());
  ApplyPixelFontSizes(this);
  ui_->OKButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  ui_->OKButton->setFocus();
  connect(ui_->OKButton, &QPushButton::clicked, this, &THelpBox::OKButtonClick);
  FormCreate();
}

THelpBox::~THelpBox() = default;

void THelpBox::FormCreate() {
  if (TaalIsEngels()) {
    setWindowTitle(QStringLiteral("Explanation of the Rekito game!"));
    ui_->Memo_NL->hide();
    ui_->Memo_Eng->show();
  }
}

void THelpBox::OKButtonClick() {
  accept();
}

void THelpBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(this);
}

}  // namespace reki
