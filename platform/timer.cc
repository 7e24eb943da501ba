#include "platform/timer.h"

namespace reki {

Timer::Timer(int intervalMs, bool enabled, QObject* parent) : QObject(parent) {
  timer_.setInterval(intervalMs);
  // The exercise clock counts seconds; a coarse timer would run up to 5 % fast.
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &Timer::Tick);
  SetEnabled(enabled);
}

void Timer::SetEnabled(bool enabled) {
  if (!enabled) {
    timer_.stop();
  } else if (!timer_.isActive()) {
    timer_.start();
  }
}

}  // namespace reki
