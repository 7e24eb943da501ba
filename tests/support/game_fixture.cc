#include "tests/support/game_fixture.h"

#include <QAction>
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

}  // namespace reki::testing
