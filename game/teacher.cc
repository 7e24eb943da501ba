#include "game/reki_form.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {

void TRekitoSpelForm::WireTeacher() {}

void TRekitoSpelForm::DocentClick() {}

void TRekitoSpelForm::NiveauButtonClick() {}

void TRekitoSpelForm::ListBox1Click() {}

}  // namespace reki
