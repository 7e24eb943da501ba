#include "game/reki_form.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {

void TRekitoSpelForm::WireClock() {}

void TRekitoSpelForm::TimerStatusTimer(QObject*) {}

void TRekitoSpelForm::TimerPlaatjesTimer() {}

}  // namespace reki
