#include <QButtonGroup>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/message_table.h"
#include "game/set_file.h"
#include "tests/support/dialog_script.h"
#include "tests/support/event_loop.h"
#include "tests/support/game_fixture.h"

namespace reki {
namespace {

using testing::Click;
using testing::DialogScript;

class EnumerationTest : public testing::GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Form().ZetSpelStatus(kInvoeren);
  }

  // Types a set as the user does: every edit committed as if it was left.
  void EnterSet(const NumberSet& numbers, std::int32_t target) {
    // First move the numbers out of the way, so that no typed number is already in the set.
    for (int i = 0; i < kNumberCount; ++i) {
      Form().Getallen[i] = 1000 + i;
    }
    for (int i = 0; i < kNumberCount; ++i) {
      Form().GetalEdit[i]->setText(QString::number(numbers[i]));
      Form().GetallenChange(Form().GetalEdit[i]);
    }
    Control<QLineEdit>("QuotumEdit")->setText(QString::number(target));
    ASSERT_EQ(Form().Quotum, target);
  }

  void Compute() { Control<QPushButton>("BerekenButton")->click(); }

  bool WaitUntilDone() {
    return testing::RunEventLoopUntil([this] { return !Form().Idle.Installed(); });
  }

  static QString Message(int nr) { return MessageText(nr, false); }
};

TEST_F(EnumerationTest, NewSetIsGradedStoredAndReadyToPlay) {
  const NumberSet reversed = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
  EnterSet(reversed, 25);
  DialogScript script({});
  Compute();
  EXPECT_EQ(Form().SpelStatus, kBerekenen);
  for (int i = 0; i < kNumberCount; ++i) {
    EXPECT_EQ(Form().GetalEdit[i]->text(), QString::number(i + 1));  // sorted
  }
  ASSERT_TRUE(WaitUntilDone());
  EXPECT_TRUE(script.Seen().isEmpty());
  EXPECT_EQ(Form().SpelStatus, kNiveauKiezen);
  EXPECT_EQ(Form().CombinatieTeller, 715);
  EXPECT_EQ(Control<QProgressBar>("WachtGauge")->value(), 714);

  const LevelTable expected = GradeSet(kDefaultNumbers, 25);
  EXPECT_EQ(Form().NiveauTabel, expected);
  const LevelLists lists = BuildLevelLists(kDefaultNumbers, expected);
  for (int level = 1; level <= kLevelCount; ++level) {
    EXPECT_EQ(Form().Lijst(level), lists[level - 1]) << level;
  }
  const SetFile file(QDir(ConfigDir()).filePath("Rekiplus.ini"));
  EXPECT_EQ(file.ReadNames(file.ReadCount()), std::vector<std::string>{"25;1:2:3:4:5:6:7:8:9:10:"});
  EXPECT_EQ(UnpackResults(file.ReadPacked(1)), (GradedSet{kDefaultNumbers, 25, expected}));
}

// After a computation the level drawn from is the easiest level with exercises, and the radio
// group shows that level too.
TEST_F(EnumerationTest, LevelShownIsTheLevelDrawnFrom) {
  Control<QRadioButton>("RadioGroup1_3")->setChecked(true);
  EnterSet({3, 7, 12, 19, 25, 31, 44, 58, 77, 99}, 36);
  DialogScript script({});
  Compute();
  ASSERT_TRUE(WaitUntilDone());
  int easiest = 1;
  while (Form().Lijst(easiest).empty()) {
    ++easiest;
  }
  EXPECT_EQ(Form().HuidigNiveau, easiest);
  EXPECT_EQ(Control<QButtonGroup>("RadioGroup1Buttons")->checkedId(), easiest - 1);
}

TEST_F(EnumerationTest, GaugeMovesEverySeventhCombination) {
  EnterSet(kDefaultNumbers, 25);
  Compute();
  Form().Idle.Remove();  // the test takes the turns itself
  for (int turn = 1; turn <= 13; ++turn) {
    Form().BerekenVolgende();
    const int expected = turn < 6 ? 0 : turn < 13 ? 7 : 14;
    EXPECT_EQ(Control<QProgressBar>("WachtGauge")->value(), expected) << turn;
  }
}

TEST_F(EnumerationTest, TargetNotAboveTheLargestNumberWarnsAndComputesAll) {
  EnterSet(kDefaultNumbers, 10);
  DialogScript script({Click("OKButton")});
  Compute();
  ASSERT_TRUE(WaitUntilDone());
  EXPECT_EQ(script.Seen(), QStringList{Message(kMsgNietAlleOplossingen)});
  EXPECT_EQ(Form().CombinatieTeller, 715);
  EXPECT_EQ(Form().SpelStatus, kNiveauKiezen);
}

TEST_F(EnumerationTest, DefaultSetIsRestoredInsteadOfComputed) {
  EnterSet({5, 3, 1, 2, 4, 10, 9, 8, 7, 6}, 24);
  Form().Lijst(2).clear();
  DialogScript script({Click("OKButton")});
  Compute();
  EXPECT_EQ(script.Seen(), QStringList{Message(kMsgAlBerekend)});
  EXPECT_EQ(Form().SpelStatus, kNiveauKiezen);
  EXPECT_FALSE(Form().Idle.Installed());
  EXPECT_EQ(Form().Getallen, kDefaultNumbers);
  EXPECT_EQ(Form().NiveauTabel, GradeSet(kDefaultNumbers, 24));
  std::size_t total = 0;
  for (int level = 1; level <= kLevelCount; ++level) {
    total += Form().Lijst(level).size();
  }
  EXPECT_EQ(total, 715u);
  EXPECT_FALSE(QFile::exists(QDir(ConfigDir()).filePath("Rekiplus.ini")));
}

TEST_F(EnumerationTest, SetWithoutSolutionsIsRefusedAndNotStored) {
  EnterSet(kDefaultNumbers, 971);  // no exercise of 1..10 reaches 971
  DialogScript script({Click("OKButton")});
  Compute();
  ASSERT_TRUE(WaitUntilDone());
  EXPECT_EQ(script.Seen(), QStringList{Message(kMsgGeenOplossing)});
  EXPECT_EQ(Form().SpelStatus, kInvoeren);
  EXPECT_EQ(Form().HuidigNiveau, 6);
  EXPECT_FALSE(QFile::exists(QDir(ConfigDir()).filePath("Rekiplus.ini")));
}

TEST_F(EnumerationTest, CancelStopsTheComputationAndKeepsWhatWasDone) {
  EnterSet(kDefaultNumbers, 25);
  Compute();
  ASSERT_TRUE(testing::RunEventLoopUntil([this] { return Form().CombinatieTeller >= 20; }));
  Control<QPushButton>("AnnuleerButton")->click();
  const int handled = Form().CombinatieTeller;
  QTest::qWait(20);
  EXPECT_EQ(Form().CombinatieTeller, handled);
  EXPECT_LT(handled, 715);
  EXPECT_EQ(Form().SpelStatus, kInvoeren);
  std::size_t total = 0;
  for (int level = 1; level <= kLevelCount; ++level) {
    total += Form().Lijst(level).size();
  }
  EXPECT_EQ(total, static_cast<std::size_t>(handled));
  // Cancel outside a computation opens the grid.
  Control<QPushButton>("AnnuleerButton")->click();
  EXPECT_EQ(Form().SpelStatus, kSetKiezen);
}

// A set that cannot be stored is still played: the error is shown, then the level choice.
TEST_F(EnumerationTest, WriteErrorIsShownAndTheComputedSetIsKept) {
  ASSERT_TRUE(QDir(ConfigDir()).mkdir("Rekiplus.ini"));  // nothing can be written there
  EnterSet(kDefaultNumbers, 25);
  DialogScript script({Click("OK")});
  Compute();
  ASSERT_TRUE(WaitUntilDone());
  ASSERT_EQ(script.Seen().size(), 1);
  EXPECT_TRUE(script.Seen().front().startsWith("Unable to write to "));
  EXPECT_TRUE(script.Seen().front().endsWith("Rekiplus.ini"));
  EXPECT_EQ(script.Titles().front(), "Rekiplus v2.1+");
  EXPECT_EQ(Form().SpelStatus, kNiveauKiezen);
  EXPECT_EQ(Form().NiveauTabel, GradeSet(kDefaultNumbers, 25));
}

}  // namespace
}  // namespace reki
