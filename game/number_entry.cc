#include "game/reki_form.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {

void TRekitoSpelForm::WireNumberEntry() {}

void TRekitoSpelForm::GetallenChange(QObject*) {}

void TRekitoSpelForm::GetalEditClick(QObject*) {}

void TRekitoSpelForm::QuotumEditChange() {}

void TRekitoSpelForm::QuotumEditClick() {}

bool TRekitoSpelForm::NumberEntryEvent(QObject*, QEvent*) {
  return false;
}

}  // namespace reki
