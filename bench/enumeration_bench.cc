// The computation of a new set in the real window (offscreen): the time from "Bereken alle
// combinaties" to the level choice, and the longest single turn of the event loop meanwhile,
// which bounds how long a click on "Annuleer" waits.
// Run: build/bench/enumeration_bench [rounds]
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "game/forms.h"

namespace {

struct Measurement {
  double totalMs = 0;
  double longestTurnMs = 0;
};

Measurement ComputeOnce(const reki::NumberSet& numbers, int target) {
  reki::Forms forms;
  reki::TRekitoSpelForm& form = forms.RekitoSpelForm;
  form.show();
  form.ZetSpelStatus(reki::kInvoeren);
  form.Getallen = numbers;
  form.Quotum = target;
  form.findChild<QLineEdit*>("QuotumEdit")->setText(QString::number(target));

  QElapsedTimer clock;
  QElapsedTimer turn;
  Measurement result;
  // A zero-delay timer beside the computation's own: the gap between two of its firings is one
  // turn of the event loop, with whatever ran in it.
  QTimer probe;
  QObject::connect(&probe, &QTimer::timeout, [&] {
    result.longestTurnMs = std::max(result.longestTurnMs, turn.nsecsElapsed() / 1e6);
    turn.restart();
    if (form.SpelStatus == reki::kNiveauKiezen) {
      result.totalMs = clock.nsecsElapsed() / 1e6;
      QApplication::quit();
    }
  });
  clock.start();
  form.findChild<QPushButton*>("BerekenButton")->click();
  turn.start();
  probe.start(0);
  QApplication::exec();
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication application(argc, argv);
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
  const reki::NumberSet numbers = {3, 7, 12, 19, 25, 31, 44, 58, 77, 99};
  std::printf("%-8s %14s %18s\n", "round", "total (ms)", "longest turn (ms)");
  for (int round = 1; round <= rounds; ++round) {
    const Measurement m = ComputeOnce(numbers, 100 + round);
    std::printf("%-8d %14.1f %18.2f\n", round, m.totalMs, m.longestTurnMs);
  }
  return 0;
}
