#include <QApplication>

#include "game/forms.h"
#include "platform/application.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  reki::Forms forms;
  forms.RekitoSpelForm.show();
  reki::CenterOnScreen(&forms.RekitoSpelForm);
  return QApplication::exec();
}
