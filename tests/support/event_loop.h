// Running the real event loop in a test until something has happened.
#pragma once

#include <functional>

namespace reki::testing {

// Runs the event loop, turn after turn without sleeping, until done() is true or timeoutMs has
// passed; returns done(). (QTest::qWaitFor sleeps 10 ms between its turns, which would make every
// idle call of a computation take 10 ms.)
bool RunEventLoopUntil(const std::function<bool()>& done, int timeoutMs = 20000);

}  // namespace reki::testing
