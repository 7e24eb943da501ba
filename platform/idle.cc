#include "platform/idle.h"

#include "platform/guard.h"

namespace reki {

IdleCall::IdleCall(QObject* parent) : QObject(parent) {
  // A zero-delay timer fires once per turn of the event loop, after the events that wait.
  timer_.setInterval(0);
  connect(&timer_, &QTimer::timeout, this, [this] {
    // A handler that fails would fail again on every turn: it is removed before the error shows.
    try {
      handler_();
    } catch (const std::exception& error) {
      Remove();
      ShowErrorBox(QString::fromUtf8(error.what()));
    }
  });
}

void IdleCall::Install(std::function<void()> handler) {
  handler_ = std::move(handler);
  timer_.start();
}

void IdleCall::Remove() {
  timer_.stop();
}

}  // namespace reki
