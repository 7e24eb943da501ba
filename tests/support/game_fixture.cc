#include "tests/support/game_fixture.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QWidget>

namespace reki::testing {

void GameTest::SetUp() {
  ASSERT_TRUE(configDir_.isValid());
  qputenv("XDG_CONFIG_HOME", configDir_.path().toLocal8Bit());
  forms_ = std::make_unique<Forms>();
}

void GameTest::TearDown() {
  forms_.reset();
}

bool GameTest::Shown(const char* name) {
  QObject* control = Control(name);
  if (auto* menu = qobject_cast<QMenu*>(control)) {
    return menu->menuAction()->isVisible();
  }
  if (auto* action = qobject_cast<QAction*>(control)) {
    return action->isVisible();
  }
  auto* widget = qobject_cast<QWidget*>(control);
  return widget != nullptr && widget->isVisibleTo(&Form());
}

QStringList GameTest::Lines(const char* listName) {
  QStringList lines;
  QListWidget* list = Control<QListWidget>(listName);
  for (int i = 0; list != nullptr && i < list->count(); ++i) {
    lines.append(list->item(i)->text());
  }
  return lines;
}

}  // namespace reki::testing
