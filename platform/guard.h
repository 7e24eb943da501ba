// The one place where errors of event handlers stop: a handler that throws has the rest of its
// event skipped, the error is shown in an error box captioned with the application title, and the
// program goes on with the next event. No exception ever crosses Qt's event loop.
#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <utility>

namespace reki {

// The error box: the message, an OK button, the application title as caption.
void ShowErrorBox(const QString& message);

// The plain message box with an OK button and the application title as caption.
void ShowPlainMessage(const QString& message);

// Runs one handler under the guard.
void RunGuarded(const std::function<void()>& handler);

// A slot that runs handler under the guard; the signal's arguments are not used.
template <class Handler>
auto Guarded(Handler handler) {
  return [handler = std::move(handler)]() { RunGuarded(handler); };
}

}  // namespace reki
