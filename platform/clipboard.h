// The system clipboard, as the game uses it: one line of plain text put on it.
#pragma once

#include <QString>

namespace reki {

// Replaces what the clipboard holds by text, as plain text.
void PutOnClipboard(const QString& text);

}  // namespace reki
