#include "dialogs/help_box.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "dialogs/language.h"

namespace reki {
namespace {

QPlainTextEdit* Memo(THelpBox& box, const char* name) {
  return box.findChild<QPlainTextEdit*>(QString::fromLatin1(name));
}

TEST(HelpBoxTest, DutchTextExactlyWithItsTrailingBlanks) {
  Taal = QStringLiteral("NL");
  THelpBox box;
  EXPECT_EQ(box.windowTitle(), "Uitleg over het \"Rekito-spel\"");
  EXPECT_TRUE(Memo(box, "Memo_NL")->isVisibleTo(&box));
  EXPECT_FALSE(Memo(box, "Memo_Eng")->isVisibleTo(&box));
  EXPECT_TRUE(Memo(box, "Memo_NL")->isReadOnly());
  const QStringList lines = Memo(box, "Memo_NL")->toPlainText().split(u'\n');
  ASSERT_EQ(lines.size(), 16);
  EXPECT_EQ(lines[0], "Met dit programma kan het \"Rekito-");
  EXPECT_EQ(lines[3], "knop \"Bereken alle combinaties\" of in ");
  EXPECT_EQ(lines[5], "sommen bedacht, variërend van erg ");
  EXPECT_EQ(lines[8], "van de vier gegeven getallen en  de ");
  EXPECT_EQ(lines[10], "Voor het maken van één som krijgt u ");
  EXPECT_EQ(lines[15], "klikken.");
}

TEST(HelpBoxTest, LanguageIsDecidedWhenTheBoxIsCreated) {
  Taal = QStringLiteral("ENG");
  THelpBox english;
  Taal = QStringLiteral("NL");
  EXPECT_EQ(english.windowTitle(), "Explanation of the Rekito game!");
  EXPECT_FALSE(Memo(english, "Memo_NL")->isVisibleTo(&english));
  EXPECT_TRUE(Memo(english, "Memo_Eng")->isVisibleTo(&english));
  const QStringList lines = Memo(english, "Memo_Eng")->toPlainText().split(u'\n');
  ASSERT_EQ(lines.size(), 10);
  EXPECT_EQ(lines[0], "This program plays the \"Rekitogame\".");
  EXPECT_EQ(lines[9], "by clicking on it with the mouse.");
}

}  // namespace
}  // namespace reki
