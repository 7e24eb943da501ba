#include "tests/support/event_loop.h"

#include <QEventLoop>
#include <QTimer>

namespace reki::testing {

bool RunEventLoopUntil(const std::function<bool()>& done, int timeoutMs) {
  if (done()) {
    return true;
  }
  QEventLoop loop;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, &loop, [&] {
    if (done()) {
      loop.quit();
    }
  });
  check.start(0);
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  loop.exec();
  return done();
}

}  // namespace reki::testing
