#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace reki {

void PutOnClipboard(const QString& text) {
  QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

}  // namespace reki
