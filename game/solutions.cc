#include "game/reki_form.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {

void TRekitoSpelForm::WireSolutions() {}

void TRekitoSpelForm::OplossingButtonClick(QObject*) {}

void TRekitoSpelForm::OplossingenListBoxClick() {}

void TRekitoSpelForm::RekenButtonClick() {}

std::uint8_t TRekitoSpelForm::SolveAndShow(std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                           bool) {
  return 0;
}

}  // namespace reki
