#include <QApplication>

#include "dialogs/help_box.h"
#include "dialogs/message_form.h"
#include "dialogs/message_table.h"
#include "game/layout.h"
#include "game/reki_form.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {

using namespace window_layout;

void TRekitoSpelForm::WireWindowCommands() {
  OnTrigger(ui_->Normaal1, [this] { Normaal1Click(); });
  OnTrigger(ui_->Groot1, [this] { Groot1Click(); });
  OnTrigger(ui_->Help1, [this] { HelpClick(); });
  OnClick(ui_->HelpButton, [this] { HelpClick(); });
  OnClick(ui_->RekenHelpButton, [this] { HelpClick(); });
  OnClick(ui_->InfoButton, [this] { InfoButtonClick(); });
  OnTrigger(ui_->Einde1, [this] { EindeClick(); });
}

void TRekitoSpelForm::Normaal1Click() {
  SetClientSize(kNormalWidth, kNormalHeight);
  SetRightColumnLeft(kRightColumn);
  ui_->Normaal1->setChecked(true);
  ui_->Groot1->setChecked(false);
}

void TRekitoSpelForm::Groot1Click() {
  SetClientSize(kLargeWidth, kLargeHeight);
  SetRightColumnLeft(kRightColumnLarge);
  ui_->Groot1->setChecked(true);
  ui_->Normaal1->setChecked(false);
}

void TRekitoSpelForm::HelpClick() {
  helpBox_->exec();
}

void TRekitoSpelForm::InfoButtonClick() {
  ToonBericht(kNotice, kMsgInfo);
}

void TRekitoSpelForm::EindeClick() {
  if (ToonBericht(kQuestion, kMsgVerlaten)) {
    close();
  }
}

bool TRekitoSpelForm::ToonBericht(int kind, int nr) {
  // A message that comes while another is open (a computation may end under a question) gets a
  // dialog of its own on top of the first; each keeps its own text, buttons and answer.
  std::unique_ptr<TMessageForm> second;
  TMessageForm* form = messageForm_;
  if (form->isVisible()) {
    second = std::make_unique<TMessageForm>();
    form = second.get();
  }
  ++openMessages_;
  BerichtGesloten = false;
  form->ZetBericht(kind, nr);
  form->exec();
  --openMessages_;
  BerichtGesloten = openMessages_ == 0;
  return form->Antwoord;
}

}  // namespace reki
