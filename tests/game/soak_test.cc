// A soak of the real window: thousands of random but legal user actions, with the game's
// invariants checked after every one. Deterministic by seed, so a failure can be replayed:
//   REKIPLUS_SOAK_SEED=n REKIPLUS_SOAK_ACTIONS=m build/tests/game/game_test --gtest_filter='Soak*'
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <deque>
#include <map>
#include <random>
#include <sstream>

#include "dialogs/message_table.h"
#include "engine/solver.h"
#include "game/status_table.h"
#include "tests/support/event_loop.h"
#include "tests/support/game_fixture.h"

namespace reki {
namespace {

int EnvironmentNumber(const char* name, int fallback) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok ? value : fallback;
}

// Answers every modal dialog with one of its buttons, drawn at random, and notes the error boxes
// (which the program never means to show while it is used).
class RandomAnswerer : public QObject {
 public:
  explicit RandomAnswerer(std::mt19937& random) : random_(random) { Schedule(); }
  ~RandomAnswerer() override { stopped_ = true; }

  QStringList errors;
  int answered = 0;

 private:
  void Schedule() {
    QTimer::singleShot(0, this, [this] {
      if (!stopped_) {
        Schedule();
        Answer();
      }
    });
  }

  void Answer() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || !dialog->isVisible() || answering_.contains(dialog)) {
      return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      errors.append(box->text());
    }
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
      if (button->isVisibleTo(dialog) && button->isEnabled()) {
        buttons.append(button);
      }
    }
    // The end of the program is not a state to soak: "Einde" is always answered "Nee".
    auto* label = dialog->findChild<QLabel*>(QStringLiteral("MessageLabel"));
    if (label != nullptr && label->text() == MessageText(kMsgVerlaten, false)) {
      buttons = {dialog->findChild<QAbstractButton*>(QStringLiteral("NeeButton"))};
    }
    if (buttons.isEmpty()) {
      return;
    }
    QPointer<QWidget> guard(dialog);
    answering_.append(guard);
    ++answered;
    buttons[std::uniform_int_distribution<int>(0, buttons.size() - 1)(random_)]->click();
    answering_.removeAll(guard);
  }

  std::mt19937& random_;
  QList<QPointer<QWidget>> answering_;
  bool stopped_ = false;
};

class SoakTest : public testing::GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Form().show();
    Form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form()));
  }

  int Draw(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  template <class T>
  QList<T*> Usable() {
    QList<T*> usable;
    for (T* control : Form().findChildren<T*>()) {
      if (control->isVisibleTo(&Form()) && control->isEnabled() &&
          !control->objectName().startsWith("qt_")) {
        usable.append(control);
      }
    }
    return usable;
  }

  // Mostly a number, as pupils type them (some out of range); otherwise anything at all.
  QString RandomText() {
    if (Draw(10) < 6) {
      return QString::number(Draw(4) == 0 ? Draw(1200) : 1 + Draw(120));
    }
    static const QString kAlphabet = QStringLiteral("0123456789012345678901234567890+-$ abcXyZ.");

    const int length = Draw(4) == 0 ? 6 + Draw(30) : 1 + Draw(3);
    QString text;
    for (int i = 0; i < length; ++i) {
      text += kAlphabet[Draw(kAlphabet.size())];
    }
    return text;
  }

  // A pupil who knows the answer: the solver's first solution, clicked in step by step.
  QString PlayRightAnswer() {
    std::array<std::int32_t, 4> n{};
    const char* edits[] = {"Edit1", "Edit2", "Edit3", "Edit4"};
    for (int i = 0; i < 4; ++i) {
      n[i] = Control<QLineEdit>(edits[i])->text().toInt();
    }
    const SolverResult solved = FindSolutions(n[0], n[1], n[2], n[3], Form().Quotum, true);
    if (solved.lines.empty())
      return "no solution to play";
    Control<QPushButton>("FoutButton")->click();  // start the answer afresh
    for (const auto& [left, op, right] : StepsOf(solved.lines.front())) {
      ClickOperand(left);
      const std::map<char, const char*> operations = {
          {'+', "PlusButton"}, {'-', "MinButton"}, {'x', "MaalButton"}, {':', "DeelButton"}};
      QTest::mouseClick(Control<QPushButton>(operations.at(op)), Qt::LeftButton);
      ClickOperand(right);
    }
    return "right answer " + QString::fromStdString(solved.lines.front());
  }

  struct Step {
    std::string left;
    char op;
    std::string right;
  };

  // The three steps of a solution line; an operand is a number or "R1"/"R2", a finished step.
  // The brackets tell the shape: "((a o b) o c) o d", "(a o b) o (c o d)", "(c o (a o b)) o d"
  // or "d o (c o (a o b))".
  static std::vector<Step> StepsOf(const std::string& line) {
    std::string shape;  // the brackets and an "n" for each number, as "((nn)n)n"
    std::vector<std::string> numbers;
    std::vector<char> ops;
    std::istringstream words(line.substr(0, line.find(" = ")));
    for (std::string word; words >> word;) {
      if (word.size() == 1 && std::string("+-x:").find(word[0]) != std::string::npos) {
        ops.push_back(word[0]);
        continue;
      }
      std::string digits;
      for (const char c : word) {
        if (c == '(' || c == ')') {
          shape += c;
        } else {
          if (digits.empty())
            shape += 'n';
          digits += c;
        }
      }
      numbers.push_back(digits);
    }
    const auto& n = numbers;
    if (shape.rfind("((", 0) == 0) {
      return {{n[0], ops[0], n[1]}, {"R1", ops[1], n[2]}, {"R2", ops[2], n[3]}};
    }
    if (shape.rfind("(nn)", 0) == 0) {
      return {{n[0], ops[0], n[1]}, {n[2], ops[2], n[3]}, {"R1", ops[1], "R2"}};
    }
    if (shape.rfind("(n(", 0) == 0) {
      return {{n[1], ops[1], n[2]}, {n[0], ops[0], "R1"}, {"R2", ops[2], n[3]}};
    }
    return {{n[2], ops[2], n[3]}, {n[1], ops[1], "R1"}, {n[0], ops[0], "R2"}};
  }

  void ClickOperand(const std::string& operand) {
    if (operand == "R1" || operand == "R2") {
      QTest::mouseClick(Control<QPushButton>(operand.c_str()), Qt::LeftButton);
      return;
    }
    for (const char* g : {"G1", "G2", "G3", "G4"}) {
      QPushButton* button = Control<QPushButton>(g);
      if (button->isEnabled() && button->text().toStdString() == operand) {
        QTest::mouseClick(button, Qt::LeftButton);
        return;
      }
    }
  }

  // One random action of a user (or of time passing); returns what it was, for the log.
  QString Act() {
    Form().activateWindow();
    if (Form().SpelStatus == kOpgaveMaken && Draw(6) == 0) {
      return PlayRightAnswer();
    }
    switch (Draw(8)) {
      case 0:
      case 1: {
        const auto buttons = Usable<QPushButton>();
        if (buttons.isEmpty())
          return "no button";
        QPushButton* button = buttons[Draw(buttons.size())];
        QTest::mouseClick(button, Qt::LeftButton);
        return "click " + button->objectName();
      }
      case 2: {
        QList<QAction*> actions;
        for (QAction* action : Form().findChildren<QAction*>()) {
          if (action->isVisible() && action->isEnabled() && !action->menu() &&
              !action->text().isEmpty()) {
            actions.append(action);
          }
        }
        if (actions.isEmpty())
          return "no menu item";
        QAction* action = actions[Draw(actions.size())];
        // A submenu's item is chosen after the submenu opened, and only when it is on the bar.
        for (QMenu* menu : Form().findChildren<QMenu*>()) {
          if (menu->actions().contains(action)) {
            if (!menu->menuAction()->isVisible())
              return "menu closed";
            emit menu->aboutToShow();
          }
        }
        action->trigger();
        return "menu " + action->objectName();
      }
      case 3: {
        const auto edits = Usable<QLineEdit>();
        if (edits.isEmpty())
          return "no edit";
        QLineEdit* edit = edits[Draw(edits.size())];
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->setFocus(Qt::MouseFocusReason);
        const QString text = RandomText();
        QTest::keyClicks(edit, text);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : edit,
                        Qt::Key_Tab);
        return "type '" + text + "' into " + edit->objectName();
      }
      case 4: {
        const auto lists = Usable<QListWidget>();
        const auto grids = Usable<QTableWidget>();
        if (!grids.isEmpty() && Draw(2) == 0) {
          QTableWidget* grid = grids.front();
          const int row = Draw(grid->rowCount() + 1) - 1;
          const QPoint at = row < 0 ? QPoint(3, grid->viewport()->height() - 2)
                                    : grid->visualItemRect(grid->item(row, 1)).center();
          Draw(3) == 0 ? QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at)
                       : QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
          return QStringLiteral("grid row %1").arg(row);
        }
        if (lists.isEmpty())
          return "no list";
        QListWidget* list = lists[Draw(lists.size())];
        if (list->count() == 0)
          return "empty list";
        const int row = Draw(list->count());
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        return QStringLiteral("%1 line %2").arg(list->objectName()).arg(row);
      }
      case 5: {
        const auto radios = Usable<QRadioButton>();
        if (radios.isEmpty())
          return "no radio";
        QRadioButton* radio = radios[Draw(radios.size())];
        QTest::mouseClick(radio, Qt::LeftButton);
        return "radio " + radio->objectName();
      }
      case 6: {
        // Time passes: a burst of clock ticks, as the running timers would give them.
        const int ticks = Draw(4) == 0 ? 60 + Draw(70) : 1 + Draw(5);
        for (int i = 0; i < ticks; ++i) {
          if (Form().StatusTimer->Enabled())
            Form().TimerStatusTimer(Form().StatusTimer);
          if (Form().PlaatjesTimer->Enabled())
            Form().TimerPlaatjesTimer();
        }
        return QStringLiteral("%1 ticks").arg(ticks);
      }
      default: {
        // The event loop turns: a computation in idle time goes on.
        const int turns = 1 + Draw(400);
        int turn = 0;
        testing::RunEventLoopUntil([&turn, turns] { return ++turn >= turns; });
        return QStringLiteral("%1 turns").arg(turns);
      }
    }
  }

  void CheckInvariants() {
    TRekitoSpelForm& form = Form();
    const std::optional<std::size_t> column = StatusColumn(form.SpelStatus);
    ASSERT_TRUE(column.has_value()) << "status " << form.SpelStatus;
    for (const ControlRow& row : kControlTable) {
      const Set wanted = row.perStatus[*column];
      if (wanted == Set::kKeep || row.control.ends_with('*'))
        continue;
      const QString name = QString::fromLatin1(row.control.data(), row.control.size());
      bool actual = false;
      if (auto* timer = Form().findChild<Timer*>(name)) {
        actual = timer->Enabled();
      } else if (auto* menu = Form().findChild<QMenu*>(name)) {
        actual = menu->menuAction()->isVisible();
      } else if (auto* item = Form().findChild<QAction*>(name)) {
        actual = item->isVisible();
      } else if (auto* widget = Form().findChild<QWidget*>(name)) {
        actual =
            row.property == Property::kVisible ? widget->isVisibleTo(&form) : widget->isEnabled();
      }
      // During an exercise the calculator's buttons follow the answer (see CheckStepState).
      const bool followsAnswer =
          form.SpelStatus == kOpgaveMaken && row.property == Property::kEnabled &&
          (name.startsWith('G') || name.startsWith('R') || name == "OplossingButton");
      if (!followsAnswer) {
        EXPECT_EQ(actual, wanted == Set::kOn)
            << name.toStdString() << " in status " << form.SpelStatus;
      }
    }
    if (form.SpelStatus == kNiveauKiezen) {
      EXPECT_NE(Shown("InfoPanel"), Shown("GoedFoutPanel"));
    }
    EXPECT_TRUE(IsValidNumberSet(form.Getallen));
    EXPECT_TRUE(form.Quotum >= kMinTarget && form.Quotum <= kMaxTarget) << form.Quotum;
    EXPECT_GE(form.GoedAantal, goed_);
    EXPECT_GE(form.FoutAantal, fout_);
    goed_ = form.GoedAantal;
    fout_ = form.FoutAantal;
    CheckStepState();
  }

  // In an exercise every operand taken is a disabled number button or a used result button.
  void CheckStepState() {
    TRekitoSpelForm& form = Form();
    EXPECT_TRUE(form.StapNummer >= 1 && form.StapNummer <= 3) << form.StapNummer;
    EXPECT_TRUE(form.AantalOperanden >= 0 && form.AantalOperanden <= 2) << form.AantalOperanden;
    if (form.SpelStatus != kOpgaveMaken)
      return;
    int used = 0;
    for (const char* g : {"G1", "G2", "G3", "G4"}) {
      used += !Control<QPushButton>(g)->isEnabled();
    }
    const char* results[] = {"R1", "R2", "R3"};
    for (int k = 1; k < form.StapNummer; ++k) {
      used += !Control<QPushButton>(results[k - 1])->isEnabled();
    }
    for (int k = form.StapNummer; k <= 3; ++k) {
      EXPECT_FALSE(Control<QPushButton>(results[k - 1])->isEnabled()) << results[k - 1];
    }
    EXPECT_EQ(used, 2 * (form.StapNummer - 1) + form.AantalOperanden);
  }

  std::mt19937 random_;
  int goed_ = 0;
  int fout_ = 0;
};

TEST_F(SoakTest, RandomUserActionsKeepTheGameConsistent) {
  const int seed = EnvironmentNumber("REKIPLUS_SOAK_SEED", 20261211);
  const int actions = EnvironmentNumber("REKIPLUS_SOAK_ACTIONS", 1500);
  random_.seed(seed);
  Form().Willekeurig.Seed(seed);
  RandomAnswerer answerer(random_);
  std::deque<QString> log;
  std::map<int, int> statuses;
  for (int i = 1; i <= actions; ++i) {
    log.push_back(Act());
    ++statuses[Form().SpelStatus];
    if (qEnvironmentVariableIsSet("REKIPLUS_SOAK_TRACE")) {
      std::printf("%d %d %s\n", i, Form().SpelStatus, qPrintable(log.back()));
    }

    if (log.size() > 12)
      log.pop_front();
    if (!Form().isVisible()) {
      Form().show();  // never closed by the answers, but a close must not end the soak silently
    }
    CheckInvariants();

    EXPECT_TRUE(answerer.errors.isEmpty()) << answerer.errors.join(" | ").toStdString();
    if (::testing::Test::HasFailure()) {
      QStringList recent(log.begin(), log.end());
      FAIL() << "seed " << seed << ", action " << i << "; last actions:\n  "
             << recent.join("\n  ").toStdString();
    }
  }
  RecordProperty("actions", actions);
  RecordProperty("dialogs_answered", answerer.answered);
  QStringList visited;
  for (const auto& [status, count] : statuses) {
    visited.append(QStringLiteral("%1: %2").arg(status).arg(count));
  }
  std::printf(
      "soak: seed %d, %d actions, %d dialogs answered, score %d right / %d shown; "
      "actions ending in status %s\n",
      seed, actions, answerer.answered, Form().GoedAantal, Form().FoutAantal,
      qPrintable(visited.join(", ")));
}

}  // namespace
}  // namespace reki
