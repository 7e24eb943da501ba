// The application's idle call: an installed handler runs once per turn of the event loop, after
// the waiting input, timer and paint events have been handled, until it is removed. An error
// that the handler throws removes it and is shown in the error box.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace reki {

class IdleCall : public QObject {
  Q_OBJECT

 public:
  explicit IdleCall(QObject* parent = nullptr);

  // Replaces any installed handler.
  void Install(std::function<void()> handler);
  // Also harmless when nothing is installed.
  void Remove();
  bool Installed() const { return timer_.isActive(); }

 private:
  QTimer timer_;
  std::function<void()> handler_;
};

}  // namespace reki
