#include <QApplication>

#include "game/forms.h"
#include "platform/application.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Desktops find the window's icon and name through the installed desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("rekiplus"));

  reki::Forms forms;
  forms.RekitoSpelForm.show();
  reki::CenterOnScreen(&forms.RekitoSpelForm);
  return QApplication::exec();
}
