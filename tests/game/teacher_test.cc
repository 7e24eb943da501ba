#include <QAction>

#include "engine/grading.h"
#include "tests/game/play_fixture.h"

namespace reki {
namespace {

// The menu item is hidden in the game (the status tests check it); the panel is tested as it
// works once the item is shown.
class TeacherTest : public testing::PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    Docent()->setVisible(true);
  }
  QAction* Docent() { return Control<QAction>("Docent1"); }
  QString LevelShown() { return Control<QLineEdit>("NiveauEdit")->text(); }

  QStringList Entries() { return Lines("ListBox1"); }
  QStringList LevelList(int level) {
    QStringList entries;
    for (const std::string& entry : Form().Lijst(level)) {
      entries.append(QString::fromStdString(entry));
    }
    return entries;
  }
};

// The panel opens on the list after the one shown last and comes round through all six,
// the impossible exercises included.
TEST_F(TeacherTest, PanelCyclesThroughTheSixListsAndShowsAnExercise) {
  EXPECT_EQ(LevelShown(), "Erg eenvoudig");
  Control<QListWidget>("OplossingenListBox")->addItem("(3 + 1) x (2 + 4) = 24");
  Docent()->trigger();
  EXPECT_TRUE(Solutions().isEmpty());
  EXPECT_EQ(Form().SpelStatus, kDocentModus);
  EXPECT_TRUE(Shown("DocentPanel"));
  EXPECT_EQ(LevelShown(), "Eenvoudig");
  EXPECT_EQ(Entries(), LevelList(2));

  const int cycle[] = {3, 4, 5, 6, 1, 2};
  for (int level : cycle) {
    Button("NiveauButton")->click();
    EXPECT_EQ(LevelShown(), QString::fromUtf8(LevelName(level).data())) << level;
    EXPECT_EQ(Entries(), LevelList(level)) << level;
    EXPECT_FALSE(Entries().isEmpty()) << level;
  }
}

TEST_F(TeacherTest, EntryShowsItsNumbersAndSolutionsOrGeenOplossing) {
  Form().Lijst(6) = {" 1 :  1 :  1 :  1"};
  Form().Lijst(1) = {" 1 :  2 :  3 :  4"};
  Form().DocentSet = 5;
  Docent()->trigger();
  ASSERT_EQ(LevelShown(), "Onmogelijk");
  Control<QListWidget>("ListBox1")->setCurrentRow(0);
  EXPECT_EQ(Exercise(), (QStringList{"1", "1", "1", "1"}));
  EXPECT_EQ(Solutions(), QStringList{"Geen oplossing!"});

  Button("NiveauButton")->click();
  ASSERT_EQ(LevelShown(), "Erg eenvoudig");
  EXPECT_EQ(Solutions(), QStringList{"Geen oplossing!"});  // kept until an entry is chosen
  Control<QListWidget>("ListBox1")->setCurrentRow(0);
  EXPECT_EQ(Exercise(), (QStringList{"1", "2", "3", "4"}));
  EXPECT_EQ(Solutions(), testing::kSolutions1234);
}

TEST_F(TeacherTest, ClosingReturnsToTheLevelChoiceWithTheGameUnchanged) {
  Form().GoedAantal = 3;
  Form().HuidigNiveau = 2;
  Docent()->trigger();
  Control<QListWidget>("ListBox1")->setCurrentRow(0);
  Docent()->trigger();
  EXPECT_EQ(Form().SpelStatus, kNiveauKiezen);
  EXPECT_TRUE(Shown("NiveauPanel"));
  EXPECT_EQ(Form().GoedAantal, 3);
  EXPECT_EQ(Form().FoutAantal, 0);
  EXPECT_EQ(Form().HuidigNiveau, 2);
}

// The clock stops while the panel is open and runs on from where it stood; the number buttons
// take the exercise last chosen in the panel.
TEST_F(TeacherTest, ClosingIntoAnExerciseRestartsTheClockWhereItStood) {
  StartExercise(" 1 :  2 :  3 :  4");
  TickClock(20);
  Form().Lijst(3) = {" 5 :  6 :  7 :  8"};
  Form().DocentSet = 2;
  Docent()->trigger();
  EXPECT_FALSE(Form().StatusTimer->Enabled());
  Control<QListWidget>("ListBox1")->setCurrentRow(0);
  Docent()->trigger();
  EXPECT_EQ(Form().SpelStatus, kOpgaveMaken);
  EXPECT_TRUE(Form().StatusTimer->Enabled());
  EXPECT_EQ(Gauge()->value(), 20);
  EXPECT_EQ(Caption("G1"), "5");
  EXPECT_EQ(Caption("G4"), "8");
}

}  // namespace
}  // namespace reki
