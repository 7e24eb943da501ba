#include <QAction>
#include <QApplication>
#include <QPushButton>

#include "dialogs/message_table.h"
#include "platform/application.h"
#include "platform/errors.h"
#include "platform/guard.h"
#include "tests/support/dialog_script.h"
#include "tests/support/game_fixture.h"

namespace reki {
namespace {

using testing::Click;
using testing::DialogScript;
using testing::DialogStep;

using WindowCommandsTest = testing::GameTest;

TEST_F(WindowCommandsTest, GrootAndNormaalChangeTheClientAreaAndTheRightColumn) {
  QWidget* client = Control<QWidget>("ClientArea");
  Control<QAction>("Groot1")->trigger();
  EXPECT_EQ(client->size(), QSize(495, 304));
  for (const char* panel : {"PlaatjesPanel", "DocentPanel", "RekenPanel"}) {
    EXPECT_EQ(Control<QWidget>(panel)->pos(), QPoint(250, 5)) << panel;
  }
  EXPECT_EQ(Control<QWidget>("NiveauPanel")->pos(), QPoint(5, 5));
  EXPECT_EQ(Control<QWidget>("InfoPanel")->geometry(), QRect(0, 279, 495, 25));
  EXPECT_TRUE(Control<QAction>("Groot1")->isChecked());
  EXPECT_FALSE(Control<QAction>("Normaal1")->isChecked());
  // The menu bar lies outside the client area.
  EXPECT_GT(Form().height(), 304);

  // The statuses place the picture panel at fixed positions, whatever the size.
  Form().ZetSpelStatus(kOpgaveMaken);
  EXPECT_EQ(Control<QWidget>("PlaatjesPanel")->x(), 5);
  Form().ZetSpelStatus(kOplossingTonen);
  EXPECT_EQ(Control<QWidget>("PlaatjesPanel")->x(), 200);

  Control<QAction>("Normaal1")->trigger();
  EXPECT_EQ(client->size(), QSize(395, 244));
  EXPECT_EQ(Control<QWidget>("RekenPanel")->pos(), QPoint(200, 5));
  EXPECT_EQ(Control<QWidget>("InfoPanel")->geometry(), QRect(0, 219, 395, 25));
  EXPECT_TRUE(Control<QAction>("Normaal1")->isChecked());
  EXPECT_FALSE(Control<QAction>("Groot1")->isChecked());
}

TEST_F(WindowCommandsTest, EindeAsksFirstAndClosesOnlyOnJa) {
  Form().show();
  {
    DialogScript script({Click("NeeButton")});
    Control<QAction>("Einde1")->trigger();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(script.Seen().front(), "Wilt u het Rekito programma verlaten?");
  }
  EXPECT_TRUE(Form().isVisible());
  EXPECT_EQ(Form().SpelStatus, kNiveauKiezen);
  DialogScript script({Click("JaButton")});
  Control<QAction>("Einde1")->trigger();
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(Form().isVisible());
}

TEST_F(WindowCommandsTest, InfoShowsTheDistributionTermsWithOnlyOk) {
  DialogScript script({Click("OKButton")});
  Control<QPushButton>("InfoButton")->click();
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(script.Seen().front(), MessageText(kMsgInfo, false));
  EXPECT_EQ(Form().SpelStatus, kNiveauKiezen);
}

TEST_F(WindowCommandsTest, HelpBoxOpensFromAllThreeCommands) {
  Form().ZetSpelStatus(kInvoeren);  // HelpButton is on the entry panel
  DialogScript script({Click("OK"), Click("OK"), Click("OK")});
  Control<QPushButton>("HelpButton")->click();
  Control<QPushButton>("RekenHelpButton")->click();
  Control<QAction>("Help1")->trigger();
  ASSERT_TRUE(script.Done());
  for (const QString& title : script.Titles()) {
    EXPECT_EQ(title, "Uitleg over het \"Rekito-spel\"");
  }
  EXPECT_EQ(Form().SpelStatus, kInvoeren);
}

TEST_F(WindowCommandsTest, MessageClosedFlagFollowsTheDialog) {
  bool whileOpen = true;
  DialogScript script({DialogStep{"NeeButton", [&] { whileOpen = Form().BerichtGesloten; }}});
  EXPECT_FALSE(Form().ToonBericht(kQuestion, kMsgAntwoordFout));
  EXPECT_FALSE(whileOpen);
  EXPECT_TRUE(Form().BerichtGesloten);
}

// A message that comes while a question is open (a computation can end under it) opens on top;
// each caller gets the answer to its own message, and the first question keeps its buttons.
TEST_F(WindowCommandsTest, SecondMessageOpensOnTopAndEachCallerGetsItsOwnAnswer) {
  bool secondAnswer = false;
  bool closedDuringSecond = true;
  bool jaNeeStillShown = false;
  DialogScript script({
      DialogStep{"NeeButton",
                 [&] {
                   secondAnswer = Form().ToonBericht(kNotice, kMsgGeenOplossing);
                   jaNeeStillShown = AllForms()
                                         .MessageForm.findChild<QWidget*>("JaNeePanel")
                                         ->isVisibleTo(&AllForms().MessageForm);
                 }},
      DialogStep{"OKButton", [&] { closedDuringSecond = Form().BerichtGesloten; }},
  });
  const bool firstAnswer = Form().ToonBericht(kQuestion, kMsgVerlaten);
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(script.Seen(),
            (QStringList{MessageText(kMsgVerlaten, false), MessageText(kMsgGeenOplossing, false)}));
  EXPECT_FALSE(firstAnswer);  // "Nee", not the "OK" of the second message
  EXPECT_TRUE(secondAnswer);
  EXPECT_TRUE(jaNeeStillShown);
  EXPECT_FALSE(closedDuringSecond);
  EXPECT_TRUE(Form().BerichtGesloten);
}

TEST(ErrorGuardTest, ShowsTheErrorWithTheApplicationTitleAndGoesOn) {
  SetApplicationTitle("Rekiplus v2.1+");
  DialogScript script({Click("OK"), Click("OK")});
  bool after = false;
  RunGuarded([] { throw IntegerOverflowError(); });
  RunGuarded([] { throw ConvertError("7a"); });
  RunGuarded([&after] { after = true; });
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(script.Seen(), (QStringList{"Integer overflow", "'7a' is not a valid integer value"}));
  EXPECT_EQ(script.Titles().front(), "Rekiplus v2.1+");
  EXPECT_TRUE(after);
}

}  // namespace
}  // namespace reki
