#include <QLineEdit>

#include "engine/packing.h"
#include "game/default_set.h"
#include "game/reki_form.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {

void TRekitoSpelForm::WireSetAnalysis() {}

void TRekitoSpelForm::BerekenButtonClick() {}

void TRekitoSpelForm::BerekenVolgende() {}

void TRekitoSpelForm::BerekeningKlaar() {}

void TRekitoSpelForm::AnnuleerButtonClick() {}

bool TRekitoSpelForm::LeesSet(int k) {
  if (k != 0) {
    return false;
  }
  const std::optional<GradedSet> set = UnpackResults(BuiltInDefaultSet());
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
