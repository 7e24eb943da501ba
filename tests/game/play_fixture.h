// A game in which the pupil plays: an exercise of our choosing drawn with the real button, the
// calculator pressed by name, and the clock and picture timers ticked by hand.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <initializer_list>
#include <string>

#include "tests/support/game_fixture.h"

namespace reki::testing {

class PlayTest : public GameTest {
 protected:
  // Makes entry the only exercise of level 1 and draws it with "Opgave kiezen".
  void StartExercise(const std::string& entry) {
    Form().Lijst(1) = {entry};
    Form().HuidigNiveau = 1;
    Button("OpgaveSelectButton")->click();
    ASSERT_EQ(Form().SpelStatus, 30);
  }

  QPushButton* Button(const char* name) { return Control<QPushButton>(name); }

  // Clicks the buttons in turn, as the pupil would.
  void Press(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      Button(name)->click();
    }
  }

  QString Caption(const char* name) { return Button(name)->text(); }

  void TickClock(int times = 1) {
    for (int i = 0; i < times; ++i) {
      emit Form().StatusTimer->Tick();
    }
  }
  void TickPictures() { emit Form().PlaatjesTimer->Tick(); }

  QProgressBar* Gauge() { return Control<QProgressBar>("TijdGauge"); }

  QStringList Solutions() { return Lines("OplossingenListBox"); }

  QStringList Exercise() {
    QStringList numbers;
    for (const char* edit : {"Edit1", "Edit2", "Edit3", "Edit4"}) {
      numbers.append(Control<QLineEdit>(edit)->text());
    }
    return numbers;
  }
};

// The solutions of 1 2 3 4 for 24, in the solver's order.
inline const QStringList kSolutions1234 = {"((1 + 2) + 3) x 4 = 24", "((1 x 2) x 3) x 4 = 24",
                                           "(3 + 1) x (2 + 4) = 24", "((2 x 3) x 4) : 1 = 24"};

}  // namespace reki::testing
