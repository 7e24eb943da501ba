#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/message_table.h"
#include "tests/support/dialog_script.h"
#include "tests/support/game_fixture.h"

namespace reki {
namespace {

using testing::Click;
using testing::DialogScript;

class NumberEntryTest : public testing::GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Form().ZetSpelStatus(kInvoeren);
  }
  QLineEdit* Edit(int i) { return Form().GetalEdit[i - 1]; }
  QLineEdit* Target() { return Control<QLineEdit>("QuotumEdit"); }
  static QString Message(int nr) { return MessageText(nr, false); }

  // Shows the window and gives it the focus, so that focus changes happen as for a user.
  void ShowActive() {
    Form().show();
    Form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
  }
};

struct EntryCase {
  const char* typed;
  int message;  // -1: none
  const char* shown;
  std::int32_t stored;
};

// Edit 3 holds 3 and the set is 1..10.
TEST_F(NumberEntryTest, LeavingANumberEditChecksWhatWasTyped) {
  const EntryCase cases[] = {
      {"0", kMsgGetalBuitenBereik, "", 3},
      {"100", kMsgGetalBuitenBereik, "", 3},
      {"-3", kMsgGetalBuitenBereik, "", 3},
      {"123456", kMsgGetalBuitenBereik, "", 3},
      {" 17", -1, "17", 17},
      {"+17", -1, "17", 17},
      {"017", -1, "17", 17},
      {"7 ", kMsgGetalVergeten, "3", 3},
      {"7a", kMsgGetalVergeten, "3", 3},
      {"", kMsgGetalVergeten, "3", 3},
      {"7", kMsgGetalTweeMaal, "3", 3},
      {"3", -1, "3", 3},  // unchanged: no error
  };
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(c.typed);
    Form().Getallen = kDefaultNumbers;
    Edit(3)->setText(c.typed);
    DialogScript script({Click("OKButton")});
    Form().GetallenChange(Edit(3));
    EXPECT_EQ(script.Seen(), c.message < 0 ? QStringList() : QStringList{Message(c.message)});
    EXPECT_EQ(Edit(3)->text(), c.shown);
    EXPECT_EQ(Form().Getallen[2], c.stored);
  }
}

TEST_F(NumberEntryTest, TabbingThroughUnchangedEditsGivesNoMessage) {
  ShowActive();
  Edit(1)->setFocus(Qt::TabFocusReason);
  DialogScript script({});
  for (int i = 1; i <= kNumberCount; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_TRUE(script.Seen().isEmpty()) << script.Seen().join("|").toStdString();
  EXPECT_EQ(Form().Getallen, kDefaultNumbers);
}

// The message of a refused number takes the focus from the window and gives it back; neither
// counts as leaving an edit, so exactly one message is shown.
TEST_F(NumberEntryTest, RefusedNumberGivesOneMessageAndNoChain) {
  ShowActive();
  Edit(1)->setFocus(Qt::TabFocusReason);
  Edit(1)->setText("5");
  DialogScript script({Click("OKButton")});
  QTest::keyClick(Edit(1), Qt::Key_Tab);
  QTest::qWait(50);
  EXPECT_EQ(script.Seen(), QStringList{Message(kMsgGetalTweeMaal)});
  EXPECT_EQ(Edit(1)->text(), "1");
  // Without a window manager the window must be given the focus back after a dialog.
  Form().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
  Edit(3)->setFocus(Qt::TabFocusReason);
  Edit(3)->setText("77");
  QTest::mouseClick(Edit(5), Qt::LeftButton);  // a click elsewhere in the window leaves it too
  EXPECT_EQ(Form().Getallen[2], 77);
  EXPECT_EQ(script.Seen().size(), 1);
}

TEST_F(NumberEntryTest, ClickEmptiesOnlyThatEditAndRestoresAnEmptyTarget) {
  Target()->clear();
  Form().GetalEditClick(Edit(4));
  for (int i = 1; i <= kNumberCount; ++i) {
    EXPECT_EQ(Edit(i)->text().isEmpty(), i == 4) << i;
  }
  EXPECT_EQ(Form().Getallen[3], 4);
  EXPECT_EQ(Target()->text(), "24");
}

TEST_F(NumberEntryTest, TargetIsTakenOnEveryChange) {
  Target()->clear();
  DialogScript script({Click("OKButton")});
  QTest::keyClicks(Target(), "1000");
  EXPECT_EQ(script.Seen(), QStringList{Message(kMsgResultaatBuitenBereik)});
  EXPECT_EQ(Target()->text(), "100");
  EXPECT_EQ(Form().Quotum, 100);
  EXPECT_EQ(Control<QLabel>("ResultaatLabel")->text(), "100");
}

TEST_F(NumberEntryTest, TargetEditRefusals) {
  struct Case {
    const char* text;
    int message;
    const char* shown;
  };
  const Case cases[] = {{"abc", kMsgGetalVergeten, "24"},
                        {"1234", kMsgResultaatBuitenBereik, "24"},
                        {"0", -1, "0"},
                        {"-5", -1, "-5"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Target()->setText("24");
    DialogScript script({Click("OKButton")});
    Target()->setText(c.text);
    EXPECT_EQ(script.Seen(), c.message < 0 ? QStringList() : QStringList{Message(c.message)});
    EXPECT_EQ(Target()->text(), c.shown);
    EXPECT_EQ(Form().Quotum, 24);
    EXPECT_EQ(Control<QLabel>("ResultaatLabel")->text(), c.shown);
  }
}

TEST_F(NumberEntryTest, ClickOnTheTargetTakesItAndClearsTheEdit) {
  Target()->setText("36");
  Form().QuotumEditClick();
  EXPECT_EQ(Form().Quotum, 36);
  EXPECT_EQ(Target()->text(), "");
  EXPECT_EQ(Control<QLabel>("ResultaatLabel")->text(), "");
  // A second click on the empty edit is no error and changes nothing.
  DialogScript script({});
  QTest::mouseClick(Target(), Qt::LeftButton);
  EXPECT_TRUE(script.Seen().isEmpty());
  EXPECT_EQ(Form().Quotum, 36);
  // "0" is no target.
  Target()->setText("0");
  Form().QuotumEditClick();
  EXPECT_EQ(Form().Quotum, 36);
}

TEST_F(NumberEntryTest, ComputingRefusesATargetTheEditDoesNotShow) {
  for (const char* text : {"", "0", "-5"}) {
    SCOPED_TRACE(text);
    Target()->setText(text);
    DialogScript script({Click("OKButton")});
    Control<QPushButton>("BerekenButton")->click();
    EXPECT_EQ(script.Seen(), QStringList{Message(kMsgGetalVergeten)});
    EXPECT_EQ(Form().SpelStatus, kInvoeren);
    EXPECT_EQ(Target()->text(), "24");
    EXPECT_FALSE(Form().Idle.Installed());
  }
}

}  // namespace
}  // namespace reki
