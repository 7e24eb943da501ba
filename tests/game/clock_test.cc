#include <QLabel>

#include "dialogs/message_table.h"
#include "tests/game/play_fixture.h"
#include "tests/support/dialog_script.h"

namespace reki {
namespace {

using testing::Click;
using testing::DialogScript;
using testing::DialogStep;

using ClockTest = testing::PlayTest;

const QString kTimeIsUp = MessageText(kMsgTijdVerstreken, false);

TEST_F(ClockTest, TimersHaveTheirIntervals) {
  EXPECT_EQ(Form().StatusTimer->Interval(), 1000);
  EXPECT_EQ(Form().PlaatjesTimer->Interval(), 700);
  EXPECT_EQ(Gauge()->maximum(), 120);
}

TEST_F(ClockTest, The120thTickEndsTheExerciseWithTheSolutions) {
  StartExercise(" 1 :  2 :  3 :  4");
  TickClock(119);
  EXPECT_EQ(Gauge()->value(), 119);
  EXPECT_EQ(Form().SpelStatus, kOpgaveMaken);
  DialogScript script({Click("OKButton")});
  TickClock();
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(script.Seen(), QStringList{kTimeIsUp});
  EXPECT_EQ(Form().SpelStatus, kOplossingTonen);
  EXPECT_EQ(Solutions(), testing::kSolutions1234);
  EXPECT_EQ(Form().FoutAantal, 1);
  EXPECT_EQ(Control<QLabel>("FoutAantalLabel")->text(), "1");
  EXPECT_FALSE(Form().StatusTimer->Enabled());
  EXPECT_FALSE(Form().DirectTonen);
}

// A question open at 118 holds the clock at 119; once it is answered "Nee" the next tick ends
// the exercise.
TEST_F(ClockTest, OpenMessageHoldsTheClockOneSecondShortOfTheEnd) {
  StartExercise(" 1 :  2 :  3 :  4");
  TickClock(118);
  QList<int> whileOpen;
  DialogScript script({DialogStep{"NeeButton",
                                  [&] {
                                    for (int i = 0; i < 3; ++i) {
                                      TickClock();
                                      whileOpen.append(Gauge()->value());
                                    }
                                  }},
                       Click("OKButton")});
  Press({"OplossingButton"});
  EXPECT_EQ(whileOpen, (QList<int>{119, 119, 119}));
  EXPECT_EQ(Form().SpelStatus, kOpgaveMaken);
  EXPECT_EQ(Form().FoutAantal, 0);
  TickClock();
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(script.Seen().back(), kTimeIsUp);
  EXPECT_EQ(Form().SpelStatus, kOplossingTonen);
  EXPECT_EQ(Form().FoutAantal, 1);
}

// The help box is no message: the clock runs out behind it and its notice opens on top.
TEST_F(ClockTest, HelpBoxDoesNotHoldTheClock) {
  StartExercise(" 1 :  2 :  3 :  4");
  TickClock(118);
  DialogScript script({DialogStep{"OK", [&] { TickClock(2); }}, Click("OKButton")});
  Press({"RekenHelpButton"});
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(script.Seen().back(), kTimeIsUp);
  EXPECT_EQ(Form().SpelStatus, kOplossingTonen);
}

// After a right answer the clock runs again under message 9 but stops at 119, and either answer
// stops it before it can end the exercise as a wrong one.
TEST_F(ClockTest, RightAnswerAtTheLastSecondIsNeverCountedWrong) {
  for (const char* answer : {"JaButton", "NeeButton"}) {
    SCOPED_TRACE(answer);
    StartExercise(" 1 :  2 :  3 :  4");
    TickClock(118);
    int held = 0;
    DialogScript script({DialogStep{answer, [&] {
                                      TickClock(5);
                                      held = Gauge()->value();
                                    }}});
    Press({"G1", "PlusButton", "G2", "R1", "PlusButton", "G3", "R2", "MaalButton", "G4"});
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(held, 119);
    EXPECT_FALSE(Form().StatusTimer->Enabled());
    EXPECT_EQ(Form().FoutAantal, 0);
    Form().ZetSpelStatus(kNiveauKiezen);
  }
  EXPECT_EQ(Form().GoedAantal, 2);
}

// One corner per tick in a fixed round, continued where it stopped when the timer runs again.
TEST_F(ClockTest, PicturesChangeOneCornerPerTickInTurn) {
  Form().Getallen = {11, 22, 33, 44, 55, 66, 77, 88, 99, 98};
  QLabel* corners[] = {Control<QLabel>("PlaatjeLabel1"), Control<QLabel>("PlaatjeLabel2"),
                       Control<QLabel>("PlaatjeLabel3"), Control<QLabel>("PlaatjeLabel4")};
  const int expectedCorner[] = {0, 1, 2, 3, 0, 1};
  for (int tick = 0; tick < 6; ++tick) {
    if (tick == 5) {
      // A pause in another status, then entering the numbers again.
      Form().ZetSpelStatus(kNiveauKiezen);
      Form().ZetSpelStatus(kInvoeren);
    }
    for (QLabel* corner : corners) {
      corner->setText("-");
    }
    TickPictures();
    for (int i = 0; i < 4; ++i) {
      const bool changed = i == expectedCorner[tick];
      EXPECT_EQ(corners[i]->text() != "-", changed) << "tick " << tick + 1 << " corner " << i + 1;
      if (changed) {
        const int shown = corners[i]->text().toInt();
        EXPECT_NE(std::find(Form().Getallen.begin(), Form().Getallen.end(), shown),
                  Form().Getallen.end())
            << shown;
      }
    }
  }
  EXPECT_EQ(Form().PlaatjeFase, 2);
}

TEST_F(ClockTest, PictureLabelsHaveTheirPlacesAndColours) {
  struct Picture {
    const char* name;
    QRect geometry;
    QColor colour;
  };
  const Picture pictures[] = {
      {"PlaatjeLabel1", {8, 8, 48, 59}, QColor(0, 255, 0)},
      {"PlaatjeLabel2", {128, 8, 48, 59}, QColor(255, 0, 0)},
      {"PlaatjeLabel3", {8, 136, 48, 59}, QColor(0, 0, 255)},
      {"PlaatjeLabel4", {128, 136, 48, 59}, QColor(255, 255, 0)},
      {"QuotumLabel1", {24, 32, 144, 118}, QColor(0, 0, 0)},
  };
  for (const Picture& picture : pictures) {
    QLabel* label = Control<QLabel>(picture.name);
    label->ensurePolished();
    EXPECT_EQ(label->geometry(), picture.geometry) << picture.name;
    EXPECT_EQ(label->palette().color(QPalette::WindowText), picture.colour) << picture.name;
    EXPECT_EQ(label->alignment(), Qt::AlignCenter) << picture.name;
  }
}

}  // namespace
}  // namespace reki
