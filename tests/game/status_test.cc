#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <set>

#include "tests/support/dialog_script.h"
#include "tests/support/game_fixture.h"

namespace reki {
namespace {

using testing::Click;
using testing::DialogScript;

class StatusTest : public testing::GameTest {
 protected:
  // The exercise 3 7 12 24 in Edit1..Edit4, as a draw leaves it.
  void SetExercise() {
    const char* numbers[] = {"3", "7", "12", "24"};
    for (int i = 0; i < 4; ++i) {
      Control<QLineEdit>(("Edit" + std::to_string(i + 1)).c_str())->setText(numbers[i]);
    }
  }
  bool Enabled(const char* name) { return Control<QWidget>(name)->isEnabled(); }
};

const char* const kPanels[] = {"AanmaakPanel",  "GridPanel",     "NiveauPanel", "RekenPanel",
                               "AntwoordPanel", "PlaatjesPanel", "DocentPanel", "GoedFoutPanel",
                               "StatusPanel",   "InfoPanel"};
const char* const kMenuItems[] = {"Bereken1",   "Annuleren1",    "Anders1",
                                  "Oplossing1", "OpgaveKiezen1", "NiveauKiezen1"};

struct ExpectedStatus {
  int status;
  std::set<std::string> panels;     // the panels shown, all others hidden
  std::set<std::string> menuItems;  // the status-driven menu items shown
  int plaatjesLeft;
  bool plaatjesTimer;
  bool statusTimer;
};

void PrintTo(const ExpectedStatus& expected, std::ostream* out) {
  *out << "status " << expected.status;
}

// Each status entered from the start-up screen (status 20, after its first entry), so a status
// that keeps a property shows the start-up screen's value.
const ExpectedStatus kExpected[] = {
    {10, {"AanmaakPanel", "PlaatjesPanel", "InfoPanel"}, {"Annuleren1"}, 200, true, false},
    {11, {"AanmaakPanel", "PlaatjesPanel", "InfoPanel"}, {"Annuleren1"}, 200, true, false},
    {15, {"GridPanel", "InfoPanel"}, {"Anders1"}, 200, false, false},
    {20,
     {"NiveauPanel", "RekenPanel", "GoedFoutPanel"},
     {"OpgaveKiezen1", "NiveauKiezen1"},
     200,
     false,
     false},
    {30, {"RekenPanel", "PlaatjesPanel", "StatusPanel"}, {"Oplossing1"}, 5, false, true},
    {40,
     {"RekenPanel", "AntwoordPanel", "GoedFoutPanel"},
     {"OpgaveKiezen1", "NiveauKiezen1"},
     200,
     false,
     false},
    {50, {"AntwoordPanel", "DocentPanel", "InfoPanel"}, {}, 200, false, false},
};

class StatusRowTest : public StatusTest, public ::testing::WithParamInterface<ExpectedStatus> {};

TEST_P(StatusRowTest, ArrangesPanelsMenuItemsAndTimers) {
  const ExpectedStatus& expected = GetParam();
  SetExercise();
  Form().ZetSpelStatus(expected.status);
  EXPECT_EQ(Form().SpelStatus, expected.status);
  for (const char* panel : kPanels) {
    EXPECT_EQ(Shown(panel), expected.panels.count(panel) == 1) << panel;
  }
  for (const char* item : kMenuItems) {
    EXPECT_EQ(Shown(item), expected.menuItems.count(item) == 1) << item;
  }
  for (const char* always : {"Opties1", "Help1", "Einde1"}) {
    EXPECT_TRUE(Shown(always)) << always;
  }
  EXPECT_FALSE(Shown("Docent1"));
  EXPECT_EQ(Control<QWidget>("PlaatjesPanel")->x(), expected.plaatjesLeft);
  EXPECT_EQ(Form().PlaatjesTimer->Enabled(), expected.plaatjesTimer);
  EXPECT_EQ(Form().StatusTimer->Enabled(), expected.statusTimer);
}

INSTANTIATE_TEST_SUITE_P(AllStatuses, StatusRowTest, ::testing::ValuesIn(kExpected),
                         [](const auto& info) { return std::to_string(info.param.status); });

TEST_F(StatusTest, ComputingAndEnteringSwapButtonAndGaugeAndLockTheEdits) {
  Form().ZetSpelStatus(kBerekenen);
  EXPECT_FALSE(Shown("BerekenButton"));
  EXPECT_TRUE(Shown("WachtGauge"));
  EXPECT_FALSE(Enabled("QuotumEdit"));
  for (QLineEdit* edit : Form().GetalEdit) {
    EXPECT_FALSE(edit->isEnabled());
  }
  Form().ZetSpelStatus(kInvoeren);
  EXPECT_TRUE(Shown("BerekenButton"));
  EXPECT_FALSE(Shown("WachtGauge"));
  EXPECT_TRUE(Enabled("QuotumEdit"));
  for (QLineEdit* edit : Form().GetalEdit) {
    EXPECT_TRUE(edit->isEnabled());
  }
}

TEST_F(StatusTest, CalculatorButtonsPerStatus) {
  struct Row {
    int status;
    bool numbers, solutions, back;
  };
  SetExercise();
  for (const Row& row :
       {Row{30, true, true, true}, Row{40, false, false, true}, Row{20, false, false, false}}) {
    SCOPED_TRACE(row.status);
    Form().ZetSpelStatus(row.status);
    for (const char* g : {"G1", "G2", "G3", "G4"}) {
      EXPECT_EQ(Enabled(g), row.numbers) << g;
    }
    for (const char* r : {"R1", "R2", "R3"}) {
      EXPECT_FALSE(Enabled(r)) << r;
      EXPECT_EQ(Control<QPushButton>(r)->text(), "") << r;
    }
    EXPECT_EQ(Enabled("OplossingButton"), row.solutions);
    EXPECT_EQ(Enabled("FoutButton"), row.back);
    EXPECT_EQ(Control<QPushButton>("G3")->text(), row.numbers ? "12" : "");
  }
}

TEST_F(StatusTest, PicturesShowTheExerciseOrNumbersOfTheSet) {
  SetExercise();
  Form().ZetSpelStatus(kOpgaveMaken);
  const char* labels[] = {"PlaatjeLabel1", "PlaatjeLabel2", "PlaatjeLabel3", "PlaatjeLabel4"};
  const char* numbers[] = {"3", "7", "12", "24"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Control<QLabel>(labels[i])->text(), numbers[i]);
  }
  EXPECT_EQ(Control<QLabel>("QuotumLabel1")->text(), "24");

  Form().Getallen = {11, 22, 33, 44, 55, 66, 77, 88, 99, 98};
  for (int round = 0; round < 20; ++round) {
    Form().ZetSpelStatus(round % 2 == 0 ? kInvoeren : kBerekenen);
    for (const char* label : labels) {
      const int shown = Control<QLabel>(label)->text().toInt();
      EXPECT_NE(std::find(Form().Getallen.begin(), Form().Getallen.end(), shown),
                Form().Getallen.end())
          << shown;
    }
  }
}

TEST_F(StatusTest, FirstLevelChoiceShowsInfoThenTheScore) {
  EXPECT_TRUE(Shown("InfoPanel"));  // the start-up screen was the first entry
  EXPECT_FALSE(Shown("GoedFoutPanel"));
  Form().ZetSpelStatus(kNiveauKiezen);
  EXPECT_FALSE(Shown("InfoPanel"));
  EXPECT_TRUE(Shown("GoedFoutPanel"));
}

TEST_F(StatusTest, EmptyLevelShowsTheNoticeInsteadOfTheButtons) {
  Form().Lijst(1).clear();  // the level selected in the radio group
  Form().ZetSpelStatus(kNiveauKiezen);
  EXPECT_TRUE(Shown("NiveauMemo"));
  EXPECT_FALSE(Shown("OpgaveSelectButton"));
  EXPECT_FALSE(Shown("AndereGetallenButton"));

  // With entries the three keep their state.
  Form().Lijst(1).push_back(" 1 :  2 :  3 :  4");
  Form().ZetSpelStatus(kNiveauKiezen);
  EXPECT_TRUE(Shown("NiveauMemo"));
  Control<QWidget>("NiveauMemo")->hide();
  Control<QWidget>("OpgaveSelectButton")->show();
  Form().ZetSpelStatus(kNiveauKiezen);
  EXPECT_FALSE(Shown("NiveauMemo"));
  EXPECT_TRUE(Shown("OpgaveSelectButton"));
  EXPECT_FALSE(Shown("AndereGetallenButton"));
}

TEST_F(StatusTest, GridStatusPicksTheDefaultSetRow) {
  Form().GekozenRij = 4;
  Form().ZetSpelStatus(kSetKiezen);
  EXPECT_EQ(Form().GekozenRij, 1);
}

// Everything of the window that a status could change, as text.
QStringList WindowState(QWidget& window) {
  QStringList state;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_")) {
      continue;  // Qt's own parts of the controls, which lay themselves out lazily
    }
    QString text;
    if (auto* button = qobject_cast<QPushButton*>(widget))
      text = button->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
      text = label->text();
    state.append(QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(widget->objectName())
                     .arg(widget->isVisibleTo(&window))
                     .arg(widget->isEnabled())
                     .arg(widget->x())
                     .arg(text));
  }
  for (QAction* action : window.findChildren<QAction*>()) {
    state.append(QStringLiteral("%1 %2 %3")
                     .arg(action->text())
                     .arg(action->isVisible())
                     .arg(action->isChecked()));
  }
  return state;
}

TEST_F(StatusTest, InvalidValueShowsThePlainBoxAndChangesNothingElse) {
  for (const int value : {0, 12, 25, 60}) {
    SCOPED_TRACE(value);
    const QStringList before = WindowState(Form());
    const bool plaatjes = Form().PlaatjesTimer->Enabled();
    DialogScript script({Click("OK")});
    Form().ZetSpelStatus(value);
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(script.Seen().front(), "SpelStatus : Onjuiste Invoer: " + QString::number(value));
    EXPECT_EQ(script.Titles().front(), "Rekiplus v2.1+");
    EXPECT_EQ(Form().SpelStatus, value);
    EXPECT_EQ(WindowState(Form()).join(u'\n').toStdString(), before.join(u'\n').toStdString());
    EXPECT_EQ(Form().PlaatjesTimer->Enabled(), plaatjes);
  }
}

}  // namespace
}  // namespace reki
