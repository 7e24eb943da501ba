// A fresh game for each test: the four forms created as at program start, with the set file in
// a temporary configuration folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "game/forms.h"

namespace reki::testing {

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TRekitoSpelForm& Form() { return forms_->RekitoSpelForm; }
  Forms& AllForms() { return *forms_; }
  QString ConfigDir() const { return configDir_.path(); }

  // A control of the main window by its object name; fails the test when there is none.
  template <class T = QObject>
  T* Control(const char* name) {
    T* control = Form().findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  // Visible as far as the window is concerned (the window itself need not be on screen).
  bool Shown(const char* name);
  // The lines of a list box of the main window, in order.
  QStringList Lines(const char* listName);

 private:
  QTemporaryDir configDir_;
  std::unique_ptr<Forms> forms_;
};

}  // namespace reki::testing
