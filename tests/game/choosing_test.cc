#include <QAction>
#include <QButtonGroup>
#include <QMenu>
#include <QRadioButton>
#include <map>

#include "tests/game/play_fixture.h"
#include "tests/support/dialog_script.h"

namespace reki {
namespace {

using testing::Click;
using testing::DialogScript;

class ChoosingTest : public testing::PlayTest {
 protected:
  QMenu* LevelMenu() { return Control<QMenu>("NiveauKiezen1"); }

  // Opens the "Niveau" menu as the user does and closes it again.
  void OpenLevelMenu() {
    LevelMenu()->popup(QPoint(0, 0));
    LevelMenu()->hide();
  }

  // The level items that carry a check mark, 1..5.
  std::vector<int> CheckedItems() {
    std::vector<int> checked;
    const QList<QAction*> items = LevelMenu()->actions();
    for (int i = 0; i < items.size(); ++i) {
      if (items[i]->isChecked()) {
        checked.push_back(i + 1);
      }
    }
    return checked;
  }

  int SelectedLevel() { return Control<QButtonGroup>("RadioGroup1Buttons")->checkedId() + 1; }

  void SelectInRadioGroup(int level) {
    Control<QRadioButton>(("RadioGroup1_" + std::to_string(level - 1)).c_str())->click();
  }

  bool NoticeShown() {
    return Shown("NiveauMemo") && !Shown("OpgaveSelectButton") && !Shown("AndereGetallenButton");
  }
  bool ButtonsShown() {
    return !Shown("NiveauMemo") && !Shown("NiveauMemo_ENG") && Shown("OpgaveSelectButton") &&
           Shown("AndereGetallenButton");
  }
};

TEST_F(ChoosingTest, StartsOnTheEasiestLevelWithItsCheckMark) {
  EXPECT_EQ(Form().HuidigNiveau, 1);
  EXPECT_EQ(SelectedLevel(), 1);
  EXPECT_EQ(CheckedItems(), std::vector<int>{1});
  EXPECT_TRUE(ButtonsShown());
}

// The menu selects in the radio group; its check marks show the radio group's selection as it
// was when the menu was opened, and are refreshed on the next opening.
TEST_F(ChoosingTest, MenuSelectsTheLevelAndItsMarkFollowsOnTheNextOpening) {
  SelectInRadioGroup(2);
  EXPECT_EQ(Form().HuidigNiveau, 2);
  OpenLevelMenu();
  EXPECT_EQ(CheckedItems(), std::vector<int>{2});

  Control<QAction>("Lastig1")->trigger();
  EXPECT_EQ(SelectedLevel(), 4);
  EXPECT_EQ(Form().HuidigNiveau, 4);
  EXPECT_EQ(CheckedItems(), std::vector<int>{2});  // not yet moved
  OpenLevelMenu();
  EXPECT_EQ(CheckedItems(), std::vector<int>{4});
}

TEST_F(ChoosingTest, ChoosingTheSelectedLevelInTheMenuRunsNoSelection) {
  Form().HuidigNiveau = 3;  // would become 1 if the radio group's handler ran
  Control<QAction>("ErgEenvoudig1")->trigger();
  EXPECT_EQ(Form().HuidigNiveau, 3);
  EXPECT_EQ(SelectedLevel(), 1);
  OpenLevelMenu();
  EXPECT_EQ(CheckedItems(), std::vector<int>{1});
}

// An empty level shows the notice and keeps the level chosen before, whether the user selects it
// in the radio group or in the menu, or code changes the selection.
TEST_F(ChoosingTest, EmptyLevelShowsTheNoticeUntilALevelWithExercisesIsChosen) {
  Form().Lijst(3).clear();
  Form().Lijst(5).clear();
  SelectInRadioGroup(2);

  SelectInRadioGroup(3);
  EXPECT_TRUE(NoticeShown());
  EXPECT_EQ(Form().HuidigNiveau, 2);
  Control<QAction>("Zeerlastig1")->trigger();
  EXPECT_TRUE(NoticeShown());
  EXPECT_EQ(Form().HuidigNiveau, 2);

  Control<QRadioButton>("RadioGroup1_3")->setChecked(true);
  EXPECT_TRUE(ButtonsShown());
  EXPECT_EQ(Form().HuidigNiveau, 4);
}

TEST_F(ChoosingTest, DrawWritesTheExerciseAndStartsTheClockAtZero) {
  Gauge()->setValue(73);
  StartExercise(" 3 :  7 : 12 : 24");
  EXPECT_EQ(Exercise(), (QStringList{"3", "7", "12", "24"}));
  EXPECT_EQ(Gauge()->value(), 0);
  EXPECT_TRUE(Form().StatusTimer->Enabled());
  EXPECT_EQ(Caption("G3"), "12");
  // The entry stays in its list and is drawn again.
  Form().ZetSpelStatus(kNiveauKiezen);
  Control<QAction>("OpgaveKiezen1")->trigger();
  EXPECT_EQ(Form().SpelStatus, kOpgaveMaken);
  EXPECT_EQ(Exercise(), (QStringList{"3", "7", "12", "24"}));
  EXPECT_EQ(Form().Lijst(1).size(), 1u);
}

TEST_F(ChoosingTest, DrawIsFromHuidigNiveauAndEveryEntryComesUp) {
  Form().Lijst(2) = {" 1 :  1 :  1 :  1", " 2 :  2 :  2 :  2", " 3 :  3 :  3 :  3",
                     " 4 :  4 :  4 :  4"};
  Form().HuidigNiveau = 2;  // the radio group still selects level 1
  Form().Willekeurig.Seed(7);
  std::map<QString, int> drawn;
  for (int i = 0; i < 400; ++i) {
    Form().OpgaveKiezenClick();
    ++drawn[Control<QLineEdit>("Edit1")->text()];
  }
  ASSERT_EQ(drawn.size(), 4u);
  for (const auto& [number, times] : drawn) {
    EXPECT_GT(times, 70) << number.toStdString();
  }
}

// After a stored set HuidigNiveau can be a level that the new set leaves empty, while the level
// selected in the radio group has exercises. Drawing then shows the notice instead of an error.
TEST_F(ChoosingTest, DrawFromAnEmptyLevelShowsTheNoticeAndDrawsNothing) {
  Form().HuidigNiveau = 4;
  Form().Lijst(4).clear();
  const QStringList before = Exercise();
  DialogScript script({Click("OK")});
  Control<QAction>("OpgaveKiezen1")->trigger();
  EXPECT_FALSE(script.Done()) << script.Seen().join("").toStdString();
  EXPECT_EQ(Form().SpelStatus, kNiveauKiezen);
  EXPECT_TRUE(NoticeShown());
  EXPECT_EQ(Exercise(), before);
}

TEST_F(ChoosingTest, EntryThatDoesNotParseIsReportedAndChangesNothing) {
  Form().Lijst(1) = {" 3 :  x : 12 : 24"};
  Gauge()->setValue(73);
  const QStringList before = Exercise();
  DialogScript script({Click("OK")});
  Button("OpgaveSelectButton")->click();
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(script.Seen().front(), "' x' is not a valid integer value");
  EXPECT_EQ(Form().SpelStatus, kNiveauKiezen);
  EXPECT_EQ(Exercise(), before);
  EXPECT_EQ(Gauge()->value(), 73);
}

}  // namespace
}  // namespace reki
