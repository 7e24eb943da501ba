#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "dialogs/message_table.h"
#include "game/set_file.h"
#include "platform/profile_file.h"
#include "tests/support/dialog_script.h"
#include "tests/support/game_fixture.h"

namespace reki {
namespace {

using testing::Click;
using testing::DialogScript;

class GridTest : public testing::GameTest {
 protected:
  QString FilePath() { return QDir(ConfigDir()).filePath("Rekiplus.ini"); }

  // Stores sets 1..count: the numbers 1..10 with targets 30, 31, ..., each with its own grading.
  void StoreSets(int count) {
    for (int k = 1; k <= count; ++k) {
      SetFile(FilePath()).Store({kDefaultNumbers, 29 + k, GradeSet(kDefaultNumbers, 29 + k)});
    }
  }

  QTableWidget* Grid() { return Control<QTableWidget>("StringGrid1"); }

  // Opens the grid from the level choice; the window is on screen, for the mouse.
  void OpenGrid() {
    Form().show();
    Control<QPushButton>("AndereGetallenButton")->click();
  }

  // The point in the middle of the grid's row r, counted as the picks count them (row 1 is the
  // default set, below the header).
  QPoint RowCenter(int r) {
    const QRect cell = Grid()->visualItemRect(Grid()->item(r - 1, 3));
    return cell.center();
  }

  QString Cell(int r, int column) { return Grid()->item(r - 1, column)->text(); }
};

TEST_F(GridTest, WithoutStoredSetsOnlyTheDefaultSetIsListed) {
  OpenGrid();
  EXPECT_EQ(Form().SpelStatus, kSetKiezen);
  EXPECT_EQ(Grid()->rowCount() + 1, 2);  // the header and row 1
  EXPECT_EQ(Grid()->horizontalHeaderItem(0)->text(), "Q");
  EXPECT_EQ(Grid()->horizontalHeaderItem(10)->text(), "10");
  EXPECT_EQ(Cell(1, 0), "24");
  EXPECT_EQ(Cell(1, 10), "10");
  EXPECT_EQ(Grid()->columnWidth(0), 27);
  EXPECT_EQ(Grid()->columnWidth(1), 18);
  // "Selecteer spel" without a pick restores the default set.
  Control<QPushButton>("SelecteerButton")->click();
  EXPECT_EQ(Form().SpelStatus, kNiveauKiezen);
  EXPECT_EQ(Form().Getallen, kDefaultNumbers);
  EXPECT_EQ(Form().Quotum, 24);
}

TEST_F(GridTest, StoredSetsAreListedAndTheGridWidensBeyondSix) {
  StoreSets(6);
  OpenGrid();
  EXPECT_EQ(Grid()->rowCount() + 1, 8);
  EXPECT_EQ(Grid()->width(), 222);
  EXPECT_EQ(Cell(7, 0), "35");
  EXPECT_EQ(Cell(7, 1), "1");
  StoreSets(7);  // the same six again and one more
  Control<QPushButton>("AndersButton")->click();
  OpenGrid();
  EXPECT_EQ(Grid()->rowCount() + 1, 9);
  EXPECT_GT(Grid()->width(), 223);
}

TEST_F(GridTest, DoubleClickOnRowThreeRestoresStoredSetTwo) {
  StoreSets(3);
  OpenGrid();
  QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, RowCenter(3));
  EXPECT_EQ(Form().SpelStatus, kNiveauKiezen);
  EXPECT_EQ(Form().Quotum, 31);
  EXPECT_EQ(Form().NiveauTabel, GradeSet(kDefaultNumbers, 31));
  const LevelLists lists = BuildLevelLists(kDefaultNumbers, GradeSet(kDefaultNumbers, 31));
  for (int level = 1; level <= kLevelCount; ++level) {
    EXPECT_EQ(Form().Lijst(level), lists[level - 1]) << level;
  }
}

TEST_F(GridTest, PickStaysOnHeaderClicksAndResetsWhenTheGridOpensAgain) {
  StoreSets(2);
  OpenGrid();
  QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, RowCenter(2));
  EXPECT_EQ(Form().GekozenRij, 2);
  QTest::mouseClick(Grid()->horizontalHeader()->viewport(), Qt::LeftButton);
  QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {},
                    QPoint(5, Grid()->viewport()->height() - 2));
  EXPECT_EQ(Form().GekozenRij, 2);
  Form().ZetSpelStatus(kSetKiezen);
  EXPECT_EQ(Form().GekozenRij, 1);
}

TEST_F(GridTest, UnreadableSetGivesMessageTenAndKeepsTheSet) {
  StoreSets(2);
  ProfileFile file(FilePath());
  file.WriteString("31;1:2:3:4:5:6:7:8:9:10:", "1", "12345");  // too short
  file.Save();
  OpenGrid();
  QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, RowCenter(3));
  DialogScript script({Click("OKButton")});
  Control<QPushButton>("SelecteerButton")->click();
  EXPECT_EQ(script.Seen(), QStringList{MessageText(kMsgLeesFout, false)});
  EXPECT_EQ(Form().SpelStatus, kSetKiezen);
  EXPECT_EQ(Form().Quotum, 24);
  EXPECT_EQ(Form().Getallen, kDefaultNumbers);
  for (int level = 1; level <= kLevelCount; ++level) {
    EXPECT_TRUE(Form().Lijst(level).empty());
  }
}

TEST_F(GridTest, AndereGetallenTwiceGoesFromTheGridToEntering) {
  OpenGrid();
  EXPECT_EQ(Form().SpelStatus, kSetKiezen);
  Control<QAction>("Anders1")->trigger();
  EXPECT_EQ(Form().SpelStatus, kInvoeren);
}

}  // namespace
}  // namespace reki
