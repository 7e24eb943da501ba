#include "dialogs/message_form.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "dialogs/language.h"
#include "dialogs/message_table.h"
#include "tests/support/dialog_script.h"

namespace reki {
namespace {

using testing::Click;
using testing::DialogScript;

class MessageFormTest : public ::testing::Test {
 protected:
  void TearDown() override { Taal = QStringLiteral("NL"); }

  // Shows message nr of a kind, answers it with button, and returns the dialog's answer.
  bool ShowAndAnswer(int kind, int nr, const QString& button) {
    form_.ZetBericht(kind, nr);
    DialogScript script({Click(button)});
    form_.exec();
    EXPECT_TRUE(script.Done());
    seen_ = script.Seen().value(0);
    title_ = script.Titles().value(0);
    return form_.Antwoord;
  }

  bool Shown(const char* name) {
    return form_.findChild<QWidget*>(QString::fromLatin1(name))->isVisibleTo(&form_);
  }

  TMessageForm form_;
  QString seen_;
  QString title_;
};

TEST_F(MessageFormTest, NoticeShowsOnlyOkAndAnswersTrue) {
  form_.ZetBericht(kNotice, kMsgInfo);
  EXPECT_TRUE(Shown("OKPanel"));
  EXPECT_FALSE(Shown("JaNeePanel"));
  EXPECT_TRUE(ShowAndAnswer(kNotice, kMsgInfo, "OKButton"));
  EXPECT_EQ(seen_, MessageText(kMsgInfo, false));
  EXPECT_EQ(title_, "Het REKITO-spel!!!");
}

TEST_F(MessageFormTest, QuestionShowsJaAndNee) {
  form_.ZetBericht(kQuestion, kMsgVerlaten);
  EXPECT_FALSE(Shown("OKPanel"));
  EXPECT_TRUE(Shown("JaNeePanel"));
  EXPECT_TRUE(ShowAndAnswer(kQuestion, kMsgVerlaten, "JaButton"));
  EXPECT_EQ(seen_, "Wilt u het Rekito programma verlaten?");
  EXPECT_FALSE(ShowAndAnswer(kQuestion, kMsgVerlaten, "NeeButton"));
  // The previous "Nee" does not leak into the next message.
  EXPECT_TRUE(ShowAndAnswer(kNotice, kMsgAlBerekend, "OKButton"));
}

TEST_F(MessageFormTest, EscapeAnswersNeeToAQuestionAndOkToANotice) {
  form_.ZetBericht(kQuestion, kMsgVerlaten);
  form_.show();
  form_.reject();
  EXPECT_FALSE(form_.Antwoord);
  EXPECT_FALSE(form_.isVisible());
  form_.ZetBericht(kNotice, kMsgInfo);
  form_.show();
  form_.reject();
  EXPECT_TRUE(form_.Antwoord);
}

TEST_F(MessageFormTest, NumbersOutsideTheTableShowMessageZero) {
  for (const int nr : {15, 99, -1}) {
    form_.ZetBericht(kNotice, nr);
    EXPECT_EQ(form_.findChild<QLabel*>("MessageLabel")->text(), "Onbekende fout") << nr;
  }
}

TEST_F(MessageFormTest, EnglishColumnAndCaptionsOnlyForExactlyEng) {
  Taal = QStringLiteral("eng");
  EXPECT_TRUE(ShowAndAnswer(kQuestion, kMsgAntwoordGoed, "JaButton"));
  EXPECT_EQ(seen_, "Hoera, je hebt een oplossing gevonden.\nWil je ALLE oplossingen zien?");
  EXPECT_EQ(title_, "Het REKITO-spel!!!");

  Taal = QStringLiteral("ENG");
  EXPECT_FALSE(ShowAndAnswer(kQuestion, kMsgAntwoordGoed, "No"));
  EXPECT_EQ(seen_,
            "Yes, you did it!\nYou found the solution!\nWould you like to see ALL solutions?");
  EXPECT_EQ(title_, "The Rekito game!");
  EXPECT_EQ(form_.findChild<QPushButton*>("JaButton")->text(), "Yes");
}

TEST(MessageTableTest, EveryMessageInBothLanguages) {
  for (int nr = 0; nr < kMessageCount; ++nr) {
    EXPECT_FALSE(MessageText(nr, false).isEmpty()) << nr;
    EXPECT_FALSE(MessageText(nr, true).isEmpty()) << nr;
  }
  EXPECT_EQ(MessageText(kMsgGetalTweeMaal, false),
            "Je hebt één getal twee maal proberen in te voeren");
  EXPECT_EQ(
      MessageText(kMsgLeesFout, false),
      "Er is een fout opgetreden bij het lezen\nvanuit \"Rekito.Ini\". Maak een andere keuze");
  // The long messages have four lines, which fill the label.
  for (const int nr : {kMsgGetalVergeten, kMsgInfo, kMsgNietAlleOplossingen}) {
    EXPECT_EQ(MessageText(nr, false).count(u'\n'), 3) << nr;
  }
  EXPECT_TRUE(MessageText(kMsgInfo, false).section(u'\n', 3).startsWith("https://"));
}

}  // namespace
}  // namespace reki
