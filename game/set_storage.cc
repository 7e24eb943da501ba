#include "game/reki_form.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {

void TRekitoSpelForm::WireSetStorage() {}

void TRekitoSpelForm::BewaarSet() {}

void TRekitoSpelForm::VulSetGrid() {}

void TRekitoSpelForm::StringGrid1MouseUp(int, int) {}

void TRekitoSpelForm::SelecteerButtonClick() {}

void TRekitoSpelForm::AndersButtonClick() {}

void TRekitoSpelForm::AndereGetallenButtonClick() {}

bool TRekitoSpelForm::SetStorageEvent(QObject*, QEvent*) {
  return false;
}

}  // namespace reki
