#include "game/reki_form.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {

void TRekitoSpelForm::WirePlaying() {}

void TRekitoSpelForm::GetalClick(QObject*) {}

void TRekitoSpelForm::ResultaatClick(QObject*) {}

void TRekitoSpelForm::OperatieClick(QObject*) {}

void TRekitoSpelForm::FoutButtonClick(QObject*) {}

void TRekitoSpelForm::ToonStap(QObject*) {}

}  // namespace reki
