// The program's language setting. The main window sets it to "NL" when it is created; exactly
// "ENG" selects the English texts of the message dialog and the help box, any other value Dutch.
#pragma once

#include <QString>

namespace reki {

extern QString Taal;

inline bool TaalIsEngels() {
  return Taal == QStringLiteral("ENG");
}

}  // namespace reki
