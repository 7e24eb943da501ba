#include <QButtonGroup>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

#include "dialogs/message_table.h"
#include "engine/packing.h"
#include "game/reki_form.h"
#include "game/set_file.h"
#include "game/wiring.h"
#include "platform/errors.h"
#include "platform/int_text.h"
#include "ui_rekitospelform.h"

namespace reki {
namespace {

// The gauge moves after every seventh combination, about a hundred times in all.
constexpr int kGaugeStep = 7;

}  // namespace

void TRekitoSpelForm::WireSetAnalysis() {
  OnClick(ui_->BerekenButton, [this] { BerekenButtonClick(); });
  OnTrigger(ui_->Bereken1, [this] { BerekenButtonClick(); });
  OnClick(ui_->AnnuleerButton, [this] { AnnuleerButtonClick(); });
  OnTrigger(ui_->Annuleren1, [this] { AnnuleerButtonClick(); });
}

void TRekitoSpelForm::BerekenButtonClick() {
  if (SortNumbers(Getallen)) {
    for (int i = 0; i < kNumberCount; ++i) {
      GetalEdit[i]->setText(QString::number(Getallen[i]));
    }
  }
  // The target must be what the edit shows: an empty edit, or one that shows a number that is
  // not a target (0, a negative number), is refused rather than computed for an unseen target.
  if (!TargetEditShowsTarget()) {
    ToonBericht(kNotice, kMsgGetalVergeten);
    ZetSpelStatus(kInvoeren);
    ui_->QuotumEdit->setText(QString::number(Quotum));
    return;
  }
  if (IsDefaultSet(Getallen, Quotum)) {
    ToonBericht(kNotice, kMsgAlBerekend);
    for (auto& list : NiveauLijst) {
      list.clear();
    }
    LeesSet(0);
    return;
  }
  for (auto& list : NiveauLijst) {
    list.clear();
  }
  ui_->WachtGauge->setValue(0);
  CombinatieTeller = 0;
  ZetSpelStatus(kBerekenen);
  if (Quotum <= Getallen[kNumberCount - 1]) {
    ToonBericht(kNotice, kMsgNietAlleOplossingen);
  }
  Idle.Install([this] { BerekenVolgende(); });
}

bool TRekitoSpelForm::TargetEditShowsTarget() const {
  try {
    const std::int32_t n = StrToInt(ui_->QuotumEdit->text().toStdString());
    return n >= kMinTarget && n <= kMaxTarget;
  } catch (const ConvertError&) {
    return false;
  }
}

void TRekitoSpelForm::BerekenVolgende() {
  const std::int32_t index = CombinatieTeller;
  ++CombinatieTeller;
  if (CombinatieTeller % kGaugeStep == kGaugeStep - 1) {
    ui_->WachtGauge->setValue(CombinatieTeller + 1);
    ui_->WachtGauge->repaint();
  }
  const int level = GradeExercise(Getallen, Quotum, index);
  Lijst(level).push_back(ExerciseEntry(Getallen, index));
  NiveauTabel[index] = static_cast<std::uint8_t>(level - 1);
  if (CombinatieTeller == kCombinationCount) {
    BerekeningKlaar();
  }
}

void TRekitoSpelForm::BerekeningKlaar() {
  Idle.Remove();
  HuidigNiveau = 1;
  while (Lijst(HuidigNiveau).empty() && HuidigNiveau < kImpossibleLevel) {
    ++HuidigNiveau;
  }
  if (HuidigNiveau == kImpossibleLevel) {
    ZetSpelStatus(kInvoeren);
    ToonBericht(kNotice, kMsgGeenOplossing);
    return;
  }
  // A set that cannot be stored can still be played: the error is shown and the game goes on.
  try {
    BewaarSet();
  } catch (const PlatformError& error) {
    ShowErrorBox(QString::fromUtf8(error.what()));
  }
  // The level shown is the level that the next exercise is drawn from.
  ui_->RadioGroup1Buttons->button(HuidigNiveau - 1)->setChecked(true);
  ZetSpelStatus(kNiveauKiezen);
}

void TRekitoSpelForm::AnnuleerButtonClick() {
  Idle.Remove();
  ZetSpelStatus(SpelStatus == kBerekenen ? kInvoeren : kSetKiezen);
}

bool TRekitoSpelForm::LeesSet(int k) {
  // A stored value that breaks the format makes the set unreadable, never a wrong read.
  const std::optional<GradedSet> set = SetFile().Restore(k);
  if (!set) {
    return false;
  }
  Getallen = set->numbers;
  for (int i = 0; i < kNumberCount; ++i) {
    GetalEdit[i]->setText(QString::number(Getallen[i]));
  }
  Quotum = set->target;
  ui_->QuotumEdit->setText(QString::number(Quotum));
  NiveauTabel = set->levels;
  // Appended to what the lists hold: the caller empties them first.
  LevelLists restored = BuildLevelLists(Getallen, NiveauTabel);
  for (int level = 0; level < kLevelCount; ++level) {
    NiveauLijst[level].insert(NiveauLijst[level].end(), restored[level].begin(),
                              restored[level].end());
  }
  ui_->ResultaatLabel->setText(QString::number(Quotum));
  ZetSpelStatus(kNiveauKiezen);
  return true;
}

}  // namespace reki
