#include <QLabel>
#include <QProgressBar>
#include <algorithm>

#include "dialogs/message_table.h"
#include "game/reki_form.h"
#include "game/wiring.h"
#include "ui_rekitospelform.h"

namespace reki {

void TRekitoSpelForm::WireClock() {
  connect(StatusTimer, &Timer::Tick, this, Guarded([this] { TimerStatusTimer(StatusTimer); }));
  connect(PlaatjesTimer, &Timer::Tick, this, Guarded([this] { TimerPlaatjesTimer(); }));
}

// One second more on the gauge. While a message is open the clock stops one second short of the
// end, so the time cannot run out under a question; the next tick after it ends the exercise.
void TRekitoSpelForm::TimerStatusTimer(QObject* sender) {
  QProgressBar* gauge = ui_->TijdGauge;
  if (BerichtGesloten || gauge->value() < gauge->maximum() - 1) {
    ZetTijd(gauge->value() + 1);
  }
  if (gauge->value() == gauge->maximum()) {
    TijdVerstreken(sender);
  }
}

void TRekitoSpelForm::TijdVerstreken(QObject* sender) {
  DirectTonen = true;
  StatusTimer->SetEnabled(false);
  ToonBericht(kNotice, kMsgTijdVerstreken);
  ZetSpelStatus(kOplossingTonen);
  OplossingButtonClick(sender);
}

// The gauge keeps its value inside 0..maximum; a value outside would otherwise be ignored.
void TRekitoSpelForm::ZetTijd(int seconds) {
  ui_->TijdGauge->setValue(std::clamp(seconds, 0, ui_->TijdGauge->maximum()));
}

// One corner per tick, top left, top right, bottom left, bottom right, and round again; the cycle
// goes on where it stopped when the timer runs again.
void TRekitoSpelForm::TimerPlaatjesTimer() {
  QLabel* const corners[] = {ui_->PlaatjeLabel1, ui_->PlaatjeLabel2, ui_->PlaatjeLabel3,
                             ui_->PlaatjeLabel4};
  PlaatjeFase = PlaatjeFase % 4 + 1;
  const int drawn = Willekeurig.Next(kNumberCount);
  corners[PlaatjeFase - 1]->setText(QString::number(Getallen[drawn]));
}

}  // namespace reki
