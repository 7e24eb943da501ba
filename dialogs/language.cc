#include "dialogs/language.h"

namespace reki {

QString Taal = QStringLiteral("NL");

}  // namespace reki
