#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>

#include "engine/grading.h"
#include "engine/patterns.h"
#include "game/calc_form.h"
#include "platform/application.h"
#include "tests/support/game_fixture.h"

namespace reki {
namespace {

using StartTest = testing::GameTest;

QStringList VisibleMenuCaptions(QMenuBar* bar) {
  QStringList captions;
  for (QAction* action : bar->actions()) {
    if (action->isVisible()) {
      captions.append(action->text());
    }
  }
  return captions;
}

TEST_F(StartTest, FirstScreenIsTheLevelChoiceOfTheDefaultSet) {
  TRekitoSpelForm& form = Form();
  EXPECT_EQ(form.SpelStatus, kNiveauKiezen);
  for (const char* panel : {"NiveauPanel", "RekenPanel", "InfoPanel"}) {
    EXPECT_TRUE(Shown(panel)) << panel;
  }
  for (const char* panel : {"AanmaakPanel", "GridPanel", "AntwoordPanel", "PlaatjesPanel",
                            "DocentPanel", "GoedFoutPanel", "StatusPanel"}) {
    EXPECT_FALSE(Shown(panel)) << panel;
  }
  EXPECT_EQ(VisibleMenuCaptions(Control<QMenuBar>("MainMenu1")),
            (QStringList{"Niveau", "Opgave kiezen", "Opties", "Help", "Einde"}));
  EXPECT_EQ(Control<QWidget>("ClientArea")->size(), QSize(395, 244));
  EXPECT_EQ(form.windowTitle(), "Het +REKITO+ spel !!!");
  EXPECT_EQ(ApplicationTitle(), "Rekiplus v2.1+");
  EXPECT_EQ(form.windowIconText(), "Rekiplus v2.1+");
  EXPECT_FALSE(form.PlaatjesTimer->Enabled());
  EXPECT_FALSE(form.StatusTimer->Enabled());
}

TEST_F(StartTest, GameVariablesAndControlsStartAsCreated) {
  TRekitoSpelForm& form = Form();
  EXPECT_EQ(form.Getallen, kDefaultNumbers);
  EXPECT_EQ(form.Quotum, 24);
  EXPECT_EQ(form.HuidigNiveau, 1);
  EXPECT_EQ(form.StapNummer, 1);
  EXPECT_EQ(form.AantalOperanden, 0);
  EXPECT_FALSE(form.OperatieGekozen);
  EXPECT_EQ(form.GoedAantal + form.FoutAantal, 0);
  EXPECT_EQ(form.DocentSet, 1);
  EXPECT_TRUE(form.BerichtGesloten);
  EXPECT_FALSE(form.DirectTonen);
  EXPECT_FALSE(form.EersteNiveauKeuze);  // consumed by the first screen
  EXPECT_EQ(Control<QLineEdit>("NiveauEdit")->text(), "Erg eenvoudig");
  EXPECT_EQ(Control<QLineEdit>("QuotumEdit")->text(), "24");
  EXPECT_EQ(Control<QProgressBar>("TijdGauge")->maximum(), 120);
  EXPECT_EQ(Control<QProgressBar>("WachtGauge")->maximum(), 715);
  EXPECT_TRUE(Control<QRadioButton>("RadioGroup1_0")->isChecked());
  EXPECT_TRUE(Control<QAction>("ErgEenvoudig1")->isChecked());
  EXPECT_TRUE(Control<QAction>("Normaal1")->isChecked());
  for (const char* hidden : {"Docent1", "Bereken1", "Annuleren1"}) {
    EXPECT_FALSE(Control<QAction>(hidden)->isVisible()) << hidden;
  }
  for (int i = 0; i < kNumberCount; ++i) {
    QLineEdit* edit = form.GetalEdit[i];
    EXPECT_EQ(edit->text(), QString::number(i + 1));
    EXPECT_EQ(edit->property("Tag").toInt(), i + 1);
    EXPECT_EQ(edit->parentWidget()->objectName(), "AanmaakPanel");
    EXPECT_EQ(edit->geometry().topLeft(), QPoint(8 + 33 * (i % 5), 28 + 33 * (i / 5)));
  }
}

// The built-in pair restores exactly what grading the default set gives, entry for entry.
TEST_F(StartTest, BuiltInDefaultSetEqualsAFreshGrading) {
  const LevelTable graded = GradeSet(kDefaultNumbers, kDefaultTarget);
  EXPECT_EQ(Form().NiveauTabel, graded);
  const LevelLists lists = BuildLevelLists(kDefaultNumbers, graded);
  for (int level = 1; level <= kLevelCount; ++level) {
    EXPECT_EQ(Form().Lijst(level), lists[level - 1]) << "level " << level;
  }
}

TEST_F(StartTest, PatternFormHoldsTheSolversTablesInOrder) {
  TCalcForm& calc = AllForms().CalcForm;
  EXPECT_EQ(calc.windowTitle(), "Rekito : Berekeningen");
  EXPECT_FALSE(calc.isVisible());
  const char* names[] = {"ListBoxTypeI", "ListBoxTypeII", "ListBoxTypeIII", "ListBoxTypeIV"};
  for (const Shape shape : kShapes) {
    auto* list = calc.findChild<QListWidget*>(names[static_cast<int>(shape)]);
    ASSERT_NE(list, nullptr);
    const auto patterns = PatternsOf(shape);
    ASSERT_EQ(list->count(), static_cast<int>(patterns.size()));
    for (int i = 0; i < list->count(); ++i) {
      EXPECT_EQ(list->item(i)->text().toStdString(), patterns[i]);
    }
  }
}

}  // namespace
}  // namespace reki
