// A timer of a form: an interval and an enabled flag. Enabling a running timer changes nothing
// (its count goes on); enabling a stopped one starts a full interval.
#pragma once

#include <QObject>
#include <QTimer>

namespace reki {

class Timer : public QObject {
  Q_OBJECT

 public:
  Timer(int intervalMs, bool enabled, QObject* parent = nullptr);

  bool Enabled() const { return timer_.isActive(); }
  void SetEnabled(bool enabled);
  int Interval() const { return timer_.interval(); }

 signals:
  void Tick();

 private:
  QTimer timer_;
};

}  // namespace reki
