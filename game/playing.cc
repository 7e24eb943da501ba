#include <QPushButton>

#include "dialogs/message_table.h"
#include "engine/step_text.h"
#include "game/reki_form.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {

void TRekitoSpelForm::WirePlaying() {
  for (QPushButton* number : {ui_->G1, ui_->G2, ui_->G3, ui_->G4}) {
    OnClick(number, [this, number] { GetalClick(number); });
  }
  for (QPushButton* operation :
       {ui_->PlusButton, ui_->MinButton, ui_->MaalButton, ui_->DeelButton}) {
    OnClick(operation, [this, operation] { OperatieClick(operation); });
  }
  for (QPushButton* result : {ui_->R1, ui_->R2, ui_->R3}) {
    OnClick(result, [this, result] { ResultaatClick(result); });
  }
  OnClick(ui_->FoutButton, [this] { FoutButtonClick(ui_->FoutButton); });
}

// A number button's value is its caption, a whole number.
void TRekitoSpelForm::GetalClick(QObject* sender) {
  auto* number = qobject_cast<QPushButton*>(sender);
  if (AantalOperanden < 2) {
    NeemOperand(number, ParseFraction(number->text().toStdString()));
  }
  ToonStap(sender);
}

// A result button's value is the exact result kept when its step was finished: the caption may
// be cut and would then give another number, or none at all.
void TRekitoSpelForm::ResultaatClick(QObject* sender) {
  QPushButton* const results[] = {ui_->R1, ui_->R2, ui_->R3};
  for (std::size_t step = 0; step < StapResultaat.size(); ++step) {
    if (sender == results[step] && AantalOperanden < 2) {
      NeemOperand(results[step], StapResultaat[step]);
    }
  }
  ToonStap(sender);
}

// The first operand taken is the left one. Each source can be used once.
void TRekitoSpelForm::NeemOperand(QPushButton* source, Fraction value) {
  ++AantalOperanden;
  (AantalOperanden == 1 ? HuidigeStap.left : HuidigeStap.right) = value;
  source->setEnabled(false);
}

// The operation buttons stay enabled: a press sets or replaces the operation of the open step,
// before or after its operands.
void TRekitoSpelForm::OperatieClick(QObject* sender) {
  HuidigeStap.op = static_cast<std::uint8_t>(sender->property("Tag").toInt());
  OperatieGekozen = true;
  ToonStap(sender);
}

// "Terug" undoes the whole answer; the clock runs on. After the solutions it leads back to the
// level choice.
void TRekitoSpelForm::FoutButtonClick(QObject*) {
  StapNummer = 1;
  AantalOperanden = 0;
  OperatieGekozen = false;
  ZetSpelStatus(SpelStatus == kOpgaveMaken ? kOpgaveMaken : kNiveauKiezen);
}

void TRekitoSpelForm::ToonStap(QObject* sender) {
  QPushButton* const results[] = {ui_->R1, ui_->R2, ui_->R3};
  if (StapNummer < 1 || StapNummer > 3) {
    return;
  }
  QPushButton* result = results[StapNummer - 1];
  result->setText(QString::fromLatin1(StepText(HuidigeStap, AantalOperanden, OperatieGekozen)));
  result->setToolTip(
      QString::fromLatin1(FullStepText(HuidigeStap, AantalOperanden, OperatieGekozen)));
  if (AantalOperanden < 2 || !OperatieGekozen) {
    return;
  }
  if (StapNummer < 3) {
    RondStapAf(result);
  } else {
    BeoordeelAntwoord(sender);
  }
}

// A complete step 1 or 2 becomes an operand of the later steps, unless it divides by zero: then
// it waits, complete, for another operation.
void TRekitoSpelForm::RondStapAf(QPushButton* result) {
  const Fraction value = CalculateStep(HuidigeStap);
  if (value.denominator <= 0) {
    return;
  }
  StapResultaat[StapNummer - 1] = value;
  result->setEnabled(true);
  ++StapNummer;
  AantalOperanden = 0;
  OperatieGekozen = false;
}

// The answer is right when the third step gives exactly the target.
void TRekitoSpelForm::BeoordeelAntwoord(QObject* sender) {
  const Fraction value = CalculateStep(HuidigeStap);
  if (value.numerator == Quotum && value.denominator == 1) {
    GoedAntwoord(sender);
  } else {
    FoutAntwoord(sender);
  }
}

// The calculator is already reset while the question is open. Listing the solutions counts as
// wrong, so the count is lowered first: a right answer never counts as wrong.
void TRekitoSpelForm::GoedAntwoord(QObject* sender) {
  StatusTimer->SetEnabled(false);
  ++GoedAantal;
  ui_->GoedAantalLabel->setText(QString::number(GoedAantal));
  FoutButtonClick(sender);
  if (ToonBericht(kQuestion, kMsgAntwoordGoed)) {
    DirectTonen = true;
    --FoutAantal;
    OplossingButtonClick(sender);
    ZetSpelStatus(kOplossingTonen);
  } else {
    ZetSpelStatus(kNiveauKiezen);
  }
}

// After "Nee" the pupil may go on: change the last operation, start again with "Terug", or let
// the clock run out. The next request for the solutions no longer asks.
void TRekitoSpelForm::FoutAntwoord(QObject* sender) {
  DirectTonen = true;
  if (ToonBericht(kQuestion, kMsgAntwoordFout)) {
    OplossingButtonClick(sender);
    ZetSpelStatus(kOplossingTonen);
  } else {
    ui_->OplossingButton->setEnabled(false);
  }
}

}  // namespace reki
