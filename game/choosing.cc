#include "game/reki_form.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {

void TRekitoSpelForm::WireChoosing() {}

void TRekitoSpelForm::NiveauClick(QObject*) {}

void TRekitoSpelForm::RadioGroup1Click() {}

void TRekitoSpelForm::OpgaveKiezenClick() {}

}  // namespace reki
