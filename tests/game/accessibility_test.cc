#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "tests/support/game_fixture.h"

namespace reki {
namespace {

using AccessibilityTest = testing::GameTest;

QString AccessibleText(QWidget* widget, QAccessible::Text kind) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  return accessible != nullptr ? accessible->text(kind) : QString();
}

// A screen reader can name every control that a person uses, in every status: by its caption,
// or by a name or description of its own where the caption is a bare number, a sign or empty.
TEST_F(AccessibilityTest, EveryControlThatAPersonUsesHasANameOrDescription) {
  for (const int status : {kBerekenen, kInvoeren, kSetKiezen, kNiveauKiezen, kOpgaveMaken,
                           kOplossingTonen, kDocentModus}) {
    Form().ZetSpelStatus(status);
    for (QWidget* widget : Form().findChildren<QWidget*>()) {
      const bool used = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                        qobject_cast<QLineEdit*>(widget) != nullptr ||
                        qobject_cast<QProgressBar*>(widget) != nullptr ||
                        qobject_cast<QAbstractItemView*>(widget) != nullptr;

      // Unnamed widgets and qt_* ones are Qt's own parts of a control (a grid's header).
      if (!used || !widget->isVisibleTo(&Form()) || widget->objectName().isEmpty() ||
          widget->objectName().startsWith("qt_")) {
        continue;
      }
      const QString name = AccessibleText(widget, QAccessible::Name);
      const QString description = AccessibleText(widget, QAccessible::Description);
      EXPECT_FALSE(name.trimmed().isEmpty() && description.isEmpty())
          << widget->objectName().toStdString() << " in status " << status;
    }
  }
}

TEST_F(AccessibilityTest, SignsAndNumbersAreSpokenAsWordsOrDescribed) {
  EXPECT_EQ(AccessibleText(Control<QWidget>("MaalButton"), QAccessible::Name), "keer");
  EXPECT_EQ(AccessibleText(Control<QWidget>("DeelButton"), QAccessible::Name), "gedeeld door");
  EXPECT_EQ(AccessibleText(Control<QWidget>("G3"), QAccessible::Description),
            "Getal 3 van de opgave");
  EXPECT_EQ(AccessibleText(Form().GetalEdit[6], QAccessible::Name), "Getal 7");
  EXPECT_EQ(AccessibleText(Control<QWidget>("TijdGauge"), QAccessible::Name), "Tijd");
  EXPECT_EQ(AccessibleText(Control<QLabel>("PlaatjeLabel4"), QAccessible::Description),
            "Getal rechtsonder");
}

}  // namespace
}  // namespace reki
