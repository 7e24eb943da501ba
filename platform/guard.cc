#include "platform/guard.h"

#include <QMessageBox>

#include "platform/application.h"

namespace reki {
namespace {

void ShowBox(QMessageBox::Icon icon, const QString& message) {
  QMessageBox box(icon, ApplicationTitle(), message, QMessageBox::Ok);
  box.setObjectName(icon == QMessageBox::Critical ? "ErrorBox" : "PlainMessageBox");
  box.exec();
}

}  // namespace

void ShowErrorBox(const QString& message) {
  ShowBox(QMessageBox::Critical, message);
}

void ShowPlainMessage(const QString& message) {
  ShowBox(QMessageBox::NoIcon, message);
}

void RunGuarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowErrorBox(QString::fromUtf8(error.what()));
  }
}

}  // namespace reki
