#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>

#include "dialogs/message_table.h"
#include "tests/game/play_fixture.h"
#include "tests/support/dialog_script.h"

namespace reki {
namespace {

using testing::Click;
using testing::DialogScript;
using testing::kSolutions1234;

using SolutionsTest = testing::PlayTest;

// While the clock runs the pupil is asked first: "Nee" leaves the exercise running, "Ja" ends
// it with the solutions and counts it as wrong.
TEST_F(SolutionsTest, AskingDuringTheExerciseNeeContinuesJaLists) {
  StartExercise(" 1 :  2 :  3 :  4");
  TickClock(50);
  {
    DialogScript script({Click("NeeButton")});
    Press({"OplossingButton"});
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(script.Seen().front(), MessageText(kMsgTijdNogNietVerstreken, false));
  }
  EXPECT_EQ(Form().SpelStatus, kOpgaveMaken);
  EXPECT_TRUE(Form().StatusTimer->Enabled());
  EXPECT_EQ(Gauge()->value(), 50);
  EXPECT_EQ(Form().FoutAantal, 0);
  EXPECT_TRUE(Solutions().isEmpty());

  DialogScript script({Click("JaButton")});
  Control<QAction>("Oplossing1")->trigger();
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(Form().SpelStatus, kOplossingTonen);
  EXPECT_FALSE(Form().StatusTimer->Enabled());
  EXPECT_EQ(Form().FoutAantal, 1);
  EXPECT_EQ(Control<QLabel>("FoutAantalLabel")->text(), "1");
  EXPECT_EQ(Exercise(), (QStringList{"1", "2", "3", "4"}));
  EXPECT_EQ(Solutions(), kSolutions1234);
}

TEST_F(SolutionsTest, NothingHappensWithTheClockOffAndNobodyDeciding) {
  StartExercise(" 1 :  2 :  3 :  4");
  Form().StatusTimer->SetEnabled(false);
  DialogScript script({Click("JaButton")});
  Form().OplossingButtonClick(nullptr);
  EXPECT_FALSE(script.Done());
  EXPECT_EQ(Form().SpelStatus, kOpgaveMaken);
  EXPECT_EQ(Form().FoutAantal, 0);
}

TEST_F(SolutionsTest, SelectedLineGoesToTheClipboard) {
  StartExercise(" 1 :  2 :  3 :  4");
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText("kept");
  DialogScript script({Click("JaButton")});
  Press({"OplossingButton"});
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(clipboard->text(), "kept");  // listing selects nothing

  QListWidget* list = Control<QListWidget>("OplossingenListBox");
  list->setCurrentRow(2);
  EXPECT_EQ(clipboard->text(), "(3 + 1) x (2 + 4) = 24");
  list->setCurrentRow(0);
  EXPECT_EQ(clipboard->text(), "((1 + 2) + 3) x 4 = 24");
}

TEST_F(SolutionsTest, RekenSolvesTheEditsAndLeavesTheGameAlone) {
  StartExercise(" 1 :  2 :  3 :  4");
  TickClock(12);
  const char* numbers[] = {"1", "5", "5", "5"};
  const char* edits[] = {"Edit1", "Edit2", "Edit3", "Edit4"};
  for (int i = 0; i < 4; ++i) {
    Control<QLineEdit>(edits[i])->setText(numbers[i]);
  }
  Press({"RekenButton"});
  EXPECT_EQ(Solutions(), QStringList{"5 x (5 - (1 : 5)) = 24"});
  EXPECT_EQ(Form().SpelStatus, kOpgaveMaken);
  EXPECT_EQ(Form().FoutAantal, 0);
  EXPECT_TRUE(Form().StatusTimer->Enabled());
  EXPECT_EQ(Gauge()->value(), 12);
}

}  // namespace
}  // namespace reki
