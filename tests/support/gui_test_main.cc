// Test entry for the widget tests: one QApplication on the offscreen platform for all tests.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>

namespace {

// The offscreen platform warns each time a fixed-size window changes its size; nothing to see.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QStringLiteral("does not support propagateSizeHints"))) {
    return;
  }
  qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(QuietMessages);

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // A private runtime folder keeps Qt from warning about a missing one.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    char folder[] = "/tmp/rekiplus-test-runtime-XXXXXX";
    if (mkdtemp(folder) != nullptr) {
      qputenv("XDG_RUNTIME_DIR", folder);
    }
  }
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
