#include "game/forms.h"

#include "platform/application.h"

namespace reki {

Forms::ApplicationStart::ApplicationStart() {
  RegisterFontFallbacks();
  SetApplicationTitle(QStringLiteral("Rekiplus"));
}

Forms::Forms() {
  RekitoSpelForm.AttachDialogs(&HelpBox, &MessageForm);
}

}  // namespace reki
