#include <QAction>
#include <QLabel>

#include "dialogs/message_table.h"
#include "tests/game/play_fixture.h"
#include "tests/support/dialog_script.h"

namespace reki {
namespace {

using testing::Click;
using testing::DialogScript;
using testing::DialogStep;

using PlayingTest = testing::PlayTest;

QString Message(int nr) {
  return MessageText(nr, false);
}

// The three pieces of a step can come in any order; the text keeps left, operation, right.
TEST_F(PlayingTest, StepPiecesInAnyOrderGiveTheSameFinishedStep) {
  struct Order {
    std::initializer_list<const char*> clicks;
    QStringList texts;  // R1 after each click
  };
  const Order orders[] = {
      {{"G1", "PlusButton", "G2"}, {"7 ", "7 + ", "7 + 5 = 12"}},
      {{"PlusButton", "G1", "G2"}, {"+ ", "7 + ", "7 + 5 = 12"}},
      {{"G1", "G2", "PlusButton"}, {"7 ", "7 5", "7 + 5 = 12"}},
  };
  StartExercise(" 7 :  5 :  3 :  2");
  for (const Order& order : orders) {
    SCOPED_TRACE(order.texts.join("|").toStdString());
    QStringList texts;
    for (const char* click : order.clicks) {
      Press({click});
      texts.append(Caption("R1"));
    }
    EXPECT_EQ(texts, order.texts);
    EXPECT_TRUE(Button("R1")->isEnabled());
    EXPECT_FALSE(Button("G1")->isEnabled());
    EXPECT_FALSE(Button("G2")->isEnabled());
    EXPECT_EQ(Form().StapNummer, 2);
    EXPECT_EQ(Form().AantalOperanden, 0);
    EXPECT_FALSE(Form().OperatieGekozen);
    Press({"FoutButton"});
  }
}

TEST_F(PlayingTest, ThirdOperandWithoutAnOperationChangesNothing) {
  StartExercise(" 7 :  5 :  3 :  2");
  Press({"G1", "G2", "G3"});
  EXPECT_EQ(Caption("R1"), "7 5");
  EXPECT_TRUE(Button("G3")->isEnabled());
  EXPECT_EQ(Form().AantalOperanden, 2);
}

TEST_F(PlayingTest, DivisionByZeroWaitsForAnotherOperation) {
  StartExercise(" 5 :  5 :  7 :  1");
  Press({"G1", "MinButton", "G2"});
  EXPECT_EQ(Caption("R1"), "5 - 5 = 0");
  Press({"G3", "DeelButton", "R1"});
  EXPECT_EQ(Caption("R2"), "7 : 0 = ---7/0");
  EXPECT_FALSE(Button("R2")->isEnabled());
  EXPECT_EQ(Form().StapNummer, 2);
  Press({"PlusButton"});
  EXPECT_EQ(Caption("R2"), "7 + 0 = 7");
  EXPECT_TRUE(Button("R2")->isEnabled());
  EXPECT_EQ(Form().StapNummer, 3);
}

// A finished step's caption is cut at 20 characters; the operand it gives is its exact result.
TEST_F(PlayingTest, ResultButtonGivesTheExactResultOfACutStep) {
  StartExercise("99 : 97 : 98 : 97");
  Press({"G1", "DeelButton", "G2"});
  EXPECT_EQ(Caption("R1"), "99 : 97 = 99/97");
  Press({"R1", "MinButton", "G3"});
  EXPECT_EQ(Caption("R2"), "99/97 - 98 = -9407/9");
  EXPECT_EQ(Button("R2")->toolTip(), "99/97 - 98 = -9407/97");
  Press({"R2", "MaalButton"});
  EXPECT_EQ(Form().HuidigeStap.left, (Fraction{-9407, 97}));
  EXPECT_EQ(Caption("R3"), "-9407/97 x ");
  EXPECT_FALSE(Button("R2")->isEnabled());
}

TEST_F(PlayingTest, NegativeAndFractionalResultsAreOperands) {
  StartExercise(" 3 :  5 :  7 :  2");
  DialogScript script({Click("NeeButton")});
  Press({"G1", "MinButton", "G2", "G3", "DeelButton", "G4", "R1", "PlusButton", "R2"});
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(Caption("R1"), "3 - 5 = -2");
  EXPECT_EQ(Caption("R2"), "7 : 2 = 7/2");
  EXPECT_EQ(Caption("R3"), "-2 + 7/2 = 3/2");
  EXPECT_EQ(script.Seen(), QStringList{Message(kMsgAntwoordFout)});
}

// The third step is right only when it gives exactly the whole target.
TEST_F(PlayingTest, JudgingIsOnTheExactValue) {
  struct Case {
    const char* entry;  // steps: G1 x G2, G3 x G4, R1 : R2
    int message;
  };
  const Case cases[] = {
      {" 6 :  8 :  1 :  2", kMsgAntwoordGoed},  // 48 : 2 = 24
      {" 7 :  7 :  1 :  2", kMsgAntwoordFout},  // 49 : 2 = 49/2
      {" 4 :  6 :  1 :  5", kMsgAntwoordFout},  // 24 : 5 = 24/5
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    Form().ZetSpelStatus(kNiveauKiezen);
    StartExercise(c.entry);
    DialogScript script({Click("NeeButton")});
    Press({"G1", "MaalButton", "G2", "G3", "MaalButton", "G4", "R1", "DeelButton", "R2"});
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(script.Seen(), QStringList{Message(c.message)});
    Press({"FoutButton"});  // after a wrong answer the pupil starts again
  }
}

// Every road from a judged answer, played on the exercise 1 2 3 4 for 24.
struct Road {
  const char* name;
  std::initializer_list<const char*> clicks;
  const char* answer;  // to message 8 or 9
  int message;
  int status;
  int goed, fout;
};

const std::initializer_list<const char*> kRight = {
    "G1", "PlusButton", "G2", "R1", "PlusButton", "G3", "R2", "MaalButton", "G4"};  // 24
const std::initializer_list<const char*> kWrong = {
    "G1", "PlusButton", "G2", "R1", "PlusButton", "G3", "R2", "PlusButton", "G4"};  // 10

const Road kRoads[] = {
    {"RightJa", kRight, "JaButton", kMsgAntwoordGoed, kOplossingTonen, 1, 0},
    {"RightNee", kRight, "NeeButton", kMsgAntwoordGoed, kNiveauKiezen, 1, 0},
    {"WrongJa", kWrong, "JaButton", kMsgAntwoordFout, kOplossingTonen, 0, 1},
    {"WrongNee", kWrong, "NeeButton", kMsgAntwoordFout, kOpgaveMaken, 0, 0},
};

void PrintTo(const Road& road, std::ostream* out) {
  *out << road.name;
}

class RoadTest : public PlayingTest, public ::testing::WithParamInterface<Road> {};

TEST_P(RoadTest, JudgesCountsAndMovesOn) {
  const Road& road = GetParam();
  StartExercise(" 1 :  2 :  3 :  4");
  TickClock(30);
  bool resetWhileOpen = false;
  DialogScript script({DialogStep{road.answer, [&] {
                                    resetWhileOpen = Caption("R1").isEmpty() &&
                                                     Button("G1")->isEnabled() &&
                                                     Form().StapNummer == 1;
                                  }}});
  for (const char* click : road.clicks) {
    Press({click});
  }
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(script.Seen(), QStringList{Message(road.message)});
  EXPECT_EQ(Form().SpelStatus, road.status);
  EXPECT_EQ(Form().GoedAantal, road.goed);
  EXPECT_EQ(Form().FoutAantal, road.fout);
  EXPECT_EQ(Control<QLabel>("GoedAantalLabel")->text(), QString::number(road.goed));
  EXPECT_EQ(Control<QLabel>("FoutAantalLabel")->text(), QString::number(road.fout));
  EXPECT_EQ(Solutions(), road.status == kOplossingTonen ? testing::kSolutions1234 : QStringList{});
  EXPECT_EQ(Form().StatusTimer->Enabled(), road.status == kOpgaveMaken);
  const bool right = road.message == kMsgAntwoordGoed;
  EXPECT_EQ(resetWhileOpen, right);
  EXPECT_EQ(Form().DirectTonen, road.status == kOpgaveMaken);
}

INSTANTIATE_TEST_SUITE_P(AllRoads, RoadTest, ::testing::ValuesIn(kRoads),
                         [](const auto& info) { return info.param.name; });

// After a wrong answer and "Nee" the pupil may go on with the last step; any later request for
// the solutions shows them without asking.
TEST_F(PlayingTest, AfterWrongAndNeeTheLastStepCanChangeAndTheMenuShowsWithoutAsking) {
  StartExercise(" 1 :  2 :  3 :  4");
  {
    DialogScript script({Click("NeeButton"), Click("NeeButton")});
    for (const char* click : kWrong) {
      Press({click});
    }
    EXPECT_FALSE(Button("OplossingButton")->isEnabled());
    EXPECT_FALSE(Button("G4")->isEnabled());
    EXPECT_EQ(Form().SpelStatus, kOpgaveMaken);
    Press({"MaalButton"});  // step 3 becomes 6 x 4: judged again
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(script.Seen(), (QStringList{Message(kMsgAntwoordFout), Message(kMsgAntwoordGoed)}));
  }
  EXPECT_EQ(Form().SpelStatus, kNiveauKiezen);
  EXPECT_EQ(Form().GoedAantal, 1);

  // The next exercise: the first request for the solutions does not ask.
  StartExercise(" 1 :  2 :  3 :  4");
  DialogScript script({Click("OK")});
  Control<QAction>("Oplossing1")->trigger();
  EXPECT_FALSE(script.Done());
  EXPECT_EQ(Form().SpelStatus, kOplossingTonen);
  EXPECT_EQ(Form().FoutAantal, 1);
  EXPECT_FALSE(Form().DirectTonen);
}

TEST_F(PlayingTest, AfterWrongAndNeeTheMenuShowsTheSolutionsWithoutMessage2) {
  StartExercise(" 1 :  2 :  3 :  4");
  DialogScript script({Click("NeeButton"), Click("OK")});
  for (const char* click : kWrong) {
    Press({click});
  }
  Control<QAction>("Oplossing1")->trigger();
  EXPECT_EQ(script.Seen(), QStringList{Message(kMsgAntwoordFout)});
  EXPECT_EQ(Form().SpelStatus, kOplossingTonen);
  EXPECT_EQ(Form().FoutAantal, 1);
  EXPECT_EQ(Solutions(), testing::kSolutions1234);
}

TEST_F(PlayingTest, TerugRestartsTheAnswerThenLeadsBackToTheLevelChoice) {
  StartExercise(" 1 :  2 :  3 :  4");
  TickClock(37);
  Press({"G1", "PlusButton", "G2", "R1", "MaalButton", "G3"});
  ASSERT_EQ(Form().StapNummer, 3);
  Press({"FoutButton"});
  EXPECT_EQ(Form().SpelStatus, kOpgaveMaken);
  for (const char* result : {"R1", "R2", "R3"}) {
    EXPECT_EQ(Caption(result), "") << result;
    EXPECT_FALSE(Button(result)->isEnabled()) << result;
  }
  const char* numbers[] = {"1", "2", "3", "4"};
  const char* buttons[] = {"G1", "G2", "G3", "G4"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Caption(buttons[i]), numbers[i]);
    EXPECT_TRUE(Button(buttons[i])->isEnabled());
  }
  EXPECT_EQ(Form().StapNummer, 1);
  EXPECT_EQ(Form().AantalOperanden, 0);
  EXPECT_FALSE(Form().OperatieGekozen);
  EXPECT_EQ(Gauge()->value(), 37);
  EXPECT_TRUE(Form().StatusTimer->Enabled());

  DialogScript script({Click("JaButton")});
  Press({"OplossingButton"});
  ASSERT_EQ(Form().SpelStatus, kOplossingTonen);
  Press({"FoutButton"});
  EXPECT_EQ(Form().SpelStatus, kNiveauKiezen);
  EXPECT_EQ(Form().FoutAantal, 1);
}

}  // namespace
}  // namespace reki
