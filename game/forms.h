// Program start: the four forms, created in their order and wired to each other in this one
// place. They live until the program ends.
#pragma once

#include "dialogs/help_box.h"
#include "dialogs/message_form.h"
#include "game/calc_form.h"
#include "game/reki_form.h"

namespace reki {

class Forms {
  // Gives the application its title and fonts before the first form is created.
  struct ApplicationStart {
    ApplicationStart();
  };
  ApplicationStart start_;

 public:
  Forms();

  TRekitoSpelForm RekitoSpelForm;  // appends the version to the title and sets the language
  THelpBox HelpBox;                // takes the language set by the main window
  TMessageForm MessageForm;
  TCalcForm CalcForm;
};

}  // namespace reki
